#include "resources/templates.h"

#include "resources/control_builders.h"
#include "resources/control_ids.h"

// The seven calculator pages. Controls are listed in tab order, the inputs
// first and then the results, which Tab reaches so that they can be read
// and copied; where a label's place is free it stands just before the
// control it names.

namespace mirel::resources {

// Templates are tables, laid out by hand.
// clang-format off

using namespace build;
namespace page = ids::page;

const ui::DialogTemplate &fNumbersTemplate()
{
	namespace f = ids::fnumbers;
	static const ui::DialogTemplate t = dialog(129, "f Numbers", 157, 106, {
		heading("Supply two values to calculate the third :", { 7, 7, 143, 8 }),
		label("f1 :", { 7, 28, 12, 8 }, f::F1),
		apertureCombo(f::F1, { 21, 26, 51, 30 }),
		label("stops :", { 83, 28, 22, 8 }, f::Stops),
		inputEdit(f::Stops, { 108, 25, 40, 14 }),
		label("f2 :", { 7, 43, 12, 8 }, f::F2),
		// The page disables it while it computes f2, which it does first.
		apertureCombo(f::F2, { 21, 40, 51, 30 }),
		label("Calculate...", { 7, 62, 40, 8 }),
		radio(f::ModeF2, "'f2' as 'f1' plus 'stops'", { 21, 76, 81, 10 }, kModeGroup, "Calculate"),
		radio(f::ModeStops, "'stops' as 'f2' minus 'f1'", { 21, 87, 123, 10 }, kModeGroup, {}, ui::kWordWrap),
	});
	return t;
}

const ui::DialogTemplate &depthOfFieldTemplate()
{
	namespace dof = ids::depthoffield;
	static const ui::DialogTemplate t = dialog(131, "Depth of Field", 343, 114, {
		heading("Calculate the depth of the field of acceptable sharpness surrounding the focal plane :",
			{ 7, 7, 276, 8 }),
		rightLabel("Focal length (mm) :", { 7, 24, 81, 8 }, page::FocalLength),
		inputEdit(page::FocalLength, { 93, 21, 48, 14 }),
		rightLabel("Subject distance :", { 7, 40, 81, 8 }, page::Distance),
		inputEdit(page::Distance, { 93, 37, 48, 14 }),
		rightLabel("Aperture :", { 7, 56, 81, 8 }, page::Aperture),
		apertureCombo(page::Aperture, { 93, 53, 57, 30 }),
		rightLabel("Circle of confusion (mm) :", { 7, 71, 81, 8 }, page::CircleOfConfusion),
		inputEdit(page::CircleOfConfusion, { 93, 68, 48, 14 }),
		label("Suggest CoC for :", { 149, 71, 55, 8 }, page::FilmFormat),
		filmList({ 208, 68, 64, 30 }),
		unitRadio(page::UnitMetres, 148, 39, "Subject distance unit"),
		unitRadio(page::UnitCentimetres, 172, 39),
		unitRadio(page::UnitMillimetres, 200, 39),
		unitRadio(page::UnitFeet, 230, 39),
		unitRadio(page::UnitInches, 252, 39),
		label("DoF :", { 7, 95, 18, 8 }),
		label("Near :", { 27, 95, 20, 8 }, dof::Near),
		resultEdit(dof::Near, 50, 93),
		label("Far :", { 133, 95, 16, 8 }, dof::Far),
		resultEdit(dof::Far, 151, 93),
		label("Total :", { 234, 95, 21, 8 }, dof::Total),
		resultEdit(dof::Total, 258, 93),
	});
	return t;
}

const ui::DialogTemplate &hyperfocalTemplate()
{
	namespace hyp = ids::hyperfocal;
	static const ui::DialogTemplate t = dialog(142, "Hyperfocal Distance", 279, 121, {
		heading("Calculate the focusing distance that offers the deepest in-focus field, "
			"for a given focal length, aperture and film format :",
			{ 7, 7, 265, 18 }),
		rightLabel("Focal length (mm) :", { 7, 35, 81, 8 }, page::FocalLength),
		inputEdit(page::FocalLength, { 93, 32, 48, 14 }),
		rightLabel("Aperture :", { 7, 51, 81, 8 }, page::Aperture),
		apertureCombo(page::Aperture, { 93, 48, 57, 30 }),
		rightLabel("Circle of confusion (mm) :", { 7, 66, 81, 8 }, page::CircleOfConfusion),
		inputEdit(page::CircleOfConfusion, { 93, 63, 48, 14 }),
		label("Suggest CoC for :", { 149, 65, 55, 8 }, page::FilmFormat),
		filmList({ 208, 63, 64, 30 }),
		label("Express distance in :", { 7, 84, 81, 8 }),
		unitRadio(page::UnitMetres, 95, 84, "Express distance in"),
		unitRadio(page::UnitCentimetres, 119, 84),
		unitRadio(page::UnitMillimetres, 148, 84),
		unitRadio(page::UnitFeet, 177, 84),
		unitRadio(page::UnitInches, 200, 84),
		label("Hyperfocal Distance :", { 7, 103, 81, 8 }, hyp::Result),
		resultEdit(hyp::Result, 93, 100),
	});
	return t;
}

const ui::DialogTemplate &fieldOfViewTemplate()
{
	namespace fov = ids::fieldofview;
	static const ui::DialogTemplate t = dialog(133, "Field of View", 300, 101, {
		inputEdit(page::Distance, { 72, 29, 48, 14 }),
		unitRadio(page::UnitMetres, 125, 30, "Subject distance unit"),
		unitRadio(page::UnitCentimetres, 149, 30),
		unitRadio(page::UnitFeet, 207, 30),
		unitRadio(page::UnitInches, 230, 30),
		inputEdit(page::FocalLength, { 72, 45, 45, 14 }),
		filmList({ 72, 61, 64, 30 }),
		label("Resulting FoV :", { 7, 82, 49, 8 }),
		rightLabel("Subject distance :", { 7, 32, 60, 8 }, page::Distance),
		heading("Calculate the maximum subject size, given the subject distance, "
			"the focal length of the lens and the film format :",
			{ 7, 7, 260, 18 }),
		rightLabel("Film format :", { 7, 64, 60, 8 }, page::FilmFormat),
		rightLabel("Focal length (mm) :", { 7, 47, 60, 8 }, page::FocalLength),
		unitRadio(page::UnitMillimetres, 178, 30),
		rightLabel("Vertical :", { 56, 82, 31, 8 }, fov::Vertical),
		resultEdit(fov::Vertical, 91, 79),
		rightLabel("Horizontal :", { 175, 82, 36, 8 }, fov::Horizontal),
		resultEdit(fov::Horizontal, 215, 79),
	});
	return t;
}

const ui::DialogTemplate &angleOfViewTemplate()
{
	namespace aov = ids::angleofview;
	static const ui::DialogTemplate t = dialog(138, "Angle of View", 253, 111, {
		filmList({ 72, 22, 64, 30 }),
		inputEdit(page::FocalLength, { 72, 37, 45, 14 }),
		heading("Calculate the angle of view for a lens and film format, at infinity :", { 7, 7, 220, 8 }),
		rightLabel("Film format :", { 7, 25, 60, 8 }, page::FilmFormat),
		rightLabel("Focal length (mm) :", { 7, 39, 60, 8 }, page::FocalLength),
		label("Resulting angle of view :", { 7, 59, 78, 8 }),
		rightLabel("Vertical :", { 7, 76, 31, 8 }, aov::Vertical),
		resultEdit(aov::Vertical, 43, 73),
		rightLabel("Horizontal :", { 128, 76, 36, 8 }, aov::Horizontal),
		resultEdit(aov::Horizontal, 168, 73),
		rightLabel("Diagonal :", { 7, 93, 32, 8 }, aov::Diagonal),
		resultEdit(aov::Diagonal, 43, 90),
	});
	return t;
}

const ui::DialogTemplate &magnificationTemplate()
{
	namespace mag = ids::magnification;
	static const ui::DialogTemplate t = dialog(144, "Magnification", 286, 87, {
		inputEdit(page::FocalLength, { 75, 30, 48, 14 }),
		inputEdit(page::Distance, { 75, 46, 48, 14 }),
		heading("Calculate the subject magnification factor for a lens of a given its focal length, "
			"and the distance from the lens' optical center to the focal plane :",
			{ 7, 7, 272, 19 }),
		rightLabel("Focal length (mm) :", { 7, 33, 63, 8 }, page::FocalLength),
		rightLabel("Distance (So) :", { 7, 49, 63, 8 }, page::Distance),
		unitRadio(page::UnitMetres, 127, 49, "Subject distance unit"),
		unitRadio(page::UnitCentimetres, 151, 49),
		unitRadio(page::UnitFeet, 209, 49),
		unitRadio(page::UnitInches, 232, 49),
		unitRadio(page::UnitMillimetres, 180, 49),
		rightLabel("Magnification :", { 7, 69, 63, 8 }, mag::Result),
		resultEdit(mag::Result, 75, 66),
	});
	return t;
}

const ui::DialogTemplate &spotMeterTemplate()
{
	namespace spot = ids::spotmeter;
	static const ui::DialogTemplate t = dialog(145, "Spot Meter", 284, 100, {
		filmList({ 72, 28, 64, 30 }),
		inputEdit(page::FocalLength, { 72, 43, 45, 14 }),
		inputEdit(spot::Percent, { 72, 59, 25, 14 }),
		rightLabel("Film format :", { 7, 31, 60, 8 }, page::FilmFormat),
		rightLabel("Focal length (mm) :", { 7, 45, 60, 8 }, page::FocalLength),
		heading("Convert a \"percent of frame\" measurement of an in-camera spot meter "
			"to a \"degrees\" measurement, as projected through a given lens.",
			{ 7, 7, 270, 18 }),
		rightLabel("Percent of frame :", { 7, 62, 60, 8 }, spot::Percent),
		rightLabel("Angle of view :", { 7, 82, 60, 8 }, spot::Result),
		resultEdit(spot::Result, 72, 79),
	});
	return t;
}

// clang-format on

} // namespace mirel::resources
