// The pages in the main window's sheet: keys typed into their widgets reach
// the results, and the sheet switches and starts as the user expects.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

// A worked example typed key by key on the built-in 50 mm lens in metres
// reaches the result (all its figures are the page model's test); then
// Ctrl+4 from inside the focal length field moves on to the next page.
TEST(Pages, WorkedExampleTypedIntoTheWidgets)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kDepthOfField);
	ui::QtControls &depth = *window->sheet().controls(kDepthOfField);
	ui::QtUserActions user(depth);
	user.type(page::Distance, "5");
	user.type(page::Aperture, "8");
	user.type(page::CircleOfConfusion, "0.03");
	EXPECT_EQ(qobject_cast<QLineEdit *>(depth.widget(ids::depthoffield::Near))->text(), "3.389371 m");
	QWidget *field = depth.widget(page::FocalLength);
	field->setFocus();
	ASSERT_TRUE(field->hasFocus());
	QTest::keyClick(field, Qt::Key_4, Qt::ControlModifier);
	EXPECT_EQ(window->sheet().currentIndex(), kFieldOfView);
	EXPECT_EQ(QApplication::focusWidget(), window->sheet().controls(kFieldOfView)->widget(page::Distance))
		<< "typing goes on in the page shown";
}

// The window opens on the stored start page, or the first for none or a
// damaged one, its first field ready to take what the user types, the focus
// frame shown.
TEST(Pages, TheWindowOpensOnTheStoredStartPageWithTheKeyboardInItsFirstField)
{
	for (const auto &[stored, opened] :
	     { std::pair{ kMagnification, kMagnification }, std::pair{ -1, kFNumbers }, std::pair{ 9, kFNumbers } }) {
		FakeStorage storage([stored](CalcSettings &, StartupPrefs &prefs) {
			prefs.StartWithLastForm = false;
			prefs.StartupForm = static_cast<std::int8_t>(stored);
		});
		const auto window = openWindow(storage);
		EXPECT_EQ(window->sheet().currentIndex(), opened) << stored;
		const ui::QtControls &page = *window->sheet().controls(opened);
		const auto &controls = page.dialogTemplate().controls;
		const auto first = std::ranges::find_if(controls, [](const auto &c) { return c.style & ui::kTabStop; });
		QWidget *field = page.widget(first->id);
		EXPECT_EQ(QApplication::focusWidget(), field) << stored;
		const auto *edit = qobject_cast<QComboBox *>(field) ? qobject_cast<QComboBox *>(field)->lineEdit()
								    : qobject_cast<QLineEdit *>(field);
		ASSERT_NE(edit, nullptr);
		EXPECT_EQ(edit->selectedText(), edit->text()) << "typing replaces the value";
		EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange)) << "the focus frame shows";
	}
}

// Whether edit shows all its text: with nothing scrolled out of sight, the
// cursor at the end of the text lies as far right of the cursor at its
// start as the text is wide.
bool showsWhole(QLineEdit &edit)
{
	const auto cursorX = [&](bool atEnd) {
		atEnd ? edit.end(false) : edit.home(false);
		edit.grab(); // places the text for the cursor
		return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
	};
	const int end = cursorX(true);
	return end - cursorX(false) == edit.fontMetrics().horizontalAdvance(edit.text());
}

// A 600 mm lens at 100 m, in mm: the limits take up to 16 characters
// before the unit and show whole.
TEST(Pages, LongResultsShowWhole)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kDepthOfField);
	ui::QtControls &depth = *window->sheet().controls(kDepthOfField);
	ui::QtUserActions user(depth);
	user.click(page::UnitMillimetres);
	user.type(page::FocalLength, "600");
	user.type(page::Distance, "100000");
	for (const int id : { ids::depthoffield::Near, ids::depthoffield::Far }) {
		auto &result = *qobject_cast<QLineEdit *>(depth.widget(id));
		EXPECT_TRUE(showsWhole(result)) << result.text().toStdString();
		EXPECT_EQ(result.cursorPosition(), 0) << result.text().toStdString();
	}
}

} // namespace
} // namespace mirel::testing
