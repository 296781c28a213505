#include "ui/qt_controls.h"

#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "contract_dialog.h"
#include "controls_contract.h"
#include "qt_surface.h"

namespace mirel::ui::testing {
namespace {

INSTANTIATE_TEST_SUITE_P(Qt, ControlsContract,
			 ::testing::Values(SurfaceFactory{ "Qt",
							   [](const DialogTemplate &d, NotificationSink &sink) {
								   return std::make_unique<QtSurface>(d, sink);
							   } }),
			 surfaceName);

struct Notice {
	int id;
	Notification notification;
	bool operator==(const Notice &) const = default;
};

class Log : public NotificationSink
{
public:
	std::vector<Notice> notices;
	void notify(int id, Notification n) override { notices.push_back({ id, n }); }
};

ControlTemplate control(int id, ControlKind kind, std::string text, Rect rect, unsigned style = kNoStyle)
{
	ControlTemplate c;
	c.id = id;
	c.kind = kind;
	c.text = std::move(text);
	c.rect = rect;
	c.style = style;
	return c;
}

// Labels naming their fields, and statics of every style.
DialogTemplate labelledDialog()
{
	DialogTemplate d;
	d.width = 220;
	d.height = 120;
	d.controls = {
		control(kNoId, ControlKind::Static, "&Focal length (mm) :", { 5, 7, 80, 8 }, kRightAligned),
		control(1009, ControlKind::Edit, "", { 90, 5, 48, 14 }, kBorder | kAutoHScroll | kTabStop),
		control(kNoId, ControlKind::Static, "Aperture :", { 5, 23, 80, 8 }, kRightAligned),
		control(1039, ControlKind::ComboBox, "", { 90, 21, 57, 60 }, kTabStop | kVScroll),
		control(kNoId, ControlKind::Static, "Near && far :", { 5, 39, 80, 8 }, kNoPrefix),
		control(1016, ControlKind::Edit, "", { 90, 37, 59, 14 }, kBorder | kReadOnly | kRightAligned),
		control(kNoId, ControlKind::Static, "Save && <b>exit</b>", { 5, 55, 80, 8 }),
		control(70, ControlKind::Static, "A long heading that wraps onto two lines", { 5, 67, 80, 16 }, kWordWrap),
		control(71, ControlKind::Frame, "", { 150, 5, 60, 40 }),
		control(72, ControlKind::Icon, "", { 160, 10, 20, 20 }),
		control(kIdOk, ControlKind::PushButton, "OK", { 150, 90, 50, 14 }, kTabStop | kDefaultButton),
		control(kIdCancel, ControlKind::PushButton, "&Cancel", { 150, 105, 50, 14 }, kTabStop),
	};
	d.controls[0].buddy = 1009;
	d.controls[2].buddy = 1039;
	d.controls[4].buddy = 1016;
	d.controls[3].items = { "45", "64" };
	return d;
}

TEST(QtControls, EveryControlIsItsKindOfWidgetNamedByItsId)
{
	Log log;
	QtControls surface(contractDialog(), log);
	struct Row {
		int id;
		const char *className;
	};
	const Row rows[] = {
		{ kEdit, "QLineEdit" },      { kResult, "QLineEdit" },       { kCombo, "QComboBox" },
		{ kList, "QComboBox" },      { kRadioA, "QRadioButton" },    { kLoneRadio, "QRadioButton" },
		{ kCheck, "QCheckBox" },     { kButton, "QPushButton" },
	};
	for (const Row &row : rows) {
		SCOPED_TRACE(row.id);
		QWidget *w = surface.widget(row.id);
		ASSERT_NE(w, nullptr);
		EXPECT_STREQ(w->metaObject()->className(), row.className);
		EXPECT_EQ(w->objectName(), QString::number(row.id));
		EXPECT_EQ(w->parentWidget(), &surface);
	}
	EXPECT_TRUE(qobject_cast<QComboBox *>(surface.widget(kCombo))->isEditable());
	EXPECT_FALSE(qobject_cast<QComboBox *>(surface.widget(kList))->isEditable());
	EXPECT_EQ(surface.widget(999), nullptr);
	EXPECT_THROW(surface.text(999), std::out_of_range);
}

TEST(QtControls, GeometryFollowsDialogUnitsWithDropDownsClosed)
{
	Log log;
	const DialogTemplate dialog = contractDialog();
	QtControls surface(dialog, log);
	const DialogUnits &units = surface.units();
	EXPECT_EQ(surface.templateSize(), units.toPixels(dialog.width, dialog.height));
	EXPECT_EQ(surface.size(), surface.templateSize());
	for (const ControlTemplate &c : dialog.controls) {
		if (c.id == kNoId)
			continue;
		SCOPED_TRACE(c.id);
		const QRect expected = units.toPixels(c.rect);
		const QRect actual = surface.widget(c.id)->geometry();
		EXPECT_EQ(actual.topLeft(), expected.topLeft());
		if (c.kind == ControlKind::RadioButton || c.kind == ControlKind::CheckBox)
			EXPECT_GE(actual.width(), expected.width());
		else
			EXPECT_EQ(actual.width(), expected.width());
		if (c.kind == ControlKind::ComboBox || c.kind == ControlKind::DropDownList) {
			EXPECT_EQ(actual.height(), surface.widget(c.id)->sizeHint().height());
			EXPECT_LT(actual.height(), expected.height()) << "the template's height includes the open list";
		} else {
			EXPECT_EQ(actual.height(), expected.height());
		}
	}
}

TEST(QtControls, RadiosAndCheckBoxesWidenToTheirTextUpToTheNextControl)
{
	Log log;
	DialogTemplate dialog;
	dialog.width = 200;
	dialog.height = 40;
	dialog.controls = {
		control(1, ControlKind::RadioButton, "centimetres", { 5, 5, 10, 10 }),
		control(2, ControlKind::Edit, "", { 20, 3, 40, 14 }, kBorder),
		control(3, ControlKind::CheckBox, "A check box with a long text", { 5, 20, 10, 10 }),
		control(4, ControlKind::RadioButton, "fits", { 120, 5, 60, 10 }),
		control(5, ControlKind::CheckBox, "too long for the window", { 170, 20, 10, 10 }),
	};
	QtControls surface(dialog, log);
	const DialogUnits &units = surface.units();
	struct Row {
		int id;
		int width;
	};
	const Row rows[] = {
		{ 1, units.toPixelsX(20) - units.toPixelsX(5) },            // up to the edit
		{ 3, surface.widget(3)->sizeHint().width() },               // free room
		{ 4, units.toPixels({ 120, 5, 60, 10 }).width() },          // unchanged
		{ 5, surface.templateSize().width() - units.toPixelsX(170) }, // up to the edge
	};
	for (const Row &row : rows)
		EXPECT_EQ(surface.widget(row.id)->width(), row.width) << row.id;
}

TEST(QtControls, TemplateFontScalesTheDefaultFontAndTheLayout)
{
	Log log;
	DialogTemplate small = contractDialog();
	DialogTemplate large = contractDialog();
	large.fontPoints = 16;
	QtControls at8(small, log);
	QtControls at16(large, log);
	EXPECT_EQ(at8.font(), QApplication::font());
	EXPECT_DOUBLE_EQ(at16.font().pointSizeF(), QApplication::font().pointSizeF() * 2);
	EXPECT_EQ(at16.widget(kEdit)->font(), at16.font());
	// Twice the font is about twice the window: metrics round per glyph.
	EXPECT_NEAR(at16.templateSize().width(), 2 * at8.templateSize().width(), 0.15 * at8.templateSize().width());
	EXPECT_NEAR(at16.templateSize().height(), 2 * at8.templateSize().height(), 0.15 * at8.templateSize().height());
}

TEST(QtControls, LabelsNameTheirFieldsForScreenReaders)
{
	Log log;
	QtControls surface(labelledDialog(), log);
	const QList<QLabel *> labels = surface.findChildren<QLabel *>(QString::number(kNoId));
	ASSERT_EQ(labels.size(), 4);
	struct Row {
		int field;
		QString accessibleName;
		QString labelText; // as the label holds it, mnemonic marks included
	};
	const Row rows[] = {
		{ 1009, "Focal length (mm) :", "&Focal length (mm) :" },
		{ 1039, "Aperture :", "Aperture :" },
		{ 1016, "Near && far :", "Near &&&& far :" },
	};
	for (std::size_t i = 0; i < std::size(rows); ++i) {
		SCOPED_TRACE(rows[i].field);
		EXPECT_EQ(labels[static_cast<qsizetype>(i)]->buddy(), surface.widget(rows[i].field));
		EXPECT_EQ(labels[static_cast<qsizetype>(i)]->text(), rows[i].labelText);
		EXPECT_EQ(surface.widget(rows[i].field)->accessibleName(), rows[i].accessibleName);
	}
	// Without a buddy a label would draw '&' itself: the marks are taken out.
	EXPECT_EQ(labels[3]->buddy(), nullptr);
	EXPECT_EQ(labels[3]->text(), "Save & <b>exit</b>");
	EXPECT_EQ(labels[3]->textFormat(), Qt::PlainText);
	// The model reads back what it wrote, marks and all.
	EXPECT_EQ(surface.text(70), "A long heading that wraps onto two lines");
	surface.setText(70, "Angle \xB0 && more");
	EXPECT_EQ(surface.text(70), "Angle \xB0 && more");
	EXPECT_EQ(qobject_cast<QLabel *>(surface.widget(70))->text(), QString::fromUtf8("Angle \u00B0 & more"));
}

TEST(QtControls, StylesBecomeWidgetProperties)
{
	Log log;
	QtControls surface(labelledDialog(), log);
	const QList<QLabel *> labels = surface.findChildren<QLabel *>(QString::number(kNoId));
	ASSERT_FALSE(labels.empty());
	EXPECT_EQ(labels[0]->alignment(), Qt::AlignRight | Qt::AlignTop);
	EXPECT_FALSE(labels[0]->wordWrap());
	const auto *heading = qobject_cast<QLabel *>(surface.widget(70));
	EXPECT_EQ(heading->alignment(), Qt::AlignLeft | Qt::AlignTop);
	EXPECT_TRUE(heading->wordWrap());
	EXPECT_EQ(qobject_cast<QLineEdit *>(surface.widget(1016))->alignment(), Qt::AlignRight | Qt::AlignVCenter);
	EXPECT_EQ(qobject_cast<QLineEdit *>(surface.widget(1009))->alignment() & Qt::AlignHorizontal_Mask,
		  Qt::AlignLeft);
	const auto *frame = qobject_cast<QFrame *>(surface.widget(71));
	ASSERT_NE(frame, nullptr);
	EXPECT_EQ(frame->frameShape(), QFrame::Box);
	EXPECT_TRUE(qobject_cast<QPushButton *>(surface.widget(kIdOk))->isDefault());
	EXPECT_FALSE(qobject_cast<QPushButton *>(surface.widget(kIdCancel))->isDefault());
	EXPECT_EQ(qobject_cast<QPushButton *>(surface.widget(kIdCancel))->text(), "&Cancel");
}

TEST(QtControls, IconShowsTheApplicationIcon)
{
	QPixmap art(32, 32);
	art.fill(Qt::red);
	const QIcon saved = QApplication::windowIcon();
	QApplication::setWindowIcon(QIcon(art));
	Log log;
	QtControls surface(labelledDialog(), log);
	QApplication::setWindowIcon(saved);
	const auto *icon = qobject_cast<QLabel *>(surface.widget(72));
	ASSERT_NE(icon, nullptr);
	const QImage shown = icon->pixmap().toImage();
	ASSERT_FALSE(shown.isNull());
	EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
}

TEST(QtControls, ResultsAreReadOnlyAndOutOfTheTabOrderButSelectable)
{
	Log log;
	QtControls surface(contractDialog(), log);
	const auto *result = qobject_cast<QLineEdit *>(surface.widget(kResult));
	EXPECT_TRUE(result->isReadOnly());
	EXPECT_EQ(result->focusPolicy(), Qt::ClickFocus);
	EXPECT_EQ(surface.widget(kEdit)->focusPolicy(), Qt::StrongFocus);
	EXPECT_TRUE(qobject_cast<QLineEdit *>(surface.widget(kEdit))->hasFrame());
}

TEST(QtControls, TabVisitsTheTabStopsInTemplateOrder)
{
	Log log;
	QtControls surface(contractDialog(), log);
	surface.show();
	QApplication::setActiveWindow(&surface);
	surface.widget(kEdit)->setFocus();
	// The result and the radios without a tab stop are skipped; radio B and C
	// are reached with the arrow keys from A.
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
}

TEST(QtControls, ArrowKeysMoveWithinARadioGroupAsClicks)
{
	Log log;
	QtControls surface(contractDialog(), log);
	surface.show();
	QApplication::setActiveWindow(&surface);
	surface.setCheck(kRadioA, true);
	surface.widget(kRadioA)->setFocus();
	QTest::keyClick(surface.widget(kRadioA), Qt::Key_Right);
	EXPECT_TRUE(surface.isChecked(kRadioB));
	EXPECT_FALSE(surface.isChecked(kRadioA));
	EXPECT_EQ(log.notices, (std::vector<Notice>{ { kRadioB, Notification::Clicked } }));
}

TEST(QtControls, WrittenTextsShowFromTheirStart)
{
	Log log;
	QtControls surface(contractDialog(), log);
	const std::string longText = "123456789.123456789 mm, longer than the box";
	for (int id : { kEdit, kResult, kCombo }) {
		surface.setText(id, longText);
		QLineEdit *edit = qobject_cast<QLineEdit *>(surface.widget(id));
		if (auto *combo = qobject_cast<QComboBox *>(surface.widget(id)))
			edit = combo->lineEdit();
		EXPECT_EQ(edit->cursorPosition(), 0) << id;
		EXPECT_EQ(surface.text(id), longText);
	}
}

TEST(QtControls, DropDownHeightSetsTheItemsShownWhenOpen)
{
	Log log;
	QtControls surface(contractDialog(), log);
	const std::pair<int, int> rows[] = { { 4, 3 }, { 8, 7 }, { 2, 1 }, { 1, 1 }, { 0, 1 } };
	for (const auto &[multiple, items] : rows) {
		surface.setDropDownHeight(kList, multiple);
		EXPECT_EQ(qobject_cast<QComboBox *>(surface.widget(kList))->maxVisibleItems(), items) << multiple;
	}
}

// An editable combo holds the text the user typed: Qt's completion, and its
// picking of a matching item on Enter or when the box loses focus, would
// turn a typed "64" into a pick of the list's "64".
TEST(QtControls, TypedComboTextStaysTypedText)
{
	Log log;
	QtSurface s(labelledDialog(), log);
	QtControls &surface = s.widget();
	auto *combo = qobject_cast<QComboBox *>(surface.widget(1039));
	EXPECT_EQ(combo->completer(), nullptr);
	s.user().type(1039, "4");
	EXPECT_EQ(surface.text(1039), "4");
	s.user().type(1039, "64");
	QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
	QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
	QApplication::sendEvent(combo->lineEdit(), &focusOut);
	EXPECT_EQ(surface.selection(1039), -1);
	EXPECT_EQ(surface.text(1039), "64");
	for (const Notice &n : log.notices)
		EXPECT_EQ(n.notification, Notification::EditChanged);
}

TEST(QtControls, AddingItemsKeepsSelectionAndEditText)
{
	Log log;
	QtControls surface(labelledDialog(), log);
	DialogTemplate empty;
	empty.width = 100;
	empty.height = 40;
	empty.controls = { control(5, ControlKind::DropDownList, "", { 5, 5, 60, 60 }),
			   control(6, ControlKind::ComboBox, "", { 5, 20, 60, 60 }) };
	QtControls lists(empty, log);
	lists.addItem(5, "35mm");
	EXPECT_EQ(lists.selection(5), -1) << "QComboBox would select the first item";
	EXPECT_EQ(lists.text(5), "");
	lists.setText(6, "typed");
	lists.addItem(6, "1");
	EXPECT_EQ(lists.selection(6), -1);
	EXPECT_EQ(lists.text(6), "typed");
	lists.setSelection(6, 0);
	lists.addItem(6, "2");
	EXPECT_EQ(lists.selection(6), 0);
	EXPECT_EQ(lists.text(6), "1");
	lists.setSelection(6, 5);
	EXPECT_EQ(lists.selection(6), -1) << "out of range clears";
	EXPECT_TRUE(log.notices.empty());
}

// Program checks change one radio, as Windows' do; the user's click leaves
// one checked radio in the group, and never clears the one clicked.
TEST(QtControls, ProgramChecksChangeOneRadioAndClicksMakeItTheOnlyOne)
{
	Log log;
	QtSurface s(contractDialog(), log);
	Controls &c = s.controls();
	c.setCheck(kRadioB, true);
	c.setCheck(kRadioB, false);
	EXPECT_FALSE(c.isChecked(kRadioB)) << "an exclusive group keeps its checked button";
	c.setCheck(kRadioA, true);
	c.setCheck(kRadioB, true);
	EXPECT_TRUE(c.isChecked(kRadioA));
	EXPECT_TRUE(c.isChecked(kRadioB));
	s.user().click(kRadioC);
	EXPECT_FALSE(c.isChecked(kRadioA));
	EXPECT_FALSE(c.isChecked(kRadioB));
	EXPECT_TRUE(c.isChecked(kRadioC));
	c.setCheck(kRadioA, true);
	s.user().click(kRadioA);
	EXPECT_TRUE(c.isChecked(kRadioA)) << "a program-checked radio stays checked when clicked";
	EXPECT_FALSE(c.isChecked(kRadioC));
	s.user().click(kRadioA);
	s.user().click(kLoneRadio);
	s.user().click(kLoneRadio);
	EXPECT_TRUE(c.isChecked(kRadioA));
	EXPECT_TRUE(c.isChecked(kLoneRadio));
	EXPECT_EQ(log.notices.size(), 5u);
	// Buttons that cannot be checked ignore it.
	c.setCheck(kButton, true);
	EXPECT_FALSE(c.isChecked(kButton));
}

TEST(QtControls, DisabledListsCannotBePicked)
{
	Log log;
	QtSurface s(contractDialog(), log);
	s.controls().enable(kList, false);
	s.user().pick(kList, 1);
	EXPECT_EQ(s.controls().selection(kList), -1);
	EXPECT_TRUE(log.notices.empty());
	s.controls().enable(kList, true);
	s.user().pick(kList, 1);
	EXPECT_EQ(s.controls().selection(kList), 1);
	EXPECT_EQ(s.controls().text(kList), "6 \xD7 6");
}

TEST(QtControls, EnabledStateIsTheControlsOwn)
{
	Log log;
	QWidget host;
	QtControls surface(contractDialog(), log, &host);
	host.setEnabled(false);
	EXPECT_TRUE(surface.isEnabled(kEdit)) << "the host's state is not the control's";
	surface.enable(kEdit, false);
	host.setEnabled(true);
	EXPECT_FALSE(surface.isEnabled(kEdit));
	EXPECT_FALSE(surface.widget(kEdit)->isEnabled());
}

} // namespace
} // namespace mirel::ui::testing
