#pragma once

#include <QWidget>

#include "settings/model/settings_change.h"

namespace mirel::ui {

// A window of its own beside the main window, showing something of the
// settings: the Tools menu's windows derive from it. While it is shown it
// follows the changes of the settings it reads, once a turn of the event
// loop however many there were in the turn (a keystroke, a dialog's OK), so
// it repaints once; changes to settings it does not read cost it nothing. A
// hidden window follows none, and catches up as it is shown, before it is
// painted.
class ToolWindow : public QWidget
{
	Q_OBJECT

public:
	// Shows the window, or brings it to the front when it is shown.
	void present();

protected:
	explicit ToolWindow(QWidget *parent);

	// Shows the current settings.
	virtual void refresh() = 0;
	// Whether the window shows the settings it reads as they are now: it
	// compares the few it reads with those it showed last.
	virtual bool showsCurrentSettings() const = 0;
	// Where the window opens and how large: the one place that decides it,
	// called once the window is built with the size it would like.
	void place(QSize wanted);

	void showEvent(QShowEvent *event) override;

private:
	void follow();

	SettingsSubscription following_;
	bool refreshAsked_ = false;
};

} // namespace mirel::ui
