#include "ui_qt/tool_window.h"

#include <algorithm>

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QScreen>

#include "ui_qt/window_placing.h"

namespace mirel::ui {

ToolWindow::ToolWindow(QWidget *parent) : QWidget(parent, Qt::Window), following_([this] { follow(); })
{
	// Esc closes every tool window, whichever of its controls has the keyboard.
	auto *escape = new QAction(this);
	escape->setShortcut(QKeySequence(Qt::Key_Escape));
	addAction(escape);
	connect(escape, &QAction::triggered, this, &QWidget::close);
}

void ToolWindow::follow()
{
	if (refreshAsked_ || !isVisible() || showsCurrentSettings())
		return;
	refreshAsked_ = true;
	// After the change's handlers have run, before the loop paints.
	QMetaObject::invokeMethod(
		this,
		[this] {
			refreshAsked_ = false;
			if (isVisible() && !showsCurrentSettings())
				refresh();
		},
		Qt::QueuedConnection);
}

void ToolWindow::present()
{
	if (isMinimized())
		showNormal();
	// The screens may have changed since it was last shown.
	if (isHidden())
		placeOnScreen(*this, QRect(pos(), size()), parentWidget());
	show();
	raise();
	activateWindow();
}

void ToolWindow::place(QSize wanted, WindowPlace &last)
{
	remembered_ = &last;
	if (layout() && layout()->hasHeightForWidth())
		wanted.setHeight(std::max(wanted.height(), contentHeight(wanted.width())));
	const QRect rect = last.known() ? QRect(last.left, last.top, last.width, last.height)
					: QRect(centredOver(parentWidget(), wanted), wanted);
	placeOnScreen(*this, rect, parentWidget());
}

int ToolWindow::contentHeight(int width) const
{
	// The frame the window system draws around it comes off the screen's.
	const int room = screen()->availableGeometry().height() - (frameGeometry().height() - height());
	return std::min(layout()->totalMinimumHeightForWidth(width), room);
}

void ToolWindow::keepContentWhole()
{
	// Wrapped texts take more lines in a narrower window, and a text that
	// grows more room: the window grows with them, where the screen lets
	// it, and the user cannot make it smaller.
	if (!layout() || !layout()->hasHeightForWidth())
		return;
	const int before = height();
	setMinimumHeight(contentHeight(width()));
	if (isVisible() && height() != before)
		placeOnScreen(*this, QRect(pos(), size()), parentWidget());
}

void ToolWindow::rememberPlace()
{
	if (remembered_ && isVisible())
		*remembered_ = { x(), y(), width(), height() };
}

bool ToolWindow::event(QEvent *event)
{
	const bool handled = QWidget::event(event);
	// The layout has taken in a change of what it holds.
	if (event->type() == QEvent::LayoutRequest)
		keepContentWhole();
	return handled;
}

void ToolWindow::showEvent(QShowEvent *event)
{
	// Changes while it was hidden were not followed.
	if (!showsCurrentSettings())
		refresh();
	QWidget::showEvent(event);
	rememberPlace();
}

void ToolWindow::moveEvent(QMoveEvent *event)
{
	QWidget::moveEvent(event);
	rememberPlace();
}

void ToolWindow::resizeEvent(QResizeEvent *event)
{
	QWidget::resizeEvent(event);
	keepContentWhole();
	rememberPlace();
}

} // namespace mirel::ui
