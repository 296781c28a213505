#pragma once

#include <QWidget>

#include "settings/model/settings_change.h"

namespace mirel::ui {

// A window of its own beside the main window, showing something of the
// settings: the Tools menu's windows derive from it. It follows every change
// of the settings while it is shown; a hidden window follows none, so it
// shows the settings afresh each time it is shown.
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
	// Where the window opens and how large: the one place that decides it,
	// called once the window is built with the size it would like.
	void place(QSize wanted);

	void showEvent(QShowEvent *event) override;

private:
	SettingsSubscription following_;
};

} // namespace mirel::ui
