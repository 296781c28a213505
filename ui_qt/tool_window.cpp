#include "ui_qt/tool_window.h"

#include <QScreen>

namespace mirel::ui {

ToolWindow::ToolWindow(QWidget *parent) : QWidget(parent, Qt::Window), following_([this] { follow(); }) {}

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
	show();
	raise();
	activateWindow();
}

void ToolWindow::place(QSize wanted)
{
	// Never more than most of the screen, whatever the window would like.
	const QRect screen = this->screen()->availableGeometry();
	resize(wanted.boundedTo(QSize(screen.width() * 9 / 10, screen.height() * 9 / 10)));
}

void ToolWindow::showEvent(QShowEvent *event)
{
	// Changes while it was hidden were not followed.
	if (!showsCurrentSettings())
		refresh();
	QWidget::showEvent(event);
}

} // namespace mirel::ui
