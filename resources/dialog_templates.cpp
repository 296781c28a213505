#include "resources/templates.h"

#include "resources/control_builders.h"
#include "resources/control_ids.h"

// The dialogs of the Settings menu. Their lists are indexed by the value
// the dialog stores: rounding rule, length unit, start page.

namespace mirel::resources {

// Templates are tables, laid out by hand.
// clang-format off

using namespace build;

const ui::DialogTemplate &roundingRulesTemplate()
{
	namespace rr = ids::roundingrules;
	static const ui::DialogTemplate t = dialog(134, "Rounding Rules", 152, 82, {
		label("Round...", { 7, 7, 28, 8 }),
		label("Stops to :", { 28, 22, 31, 8 }, rr::Stops),
		pickList(rr::Stops, { 66, 20, 73, 30 }, { "None", "Nearest 1/2 stop", "Nearest 1/3 stop" }),
		label("Other to :", { 29, 40, 30, 8 }, rr::Other),
		pickList(rr::Other, { 66, 37, 73, 30 },
			 { "None", "1 decimal place", "2 decimal places", "3 decimal places" }),
		pushButton(ui::kIdOk, "OK", { 7, 61, 42, 14 }, ui::kDefaultButton),
		pushButton(ui::kIdCancel, "Cancel", { 55, 61, 42, 14 }),
		pushButton(ui::kIdHelp, "&Help", { 103, 61, 42, 14 }),
	});
	return t;
}

const ui::DialogTemplate &defaultsTemplate()
{
	namespace def = ids::defaults;
	static const ui::DialogTemplate t = dialog(136, "Defaults", 180, 151, {
		label("Default...", { 7, 7, 30, 8 }),
		rightLabel("Film size :", { 20, 21, 53, 8 }, def::FilmSize),
		pickList(def::FilmSize, { 78, 19, 63, 30 }), // filled from the film table
		rightLabel("Length unit :", { 20, 37, 53, 8 }, def::LengthUnit),
		pickList(def::LengthUnit, { 78, 35, 63, 30 },
			 { "Millimeters", "Centimeters", "Meters", "Inches", "Feet" }),
		rightLabel("Aperture :", { 20, 54, 53, 8 }, def::Aperture),
		inputEdit(def::Aperture, { 78, 51, 68, 14 }),
		rightLabel("Focus distance :", { 20, 72, 53, 8 }, def::FocusDistance),
		inputEdit(def::FocusDistance, { 78, 69, 68, 14 }),
		label("mm", { 151, 72, 12, 8 }),
		rightLabel("Focal length :", { 20, 90, 53, 8 }, def::FocalLength),
		inputEdit(def::FocalLength, { 78, 87, 68, 14 }),
		rightLabel("Spot percent :", { 20, 108, 53, 8 }, def::SpotPercent),
		inputEdit(def::SpotPercent, { 78, 105, 68, 14 }),
		pushButton(ui::kIdOk, "OK", { 7, 130, 50, 14 }, ui::kDefaultButton),
		pushButton(ui::kIdCancel, "Cancel", { 65, 130, 50, 14 }),
		pushButton(ui::kIdHelp, "Help", { 123, 130, 50, 14 }),
	});
	return t;
}

const ui::DialogTemplate &startupPrefsTemplate()
{
	namespace sp = ids::startupprefs;
	static const ui::DialogTemplate t = dialog(139, "Startup Preferences", 141, 97, {
		checkBox(sp::FieldsBecomeDefaults, "Field values become defaults", { 7, 7, 107, 10 }),
		checkBox(sp::StartWithLastForm, "Start with last-used calculation", { 7, 23, 111, 10 }),
		label("Or, start with this calculation :", { 7, 38, 93, 8 }, sp::StartPage),
		pickList(sp::StartPage, { 28, 53, 106, 30 },
			 { "f Numbers", "Depth of Field", "Hyperfocal Distance", "Field of View", "Angle of View",
			   "Magnification", "Spot Meter Angle" }),
		pushButton(ui::kIdOk, "OK", { 11, 76, 35, 14 }, ui::kDefaultButton),
		pushButton(ui::kIdCancel, "Cancel", { 53, 76, 35, 14 }),
		pushButton(ui::kIdHelp, "Help", { 95, 76, 35, 14 }),
	});
	return t;
}

// clang-format on

} // namespace mirel::resources
