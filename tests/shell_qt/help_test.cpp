// Help from the keyboard, the menu and the dialogs' buttons opens the topic
// of what the user is looking at.

#include <QAction>
#include <QTest>

#include "resources/control_ids.h"
#include "shell/help_window.h"
#include "shell/qt_dialog_host.h"
#include "ui/qt_user_actions.h"

#include "shell_test_support.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;
namespace topic = ids::help;

QUrl contents()
{
	return QUrl(QStringLiteral("qrc:/help/index.html"));
}

TEST(Help, EveryTopicExists)
{
	for (int number = topic::License; number <= topic::StartupPreferences; ++number)
		EXPECT_FALSE(HelpWindow::topicUrl(number).isEmpty()) << number;
	EXPECT_TRUE(HelpWindow::topicUrl(topic::StartupPreferences + 1).isEmpty());
}

TEST(Help, F1OnReleaseAndHelpContextShowTheActivePagesTopic)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	HelpWindow &help = window->help();
	for (const auto &[page, pageTopic] : { std::pair{ kHyperfocal, topic::Hyperfocal },
					      std::pair{ kMagnification, topic::Magnification } }) {
		window->showPage(page);
		help.showContents();
		QTest::keyPress(window.get(), Qt::Key_F1);
		EXPECT_EQ(help.currentUrl(), contents()) << "F1 acts on its release";
		QTest::keyRelease(window.get(), Qt::Key_F1);
		EXPECT_EQ(help.currentUrl(), HelpWindow::topicUrl(pageTopic)) << page;

		help.showContents();
		menuAction(*window, cmd::Context).trigger();
		EXPECT_EQ(help.currentUrl(), HelpWindow::topicUrl(pageTopic)) << page;
	}
}

// Each dialog opened from the menu: F1 still shows the page's topic, the
// dialog's own help button its own.
struct DialogHelp {
	int command;
	int templateId;
	int helpButton;
	int topic;
};

void PrintTo(const DialogHelp &dialog, std::ostream *os)
{
	*os << "template " << dialog.templateId;
}

class HelpInDialogs : public ::testing::TestWithParam<DialogHelp>
{
};

TEST_P(HelpInDialogs, F1ShowsThePagesTopicAndTheButtonTheDialogs)
{
	const DialogHelp &dialog = GetParam();
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kHyperfocal);
	HelpWindow &help = window->help();
	QUrl afterF1, afterButton;

	ModalScript script;
	script.then(dialog.templateId, [&](QtDialogHost &host) {
		help.showContents();
		QTest::keyPress(&host, Qt::Key_F1);
		QTest::keyRelease(&host, Qt::Key_F1);
		afterF1 = help.currentUrl();
		ui::QtUserActions user(host.controls());
		user.click(dialog.helpButton);
		afterButton = help.currentUrl();
		EXPECT_TRUE(host.isVisible()) << "help leaves the dialog open";
		QTest::keyClick(&host, Qt::Key_Escape);
	});
	script.start();
	menuAction(*window, dialog.command).trigger();

	EXPECT_EQ(script.pending(), 0);
	EXPECT_EQ(afterF1, HelpWindow::topicUrl(topic::Hyperfocal));
	EXPECT_EQ(afterButton, HelpWindow::topicUrl(dialog.topic));
}

INSTANTIATE_TEST_SUITE_P(
	Help, HelpInDialogs,
	::testing::Values(DialogHelp{ cmd::RoundingRules, 134, ui::kIdHelp, topic::RoundingRules },
			  DialogHelp{ cmd::Defaults, 136, ui::kIdHelp, topic::Defaults },
			  DialogHelp{ cmd::StartupPreferences, 139, ui::kIdHelp, topic::StartupPreferences },
			  DialogHelp{ cmd::About, 100, ids::about::License, topic::License }),
	[](const ::testing::TestParamInfo<DialogHelp> &info) { return std::to_string(info.param.templateId); });

} // namespace
} // namespace mirel::testing
