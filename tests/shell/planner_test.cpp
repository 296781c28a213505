// The focus planner, the diffraction status bar and the film formats editor
// in the running program: opened from their menus, following the pages,
// writing into the settings only when the user asks.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include "core/diffraction.h"
#include "core/focus_plan.h"
#include "core/number_text.h"
#include "core/stops.h"
#include "dialogs/film_presets.h"
#include "film_formats_qt/film_formats_dialog.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;
namespace page = ids::page;

// Replaces the text of an edit as a user does: select all, type, key by
// key; a character beyond ASCII arrives as a key event carrying it.
void typeInto(QLineEdit &edit, const QString &text)
{
	QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
	for (const QChar c : text) {
		if (c.unicode() < 0x80)
			QTest::keyClick(&edit, c.toLatin1());
		else
			QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
	}
}

void pickFrom(QComboBox &list, int index)
{
	QTest::keyClick(&list, Qt::Key_F4);
	QTest::keyClick(list.view(), Qt::Key_Home);
	for (int i = 0; i < index; ++i)
		QTest::keyClick(list.view(), Qt::Key_Down);
	QTest::keyClick(list.view(), Qt::Key_Return);
}

QString statusBar(const MirelDlg &window)
{
	return child<QLabel>(window, "diffractionStatus").text();
}

// The status bar on each page, and as an aperture typed or a format chosen
// on a page changes it.
TEST(StatusBar, SaysWhatDiffractionDoesOnTheDepthOfFieldAndHyperfocalPagesOnly)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	for (int index = 0; index < kPageCount; ++index) {
		window->showPage(index);
		const bool shows = index == kDepthOfField || index == kHyperfocal;
		EXPECT_EQ(statusBar(*window).toStdString(),
			  shows ? diffractionText(currentSettings().Aperture, currentSettings().filmCoC) : "")
			<< "page " << index;
	}
	struct Step {
		int page;
		std::function<void(ui::UserActions &)> act;
		const char *shown; // a part of the text; "" for none
	};
	const Step steps[] = {
		{ kDepthOfField, [](ui::UserActions &user) { user.pick(page::Aperture, 6); },
		  "f/8 blurs 0.011 mm, within" },
		{ kDepthOfField, [](ui::UserActions &user) { user.type(page::Aperture, "0"); }, "" },
		{ kHyperfocal, [](ui::UserActions &user) { user.type(page::Aperture, "32"); },
		  "more than the 0.025 mm" },
		{ kHyperfocal, [](ui::UserActions &user) { user.pick(page::FilmFormat, 9); },
		  "f/32 blurs 0.043 mm, within the 0.261 mm" },
	};
	for (const Step &step : steps) {
		window->showPage(step.page);
		ui::QtUserActions user(*window->sheet().controls(step.page));
		step.act(user);
		const QString shown = statusBar(*window);
		EXPECT_EQ(shown.toStdString(), diffractionText(currentSettings().Aperture, currentSettings().filmCoC));
		EXPECT_EQ(*step.shown == '\0', shown.isEmpty()) << shown.toStdString();
		EXPECT_TRUE(shown.contains(QString::fromLatin1(step.shown))) << shown.toStdString();
	}
}

// The planner's texts are those mirel-calc gives for the distances the
// planner shows and the lens, circle of confusion and rules of the pages.
void expectShowsThePlan(const FocusPlannerWindow &planner)
{
	const CalcSettings &s = currentSettings();
	const std::string unit(unitAbbreviation(s.LengthUnit));
	const bool toInfinity = child<QCheckBox>(planner, "plannerFarInfinity").isChecked();
	const auto field = [&](const char *name) { return child<QLineEdit>(planner, name).text().toStdString(); };
	const std::string round = s.RoundOtherMethod == RoundOtherNone ? "none" : std::to_string(s.RoundOtherMethod);
	QStringList args;
	for (const std::string &arg :
	     { std::string("plan"), std::string("--no-settings"), std::string("--output=json"), "--unit=" + unit,
	       "--round=" + round, "--focal=" + formatExact(s.FocalLength) + "mm",
	       "--coc=" + formatExact(s.filmCoC) + "mm", "--near=" + field("plannerNear") + unit,
	       "--far=" + (toInfinity ? std::string("inf") : field("plannerFar") + unit) })
		args << QString::fromStdString(arg);
	QProcess calc;
	calc.start(QStringLiteral(MIREL_CALC_PATH), args);
	ASSERT_TRUE(calc.waitForFinished());
	const nlohmann::json results = nlohmann::json::parse(calc.readAllStandardOutput().toStdString()).at("results");
	const auto text = [&](const char *key) { return results.at(key).at("text").get<std::string>(); };
	EXPECT_EQ(field("plannerFocus"), text("focus"));
	EXPECT_EQ(field("plannerAperture"), text("f_number"));
	EXPECT_EQ(child<QRadioButton>(planner, "plannerWholeStop").text().toStdString(), text("whole_stop"));
	EXPECT_EQ(child<QRadioButton>(planner, "plannerThirdStop").text().toStdString(), text("third_stop"));
	EXPECT_EQ(child<QLabel>(planner, "plannerDiffraction").text().toStdString(), text("diffraction"));
}

// Its key opens it, once, and takes no key the desktop uses for a standard
// action (Print, Find, Quit, ...).
TEST(FocusPlanner, OpensOnceFollowsThePagesAndPutsItsPlanOnTheDepthOfFieldPage)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kHyperfocal);
	const QKeySequence key = menuAction(*window, cmd::FocusPlanner).shortcut();
	EXPECT_EQ(key, QKeySequence(QStringLiteral("Ctrl+Shift+P")));
	for (int standard = QKeySequence::HelpContents; standard <= QKeySequence::Cancel; ++standard)
		EXPECT_FALSE(QKeySequence::keyBindings(QKeySequence::StandardKey(standard)).contains(key)) << standard;
	QTest::keySequence(window.get(), key);
	ASSERT_EQ(window->findChildren<FocusPlannerWindow *>().size(), 1);
	menuAction(*window, cmd::FocusPlanner).trigger();
	ASSERT_EQ(window->findChildren<FocusPlannerWindow *>().size(), 1);
	FocusPlannerWindow &planner = window->toolWindow<FocusPlannerWindow>(cmd::FocusPlanner);
	ASSERT_TRUE(activate(planner));
	QTest::keyClick(&planner, Qt::Key_F1);
	EXPECT_EQ(shownTopic(window->help()), HelpWindow::topicUrl(ids::help::FocusPlanner));

	// 2 m to 10 m, typed; then the lens changes on a page, then the unit.
	QLineEdit &nearField = child<QLineEdit>(planner, "plannerNear");
	QLineEdit &farField = child<QLineEdit>(planner, "plannerFar");
	typeInto(nearField, "2");
	QTest::mouseClick(&child<QCheckBox>(planner, "plannerFarInfinity"), Qt::LeftButton, {}, QPoint(6, 6));
	typeInto(farField, "10");
	expectShowsThePlan(planner);
	window->activateWindow();
	ui::QtUserActions user(*window->sheet().controls(kHyperfocal));
	user.type(page::FocalLength, "85");
	expectShowsThePlan(planner);
	user.click(page::UnitFeet);
	EXPECT_NEAR(parseNumber(nearField.text().toStdString()), fromMillimetres(2000.0, LengthUnit::Feet), 1e-6);
	expectShowsThePlan(planner);

	// An impossible range: n/a and why; nothing to use.
	typeInto(farField, "1");
	EXPECT_EQ(child<QLineEdit>(planner, "plannerAperture").text(), "n/a");
	EXPECT_TRUE(child<QLabel>(planner, "plannerReason").text().contains("farthest distance is not greater"));
	EXPECT_FALSE(child<QPushButton>(planner, "plannerUse").isEnabled());
	typeInto(farField, "100");

	// The whole stop, used from another page, on the Depth of Field page.
	const CalcSettings before = currentSettings();
	typeInto(nearField, "10");
	QRadioButton &wholeStop = child<QRadioButton>(planner, "plannerWholeStop");
	QTest::mouseClick(&wholeStop, Qt::LeftButton, {}, QPoint(6, wholeStop.height() / 2));
	ASSERT_TRUE(wholeStop.isChecked());
	EXPECT_EQ(currentSettings(), before) << "nothing is written until the user asks";
	QTest::mouseClick(&child<QPushButton>(planner, "plannerUse"), Qt::LeftButton);
	ASSERT_TRUE(planner.plan().wholeStop);
	EXPECT_EQ(currentSettings().FocusDistance, planner.plan().focus);
	EXPECT_EQ(currentSettings().Aperture, planner.plan().wholeStop->aperture.fNumber);
	EXPECT_EQ(window->sheet().currentIndex(), kDepthOfField);
	const QWidget *shownNear = window->sheet().controls(kDepthOfField)->widget(ids::depthoffield::Near);
	EXPECT_NEAR(parseNumber(qobject_cast<const QLineEdit *>(shownNear)->text().toStdString()),
		    fromMillimetres(planner.plan().wholeStop->near, LengthUnit::Feet), 1e-6);
}

// A name too long, counted in characters, is said and OK refused; Cancel
// after a preset leaves everything as it was; OK stores a preset in both
// instances, and the page and status bar follow.
TEST(FilmFormats, TheEditorStoresOnOkOnlyAndThePagesFollowAtOnce)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kDepthOfField);
	const auto inEditor = [&](const std::function<void(FilmFormatsDialog &)> &step) {
		EXPECT_EQ(runModalWindows(
				  [&] { menuAction(*window, cmd::FilmFormats).trigger(); },
				  { { "filmFormatsDialog",
				      [&](QWidget &dialog) { step(static_cast<FilmFormatsDialog &>(dialog)); } } }),
			  "");
	};
	const CalcSettings current = currentSettings(), defaults = defaultSettings();
	inEditor([&](FilmFormatsDialog &dialog) {
		QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
		QLineEdit &name = *dialog.field({ 3, FilmTableEditor::Name });
		typeInto(name, QString::fromUtf8("Medium format 6\u00d77"));
		EXPECT_EQ(child<QLabel>(dialog, "formatsProblem").text(),
			  QString::fromUtf8("Format 4: A name holds at most 15 characters; this one has 17."));
		EXPECT_FALSE(ok->isEnabled());
		typeInto(name, QString::fromUtf8("6 \u00d7 7 Mamiya"));
		EXPECT_TRUE(ok->isEnabled());
		pickFrom(*dialog.presetPicker(0), 2);
		EXPECT_EQ(dialog.field({ 0, FilmTableEditor::Name })->text(), "APS-C");
		QTest::keyClick(&dialog, Qt::Key_Escape);
	});
	EXPECT_EQ(currentSettings(), current);
	EXPECT_EQ(defaultSettings(), defaults);

	inEditor([&](FilmFormatsDialog &dialog) {
		QTest::keyPress(&dialog, Qt::Key_F1);
		QTest::keyRelease(&dialog, Qt::Key_F1);
		EXPECT_EQ(shownTopic(window->help()), HelpWindow::topicUrl(ids::help::FilmFormats));
		pickFrom(*dialog.presetPicker(0), 2);
		QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
	});
	const FilmPreset &apsC = filmPresets()[1];
	for (const CalcSettings *settings : { &currentSettings(), &defaultSettings() }) {
		EXPECT_EQ(filmName(settings->FilmSizes[0]), apsC.name);
		EXPECT_EQ(settings->FilmSizes[0].Width, apsC.width);
		EXPECT_EQ(settings->filmCoC, suggestedCoC(settings->FilmSizes[0]));
	}
	auto *list = qobject_cast<QComboBox *>(window->sheet().controls(kDepthOfField)->widget(page::FilmFormat));
	EXPECT_EQ(list->itemText(0), "APS-C");
	EXPECT_EQ(list->currentIndex(), 0);
	EXPECT_TRUE(statusBar(*window).contains(QString::fromStdString(formatFixed(currentSettings().filmCoC, 3))));
}

} // namespace
} // namespace mirel::testing
