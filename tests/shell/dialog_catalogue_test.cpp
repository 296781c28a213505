#include <functional>
#include <memory>

#include "dialog_test_support.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "shell/about_dlg.h"
#include "shell/defaults_dlg.h"
#include "shell/light_table_dlg.h"
#include "shell/rounding_rules_dlg.h"
#include "shell/startup_prefs_dlg.h"

// What every dialog shares: its template and its Help button.

namespace mirel::testing {
namespace {

struct Entry {
	const char *name;
	std::function<std::unique_ptr<DialogModel>()> make;
	int templateId;
	const char *caption;
	int helpTopic; // 0: no Help button
};

template <typename Dialog>
std::function<std::unique_ptr<DialogModel>()> maker()
{
	return [] { return std::make_unique<Dialog>(); };
}

const Entry kDialogs[] = {
	{ "RoundingRulesDlg", maker<RoundingRulesDlg>(), 134, "Rounding Rules", 109 },
	{ "DefaultsDlg", maker<DefaultsDlg>(), 136, "Defaults", 110 },
	{ "StartupPrefsDlg", maker<StartupPrefsDlg>(), 139, "Startup Preferences", 111 },
	{ "AboutDlg", maker<AboutDlg>(), 100, "About Mirel", 0 },
	{ "EasterEggIntroDlg", maker<EasterEggIntroDlg>(), 147, "", 0 },
	{ "EasterEggExitDlg", maker<EasterEggExitDlg>(), 148, "", 0 },
};

using Catalogue = DialogTest;

TEST_F(Catalogue, TemplateAndHelpTopicOfEachDialog)
{
	for (const Entry &entry : kDialogs) {
		const auto dialog = entry.make();
		const ui::DialogTemplate &t = dialog->dialogTemplate();
		EXPECT_EQ(t.id, entry.templateId) << entry.name;
		EXPECT_EQ(t.caption, entry.caption) << entry.name;
		EXPECT_EQ(dialog->helpTopic(), entry.helpTopic) << entry.name;
		// A dialog has a Help button exactly when it has a topic for it.
		EXPECT_EQ(t.find(ui::kIdHelp) != nullptr, entry.helpTopic != 0) << entry.name;
	}
}

// The settings lists are picked from, never typed into.
TEST_F(Catalogue, SettingsListsHaveNoEditPart)
{
	struct Row {
		const ui::DialogTemplate &dialog;
		int id;
		int items; // from the template; the film list is filled when it opens
	};
	for (const Row row : { Row{ resources::roundingRulesTemplate(), ids::roundingrules::Stops, 3 },
			       Row{ resources::roundingRulesTemplate(), ids::roundingrules::Other, 4 },
			       Row{ resources::defaultsTemplate(), ids::defaults::LengthUnit, 5 },
			       Row{ resources::defaultsTemplate(), ids::defaults::FilmSize, 0 },
			       Row{ resources::startupPrefsTemplate(), ids::startupprefs::StartPage, 7 } }) {
		const ui::ControlTemplate *list = row.dialog.find(row.id);
		ASSERT_NE(list, nullptr) << row.id;
		EXPECT_EQ(list->kind, ui::ControlKind::DropDownList) << row.id;
		EXPECT_EQ(static_cast<int>(list->items.size()), row.items) << row.id;
	}
}

} // namespace
} // namespace mirel::testing
