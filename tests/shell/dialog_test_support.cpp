#include "dialog_test_support.h"

#include "settings/lifecycle.h"

namespace mirel::testing {

void RecordingHost::runModal(DialogModel &dialog)
{
	runs.push_back({ dialog.dialogTemplate().id, dialog.presentation() });
	ui::HeadlessControls controls(dialog.dialogTemplate(), dialog);
	dialog.init(controls, *this);
}

void DialogTest::startAfresh()
{
	loadSettingsAtStartup(nullptr);
	activePageIndex() = 0;
}

} // namespace mirel::testing
