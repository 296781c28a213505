// What a keyboard and a screen-reader user meet on every page and dialog,
// asked of the real widgets: nothing clipped or overlapping, the names Qt's
// accessibility interfaces give them, the order Tab visits them in, and the
// contrast of the text that stays readable in a disabled box.

#include <set>

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/about_dlg.h"
#include "dialogs/defaults_dlg.h"
#include "dialogs/light_table_dlg.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dialogs/startup_prefs_dlg.h"
#include "film_formats_qt/film_formats_dialog.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/records.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/languages.h"
#include "testing_qt/layout_check.h"
#include "testing_qt/palettes.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/contrast.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

using ui::ControlKind;

QAccessibleInterface &accessible(QWidget *widget)
{
	QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
	if (!iface)
		throw std::logic_error("no accessible interface");
	return *iface;
}

// The name a screen reader announces. On Linux Qt gives a combo box its
// value as name and names it by the label it is related to.
QString spokenName(QWidget *widget)
{
	QAccessibleInterface &iface = accessible(widget);
	if (iface.role() != QAccessible::ComboBox)
		return iface.text(QAccessible::Name);
	const auto labels = iface.relations(QAccessible::Label);
	return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

bool badName(const QString &name)
{
	return name.trimmed().isEmpty() || name.trimmed().endsWith(u':');
}

bool isInput(ControlKind kind)
{
	return kind == ControlKind::Edit || kind == ControlKind::ComboBox || kind == ControlKind::DropDownList ||
	       kind == ControlKind::RadioButton || kind == ControlKind::CheckBox || kind == ControlKind::PushButton;
}

// Every input, result, radio, check box, list and button named, every
// radio group named, none with a trailing colon.
std::string namingProblems(const ui::QtControls &surface)
{
	std::string problems;
	for (const ui::ControlTemplate &c : surface.dialogTemplate().controls) {
		if (!isInput(c.kind))
			continue;
		QWidget *widget = surface.widget(c.id);
		const QString name = spokenName(widget);
		if (badName(name))
			problems += "\n  control " + std::to_string(c.id) + " is named \"" + name.toStdString() + '"';
		if (c.kind != ControlKind::RadioButton)
			continue;
		QAccessibleInterface *group = accessible(widget).parent();
		const QString groupName = group ? group->text(QAccessible::Name) : QString();
		if (!group || group->role() != QAccessible::Grouping || badName(groupName))
			problems += "\n  the group of radio " + std::to_string(c.id) + " is named \"" +
				    groupName.toStdString() + '"';
	}
	return problems;
}

// The controls Tab should visit, in order: every enabled input as the
// template lists it, a group of radios at its checked radio (its first
// while none is), then every result.
std::vector<int> expectedTabChain(const ui::QtControls &surface)
{
	std::vector<int> inputs, results;
	std::set<const QButtonGroup *> groups;
	for (const ui::ControlTemplate &c : surface.dialogTemplate().controls) {
		QWidget *widget = surface.widget(c.id);
		if (!isInput(c.kind) || !widget->isEnabled())
			continue;
		if (c.kind == ControlKind::Edit && (c.style & ui::kReadOnly)) {
			results.push_back(c.id);
		} else if (c.kind != ControlKind::RadioButton) {
			inputs.push_back(c.id);
		} else if (const QButtonGroup *group = static_cast<QAbstractButton *>(widget)->group();
			   groups.insert(group).second) {
			const QAbstractButton *stop =
				group->checkedButton() ? group->checkedButton() : group->buttons().front();
			inputs.push_back(stop->objectName().toInt());
		}
	}
	inputs.insert(inputs.end(), results.begin(), results.end());
	return inputs;
}

// The control of surface that has the keyboard, 0 for none.
int focusedControl(const ui::QtControls &surface)
{
	for (QWidget *w = QApplication::focusWidget(); w && w != &surface; w = w->parentWidget()) {
		bool isId = false;
		const int id = w->objectName().toInt(&isId);
		if (isId && surface.widget(id) == w)
			return id;
	}
	return 0;
}

// Presses Tab from the first control until the keyboard comes back to it,
// noting each control of surface it visits.
std::vector<int> tabChain(const ui::QtControls &surface, int first)
{
	surface.widget(first)->setFocus(Qt::TabFocusReason);
	std::vector<int> visited = { focusedControl(surface) };
	for (int press = 0; press < 40; ++press) {
		QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
		const int id = focusedControl(surface);
		if (id == first)
			break;
		if (id != 0)
			visited.push_back(id);
	}
	return visited;
}

void expectAccessible(const ui::QtControls &surface)
{
	SCOPED_TRACE(::testing::Message() << "template " << surface.dialogTemplate().id);
	EXPECT_EQ(namingProblems(surface), "");
	const std::vector<int> expected = expectedTabChain(surface);
	ASSERT_FALSE(expected.empty());
	EXPECT_EQ(tabChain(surface, expected.front()), expected);
}

// Each control present with its id and kind, no text clipped, nothing
// overlapping, all of it in the part of the window that shows it.
void expectClean(const ui::QtControls &shown)
{
	EXPECT_EQ(ui::listed(ui::layoutProblems(shown, shown.dialogTemplate())), "")
		<< "template " << shown.dialogTemplate().id;
}

// Every page and dialog, and the frame, drawn clean in English and in every
// language shipped, each page whole in the sheet and every tab in the window; every page and dialog the user types or
// clicks into accessible. The unit is feet, so that Tab meets each unit group at a radio other than its first.
TEST(Accessibility, EveryPageAndDialogRendersCleanNamesItsControlsAndTabsThroughInputsThenResults)
{
	for (const QString &language : everyLanguage()) {
		const auto translations = speak(language);
		SCOPED_TRACE(language.toStdString());
		FakeStorage storage(
			[](CalcSettings &defaults, StartupPrefs &) { defaults.LengthUnit = LengthUnit::Feet; });
		const auto window = openWindow(storage);
		for (int index = 0; index < kPageCount; ++index) {
			window->showPage(index);
			const ui::QtControls *page = window->sheet().controls(index);
			ASSERT_TRUE(page && page->isVisible()) << "page " << index;
			expectClean(*page);
			expectAccessible(*page);
		}
		EXPECT_EQ(ui::listed(ui::tabRowProblems(*window->sheet().tabBar())), "");

		RoundingRulesDlg roundingRules;
		DefaultsDlg defaults;
		StartupPrefsDlg startupPrefs;
		AboutDlg about;
		EasterEggIntroDlg intro;
		EasterEggExitDlg lightTable;
		for (DialogModel *model : std::initializer_list<DialogModel *>{
			     &roundingRules, &defaults, &startupPrefs, &about, &intro, &lightTable }) {
			QtDialogHost host(*model, {}, window.get());
			host.show();
			expectClean(host.controls());
			if (model == &intro || model == &lightTable)
				continue; // nothing to type or click into
			ASSERT_TRUE(activate(host));
			expectAccessible(host.controls());
		}

		class NoSink : public ui::NotificationSink
		{
			void notify(int, ui::Notification) override {}
		} sink;
		ui::QtControls frame(resources::mainWindowTemplate(), sink);
		frame.show();
		expectClean(frame);
	}
}

// The box the f Numbers page computes into is disabled; its text is drawn
// in the palette's disabled text colour on its disabled base colour.
TEST(Accessibility, TheDisabledComputedBoxReadsAtNormalTextContrastInLightAndDarkPalettes)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kFNumbers);
	ui::QtControls &page = *window->sheet().controls(kFNumbers);
	const QPalette before = QApplication::palette();
	for (const auto &[name, palette] :
	     { std::pair{ "light", ui::lightPalette() }, { "dark", ui::darkPalette() } }) {
		QApplication::setPalette(palette);
		QApplication::processEvents(); // widgets take a new palette from posted events
		for (const int mode : { ids::fnumbers::ModeF2, ids::fnumbers::ModeStops }) {
			ui::QtUserActions(page).click(mode);
			const int computed = mode == ids::fnumbers::ModeF2 ? ids::fnumbers::F2 : ids::fnumbers::Stops;
			QWidget *box = page.widget(computed);
			ASSERT_FALSE(box->isEnabled());
			auto *combo = qobject_cast<QComboBox *>(box);
			const QWidget *text = combo ? combo->lineEdit() : box;
			const double ratio =
				ui::contrastRatio(text->palette().color(QPalette::Disabled, QPalette::Text),
						  box->palette().color(QPalette::Disabled, QPalette::Base));
			EXPECT_GE(ratio, ui::kTextContrast) << name << " palette, box " << computed;
		}
	}
	QApplication::setPalette(before);
	QApplication::processEvents();
}

// Screen readers announce a result as a field to read, not to type in:
// read-only and not editable, with a field's text interface and none to
// edit it; the input fields stay editable.
TEST(Accessibility, ResultFieldsAreAnnouncedReadOnlyInputFieldsEditable)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	for (int index = 0; index < kPageCount; ++index) {
		window->showPage(index);
		const ui::QtControls &page = *window->sheet().controls(index);
		for (const ui::ControlTemplate &c : page.dialogTemplate().controls) {
			if (c.kind != ControlKind::Edit)
				continue;
			SCOPED_TRACE(::testing::Message() << "page " << index << ", field " << c.id);
			const bool result = c.style & ui::kReadOnly;
			const auto *edit = static_cast<const QLineEdit *>(page.widget(c.id));
			QAccessibleInterface &field = accessible(page.widget(c.id));
			EXPECT_EQ(field.state().readOnly, result);
			EXPECT_EQ(field.state().editable, !result);
			EXPECT_EQ(field.editableTextInterface() == nullptr, result);
			QAccessibleTextInterface *text = field.textInterface();
			ASSERT_TRUE(text);
			EXPECT_EQ(text->text(0, text->characterCount()), edit->text());
			if (!edit->text().isEmpty()) {
				EXPECT_TRUE(field.rect().contains(text->characterRect(0).center()));
			}
		}
	}
}

// On Linux a list's name is its value ("Choose..." for every preset box):
// a screen reader names it by the label it is the buddy of.
TEST(Accessibility, TheFilmFormatsEditorNamesEachPresetBoxByItsRow)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	FilmFormatsDialog dialog({}, window.get());
	dialog.show();
	for (int row = 0; row < kFilmFormatCount; ++row)
		EXPECT_EQ(spokenName(dialog.presetPicker(row)), QStringLiteral("Preset for format %1").arg(row + 1));
}

} // namespace
} // namespace mirel::testing
