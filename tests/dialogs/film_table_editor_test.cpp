// The film formats editor's model: presets fill rows, names and numbers the
// stored table cannot hold are refused with a reason, and OK stores the
// table in both instances (the pages' lists and filmCoC follow). That the
// stored table survives a save and the next start is the settings' tests'.

#include "dialogs/film_table_editor.h"

#include <cmath>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "core/number_text.h"
#include "dialogs/film_presets.h"
#include "resources/control_ids.h"
#include "settings/model/built_in_defaults.h"
#include "settings/model/film_formats.h"
#include "settings/model/lifecycle.h"
#include "settings/model/remembered.h"
#include "testing/headless_sheet.h"

namespace mirel {
namespace {

using Field = FilmTableEditor::Field;
using Column = FilmTableEditor::Column;

class FilmTableEditing : public ::testing::Test
{
protected:
	void SetUp() override { loadSettingsAtStartup(nullptr); }
};

// The table comes back unchanged to the last bit; each preset fills its row
// with its name, size and the suggested circle, with nothing to refuse.
TEST_F(FilmTableEditing, PresetsFillARowAndAnUntouchedTableComesBackToTheLastBit)
{
	currentSettings().FilmSizes[3].CoC = 0.0123456789;
	FilmTableEditor editor;
	EXPECT_EQ(editor.table(), currentSettings().FilmSizes);
	EXPECT_EQ(editor.text({ 6, FilmTableEditor::Width }), "101.6");
	EXPECT_EQ(editor.text({ 0, FilmTableEditor::CoC }), "0.02501");
	for (std::size_t preset = 0; preset < filmPresets().size(); ++preset) {
		const FilmPreset &chosen = filmPresets()[preset];
		const int row = static_cast<int>(preset) % kFilmFormatCount;
		editor.applyPreset(row, static_cast<int>(preset));
		EXPECT_EQ(editor.text({ row, FilmTableEditor::Name }), utf8FromCp1252(chosen.name));
		EXPECT_EQ(editor.firstProblem(), std::nullopt) << chosen.name;
		const FilmFormat stored = editor.table()[static_cast<std::size_t>(row)];
		EXPECT_EQ(stored.Width, chosen.width);
		EXPECT_EQ(stored.Height, chosen.height);
		EXPECT_NEAR(stored.CoC, std::hypot(chosen.width, chosen.height) / 1730.0, 1e-15);
		EXPECT_EQ(editor.text({ row, FilmTableEditor::CoC }), editor.suggestedCoC(row));
	}
	editor.restoreBuiltIn();
	EXPECT_EQ(editor.table(), builtInFilmFormats());
}

// Every refused text with the words of its reason; the first such field is
// the one reported, and OK stores nothing while there is one.
TEST_F(FilmTableEditing, RefusesWhatTheTableCannotHoldAndSaysWhy)
{
	struct Row {
		Column column;
		const char *typed;
		const char *reason; // nullptr: accepted
	};
	const Row rows[] = {
		{ FilmTableEditor::Name, "Medium format 44", "at most 15 characters; this one has 16" },
		{ FilmTableEditor::Name, "Medium format 4", nullptr },
		{ FilmTableEditor::Name, "6 \u00d7 7 \u2014 \u20ac", nullptr },
		{ FilmTableEditor::Name, "Sensor \u03a9", "\u201c\u03a9\u201d cannot be stored" },
		{ FilmTableEditor::Name, "\U0001F4F7 phone", "\u201c\U0001F4F7\u201d cannot be stored" },
		{ FilmTableEditor::Width, "0", "width must be a number of millimetres from 1 to 1000: frames run" },
		{ FilmTableEditor::Height, "-15.6", "height must be" },
		{ FilmTableEditor::Width, "23,5", nullptr },
		{ FilmTableEditor::Width, "36mm", "width must be" },
		// From the smallest phone sensor to past 20 × 24 inch sheet film.
		{ FilmTableEditor::Width, "1", nullptr },
		{ FilmTableEditor::Width, "0.999", "from 1 to 1000" },
		{ FilmTableEditor::Height, "1000", nullptr },
		{ FilmTableEditor::Height, "1000.000001", "from 1 to 1000" },
		{ FilmTableEditor::Width, "1e22", "from 1 to 1000" },
		{ FilmTableEditor::Width, "1.7e308", "from 1 to 1000" },
		{ FilmTableEditor::Height, "1e-7", "from 1 to 1000" },
		{ FilmTableEditor::CoC, "0", nullptr },
		{ FilmTableEditor::CoC, "-0.01", "or 0 for the suggested one" },
		// From about a wavelength of light to more than any print needs.
		{ FilmTableEditor::CoC, "0.0005", nullptr },
		{ FilmTableEditor::CoC, "1", nullptr },
		{ FilmTableEditor::CoC, "0.0004", "from 0.0005 to 1, or 0 for the suggested one: a smaller circle" },
		{ FilmTableEditor::CoC, "1.5", "from 0.0005 to 1" },
		{ FilmTableEditor::CoC, "1e-7", "from 0.0005 to 1" },
		{ FilmTableEditor::CoC, "5e-324", "from 0.0005 to 1" },
		// Six decimals are kept: a seventh would be lost.
		{ FilmTableEditor::CoC, "0.012345", nullptr },
		{ FilmTableEditor::CoC, "0.0123456", "six decimals, so 0.0123456 would be stored as 0.012346" },
		{ FilmTableEditor::Width, "23.1234567", "would be stored as 23.123457" },
		{ FilmTableEditor::Width, "2,25", nullptr },
	};
	const CalcSettings before = currentSettings();
	for (const Row &row : rows) {
		FilmTableEditor editor;
		const Field field{ 4, row.column };
		editor.setText(field, row.typed);
		const std::string problem = editor.problem(field);
		if (!row.reason) {
			EXPECT_EQ(problem, "") << row.typed;
			EXPECT_EQ(editor.firstProblem(), std::nullopt) << row.typed;
			continue;
		}
		EXPECT_NE(problem.find(row.reason), std::string::npos) << row.typed << ": " << problem;
		EXPECT_EQ(editor.firstProblem(), field) << row.typed;
		EXPECT_FALSE(editor.accept()) << row.typed;
		EXPECT_EQ(currentSettings(), before) << row.typed;
		if (row.column == FilmTableEditor::Width || row.column == FilmTableEditor::Height) {
			EXPECT_EQ(editor.suggestedCoC(4), "") << row.typed;
		}
	}
}

// OK stores in both instances, a name as typed in the settings' code page,
// and the pages that were shown list the new names at once, the selection
// kept. A circle of 0 is the suggested one;
// filmCoC follows a size change of the format each instance has selected,
// and only that.
TEST_F(FilmTableEditing, OkStoresInBothInstancesThePagesFollowAndSoDoesTheSelectedFormatsCircle)
{
	testing::HeadlessSheet sheet;
	for (const int page : { 1, 4, 2 })
		sheet.show(page);
	sheet.pick(ids::page::FilmFormat, 3);
	CalcSettings &current = currentSettings();
	CalcSettings &defaults = defaultSettings();
	current.filmCoC = 0.03; // typed on a page
	defaults.FilmSize = 2;
	defaults.filmCoC = suggestedCoC(defaults.FilmSizes[2]);

	FilmTableEditor editor;
	editor.setText({ 0, FilmTableEditor::Name }, "\u00c9tude 5 \u00d7 7");
	editor.applyPreset(2, 8); // 6 × 4.5 at its real 56 × 41.5 mm
	editor.setText({ 5, FilmTableEditor::CoC }, "0");
	ASSERT_TRUE(editor.accept());
	for (const CalcSettings *settings : { &current, &defaults }) {
		EXPECT_EQ(filmName(settings->FilmSizes[0]), "\xc9tude 5 \xd7 7");
		EXPECT_EQ(settings->FilmSizes[2].Width, 56.0);
		EXPECT_NEAR(settings->FilmSizes[5].CoC, 0.0625240, 5e-8); // 6 × 9: 108.167 / 1730
	}
	EXPECT_EQ(current.filmCoC, 0.03) << "format 3 kept its size";
	EXPECT_NEAR(defaults.filmCoC, 0.0402897, 5e-8) << "56 × 41.5: 69.701 / 1730";
	for (const int page : { 1, 4, 2 }) {
		const ui::HeadlessControls &list = sheet.controls(page);
		ASSERT_EQ(list.itemCount(ids::page::FilmFormat), kFilmFormatCount);
		EXPECT_EQ(list.itemText(ids::page::FilmFormat, 0), "\xc9tude 5 \xd7 7") << page;
		EXPECT_EQ(list.selection(ids::page::FilmFormat), 3) << page;
	}
}

// The circle the smallest and largest frames suggest, diagonal / 1730 by
// hand, is a number the circle's field takes.
TEST_F(FilmTableEditing, TheExtremeFramesSuggestACircleTheFieldTakes)
{
	struct Row {
		const char *width, *height, *suggested;
	};
	for (const Row row :
	     { Row{ "1", "1", "0.000817" }, Row{ "1000", "1000", "0.817464" }, Row{ "508", "610", "0.458861" } }) {
		FilmTableEditor editor;
		editor.setText({ 2, FilmTableEditor::Width }, row.width);
		editor.setText({ 2, FilmTableEditor::Height }, row.height);
		EXPECT_EQ(editor.suggestedCoC(2), row.suggested);
		editor.setText({ 2, FilmTableEditor::CoC }, row.suggested);
		EXPECT_EQ(editor.firstProblem(), std::nullopt) << row.width << " x " << row.height;
	}
}

// A row filled from a camera keeps the camera's name while its name and
// frame are the camera's: a circle of another rule is still that camera,
// anything else typed or chosen over it is another format. OK stores the
// names beside the table, the pages list them as the rows' tooltips, and
// the next editor opens with them.
TEST_F(FilmTableEditing, ARowKeepsItsCameraUntilItsNameOrFrameIsChangedByHand)
{
	FilmFormat eos7d;
	setFilmName(eos7d, "Canon EOS 7D");
	eos7d.Width = 22.222222222222221;
	eos7d.Height = 14.814814814814815;
	eos7d.CoC = 0.0154;
	struct Row {
		const char *done;
		std::function<void(FilmTableEditor &)> edit;
		const char *camera;
	};
	const Row rows[] = {
		{ "nothing", [](FilmTableEditor &) {}, "Canon EOS 7D" },
		{ "circle typed",
		  [](FilmTableEditor &e) {
			  e.setText({ 2, Column::CoC }, "0.03");
		  },
		  "Canon EOS 7D" },
		{ "name typed over and back",
		  [](FilmTableEditor &e) {
			  e.setText({ 2, Column::Name }, "Canon");
			  e.setText({ 2, Column::Name }, "Canon EOS 7D");
		  },
		  "Canon EOS 7D" },
		{ "name typed",
		  [](FilmTableEditor &e) {
			  e.setText({ 2, Column::Name }, "My 7D");
		  },
		  "" },
		{ "width typed",
		  [](FilmTableEditor &e) {
			  e.setText({ 2, Column::Width }, "22.3");
		  },
		  "" },
		{ "height typed",
		  [](FilmTableEditor &e) {
			  e.setText({ 2, Column::Height }, "15");
		  },
		  "" },
		{ "preset", [](FilmTableEditor &e) { e.applyPreset(2, 1); }, "" },
		{ "built-in table", [](FilmTableEditor &e) { e.restoreBuiltIn(); }, "" },
	};
	for (const Row &row : rows) {
		loadSettingsAtStartup(nullptr);
		testing::HeadlessSheet sheet;
		sheet.show(1);
		FilmTableEditor editor;
		editor.fillFromCamera(2, eos7d, "Canon EOS 7D");
		row.edit(editor);
		EXPECT_EQ(editor.cameraName(2), row.camera) << row.done;
		ASSERT_TRUE(editor.accept()) << row.done;
		EXPECT_EQ(remembered().filmCameras[2], row.camera) << row.done;
		EXPECT_EQ(sheet.controls(1).itemToolTip(ids::page::FilmFormat, 2), row.camera) << row.done;
		EXPECT_EQ(FilmTableEditor().cameraName(2), row.camera) << row.done;
	}
}

} // namespace
} // namespace mirel
