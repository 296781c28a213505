// The settings dialogs, the About box and its light table as the user runs
// them from the menu, with real keys and clicks.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "resources/control_ids.h"
#include "settings/records.h"
#include "shell/qt_dialog_host.h"
#include "ui/qt_controls.h"
#include "ui/qt_user_actions.h"

#include "shell_test_support.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;

struct Records {
	CalcSettings current = currentSettings();
	CalcSettings defaults = defaultSettings();
	StartupPrefs prefs = startupPrefs();
};

// A change made in a settings dialog and where OK must store it.
struct SettingsChange {
	const char *name;
	int command;
	int templateId;
	std::function<void(ui::UserActions &)> change;
	std::function<void()> expectStored;
	bool writesCurrent;
	bool writesDefaults;
	bool writesPrefs;
};

void PrintTo(const SettingsChange &dialog, std::ostream *os)
{
	*os << dialog.name;
}

class SettingsDialogs : public ::testing::TestWithParam<SettingsChange>
{
protected:
	// Opens the dialog from the menu, makes the change and leaves with
	// button; returns the records as they were before.
	Records run(int button)
	{
		const SettingsChange &dialog = GetParam();
		window_ = openWindow(storage_);
		const Records before;
		ModalScript script;
		script.then(dialog.templateId, [&](QtDialogHost &host) {
			ui::QtUserActions user(host.controls());
			dialog.change(user);
			user.click(button);
		});
		script.start();
		menuAction(*window_, dialog.command).trigger();
		EXPECT_EQ(script.pending(), 0);
		return before;
	}

private:
	FakeStorage storage_;
	std::unique_ptr<MirelDlg> window_;
};

TEST_P(SettingsDialogs, OkStoresTheChangeInItsRecordsOnly)
{
	const SettingsChange &dialog = GetParam();
	const Records before = run(ui::kIdOk);
	EXPECT_EQ(currentSettings() != before.current, dialog.writesCurrent);
	EXPECT_EQ(defaultSettings() != before.defaults, dialog.writesDefaults);
	EXPECT_EQ(startupPrefs() != before.prefs, dialog.writesPrefs);
	dialog.expectStored();
}

TEST_P(SettingsDialogs, CancelChangesNothing)
{
	const Records before = run(ui::kIdCancel);
	EXPECT_EQ(currentSettings(), before.current);
	EXPECT_EQ(defaultSettings(), before.defaults);
	EXPECT_EQ(startupPrefs(), before.prefs);
}

INSTANTIATE_TEST_SUITE_P(
	Menu, SettingsDialogs,
	::testing::Values(
		SettingsChange{ "RoundingRules", cmd::RoundingRules, 134,
				[](ui::UserActions &user) {
					user.pick(ids::roundingrules::Stops, 1);
					user.pick(ids::roundingrules::Other, 3);
				},
				[] {
					EXPECT_EQ(currentSettings().RoundStopsMethod, 1);
					EXPECT_EQ(currentSettings().RoundOtherMethod, 3);
				},
				true, false, false },
		SettingsChange{ "Defaults", cmd::Defaults, 136,
				[](ui::UserActions &user) {
					user.pick(ids::defaults::LengthUnit, 3);
					user.type(ids::defaults::Aperture, "4");
				},
				[] {
					for (const CalcSettings *settings : { &defaultSettings(), &currentSettings() }) {
						EXPECT_EQ(settings->LengthUnit, LengthUnit::Inches);
						EXPECT_EQ(settings->Aperture, 4.0);
					}
				},
				true, true, false },
		SettingsChange{ "StartupPreferences", cmd::StartupPreferences, 139,
				[](ui::UserActions &user) {
					user.click(ids::startupprefs::FieldsBecomeDefaults);
					user.pick(ids::startupprefs::StartPage, 5);
				},
				[] {
					EXPECT_TRUE(startupPrefs().FieldsBecomeDefaults);
					EXPECT_EQ(startupPrefs().StartupForm, 5);
				},
				false, false, true }),
	[](const ::testing::TestParamInfo<SettingsChange> &info) { return std::string(info.param.name); });

// The light table from the About box: the intro, closing by itself or
// skipped with Esc, then the white window over the whole screen until Esc,
// then the About box again.
class LightTable : public ::testing::TestWithParam<bool>
{
};

TEST_P(LightTable, FollowsTheIntroAndReturnsToTheAboutBox)
{
	const bool skipIntro = GetParam();
	FakeStorage storage;
	const auto window = openWindow(storage);

	ModalScript script;
	script.then(100, [](QtDialogHost &about) { ui::QtUserActions(about.controls()).click(ids::about::LightTable); })
		.then(147, [&](QtDialogHost &intro) {
			EXPECT_TRUE(intro.windowFlags() & Qt::FramelessWindowHint);
			if (skipIntro) {
				QTest::keyClick(&intro, Qt::Key_Escape);
				EXPECT_FALSE(intro.isVisible());
			}
		})
		.then(148, [](QtDialogHost &table) {
			EXPECT_TRUE(table.windowFlags() & Qt::FramelessWindowHint);
			EXPECT_TRUE(QTest::qWaitForWindowExposed(&table));
			EXPECT_TRUE(table.geometry().contains(table.screen()->geometry()));
			const QImage shown = table.grab().toImage();
			for (const QPoint corner : { QPoint(1, 1), QPoint(shown.width() - 2, shown.height() - 2) })
				EXPECT_EQ(shown.pixelColor(corner), QColor(Qt::white));

			const QWidget *label = table.controls().widget(ids::lighttable::Label);
			ASSERT_NE(label, nullptr);
			EXPECT_EQ(static_cast<const QLabel *>(label)->text(), "Press Esc to leave this silly thing...");
			const QPoint place = label->mapTo(&table, QPoint(0, 0));
			EXPECT_EQ(place.y(), 20);
			EXPECT_LE(std::abs(place.x() + label->width() / 2 - table.width() / 2), 1);
			QTest::keyClick(&table, Qt::Key_Escape);
		})
		.then(100, [](QtDialogHost &about) {
			EXPECT_TRUE(QTest::qWaitForWindowActive(&about));
			ui::QtUserActions(about.controls()).click(ui::kIdOk);
		});
	script.start();
	menuAction(*window, cmd::About).trigger();
	EXPECT_EQ(script.pending(), 0);
}

INSTANTIATE_TEST_SUITE_P(About, LightTable, ::testing::Bool(),
			 [](const ::testing::TestParamInfo<bool> &info) {
				 return info.param ? "EscSkipsTheIntro" : "TheIntroClosesItself";
			 });

} // namespace
} // namespace mirel::testing
