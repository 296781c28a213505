#include "ui/qt_controls.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/layout_check.h"

#include "contract_dialog.h"
#include "controls_contract.h"
#include "qt_surface.h"

// What the Qt surface adds to the contract: widgets named, placed and
// labelled from the template, and Qt's own habits kept away from models;
// and the check of a rendered window's layout.

namespace mirel::ui::testing {
namespace {

INSTANTIATE_TEST_SUITE_P(Qt, ControlsContract,
			 ::testing::Values(SurfaceFactory{ "Qt",
							   [](const DialogTemplate &d, NotificationSink &sink) {
								   return std::make_unique<QtSurface>(d, sink);
							   } }),
			 surfaceName);

class Log : public NotificationSink
{
public:
	std::vector<std::pair<int, Notification>> notices;
	void notify(int id, Notification n) override { notices.emplace_back(id, n); }
};

TEST(QtControls, WidgetsAreNamedByIdAndPlacedInUnitsOfTheTemplateFont)
{
	for (int points : { 8, 16 }) {
		SCOPED_TRACE(points);
		Log log;
		DialogTemplate dialog = contractDialog();
		dialog.fontPoints = points;
		QtControls surface(dialog, log);
		EXPECT_EQ(surface.font(), DialogUnits::dialogFont(points));
		EXPECT_EQ(surface.size(), surface.units().toPixels(dialog.width, dialog.height));
		for (const ControlTemplate &c : dialog.controls) {
			if (c.id == kNoId)
				continue;
			SCOPED_TRACE(c.id);
			QWidget *w = surface.widget(c.id);
			ASSERT_NE(w, nullptr);
			EXPECT_EQ(w->objectName(), QString::number(c.id));
			const QRect expected = surface.units().toPixels(c.rect);
			EXPECT_EQ(w->pos(), expected.topLeft());
			// A drop-down's template height includes its open list.
			if (qobject_cast<QComboBox *>(w))
				EXPECT_LT(w->height(), expected.height());
			else
				EXPECT_EQ(w->height(), expected.height());
		}
	}
}

TEST(QtControls, LabelsNameTheirFieldsAndStylesBecomeWidgetProperties)
{
	DialogTemplate d;
	d.controls = {
		control(kNoId, ControlKind::Static, "&Focal length (mm) :", { 5, 7, 80, 8 }, kRightAligned),
		control(1009, ControlKind::Edit, "", { 90, 5, 48, 14 }, kBorder | kTabStop),
		control(kNoId, ControlKind::Static, "Near && far :", { 5, 23, 80, 8 }, kNoPrefix),
		control(1016, ControlKind::Edit, "", { 90, 21, 59, 14 }, kBorder | kReadOnly | kRightAligned),
		control(kNoId, ControlKind::Static, "Save && <b>exit</b>", { 5, 39, 80, 8 }),
		control(70, ControlKind::Static, "A heading that wraps", { 5, 51, 80, 16 }, kWordWrap),
		control(kIdOk, ControlKind::PushButton, "OK", { 150, 90, 50, 14 }, kTabStop | kDefaultButton),
	};
	d.controls[0].buddy = 1009;
	d.controls[2].buddy = 1016;
	Log log;
	QtControls surface(d, log);
	const QList<QLabel *> labels = surface.findChildren<QLabel *>(QString::number(kNoId));
	ASSERT_EQ(labels.size(), 3);
	// Screen readers name a field by its label as shown; the label keeps its
	// marks, escaped where the template shows '&' as itself.
	EXPECT_EQ(labels[0]->buddy(), surface.widget(1009));
	EXPECT_EQ(labels[0]->text(), "&Focal length (mm) :");
	EXPECT_EQ(surface.widget(1009)->accessibleName(), "Focal length (mm) :");
	EXPECT_EQ(labels[1]->buddy(), surface.widget(1016));
	EXPECT_EQ(labels[1]->text(), "Near &&&& far :");
	EXPECT_EQ(surface.widget(1016)->accessibleName(), "Near && far :");
	// Without a buddy a label would draw '&' itself: the marks are taken out.
	EXPECT_EQ(labels[2]->text(), "Save & <b>exit</b>");
	EXPECT_EQ(labels[2]->textFormat(), Qt::PlainText);
	// The model reads back what it wrote, marks and all.
	surface.setText(70, "Angle \xB0 && more");
	EXPECT_EQ(surface.text(70), "Angle \xB0 && more");
	EXPECT_EQ(qobject_cast<QLabel *>(surface.widget(70))->text(), QString::fromUtf8("Angle \u00B0 & more"));

	EXPECT_EQ(qobject_cast<QLineEdit *>(surface.widget(1016))->alignment(), Qt::AlignRight | Qt::AlignVCenter);
	EXPECT_TRUE(qobject_cast<QPushButton *>(surface.widget(kIdOk))->isDefault());
}

TEST(QtControls, TabSkipsResultsAndLaterRadiosWhichArrowKeysReach)
{
	Log log;
	QtControls surface(contractDialog(), log);
	surface.show();
	QApplication::setActiveWindow(&surface);
	surface.widget(kEdit)->setFocus();
	const std::vector<int> stops = { kOtherEdit, kCombo, kList, kRadioA, kCheck, kButton, kEdit };
	std::vector<int> visited;
	for (std::size_t i = 0; i < stops.size(); ++i) {
		QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
		QWidget *focus = QApplication::focusWidget();
		// An editable combo's line edit takes the focus for it.
		while (focus && focus->parentWidget() != &surface)
			focus = focus->parentWidget();
		visited.push_back(focus ? focus->objectName().toInt() : 0);
	}
	EXPECT_EQ(visited, stops);
	// A result still takes the focus from a click, to be selected and copied.
	EXPECT_EQ(surface.widget(kResult)->focusPolicy(), Qt::ClickFocus);
	// Within a radio group the arrow keys move the check, as clicks.
	surface.setCheck(kRadioA, true);
	surface.widget(kRadioA)->setFocus();
	QTest::keyClick(surface.widget(kRadioA), Qt::Key_Right);
	EXPECT_TRUE(surface.isChecked(kRadioB));
	EXPECT_FALSE(surface.isChecked(kRadioA));
	EXPECT_EQ(log.notices, (std::vector<std::pair<int, Notification>>{ { kRadioB, Notification::Clicked } }));
}

// Qt's completion, and its picking of a matching item on Enter or when the
// box loses focus, would turn a typed "2" into a pick of the list's "2".
TEST(QtControls, TypedComboTextMatchingAnItemIsNoPick)
{
	Log log;
	QtSurface s(contractDialog(), log);
	auto *combo = qobject_cast<QComboBox *>(s.widget().widget(kCombo));
	s.user().type(kCombo, "2");
	QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
	QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
	QApplication::sendEvent(combo->lineEdit(), &focusOut);
	EXPECT_EQ(s.controls().selection(kCombo), -1);
	EXPECT_EQ(s.controls().text(kCombo), "2");
	ASSERT_FALSE(log.notices.empty());
	for (const auto &[id, n] : log.notices)
		EXPECT_EQ(n, Notification::EditChanged);
}

TEST(QtControls, ListsKeepSelectionAndTextAsItemsAreAddedAndWritesShowFromTheStart)
{
	Log log;
	DialogTemplate d;
	d.controls = { control(5, ControlKind::DropDownList, "", { 5, 5, 60, 60 }),
		       control(6, ControlKind::ComboBox, "", { 5, 20, 60, 60 }) };
	QtControls lists(d, log);
	lists.addItem(5, "35mm");
	EXPECT_EQ(lists.selection(5), -1) << "QComboBox selects the first item added";
	lists.setText(6, "123456789.123456789 mm, longer than the box");
	EXPECT_EQ(qobject_cast<QComboBox *>(lists.widget(6))->lineEdit()->cursorPosition(), 0);
	lists.addItem(6, "1");
	EXPECT_EQ(lists.selection(6), -1);
	EXPECT_EQ(lists.text(6), "123456789.123456789 mm, longer than the box");
	// A multiple of the closed box, which is one of them.
	lists.setDropDownHeight(5, 8);
	EXPECT_EQ(qobject_cast<QComboBox *>(lists.widget(5))->maxVisibleItems(), 7);
	EXPECT_TRUE(log.notices.empty());
}

TEST(LayoutCheck, TheContractWindowIsCleanWithValuesInItsFields)
{
	Log log;
	const DialogTemplate dialog = contractDialog();
	QtControls surface(dialog, log);
	surface.setText(kResult, "123.456789 mm");
	surface.setSelection(kList, 1);
	surface.setCheck(kRadioA, true);
	const std::vector<std::string> problems = layoutProblems(surface, dialog);
	EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
}

TEST(LayoutCheck, ReportsEachFaultOnce)
{
	Log log;
	DialogTemplate d;
	d.width = 200;
	d.height = 100;
	d.controls = {
		control(kNoId, ControlKind::Static, "A label far too long for its place :", { 5, 5, 30, 8 }),
		control(100, ControlKind::Edit, "", { 40, 3, 40, 14 }, kBorder),
		control(101, ControlKind::Edit, "", { 70, 3, 40, 14 }, kBorder),
		// A drop-down's open list may cover 103, and a frame hold anything.
		control(102, ControlKind::ComboBox, "", { 5, 25, 60, 60 }),
		control(103, ControlKind::Edit, "", { 5, 45, 40, 14 }, kBorder),
		control(104, ControlKind::Frame, "", { 0, 0, 200, 100 }),
		control(105, ControlKind::Static, "one two three four five six seven eight nine ten eleven",
			{ 100, 30, 40, 16 }, kWordWrap),
	};
	QtControls surface(d, log);
	d.controls[4].kind = ControlKind::ComboBox;
	d.controls.push_back(control(999, ControlKind::Edit, "", { 0, 0, 1, 1 }));
	const std::vector<std::string> problems = layoutProblems(surface, d);
	const std::vector<std::string> starts = {
		"label \"A label far too long for its place :\" is clipped: text needs ",
		"edit box 100 overlaps edit box 101",
		"combo box 103 is a QLineEdit",
		"label 105 is clipped: text needs ",
		"edit box 999 is missing",
	};
	for (const std::string &start : starts) {
		EXPECT_EQ(std::ranges::count_if(problems, [&](const std::string &p) { return p.starts_with(start); }), 1)
			<< start << ::testing::PrintToString(problems);
	}
	EXPECT_EQ(problems.size(), starts.size()) << ::testing::PrintToString(problems);
}

} // namespace
} // namespace mirel::ui::testing
