#pragma once

#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace mirel {

class DialogModel;

// What a dialog model asks of the window system that shows it.
class DialogHost
{
public:
	virtual void showHelpTopic(int topic) = 0;
	// Runs another dialog modally, owned by the current one; returns when it
	// is closed.
	virtual void runModal(DialogModel &dialog) = 0;

protected:
	~DialogHost() = default;
};

// How a dialog is presented beyond its template.
struct DialogPresentation {
	// A window without caption, centred on the screen and brought to the
	// front.
	bool captionless = false;
	// Closes itself, as Cancel does, this many milliseconds after it opens;
	// 0 for never.
	int autoCloseMs = 0;
	// A window without caption whose white client area covers the whole
	// screen, with the label labelId centred near its top edge.
	bool fullScreenWhite = false;
	int centredLabelId = ui::kNoId;
};

// A modal dialog as a model without platform types: what it shows when it
// opens, what OK stores, and which help topic its Help button opens. OK
// (kIdOk, or Enter), Cancel (kIdCancel, Esc or the close box) and Help
// (kIdHelp) are handled by the host; every other notification reaches the
// model.
class DialogModel : public ui::NotificationSink
{
public:
	virtual ~DialogModel() = default;

	virtual const ui::DialogTemplate &dialogTemplate() const = 0;
	virtual DialogPresentation presentation() const { return {}; }

	// The dialog's controls exist and hold the template's lists.
	virtual void init(ui::Controls &controls, DialogHost &host) = 0;
	// OK was chosen: store what the dialog edits. The dialog then closes.
	virtual void accept() {}
	// The topic of the Help button; 0 for none.
	virtual int helpTopic() const { return 0; }

	void notify(int, ui::Notification) override {}
};

} // namespace mirel
