// A whole run of the program, from start to the end of its event loop: it
// ends however the user or the system asks, with the settings saved once.

#include <csignal>
#include <optional>

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "resources/control_ids.h"
#include "settings/message_box.h"
#include "shell/mirel_app.h"
#include "shell/page_sheet.h"
#include "ui_qt/qt_controls.h"

#include "shell_test_support.h"

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
		{ "Ctrl+Q, which the menu shows as Help > Context shows F1",
		  [](MirelDlg &window) {
			  EXPECT_EQ(menuAction(window, cmd::Exit).shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
			  EXPECT_TRUE(menuAction(window, cmd::Context).text().endsWith(QStringLiteral("\tF1")));
			  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
		  } },
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

// Checks the box shown, answers it and returns its owner; none when no box
// is shown.
std::optional<QWidget *> answerMessageBox()
{
	auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
	if (!box)
		return std::nullopt;
	EXPECT_EQ(box->windowTitle(), "Mirel Error");
	EXPECT_EQ(box->text(), "Could not read registry value Aperture\n\n(The file is damaged.)");
	EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
	EXPECT_EQ(box->buttons().size(), 1);
	EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);
	QWidget *owner = box->parentWidget();
	QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
	return owner;
}

void showReadError()
{
	showMessageBox("Mirel Error", "Could not read registry value Aperture\r\n\r\n(The file is damaged.)");
}

// The settings load before the window exists, so a box then has no owner;
// later the window owns it.
TEST(MessageBox, CaptionTextOneOkNoIconOwnedByTheWindowOnceItExists)
{
	FakeStorage storage([](CalcSettings &, StartupPrefs &) { showReadError(); });
	std::optional<QWidget *> ownerAtLoad, ownerLater;
	QTimer::singleShot(0, qApp, [&] { ownerAtLoad = answerMessageBox(); });
	const auto window = openWindow(storage);
	EXPECT_EQ(ownerAtLoad, std::optional<QWidget *>(nullptr));
	QTimer::singleShot(0, qApp, [&] { ownerLater = answerMessageBox(); });
	showReadError();
	EXPECT_EQ(ownerLater, std::optional<QWidget *>(window.get()));
}

} // namespace
} // namespace mirel::testing
