#pragma once

#include <functional>

#include "dialogs/dialog_model.h"

namespace mirel {

// One modal run of a dialog model, whatever draws its controls, which report
// here: OK stores what the dialog edits and closes it, Cancel closes it, Help
// opens the dialog's topic; every other notification reaches the model.
class DialogRun : public ui::NotificationSink
{
public:
	// Ends the run on the screen; accepted tells OK from Cancel.
	using Close = std::function<void(bool accepted)>;

	DialogRun(DialogModel &model, DialogHost &host, Close close);

	// The controls exist and hold the template's lists: the model shows what
	// it edits.
	void open(ui::Controls &controls);

	void notify(int controlId, ui::Notification notification) override;

private:
	void announcedAccept();

	DialogModel &model_;
	DialogHost &host_;
	Close close_;
};

} // namespace mirel
