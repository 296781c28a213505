#include "ui_qt/qt_controls.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include "testing/contract_dialog.h"
#include "testing/controls_contract.h"
#include "testing_qt/layout_check.h"
#include "testing_qt/qt_user_actions.h"

// What the Qt surface adds to the contract: widgets named and placed from
// the template, and Qt's own habits kept away from models; and the check of
// a rendered window's layout. What screen readers hear of them is asked of
// the real pages and dialogs (tests/shell/accessibility_test.cpp).

namespace mirel::testing {

using namespace ui;

namespace {

// A window shown on screen with a user at its keyboard and mouse.
class QtSurface : public Surface
{
public:
	QtSurface(const DialogTemplate &dialog, NotificationSink &sink) : widget(dialog, sink), user_(widget)
	{
		widget.show();
	}
	Controls &controls() override { return widget; }
	UserActions &user() override { return user_; }
	QtControls widget;

private:
	QtUserActions user_;
};

INSTANTIATE_TEST_SUITE_P(Qt, ControlsContract,
			 ::testing::Values([](const DialogTemplate &d,
					      NotificationSink &sink) -> std::unique_ptr<Surface> {
				 return std::make_unique<QtSurface>(d, sink);
			 }));

class Log : public NotificationSink
{
public:
	std::vector<Notification> notices;
	void notify(int, Notification n) override { notices.push_back(n); }
};

// A template's 8 points are the desktop's font; 16 are twice its size.
TEST(QtControls, WidgetsAreNamedByIdAndPlacedInUnitsOfTheTemplateFont)
{
	EXPECT_EQ(DialogUnits::dialogFont(8), QApplication::font());
	EXPECT_DOUBLE_EQ(DialogUnits::dialogFont(16).pointSizeF(), QApplication::font().pointSizeF() * 2);
	Log log;
	DialogTemplate dialog = contractDialog();
	dialog.fontPoints = 16;
	QtControls surface(dialog, log);
	EXPECT_EQ(surface.font(), DialogUnits::dialogFont(16));
	EXPECT_EQ(surface.size(), surface.units().toPixels(dialog.width, dialog.height));
	for (const ControlTemplate &c : dialog.controls) {
		if (c.id == kNoId)
			continue;
		QWidget *w = surface.widget(c.id);
		ASSERT_NE(w, nullptr) << c.id;
		EXPECT_EQ(w->objectName(), QString::number(c.id));
		EXPECT_EQ(w->pos(), surface.units().toPixels(c.rect).topLeft()) << c.id;
	}
}

// Qt's completion, and its picking of a matching item on Enter or when the
// box loses focus, would turn a typed "2" into a pick of the list's "2".
TEST(QtControls, TypedComboTextMatchingAnItemIsNoPick)
{
	Log log;
	QtSurface s(contractDialog(), log);
	auto *combo = qobject_cast<QComboBox *>(s.widget.widget(kCombo));
	s.user().type(kCombo, "2");
	QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
	QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
	QApplication::sendEvent(combo->lineEdit(), &focusOut);
	EXPECT_EQ(s.controls().selection(kCombo), -1);
	EXPECT_EQ(s.controls().text(kCombo), "2");
	ASSERT_FALSE(log.notices.empty());
	EXPECT_EQ(std::ranges::count(log.notices, Notification::EditChanged), std::ssize(log.notices));
}

TEST(LayoutCheck, ReportsAClippedLabelAndAnOverlapAndNothingOnAGoodWindow)
{
	Log log;
	const DialogTemplate good = contractDialog();
	QtControls goodSurface(good, log);
	goodSurface.setText(kResult, "123.456789 mm");
	EXPECT_EQ(layoutProblems(goodSurface, good), std::vector<std::string>{});

	DialogTemplate bad;
	bad.width = 200;
	bad.height = 100;
	bad.controls = {
		control(kNoId, ControlKind::Static, "A label far too long for its place :", { 5, 5, 30, 8 }),
		control(100, ControlKind::Edit, "", { 40, 3, 40, 14 }, kBorder),
		control(101, ControlKind::Edit, "", { 70, 3, 40, 14 }, kBorder),
	};
	QtControls badSurface(bad, log);
	const std::vector<std::string> problems = layoutProblems(badSurface, bad);
	EXPECT_EQ(problems.size(), 2u) << ::testing::PrintToString(problems);
	for (const std::string start :
	     { "\"A label far too long for its place :\" is clipped: text needs ", "control 100 overlaps control 101" })
		EXPECT_EQ(std::ranges::count_if(problems, [&](const std::string &p) { return p.starts_with(start); }),
			  1)
			<< start;
}

} // namespace
} // namespace mirel::testing
