#include "ui_qt/window_placing.h"

#include <algorithm>

#include <QGuiApplication>
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

} // namespace

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

QPoint centredOver(const QWidget *over, QSize size)
{
	const QRect area = over ? over->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
	return area.center() - QRect(QPoint(0, 0), size).center();
}

void placeOnScreen(QWidget &window, QRect wanted, const QWidget *over)
{
	QScreen *screen = QGuiApplication::screenAt(wanted.center());
	if (!screen)
		screen = over ? over->screen() : window.screen();
	QMargins frame = frameOf(window);
	if (frame.isNull() && over)
		frame = frameOf(*over->window());
	const QRect placed = fittedOnScreen(wanted, screen->availableGeometry(), frame);
	window.resize(placed.size());
	window.move(placed.topLeft());
}

} // namespace mirel::ui
