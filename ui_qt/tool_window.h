#pragma once

#include <QWidget>

#include "settings/model/remembered.h"
#include "settings/model/settings_change.h"

namespace mirel::ui {

// A window of its own beside the main window, showing something of the
// settings: the Tools menu's windows derive from it. It follows every change
// of the settings while it is shown; a hidden window follows none, so it
// shows the settings afresh each time it is shown.
//
// It opens where it was last, or else centred over the main window, and
// never larger than the screen or off it. Wherever the user moves it or
// however large, it keeps its place in the remembered record for the next
// run, and grows, as far as the screen allows, when its texts need more
// lines than it has room for.
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
	// called once the window is built with the size it would like and its
	// place in the remembered record, last, where it is kept from then on.
	void place(QSize wanted, WindowPlace &last);

	bool event(QEvent *event) override;
	void showEvent(QShowEvent *event) override;
	void moveEvent(QMoveEvent *event) override;
	void resizeEvent(QResizeEvent *event) override;

private:
	// The height the content needs at the window's width, within the
	// screen's.
	int contentHeight(int width) const;
	void keepContentWhole();
	void rememberPlace();

	SettingsSubscription following_;
	WindowPlace *remembered_ = nullptr;
};

} // namespace mirel::ui
