#pragma once

#include <QWidget>

#include "settings/model/remembered.h"
#include "settings/model/settings_change.h"

namespace mirel::ui {

// A window of its own beside the main window, showing something of the
// settings: the Tools menu's windows derive from it. While it is shown it
// follows the changes of the settings it reads, once a turn of the event
// loop however many there were in the turn (a keystroke, a dialog's OK), so
// it repaints once; changes to settings it does not read cost it nothing. A
// hidden window follows none, and catches up as it is shown, before it is
// painted.
//
// Esc closes it.
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
	// The help topic of F1 in the window where it depends on what the
	// window shows; 0 for its row's own.
	virtual int contextHelpTopic() const { return 0; }

protected:
	explicit ToolWindow(QWidget *parent);

	// Shows the current settings.
	virtual void refresh() = 0;
	// Whether the window shows the settings it reads as they are now: it
	// compares the few it reads with those it showed last.
	virtual bool showsCurrentSettings() const = 0;
	// Where the window opens and how large: the one place that decides it,
	// called once the window is built with the size it would like and its
	// place in the remembered record, last, where it is kept from then on.
	void place(QSize wanted, WindowPlace &last);

	bool event(QEvent *event) override;
	void showEvent(QShowEvent *event) override;
	void moveEvent(QMoveEvent *event) override;
	void resizeEvent(QResizeEvent *event) override;

private:
	void follow();
	// The height the content needs at the window's width, within the
	// screen's.
	int contentHeight(int width) const;
	void keepContentWhole();
	void rememberPlace();

	SettingsSubscription following_;
	bool refreshAsked_ = false;
	WindowPlace *remembered_ = nullptr;
};

} // namespace mirel::ui
