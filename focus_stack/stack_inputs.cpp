#include "focus_stack/stack_inputs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>

#include "core/calculators.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"

namespace mirel {

namespace {

using Input = StackInputs::Input;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::size_t at(Input input)
{
	return static_cast<std::size_t>(input);
}

// The farthest distance typed: a number, or infinity in words.
std::optional<double> readFar(std::string_view text)
{
	return namesInfinity(text) ? std::optional(kInfinity) : readNumber(text);
}

std::string distanceText(double mm, LengthUnit unit)
{
	return formatTrimmed(fromMillimetres(mm, unit));
}

// A reading of the inputs typed: the first that reads as no number gives
// the reason for no plan.
class Reading
{
public:
	explicit Reading(const std::array<std::string, StackInputs::kInputCount> &texts) : texts_(texts) {}

	double number(Input input, std::string_view reason) { return valueOr(readNumber(texts_[at(input)]), reason); }
	double far(std::string_view reason) { return valueOr(readFar(texts_[at(Input::Far)]), reason); }
	std::string_view unusable() const { return unusable_; }

private:
	double valueOr(std::optional<double> value, std::string_view reason)
	{
		if (!value && unusable_.empty())
			unusable_ = reason;
		return value.value_or(std::numeric_limits<double>::quiet_NaN());
	}

	const std::array<std::string, StackInputs::kInputCount> &texts_;
	std::string_view unusable_;
};

} // namespace

StackInputs::StackInputs()
	: mode_(remembered().stackMacro ? Mode::Macro : Mode::Landscape),
	  magnificationFromPages_(remembered().stackMagnificationFromPages), unit_(currentSettings().LengthUnit)
{
	const Remembered &r = remembered();
	texts_[at(Input::Near)] = distanceText(r.stackNear, unit_);
	texts_[at(Input::Far)] = r.stackToInfinity ? "inf" : distanceText(r.stackFar, unit_);
	texts_[at(Input::Overlap)] = formatPlain(r.stackOverlap);
	texts_[at(Input::Magnification)] = formatPlain(r.stackMagnification);
	texts_[at(Input::Pupil)] = formatPlain(r.stackPupil);
	texts_[at(Input::Depth)] = formatPlain(r.stackDepth);
	texts_[at(Input::MacroOverlap)] = formatPlain(r.stackMacroOverlap);
}

void StackInputs::setMode(Mode mode)
{
	mode_ = mode;
	remembered().stackMacro = mode == Mode::Macro;
}

const std::string &StackInputs::text(Input input) const
{
	return texts_[at(input)];
}

void StackInputs::setText(Input input, std::string text)
{
	Remembered &r = remembered();
	const std::optional<double> number = readNumber(text);
	if (input == Input::Far && namesInfinity(text))
		r.stackToInfinity = true;
	else if (number) {
		const double mm = toMillimetres(*number, unit_);
		switch (input) {
		case Input::Near:
			r.stackNear = mm;
			break;
		case Input::Far:
			r.stackFar = mm;
			r.stackToInfinity = false;
			break;
		case Input::Overlap:
			r.stackOverlap = *number;
			break;
		case Input::Magnification:
			r.stackMagnification = *number;
			break;
		case Input::Pupil:
			r.stackPupil = *number;
			break;
		case Input::Depth:
			r.stackDepth = *number;
			break;
		case Input::MacroOverlap:
			r.stackMacroOverlap = *number;
			break;
		}
	}
	texts_[at(input)] = std::move(text);
}

bool StackInputs::farIsInfinity() const
{
	return namesInfinity(text(Input::Far));
}

void StackInputs::setMagnificationFromPages(bool fromPages)
{
	magnificationFromPages_ = remembered().stackMagnificationFromPages = fromPages;
}

double StackInputs::magnification() const
{
	const CalcSettings &settings = currentSettings();
	return mirel::magnification(settings.FocusDistance, settings.FocalLength);
}

std::string StackInputs::pagesMagnificationText() const
{
	const double m = magnification();
	return std::isfinite(m) && m > 0.0 ? formatPlain(m) : std::string(kNotAvailable);
}

bool StackInputs::followUnit()
{
	const LengthUnit unit = currentSettings().LengthUnit;
	if (unit == unit_)
		return false;
	unit_ = unit;
	// Only a distance that reads as one is written anew; a text that does
	// not stays as typed, with its reason.
	bool changed = false;
	const Remembered &r = remembered();
	for (const auto &[input, mm] : { std::pair{ Input::Near, r.stackNear }, std::pair{ Input::Far, r.stackFar } }) {
		std::string &text = texts_[at(input)];
		if (!readNumber(text))
			continue;
		text = distanceText(mm, unit);
		changed = true;
	}
	return changed;
}

StackInputs::Landscape StackInputs::landscape() const
{
	const CalcSettings &settings = currentSettings();
	Reading read(texts_);
	Landscape plan;
	plan.request = { .focalLength = settings.FocalLength,
			 .aperture = settings.Aperture,
			 .coc = settings.filmCoC,
			 .near = toMillimetres(read.number(Input::Near, kNearIsNoNumber), unit_),
			 .far = toMillimetres(read.far(kFarIsNoNumber), unit_),
			 .overlap = read.number(Input::Overlap, kOverlapIsNoNumber) / 100.0 };
	plan.unusable = read.unusable();
	if (plan.unusable.empty()) {
		plan.stack = planLandscapeStack(plan.request);
		plan.unusable = plan.stack.unusable;
	} else {
		plan.stack.unusable = plan.unusable;
	}
	plan.texts = landscapeStackTexts(plan.stack, settings.LengthUnit, settings.RoundOtherMethod);
	return plan;
}

StackInputs::Macro StackInputs::macro() const
{
	const CalcSettings &settings = currentSettings();
	Reading read(texts_);
	Macro plan;
	plan.request = { .magnification = magnificationFromPages_
						  ? magnification()
						  : read.number(Input::Magnification, kMagnificationIsNoNumber),
			 .aperture = settings.Aperture,
			 .coc = settings.filmCoC,
			 .subjectDepth = read.number(Input::Depth, kDepthIsNoNumber),
			 .pupilMagnification = read.number(Input::Pupil, kPupilIsNoNumber),
			 .overlap = read.number(Input::MacroOverlap, kOverlapIsNoNumber) / 100.0 };
	plan.unusable = read.unusable();
	if (plan.unusable.empty()) {
		plan.stack = planMacroStack(plan.request);
		plan.unusable = plan.stack.unusable;
	} else {
		plan.stack.unusable = plan.unusable;
	}
	plan.texts = macroStackTexts(plan.stack, settings.filmCoC, settings.RoundOtherMethod);
	return plan;
}

} // namespace mirel
