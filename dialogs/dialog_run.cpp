#include "dialogs/dialog_run.h"

#include <utility>

#include "settings/model/settings_change.h"

namespace mirel {

DialogRun::DialogRun(DialogModel &model, DialogHost &host, Close close)
	: model_(model), host_(host), close_(std::move(close))
{
}

void DialogRun::open(ui::Controls &controls)
{
	model_.init(controls, host_);
}

void DialogRun::announcedAccept()
{
	// Windows that follow the settings see what OK stored.
	const SettingsChange change;
	model_.accept();
}

void DialogRun::notify(int controlId, ui::Notification notification)
{
	if (notification == ui::Notification::Clicked) {
		switch (controlId) {
		case ui::kIdOk:
			announcedAccept();
			close_(true);
			return;
		case ui::kIdCancel:
			close_(false);
			return;
		case ui::kIdHelp:
			if (const int topic = model_.helpTopic(); topic != 0)
				host_.showHelpTopic(topic);
			return;
		default:
			break;
		}
	}
	model_.notify(controlId, notification);
}

} // namespace mirel
