// Every window of the program as Qt draws it: each control present with its
// id and kind, no text clipped, nothing overlapping.

#include <functional>
#include <memory>
#include <string>

#include "resources/pages.h"
#include "resources/templates.h"
#include "shell/about_dlg.h"
#include "shell/defaults_dlg.h"
#include "shell/light_table_dlg.h"
#include "shell/page_sheet.h"
#include "shell/qt_dialog_host.h"
#include "shell/rounding_rules_dlg.h"
#include "shell/startup_prefs_dlg.h"
#include "ui/layout_check.h"
#include "ui/qt_controls.h"

#include "shell_test_support.h"

namespace mirel::testing {
namespace {

std::string listed(const std::vector<std::string> &problems)
{
	std::string text;
	for (const std::string &p : problems)
		text += "\n  " + p;
	return text;
}

TEST(Layout, EveryPageInTheMainWindowsSheet)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	for (int index = 0; index < resources::kCalculatorPageCount; ++index) {
		window->showPage(index);
		const ui::QtControls *page = window->sheet().controls(index);
		ASSERT_NE(page, nullptr) << "page " << index;
		EXPECT_TRUE(page->isVisible()) << "page " << index;
		const auto problems = ui::layoutProblems(*page, *resources::pageTemplate(index));
		EXPECT_TRUE(problems.empty()) << page->dialogTemplate().caption << listed(problems);
	}
}

struct Window {
	const char *name;
	std::function<std::unique_ptr<DialogModel>()> make;
};

template <typename Dialog>
std::unique_ptr<DialogModel> make()
{
	return std::make_unique<Dialog>();
}

TEST(Layout, EveryDialogAndTheMainWindowsFrame)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	const Window dialogs[] = {
		{ "RoundingRules", make<RoundingRulesDlg> }, { "Defaults", make<DefaultsDlg> },
		{ "StartupPrefs", make<StartupPrefsDlg> },   { "About", make<AboutDlg> },
		{ "LightTableIntro", make<EasterEggIntroDlg> }, { "LightTable", make<EasterEggExitDlg> },
	};
	for (const Window &dialog : dialogs) {
		const auto model = dialog.make();
		QtDialogHost host(*model, {}, window.get());
		host.show();
		const auto problems = ui::layoutProblems(host.controls(), model->dialogTemplate());
		EXPECT_TRUE(problems.empty()) << dialog.name << listed(problems);
	}

	class NoSink : public ui::NotificationSink
	{
		void notify(int, ui::Notification) override {}
	} sink;
	ui::QtControls frame(resources::mainWindowTemplate(), sink);
	frame.show();
	const auto problems = ui::layoutProblems(frame, resources::mainWindowTemplate());
	EXPECT_TRUE(problems.empty()) << "MainWindow" << listed(problems);
}

} // namespace
} // namespace mirel::testing
