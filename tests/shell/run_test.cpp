// A whole run of the program, from start to the end of its event loop: it
// ends however the user or the system asks, with the settings saved once.

#include <csignal>

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "settings/messages/message_box.h"
#include "shell/mirel_app.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;

MirelApp &app()
{
	return *static_cast<MirelApp *>(qApp);
}

TEST(Run, EachWayOfEndingEndsTheRunWithOneSave)
{
	const std::pair<const char *, std::function<void(MirelDlg &)>> endings[] = {
		{ "Exit after Enter in a field",
		  [](MirelDlg &window) {
			  window.showPage(kDepthOfField);
			  QWidget *field = window.sheet().controls(kDepthOfField)->widget(ids::page::FocalLength);
			  field->setFocus();
			  QTest::keyClick(field, Qt::Key_Return);
			  QCoreApplication::processEvents();
			  EXPECT_TRUE(window.isVisible()) << "Enter closed the window";
			  menuAction(window, cmd::Exit).trigger();
		  } },
		{ "Esc", [](MirelDlg &window) { QTest::keyClick(&window, Qt::Key_Escape); } },
		{ "Ctrl+Q", [](MirelDlg &window) { QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier); } },
		{ "close", [](MirelDlg &window) { window.close(); } },
		{ "SIGTERM with a dialog open",
		  [](MirelDlg &window) {
			  // The dialog's own loop is running when the signal comes.
			  const auto raise = [](QtDialogHost &) { std::raise(SIGTERM); };
			  EXPECT_EQ(runModals([&] { menuAction(window, cmd::RoundingRules).trigger(); },
					      { { 134, raise } }),
				    0);
			  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
		  } },
	};
	for (const auto &[name, ending] : endings) {
		SCOPED_TRACE(name);
		FakeStorage storage;
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
		EXPECT_TRUE(stuck.isActive()) << "the run did not end";
		EXPECT_EQ(storage.reads, 1);
		EXPECT_EQ(storage.writes, 1);
		EXPECT_FALSE(storage.savedUnderADialog);
		EXPECT_EQ(app().window(), nullptr);
	}
}

// A read error while the settings load, before the window exists, is shown
// in a box of its own, its lines ended the Qt way.
TEST(MessageBox, AReadErrorAtStartIsShownAndAnswered)
{
	FakeStorage storage([](CalcSettings &, StartupPrefs &) {
		showMessageBox("Mirel Error", "Could not read registry value Aperture\r\n\r\n(The file is damaged.)");
	});
	QString shown;
	QTimer::singleShot(0, qApp, [&] {
		auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
		ASSERT_NE(box, nullptr);
		shown = box->windowTitle() + '|' + box->text();
		QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
	});
	const auto window = openWindow(storage);
	EXPECT_EQ(shown, "Mirel Error|Could not read registry value Aperture\n\n(The file is damaged.)");
}

} // namespace
} // namespace mirel::testing
