// The camera chooser in the running program, driven by keys as a user
// types them: from the Tools menu for the pages, and from a row of the film
// formats editor; the depth of field a camera gives is that of a typed
// format of the same frame, on the pages, in the table and in the planner.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "camera_chooser_qt/camera_chooser_window.h"
#include "camera_chooser_qt/camera_dialog.h"
#include "camera_chooser_qt/camera_list.h"
#include "dialogs/film_table_editor.h"
#include "dof_table_qt/dof_table_window.h"
#include "film_formats_qt/film_formats_dialog.h"
#include "pages/conventions.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;
namespace page = ids::page;

// Keys into the widget that has the keyboard, as the user presses them.
void press(const QString &keys)
{
	QTest::keyClicks(QApplication::focusWidget(), keys);
}
void press(Qt::Key key)
{
	QTest::keyClick(QApplication::focusWidget(), key);
}

CameraChooserWindow &openChooser(MirelDlg &window)
{
	QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
	auto &chooser = window.toolWindow<CameraChooserWindow>(cmd::Camera);
	EXPECT_TRUE(QTest::qWaitFor([&] { return chooser.isActiveWindow() && !chooser.cameras().loading(); }));
	return chooser;
}

QString pageText(MirelDlg &window, int pageIndex, int id)
{
	const QWidget *field = window.sheet().controls(pageIndex)->widget(id);
	return qobject_cast<const QLineEdit *>(field)->text();
}

// What the pages, the table and the planner say of the depth of field,
// format names aside.
std::vector<std::string> depthOfFieldTexts(MirelDlg &window)
{
	window.showPage(kDepthOfField);
	QApplication::processEvents(); // the tool windows follow once the loop turns
	std::vector<std::string> texts;
	for (const int id :
	     { page::CircleOfConfusion, ids::depthoffield::Near, ids::depthoffield::Far, ids::depthoffield::Total })
		texts.push_back(pageText(window, kDepthOfField, id).toStdString());
	const DofTable &table = window.toolWindow<DofTableWindow>(cmd::DepthOfFieldTable).table();
	for (int row = 0; row < table.rowCount(); ++row) {
		texts.push_back(table.hyperfocalText(row));
		for (int column = 0; column < table.columnCount(); ++column)
			texts.push_back(table.cellText(row, column));
	}
	const auto &planner = window.toolWindow<FocusPlannerWindow>(cmd::FocusPlanner);
	for (const char *name : { "plannerFocus", "plannerAperture" })
		texts.push_back(child<QLineEdit>(planner, name).text().toStdString());
	for (const char *name : { "plannerWholeStop", "plannerThirdStop" })
		texts.push_back(child<QRadioButton>(planner, name).text().toStdString());
	return texts;
}

// From a fresh start (the f Numbers page in front) four keystrokes: the
// chooser's key, "z", "6", Enter; the Depth of Field page then computes
// for the Nikon Z 6, its name's tooltip the camera's. Esc closes the
// chooser having changed nothing, and the arrows move through the list.
TEST(CameraChooser, FourKeysFromAFreshStartPutTheNikonZ6OnThePages)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	ASSERT_EQ(window->sheet().currentIndex(), kFNumbers);
	const CalcSettings before = currentSettings();

	CameraChooserWindow &chooser = openChooser(*window);
	press(QStringLiteral("7d"));
	QTreeWidget &list = chooser.cameras().list();
	EXPECT_EQ(list.currentItem()->text(0), "Canon EOS 7D");
	press(Qt::Key_Down);
	EXPECT_EQ(list.currentItem()->text(0), "Konica Minolta Dynax 7D");
	press(Qt::Key_Escape);
	EXPECT_FALSE(chooser.isVisible());
	EXPECT_EQ(currentSettings(), before);

	ASSERT_TRUE(activate(*window));
	openChooser(*window);
	EXPECT_EQ(chooser.cameras().searchField().selectedText(), "7d") << "typing replaces the last search";
	press(QStringLiteral("z6"));
	press(Qt::Key_Return);
	EXPECT_FALSE(chooser.isVisible());
	EXPECT_EQ(window->sheet().currentIndex(), kDepthOfField);
	const auto *formats =
		qobject_cast<const QComboBox *>(window->sheet().controls(kDepthOfField)->widget(page::FilmFormat));
	EXPECT_EQ(formats->currentText(), "Nikon Z 6");
	EXPECT_EQ(formats->toolTip(), "Nikon Z 6");
	EXPECT_EQ(pageText(*window, kDepthOfField, page::CircleOfConfusion), "0.02501");
	EXPECT_EQ(filmName(defaultSettings().FilmSizes[0]), "Nikon Z 6") << "the table is the settings'";
}

// By rows: a camera's frame typed into the film table as the formats
// editor shows it, then the camera itself chosen for the pages.
TEST(CameraChooser, ACameraGivesTheDepthOfFieldOfATypedFormatOfItsFrame)
{
	struct Row {
		const char *search, *width, *height;
	};
	for (const Row row : { Row{ "nikon z 6", "36", "24" }, Row{ "canon 7d", "22.222222", "14.814815" } }) {
		FakeStorage storage;
		const auto window = openWindow(storage);
		for (const int command : { cmd::DepthOfFieldTable, cmd::FocusPlanner })
			window->toolWindow(command).present();
		ASSERT_TRUE(activate(*window));
		{
			FilmTableEditor typed;
			typed.setText({ 0, FilmTableEditor::Width }, row.width);
			typed.setText({ 0, FilmTableEditor::Height }, row.height);
			ASSERT_TRUE(typed.accept());
		}
		chooseFilmFormat(0);
		const std::vector<std::string> typed = depthOfFieldTexts(*window);

		openChooser(*window);
		press(QString::fromLatin1(row.search));
		press(Qt::Key_Return);
		EXPECT_EQ(depthOfFieldTexts(*window), typed) << row.search;
	}
}

// A sentence where the list would be (which sentence, the database missing
// or nothing found, is the model's test).
TEST(CameraChooser, WhenNothingIsFoundItSaysSoWhereTheListWouldBe)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	CameraChooserWindow &chooser = openChooser(*window);
	press(QStringLiteral("qqqqqqqq"));
	const QLabel &message = child<QLabel>(chooser, "cameraMessage");
	EXPECT_TRUE(message.isVisible());
	EXPECT_FALSE(chooser.cameras().list().isVisible());
	EXPECT_EQ(message.text(), QString::fromUtf8("No camera matches \u201cqqqqqqqq\u201d."));
	EXPECT_FALSE(child<QPushButton>(chooser, "cameraUse").isEnabled());
}

// Camera... of a row: the dialog chooses by keys, the row takes the camera
// with the rule picked, the next time again, and names it in its name's
// tooltip; Cancel of the editor keeps the table, OK stores the row and its
// camera.
TEST(CameraChooser, ARowOfTheFormatsEditorIsFilledFromACamera)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	const CalcSettings before = currentSettings();
	for (const auto button : { QDialogButtonBox::Cancel, QDialogButtonBox::Ok }) {
		const QString missing = runModalWindows(
			[&] { menuAction(*window, cmd::FilmFormats).trigger(); },
			{ { "filmFormatsDialog",
			    [](QWidget &dialog) {
				    QTest::mouseClick(static_cast<FilmFormatsDialog &>(dialog).cameraButton(2),
						      Qt::LeftButton);
			    } },
			  { "cameraDialog",
			    [button](QWidget &dialog) {
				    ASSERT_TRUE(activate(dialog));
				    // As a user waits for the list before going on to the rule.
				    ASSERT_TRUE(QTest::qWaitFor(
					    [&] { return !static_cast<CameraDialog &>(dialog).cameras().loading(); }));
				    press(QStringLiteral("em1 mark ii"));
				    // The first time Alt+R to the rule and Down to diagonal / 1500.
				    if (button == QDialogButtonBox::Cancel) {
					    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
					    press(Qt::Key_Down);
				    }
				    press(Qt::Key_Return);
			    } },
			  { "filmFormatsDialog", [button](QWidget &widget) {
				   auto &dialog = static_cast<FilmFormatsDialog &>(widget);
				   EXPECT_EQ(dialog.field({ 2, FilmTableEditor::Name })->text(), "Olympus E-M1 II");
				   EXPECT_EQ(dialog.field({ 2, FilmTableEditor::Name })->toolTip(),
					     "Camera: Olympus E-M1MarkII");
				   EXPECT_EQ(dialog.field({ 2, FilmTableEditor::CoC })->text(), "0.014422");
				   dialog.findChild<QDialogButtonBox *>()->button(button)->click();
			   } } });
		EXPECT_EQ(missing, "");
	}
	EXPECT_EQ(filmName(currentSettings().FilmSizes[2]), "Olympus E-M1 II");
	EXPECT_EQ(remembered().filmCameras[2], "Olympus E-M1MarkII");
	EXPECT_EQ(currentSettings().filmCoC, before.filmCoC) << "the pages' format is another";
}

} // namespace
} // namespace mirel::testing
