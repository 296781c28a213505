// A whole run of the program, from start to the end of its event loop: it
// ends however the user or the system asks, with the settings saved once.

#include <csignal>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "resources/control_ids.h"
#include "settings/message_box.h"
#include "shell/mirel_app.h"
#include "shell/page_sheet.h"
#include "ui/qt_controls.h"

#include "shell_test_support.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;

MirelApp &app()
{
	return *static_cast<MirelApp *>(qApp);
}

// Runs the program on storage; ending is called from its event loop with the
// window open and active. Returns when the run has ended, false when it had
// to be stopped because the ending did not end it.
bool runUntil(FakeStorage &storage, const std::function<void(MirelDlg &)> &ending)
{
	QTimer stuck;
	stuck.setSingleShot(true);
	QObject::connect(&stuck, &QTimer::timeout, qApp, &QCoreApplication::quit);
	stuck.start(10000);
	QTimer::singleShot(0, qApp, [&] {
		MirelDlg &window = *app().window();
		EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
		ending(window);
	});
	app().run(&storage);
	return stuck.isActive();
}

struct Ending {
	const char *name;
	std::function<void(MirelDlg &)> end;
};

void PrintTo(const Ending &ending, std::ostream *os)
{
	*os << ending.name;
}

class Shutdown : public ::testing::TestWithParam<Ending>
{
};

TEST_P(Shutdown, EndsTheRunWithOneSave)
{
	FakeStorage storage;
	EXPECT_TRUE(runUntil(storage, GetParam().end)) << "the run did not end";
	EXPECT_EQ(storage.reads, 1);
	EXPECT_EQ(storage.writes, 1);
	EXPECT_FALSE(storage.savedUnderADialog);
	EXPECT_EQ(app().window(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
	Run, Shutdown,
	::testing::Values(
		Ending{ "ExitAfterEnterInAField",
			[](MirelDlg &window) {
				window.showPage(kDepthOfField);
				QWidget *field = window.sheet().controls(kDepthOfField)->widget(ids::page::FocalLength);
				field->setFocus();
				QTest::keyClick(field, Qt::Key_Return);
				QCoreApplication::processEvents();
				EXPECT_TRUE(window.isVisible()) << "Enter closed the window";
				menuAction(window, cmd::Exit).trigger();
			} },
		Ending{ "Esc", [](MirelDlg &window) { QTest::keyClick(&window, Qt::Key_Escape); } },
		Ending{ "Close", [](MirelDlg &window) { window.close(); } },
		Ending{ "SigtermWithADialogOpen",
			[](MirelDlg &window) {
				// The dialog's own loop is running when the signal comes.
				ModalScript script;
				script.then(134, [](QtDialogHost &) { std::raise(SIGTERM); });
				script.start();
				menuAction(window, cmd::RoundingRules).trigger();
				EXPECT_EQ(script.pending(), 0);
				EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
			} }),
	[](const ::testing::TestParamInfo<Ending> &info) { return std::string(info.param.name); });

// What the box shows, and whose it is: the settings load before the window
// exists, so a box then has no owner; later the window owns it.
QWidget *answerMessageBox(bool &shown)
{
	QWidget *owner = nullptr;
	auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
	if (!box)
		return nullptr;
	shown = true;
	EXPECT_EQ(box->windowTitle(), "Mirel Error");
	EXPECT_EQ(box->text(), "Could not read registry value Aperture\n\n(The file is damaged.)");
	EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
	EXPECT_EQ(box->buttons().size(), 1);
	EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);
	owner = box->parentWidget();
	QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
	return owner;
}

void showReadError()
{
	showMessageBox("Mirel Error", "Could not read registry value Aperture\r\n\r\n(The file is damaged.)");
}

TEST(MessageBox, CaptionTextOneOkNoIconOwnedByTheWindowOnceItExists)
{
	FakeStorage storage([](CalcSettings &, StartupPrefs &) { showReadError(); });
	bool shownAtLoad = false;
	QWidget *ownerAtLoad = nullptr;
	QTimer::singleShot(0, qApp, [&] { ownerAtLoad = answerMessageBox(shownAtLoad); });
	const auto window = openWindow(storage);
	EXPECT_TRUE(shownAtLoad);
	EXPECT_EQ(ownerAtLoad, nullptr);

	bool shownLater = false;
	QWidget *ownerLater = nullptr;
	QTimer::singleShot(0, qApp, [&] { ownerLater = answerMessageBox(shownLater); });
	showReadError();
	EXPECT_TRUE(shownLater);
	EXPECT_EQ(ownerLater, window.get());
}

} // namespace
} // namespace mirel::testing
