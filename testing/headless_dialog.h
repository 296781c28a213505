#pragma once

#include <optional>

#include "dialogs/dialog_run.h"
#include "testing/headless_controls.h"

namespace mirel::testing {

// A host that runs no nested dialog and shows no help, for dialogs that ask
// for neither.
struct NoHost : DialogHost {
	void showHelpTopic(int) override {}
	void runModal(DialogModel &) override {}
};

// A dialog model opened on headless controls through the run the screen
// uses; a user closes it with the OK or Cancel button.
class HeadlessDialog
{
public:
	HeadlessDialog(DialogModel &model, DialogHost &host)
		: run_(model, host, [this](bool accepted) { result_ = accepted; }),
		  controls_(model.dialogTemplate(), run_)
	{
		run_.open(controls_);
	}

	ui::HeadlessControls &controls() { return controls_; }
	const ui::HeadlessControls &controls() const { return controls_; }
	// Empty while the dialog is open; then true for OK, false for Cancel.
	std::optional<bool> result() const { return result_; }

private:
	DialogRun run_;
	ui::HeadlessControls controls_;
	std::optional<bool> result_;
};

} // namespace mirel::testing
