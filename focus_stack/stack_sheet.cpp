#include "focus_stack/stack_sheet.h"

#include <cmath>
#include <limits>

#include "core/aperture_series.h"
#include "core/calculators.h"
#include "core/number_text.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"

namespace mirel {

namespace {

using Input = StackInputs::Input;
using Mode = StackInputs::Mode;

std::string noPlanLine(std::string_view reason)
{
	return "No plan: " + std::string(reason) + ".";
}

StackSheet landscapeSheet(const StackInputs &inputs)
{
	const StackInputs::Landscape plan = inputs.landscape();
	const std::string unit(unitAbbreviation(currentSettings().LengthUnit));
	StackSheet sheet{ "Landscape focus stack",
			  { stackLensLine(), "Sharp from " + inputs.text(Input::Near) + " " + unit + " to " +
						     (inputs.farIsInfinity() ? std::string("infinity")
									     : inputs.text(Input::Far) + " " + unit) +
						     ", overlap " + inputs.text(Input::Overlap) + "%" },
			  {} };
	if (!plan.unusable.empty()) {
		sheet.lines.push_back(noPlanLine(plan.unusable));
		return sheet;
	}
	sheet.lines.push_back(plan.texts.count);
	sheet.table.push_back({ "Shot", "Focus at", "Sharp from", "Sharp to" });
	for (std::size_t i = 0; i < plan.texts.shots.size(); ++i) {
		const StackShotTexts &shot = plan.texts.shots[i];
		sheet.table.push_back({ std::to_string(i + 1), shot.focus, shot.near, shot.far });
	}
	return sheet;
}

StackSheet macroSheet(const StackInputs &inputs)
{
	const StackInputs::Macro plan = inputs.macro();
	const std::string magnification =
		inputs.magnificationFromPages() ? inputs.pagesMagnificationText() : inputs.text(Input::Magnification);
	StackSheet sheet{ "Macro focus stack",
			  { stackLensLine(), "Magnification " + magnification + ", pupil magnification " +
						     inputs.text(Input::Pupil) + ", subject " +
						     inputs.text(Input::Depth) + " mm deep, overlap " +
						     inputs.text(Input::MacroOverlap) + "%" },
			  {} };
	if (!plan.unusable.empty()) {
		sheet.lines.push_back(noPlanLine(plan.unusable));
		return sheet;
	}
	sheet.lines.insert(sheet.lines.end(),
			   { "Effective aperture: " + plan.texts.effectiveAperture,
			     "Depth per shot: " + plan.texts.depthPerShot, "Rail step: " + plan.texts.step,
			     "Shots: " + plan.texts.count, plan.texts.diffraction });
	sheet.table.push_back({ "Shot", "Rail at" });
	for (int i = 0; i < plan.stack.shots; ++i)
		sheet.table.push_back({ std::to_string(i + 1), formatFixed(i * plan.stack.step, 3) + " mm" });
	return sheet;
}

std::string csvLine(std::initializer_list<std::string> cells)
{
	std::string line;
	for (const std::string &cell : cells)
		line += (line.empty() ? "" : ",") + cell;
	return line + "\r\n";
}

} // namespace

std::string stackLensLine()
{
	return stackLensSentence().text();
}

Sentence stackLensSentence()
{
	const CalcSettings &s = currentSettings();
	return { kStackLensPattern,
		 { formatPlain(s.FocalLength), apertureText(s.Aperture), std::string(filmName(selectedFilmFormat())),
		   formatPlain(s.filmCoC) } };
}

StackSheet stackSheet(const StackInputs &inputs)
{
	return inputs.mode() == Mode::Landscape ? landscapeSheet(inputs) : macroSheet(inputs);
}

std::string copyText(const StackSheet &sheet)
{
	std::string text = sheet.title + "\n";
	for (const std::string &line : sheet.lines)
		text += line + "\n";
	if (!sheet.table.empty())
		text += "\n";
	for (const std::vector<std::string> &row : sheet.table) {
		for (std::size_t i = 0; i < row.size(); ++i)
			text += row[i] + (i + 1 < row.size() ? "\t" : "\n");
	}
	return text;
}

std::string stackCsv(const StackInputs &inputs)
{
	if (inputs.mode() == Mode::Landscape) {
		const StackInputs::Landscape plan = inputs.landscape();
		const LandscapeStackRequest &r = plan.request;
		std::string csv = csvLine({ "focal_length_mm", "aperture", "coc_mm", "near_mm", "far_mm",
					    "overlap_percent", "shot", "focus_mm", "sharp_from_mm", "sharp_to_mm" });
		const auto row = [&](std::string shot, double focus, double near, double far) {
			csv += csvLine({ csvNumber(r.focalLength), csvNumber(r.aperture), csvNumber(r.coc),
					 csvNumber(r.near), csvNumber(r.far), csvNumber(r.overlap * 100.0),
					 std::move(shot), csvNumber(focus), csvNumber(near), csvNumber(far) });
		};
		for (std::size_t i = 0; i < plan.stack.shots.size(); ++i) {
			const StackShot &shot = plan.stack.shots[i];
			row(std::to_string(i + 1), shot.focus, shot.near, shot.far);
		}
		if (plan.stack.shots.empty()) {
			const double none = std::numeric_limits<double>::quiet_NaN();
			row({}, none, none, none);
		}
		return csv;
	}
	const StackInputs::Macro plan = inputs.macro();
	const MacroStackRequest &r = plan.request;
	const MacroStack &stack = plan.stack;
	return csvLine({ "magnification", "aperture", "pupil_magnification", "coc_mm", "depth_mm", "overlap_percent",
			 "effective_aperture", "depth_per_shot_mm", "step_mm", "shots", "diffraction_blur_mm" }) +
	       csvLine({ csvNumber(r.magnification), csvNumber(r.aperture), csvNumber(r.pupilMagnification),
			 csvNumber(r.coc), csvNumber(r.subjectDepth), csvNumber(r.overlap * 100.0),
			 csvNumber(stack.effectiveAperture), csvNumber(stack.depthPerShot), csvNumber(stack.step),
			 stack.shots > 0 ? std::to_string(stack.shots) : std::string(),
			 csvNumber(stack.diffractionBlur) });
}

std::string stackFileName(StackInputs::Mode mode)
{
	return mode == Mode::Landscape ? "focus-stack-landscape" : "focus-stack-macro";
}

} // namespace mirel
