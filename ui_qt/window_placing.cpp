#include "ui_qt/window_placing.h"

#include <algorithm>

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace mirel::ui {

namespace {

// What the window system's frame adds around a window shown before; none
// for a window never shown.
QMargins frameOf(const QWidget &window)
{
	const QRect frame = window.frameGeometry();
	const QRect inside = window.geometry();
	return { inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
		 frame.bottom() - inside.bottom() };
}

// The frame window will have: its own when it was shown before, else that
// of a window shown now, over's first, framed alike by the window system.
QMargins expectedFrame(const QWidget &window, const QWidget *over)
{
	QList<QWidget *> framed = QApplication::topLevelWidgets();
	if (over)
		framed.prepend(over->window());
	QMargins frame = frameOf(window);
	for (const QWidget *other : framed) {
		if (!frame.isNull())
			break;
		if (other->isVisible() && !other->isMinimized())
			frame = frameOf(*other);
	}
	return frame;
}

// wanted moved into available, made smaller first where it does not fit,
// for a window whose frame adds frame around the inside.
QRect fittedOnScreen(QRect wanted, QRect available, QMargins frame)
{
	const QSize around(frame.left() + frame.right(), frame.top() + frame.bottom());
	const QSize size = wanted.size().boundedTo(available.size() - around).expandedTo(QSize(1, 1));
	const QSize outside = size + around;
	const int left = std::max(available.left(),
				  std::min(wanted.left(), available.left() + available.width() - outside.width()));
	const int top = std::max(available.top(),
				 std::min(wanted.top(), available.top() + available.height() - outside.height()));
	return { QPoint(left, top), size };
}

} // namespace

QPoint centredOver(const QWidget *over, QSize size)
{
	const QRect area = over ? over->frameGeometry() : QApplication::primaryScreen()->availableGeometry();
	return area.center() - QRect(QPoint(0, 0), size).center();
}

void placeOnScreen(QWidget &window, QRect wanted, const QWidget *over)
{
	QScreen *screen = QApplication::screenAt(wanted.center());
	if (!screen)
		screen = over ? over->screen() : window.screen();
	const QRect placed = fittedOnScreen(wanted, screen->availableGeometry(), expectedFrame(window, over));
	window.resize(placed.size());
	window.move(placed.topLeft());
}

} // namespace mirel::ui
