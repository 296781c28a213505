#pragma once

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "settings/records.h"
#include "shell/dialog_model.h"
#include "ui/headless_controls.h"

namespace mirel::testing {

// A host that records what a dialog asks of it. A dialog run modally through
// it opens on headless controls and is closed at once with Cancel.
class RecordingHost : public DialogHost
{
public:
	struct Run {
		int templateId;
		DialogPresentation presentation;
	};

	void showHelpTopic(int topic) override { helpTopics.push_back(topic); }
	void runModal(DialogModel &dialog) override;

	std::vector<int> helpTopics;
	std::vector<Run> runs;
};

// One modal run of a dialog on headless controls, driven as a user drives it.
// Construct it where the dialog object would be made: some dialogs take
// their texts from the settings right then, before betweenMakingAndOpening.
template <typename Dialog>
class OpenDialog
{
public:
	explicit OpenDialog(const std::function<void()> &betweenMakingAndOpening = {})
		: controls(dialog.dialogTemplate(), dialog)
	{
		if (betweenMakingAndOpening)
			betweenMakingAndOpening();
		dialog.init(controls, host);
	}

	// The OK button; Cancel is leaving the object without it.
	void ok() { dialog.accept(); }

	// The text of the selected entry of list id, empty when none is selected.
	std::string picked(int id) const { return controls.itemText(id, controls.selection(id)); }
	// Picks entry index of list id as the user does, or for -1 leaves the
	// list without a selection.
	void choose(int id, int index) { index < 0 ? controls.setSelection(id, -1) : controls.pick(id, index); }

	Dialog dialog;
	RecordingHost host;
	ui::HeadlessControls controls;
};

// Each test starts from the built-in settings, as a first run does.
class DialogTest : public ::testing::Test
{
protected:
	void SetUp() override { startAfresh(); }
	// Back to the built-in settings, for the rows of a table.
	static void startAfresh();

	CalcSettings &current = currentSettings();
	CalcSettings &defaults = defaultSettings();
	StartupPrefs &prefs = startupPrefs();

	// Every record a dialog may store into.
	std::tuple<CalcSettings, CalcSettings, StartupPrefs> records() const { return { current, defaults, prefs }; }
};

} // namespace mirel::testing
