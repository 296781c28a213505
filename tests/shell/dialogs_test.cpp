// The settings dialogs, help, the About box and its light table as the user
// runs them from the menu, with real keys and clicks.

#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "shell/help_find_bar.h"
#include "shell/help_window.h"
#include "testing/pages_by_index.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;
namespace topic = ids::help;

using Records = std::tuple<CalcSettings, CalcSettings, StartupPrefs>; // current, defaults, startup prefs

// Each dialog from its menu item over a page. Help > Context shows the
// page's topic, and so does F1, on its release, from inside the dialog,
// whose help button shows its own; the help window then takes keys from the
// window system while the dialog is open. Cancel stores nothing; what OK
// stores is for the dialog models' tests.
TEST(Dialogs, HelpShowsThePagesOrTheDialogsTopicCancelStoresNothing)
{
	struct Dialog {
		int command, templateId, helpButton, helpTopic;
		std::function<void(ui::UserActions &)> change; // none: the About box, closed with OK
	};
	const Dialog dialogs[] = {
		{ cmd::RoundingRules, 134, ui::kIdHelp, topic::RoundingRules,
		  [](ui::UserActions &user) {
			  user.pick(ids::roundingrules::Stops, 1);
			  user.pick(ids::roundingrules::Other, 3);
		  } },
		{ cmd::Defaults, 136, ui::kIdHelp, topic::Defaults,
		  [](ui::UserActions &user) {
			  user.pick(ids::defaults::LengthUnit, 3);
			  user.type(ids::defaults::Aperture, "4");
		  } },
		{ cmd::StartupPreferences, 139, ui::kIdHelp, topic::StartupPreferences,
		  [](ui::UserActions &user) {
			  user.click(ids::startupprefs::FieldsBecomeDefaults);
			  user.pick(ids::startupprefs::StartPage, 5);
		  } },
		{ cmd::About, 100, ids::about::License, topic::License, {} },
	};
	for (const Dialog &dialog : dialogs) {
		SCOPED_TRACE(::testing::Message() << "template " << dialog.templateId);
		FakeStorage storage;
		const auto window = openWindow(storage);
		window->showPage(kHyperfocal);
		const QUrl pageTopic = HelpWindow::topicUrl(topic::Hyperfocal);
		HelpWindow &help = window->help();
		menuAction(*window, cmd::Context).trigger();
		EXPECT_EQ(shownTopic(help), pageTopic);

		const Records before{ currentSettings(), defaultSettings(), startupPrefs() };
		const auto run = [&](QtDialogHost &host) {
			help.showContents();
			QTest::keyPress(&host, Qt::Key_F1);
			EXPECT_EQ(shownTopic(help), QUrl(QStringLiteral("qrc:/help/index.html")))
				<< "F1 acts on its release";
			QTest::keyRelease(&host, Qt::Key_F1);
			EXPECT_EQ(shownTopic(help), pageTopic);
			ui::QtUserActions user(host.controls());
			user.click(dialog.helpButton);
			EXPECT_EQ(shownTopic(help), HelpWindow::topicUrl(dialog.helpTopic));
			EXPECT_TRUE(host.isVisible()) << "help leaves the dialog open";
			// A modal dialog would drop these keys before they reach help.
			ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
			QTest::keyClick(help.windowHandle(), Qt::Key_F, Qt::ControlModifier);
			EXPECT_TRUE(help.findBar().isVisible()) << "Ctrl+F in help";
			QTest::keyClick(help.windowHandle(), Qt::Key_W, Qt::ControlModifier);
			EXPECT_FALSE(help.isVisible()) << "Ctrl+W in help";
			EXPECT_TRUE(host.isVisible()) << "closing help leaves the dialog open";
			EXPECT_TRUE(QTest::qWaitForWindowActive(&host)) << "the dialog has the keyboard again";
			if (dialog.change)
				dialog.change(user);
			user.click(dialog.change ? ui::kIdCancel : ui::kIdOk);
		};
		EXPECT_EQ(runModals([&] { menuAction(*window, dialog.command).trigger(); },
				    { { dialog.templateId, run } }),
			  0);
		EXPECT_EQ(Records(currentSettings(), defaultSettings(), startupPrefs()), before);
	}
}

// The help window's own keys: its title names the topic once; Ctrl+F finds a
// word, F3 and Shift+F3 move between its matches, and a word that is not
// there is reported; Esc leaves the find bar and then the window (Ctrl+W
// closes it at once, over each dialog).
TEST(Help, TitleOnceFindBarAndEsc)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	HelpWindow &help = window->help();
	help.showTopic(topic::DepthOfField);
	ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
	EXPECT_EQ(help.windowTitle(), "Depth of Field page - Mirel Help");
	QTest::keyClick(help.windowHandle(), Qt::Key_F, Qt::ControlModifier);
	ASSERT_TRUE(help.findBar().isVisible());
	const auto *browser = help.findChild<QTextBrowser *>();
	ASSERT_GE(browser->toPlainText().count(QStringLiteral("hyperfocal"), Qt::CaseInsensitive), 2);

	QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hyperfocal"));
	EXPECT_FALSE(help.findBar().notFound());
	EXPECT_EQ(browser->textCursor().selectedText().toLower(), "hyperfocal");
	const int first = browser->textCursor().selectionStart();
	QTest::keyClick(help.windowHandle(), Qt::Key_F3);
	EXPECT_GT(browser->textCursor().selectionStart(), first);
	QTest::keyClick(help.windowHandle(), Qt::Key_F3, Qt::ShiftModifier);
	EXPECT_EQ(browser->textCursor().selectionStart(), first);

	QTest::keyClick(help.windowHandle(), Qt::Key_F, Qt::ControlModifier);
	QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("zebra"));
	EXPECT_TRUE(help.findBar().notFound());

	QTest::keyClick(help.windowHandle(), Qt::Key_Escape);
	EXPECT_FALSE(help.findBar().isVisible());
	EXPECT_TRUE(help.isVisible());
	QTest::keyClick(help.windowHandle(), Qt::Key_Escape);
	EXPECT_FALSE(help.isVisible());
}

// The light table from the About box: the intro, closing by itself or
// skipped with Esc, then the white window over the whole screen, its label
// centred near the top, until Esc, then the About box again.
TEST(About, TheLightTableFollowsTheIntroAndReturnsToTheAboutBox)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	for (const bool skipIntro : { false, true }) {
		SCOPED_TRACE(skipIntro ? "Esc skips the intro" : "the intro closes itself");
		const auto click = [](int button) {
			return [button](QtDialogHost &host) { ui::QtUserActions(host.controls()).click(button); };
		};
		const auto intro = [&](QtDialogHost &shown) {
			EXPECT_TRUE(shown.windowFlags() & Qt::FramelessWindowHint);
			if (skipIntro) {
				QTest::keyClick(&shown, Qt::Key_Escape);
				EXPECT_FALSE(shown.isVisible());
			}
		};
		const auto lightTable = [](QtDialogHost &table) {
			EXPECT_TRUE(table.windowFlags() & Qt::FramelessWindowHint);
			EXPECT_TRUE(QTest::qWaitForWindowExposed(&table));
			EXPECT_TRUE(table.geometry().contains(table.screen()->geometry()));
			const QImage shown = table.grab().toImage();
			for (const QPoint corner : { QPoint(1, 1), QPoint(shown.width() - 2, shown.height() - 2) })
				EXPECT_EQ(shown.pixelColor(corner), QColor(Qt::white));
			const QWidget *label = table.controls().widget(ids::lighttable::Label);
			const QPoint place = label->mapTo(&table, QPoint(0, 0));
			EXPECT_EQ(place.y(), 20);
			EXPECT_LE(std::abs(place.x() + label->width() / 2 - table.width() / 2), 1);
			QTest::keyClick(&table, Qt::Key_Escape);
		};
		// Back in the About box, active again, OK has the keyboard: Enter
		// closes the box rather than starting the light table again.
		const auto aboutAgain = [&](QtDialogHost &about) {
			EXPECT_TRUE(QTest::qWaitForWindowActive(&about));
			EXPECT_EQ(QApplication::focusWidget(), about.controls().widget(ui::kIdOk));
			QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
			EXPECT_FALSE(about.isVisible());
		};
		EXPECT_EQ(runModals([&] { menuAction(*window, cmd::About).trigger(); },
				    { { 100, click(ids::about::LightTable) },
				      { 147, intro },
				      { 148, lightTable },
				      { 100, aboutAgain } }),
			  0);
	}
}

} // namespace
} // namespace mirel::testing
