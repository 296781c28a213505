#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace mirel::ui {

// Where windows open: never larger than the screen's free area (less what
// the panels and docks take), never off it. A window's place is the
// top-left corner of its frame with the size inside the frame, as QWidget's
// pos() and size() give it and move() and resize() take it.

// The place of a window of size centred over the window over, or over the
// primary screen's free area when there is none.
QPoint centredOver(const QWidget *over, QSize size);

// Gives window, a top-level one, the place wanted fitted on the screen that
// holds wanted's centre, or else over's (the screen wanted was on may be
// gone). Before the window was first shown its frame is not known yet: the
// frame of a window shown, over's first, stands for it.
void placeOnScreen(QWidget &window, QRect wanted, const QWidget *over);

} // namespace mirel::ui
