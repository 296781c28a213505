// The focus stack window in the running program, by the keyboard alone:
// opened by its key, its fields reached by their letters, the pages'
// changes followed, each mode's help, why there is no plan, the plan
// copied. Figures by hand in tests/focus_stack/stack_sheet_test.cpp: 24 mm
// at f/8 with c = 0.03 mm from 1 m to infinity is focused at 1697 and 2424
// mm; at 1:1 and f/16, a subject 10 mm deep with 20% overlap is 7 shots.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "focus_stack_qt/focus_stack_window.h"
#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "shell/help_window.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

// Alt and the letter of a field's label, then the field's text replaced.
void typeByLetter(QWidget &window, Qt::Key letter, const QString &text)
{
	QTest::keyClick(&window, letter, Qt::AltModifier);
	QWidget *field = QApplication::focusWidget();
	ASSERT_TRUE(qobject_cast<QLineEdit *>(field)) << "Alt+" << QKeySequence(letter).toString().toStdString();
	QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
	QTest::keyClicks(field, text);
}

QStringList shotTable(const QWidget &stack)
{
	const auto &table = child<QTableWidget>(stack, "stackShots");
	QStringList rows;
	for (int row = 0; row < table.rowCount(); ++row)
		rows << table.item(row, 0)->text() + " " + table.item(row, 1)->text() + "-" +
				table.item(row, 2)->text();
	return rows;
}

TEST(FocusStackWindow, PlansBothStacksByKeyboardFollowingThePages)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kDepthOfField);
	ui::QtUserActions page(*window->sheet().controls(kDepthOfField));
	page.type(ids::page::FocalLength, "24");
	page.type(ids::page::Aperture, "8");
	page.type(ids::page::CircleOfConfusion, "0.03");
	QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
	auto &stack = window->toolWindow<FocusStackWindow>(ids::command::FocusStack);
	ASSERT_TRUE(QTest::qWaitFor([&] { return stack.isActiveWindow(); }));

	QTest::keyClick(&stack, Qt::Key_L, Qt::AltModifier);
	typeByLetter(stack, Qt::Key_N, "1");
	typeByLetter(stack, Qt::Key_F, "inf");
	typeByLetter(stack, Qt::Key_O, "0");
	EXPECT_EQ(child<QLineEdit>(stack, "stackCount").text(), "2 shots");
	EXPECT_EQ(shotTable(stack), QStringList({ "1.70 m 1.00 m-5.60 m", "2.42 m 1.21 m-infinity" }));
	QTest::keyClick(&stack, Qt::Key_F1);
	EXPECT_EQ(shownTopic(window->help()), HelpWindow::topicUrl(ids::help::FocusStackLandscape));

	// A unit chosen on the pages: the same distance written in feet.
	ASSERT_TRUE(activate(*window));
	page.click(ids::page::UnitFeet);
	QApplication::processEvents(); // the window follows once the loop turns
	EXPECT_EQ(child<QLineEdit>(stack, "stackNear").text(), "3.28084");
	EXPECT_EQ(child<QLineEdit>(stack, "stackCount").text(), "2 shots");

	// The macro tab at f/16 from the pages.
	page.type(ids::page::Aperture, "16");
	ASSERT_TRUE(activate(stack));
	QTest::keyClick(&stack, Qt::Key_M, Qt::AltModifier);
	typeByLetter(stack, Qt::Key_G, "1");
	typeByLetter(stack, Qt::Key_U, "1");
	typeByLetter(stack, Qt::Key_D, "10");
	typeByLetter(stack, Qt::Key_V, "20");
	for (const auto &[field, shown] : { std::pair{ "stackEffectiveAperture", "f/32" },
					    { "stackDepthPerShot", "1.920 mm" },
					    { "stackStep", "1.536 mm" },
					    { "stackMacroCount", "7 shots" } })
		EXPECT_EQ(child<QLineEdit>(stack, field).text(), shown) << field;
	QTest::keyClick(&stack, Qt::Key_F1);
	EXPECT_EQ(shownTopic(window->help()), HelpWindow::topicUrl(ids::help::FocusStackMacro));
	ASSERT_TRUE(activate(stack));
	QGuiApplication::clipboard()->clear();
	QTest::keyClick(&stack, Qt::Key_C, Qt::AltModifier); // pressed for a moment, then clicked
	ASSERT_TRUE(QTest::qWaitFor([] { return !QGuiApplication::clipboard()->text().isEmpty(); }));
	const QString copied = QGuiApplication::clipboard()->text();
	// The model's test checks the copied text line by line.
	EXPECT_TRUE(copied.startsWith("Macro focus stack\n")) << copied.toStdString();

	// A depth that is no number: n/a and why, no nan nor inf.
	typeByLetter(stack, Qt::Key_D, "deep");
	EXPECT_EQ(child<QLineEdit>(stack, "stackMacroCount").text(), "n/a");
	EXPECT_EQ(child<QLabel>(stack, "stackMacroReason").text(), "No plan: subject depth is not a number.");
}

} // namespace
} // namespace mirel::testing
