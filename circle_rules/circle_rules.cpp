#include "circle_rules/circle_rules.h"

#include <cmath>
#include <limits>

#include "core/number_text.h"
#include "core/optics.h"
#include "core/print_size.h"
#include "core/validity.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"
#include "settings/model/settings_change.h"

namespace mirel {

namespace {

using Input = CircleRules::Input;

std::size_t at(Input input)
{
	return static_cast<std::size_t>(input);
}

// A number kept in the remembered record as its field shows it; 0 is
// none typed for the distance and the pixels.
std::string shown(double value, bool zeroIsNone)
{
	return zeroIsNone && value == 0.0 ? std::string() : formatPlain(value);
}

std::string frameSizeText(double width, double height)
{
	return formatPlain(width) + " \xD7 " + formatPlain(height) + " mm";
}

} // namespace

CircleRules::CircleRules() : viewingUnit_(currentSettings().LengthUnit)
{
	const Remembered &r = remembered();
	texts_[at(Input::Print)] = r.circlePrint;
	texts_[at(Input::Viewing)] = shown(fromMillimetres(r.circleViewing, viewingUnit_), true);
	texts_[at(Input::EyeBlur)] = shown(r.circleEyeBlur, false);
	texts_[at(Input::Pixels)] = shown(r.circlePixels, true);
	texts_[at(Input::PixelFactor)] = shown(r.circlePixelFactor, false);
}

void CircleRules::useCamera(const Camera *camera)
{
	camera_ = camera;
}

double CircleRules::frameWidth() const
{
	return camera_ ? camera_->frame.width : selectedFilmWidth();
}

double CircleRules::frameHeight() const
{
	return camera_ ? camera_->frame.height : selectedFilmHeight();
}

std::string CircleRules::frameText() const
{
	const std::string name = camera_ ? camera_->fullName : std::string(filmName(selectedFilmFormat()));
	const double width = frameWidth(), height = frameHeight();
	// A camera's frame to hundredths, as the chooser lists it; a format's as typed.
	if (camera_)
		return name + ": " +
		       frameSizeText(std::round(width * 100.0) / 100.0, std::round(height * 100.0) / 100.0);
	return name + ": " + frameSizeText(width, height);
}

const std::string &CircleRules::text(Input input) const
{
	return texts_[at(input)];
}

void CircleRules::setText(Input input, std::string text)
{
	Remembered &r = remembered();
	const double number = parseNumber(text);
	switch (input) {
	case Input::Print:
		r.circlePrint = text;
		break;
	case Input::Viewing:
		r.circleViewing = trimBlanks(text).empty() ? 0.0 : toMillimetres(number, viewingUnit_);
		break;
	case Input::EyeBlur:
		r.circleEyeBlur = number;
		break;
	case Input::Pixels:
		r.circlePixels = number;
		break;
	case Input::PixelFactor:
		r.circlePixelFactor = number;
		break;
	}
	texts_[at(input)] = std::move(text);
}

bool CircleRules::followUnit()
{
	const LengthUnit unit = currentSettings().LengthUnit;
	if (unit == viewingUnit_)
		return false;
	viewingUnit_ = unit;
	std::string &viewing = texts_[at(Input::Viewing)];
	const std::string before = viewing;
	viewing = shown(fromMillimetres(remembered().circleViewing, unit), true);
	return viewing != before;
}

std::string CircleRules::printDiagonalText() const
{
	const std::optional<PrintSize> print = readPrintSize(text(Input::Print));
	if (!print)
		return {};
	return formatPlain(fromMillimetres(frameDiagonal(print->width, print->height), viewingUnit_));
}

CoCResult CircleRules::circle(Rule rule) const
{
	const double width = frameWidth(), height = frameHeight();
	switch (rule) {
	case Rule::Classic:
		return diagonalRuleCoC(width, height, DiagonalRule::Classic);
	case Rule::Diagonal1500:
		return diagonalRuleCoC(width, height, DiagonalRule::Diagonal1500);
	case Rule::Diagonal1440:
		return diagonalRuleCoC(width, height, DiagonalRule::Diagonal1440);
	case Rule::Print: {
		const std::optional<PrintSize> print = readPrintSize(text(Input::Print));
		if (!print)
			return { kUnreadablePrintSize,
				 { std::numeric_limits<double>::quiet_NaN(), std::string(kNotAvailable) } };
		const Remembered &r = remembered();
		PrintViewing viewing{ print->width, print->height, {}, r.circleEyeBlur };
		if (!trimBlanks(text(Input::Viewing)).empty())
			viewing.viewingDistance = r.circleViewing;
		return printCoC(width, height, viewing);
	}
	case Rule::Pixels:
		return pixelCoC(width, remembered().circlePixels, remembered().circlePixelFactor);
	}
	return {};
}

bool CircleRules::use(Rule rule) const
{
	const CoCResult result = circle(rule);
	if (!result.unusable.empty())
		return false;
	const SettingsChange change;
	currentSettings().filmCoC = shownValue(result.coc.value);
	return true;
}

} // namespace mirel
