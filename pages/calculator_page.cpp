#include "pages/calculator_page.h"

#include "core/number_text.h"
#include "core/stops.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"

namespace mirel {

namespace {

using ui::Notification;
namespace id = ids::page;

std::vector<Page::Binding> joined(std::initializer_list<std::vector<Page::Binding>> tables)
{
	std::vector<Page::Binding> all;
	for (const auto &table : tables)
		all.insert(all.end(), table.begin(), table.end());
	return all;
}

} // namespace

CalculatorPage::CalculatorPage(const ui::DialogTemplate &dialog, std::initializer_list<std::vector<Binding>> bindings)
	: Page(dialog, joined(bindings))
{
}

std::vector<Page::Binding> CalculatorPage::focalLengthBindings()
{
	return { { id::FocalLength, Notification::Changed, handler(&CalculatorPage::onFocalLengthChanged) } };
}

std::vector<Page::Binding> CalculatorPage::distanceBindings()
{
	return { { id::Distance, Notification::Changed, handler(&CalculatorPage::onDistanceChanged) } };
}

std::vector<Page::Binding> CalculatorPage::apertureBindings()
{
	return { { id::Aperture, Notification::EditChanged, handler(&CalculatorPage::onApertureEdited) },
		 { id::Aperture, Notification::SelectionChanged, handler(&CalculatorPage::onAperturePicked) } };
}

std::vector<Page::Binding> CalculatorPage::circleOfConfusionBindings()
{
	return { { id::CircleOfConfusion, Notification::Changed, handler(&CalculatorPage::onCircleOfConfusionChanged) },
		 { id::FilmFormat, Notification::SelectionChanged, handler(&CalculatorPage::onFilmFormatSuggested) } };
}

std::vector<Page::Binding> CalculatorPage::filmFormatBindings()
{
	return { { id::FilmFormat, Notification::SelectionChanged, handler(&CalculatorPage::onFilmFormatChanged) } };
}

std::vector<Page::Binding> CalculatorPage::unitBindings()
{
	std::vector<Binding> rows;
	for (const int radio :
	     { id::UnitMetres, id::UnitCentimetres, id::UnitMillimetres, id::UnitFeet, id::UnitInches })
		rows.push_back({ radio, Notification::Clicked, handler(&CalculatorPage::onUnitClicked) });
	return rows;
}

bool CalculatorPage::has(int controlId) const
{
	return dialogTemplate().find(controlId) != nullptr;
}

void CalculatorPage::prepareControls()
{
	if (has(id::Aperture))
		controls().setDropDownHeight(id::Aperture, 4);
	if (has(id::FilmFormat)) {
		controls().setDropDownHeight(id::FilmFormat, 8);
		fillFilmList();
		followingFilmNames_.emplace([this] {
			for (std::size_t i = 0; i < listedNames_.size(); ++i) {
				if (listedNames_[i] != currentSettings().FilmSizes[i].Name ||
				    listedCameras_[i] != remembered().filmCameras[i]) {
					fillFilmList();
					return;
				}
			}
		});
	}
}

void CalculatorPage::fillFilmList()
{
	controls().clearItems(id::FilmFormat);
	fillFilmFormatList(controls(), id::FilmFormat);
	listedCameras_ = remembered().filmCameras;
	for (std::size_t i = 0; i < listedNames_.size(); ++i)
		listedNames_[i] = currentSettings().FilmSizes[i].Name;
}

void CalculatorPage::showFocalLength()
{
	controls().setText(id::FocalLength, formatTrimmed(currentSettings().FocalLength));
}

void CalculatorPage::showAperture()
{
	controls().setText(id::Aperture, formatTrimmed(currentSettings().Aperture));
}

void CalculatorPage::showCircleOfConfusion()
{
	controls().setText(id::CircleOfConfusion, formatTrimmed(currentSettings().filmCoC));
}

void CalculatorPage::showFilmSelection()
{
	controls().setSelection(id::FilmFormat, currentSettings().FilmSize);
}

void CalculatorPage::showUnit()
{
	showLengthUnit(controls(), currentSettings().LengthUnit);
}

void CalculatorPage::showDistance()
{
	const CalcSettings &settings = currentSettings();
	const std::string text = formatTrimmed(fromMillimetres(settings.FocusDistance, settings.LengthUnit));
	ownDistanceWrite_ = true;
	controls().setText(id::Distance, text);
	// The write has notified by now; never leave the guard armed for the
	// user's next keystroke.
	ownDistanceWrite_ = false;
}

void CalculatorPage::onFocalLengthChanged(int)
{
	currentSettings().FocalLength = parseNumber(controls().text(id::FocalLength));
	recalculate();
}

void CalculatorPage::onDistanceChanged(int)
{
	if (ownDistanceWrite_) {
		ownDistanceWrite_ = false;
		return;
	}
	CalcSettings &settings = currentSettings();
	settings.FocusDistance = toMillimetres(parseNumber(controls().text(id::Distance)), settings.LengthUnit);
	recalculate();
}

void CalculatorPage::onApertureEdited(int)
{
	currentSettings().Aperture = parseNumber(controls().text(id::Aperture));
	recalculate();
}

void CalculatorPage::onAperturePicked(int)
{
	// A picked "11" is the exact whole stop 11.3137..., a typed "11" is 11.
	currentSettings().Aperture = fNumberForStop(controls().selection(id::Aperture));
	recalculate();
}

void CalculatorPage::onCircleOfConfusionChanged(int)
{
	currentSettings().filmCoC = parseNumber(controls().text(id::CircleOfConfusion));
	recalculate();
}

void CalculatorPage::onFilmFormatSuggested(int)
{
	chooseFilmFormat(controls().selection(id::FilmFormat));
	showCircleOfConfusion();
}

void CalculatorPage::onFilmFormatChanged(int)
{
	chooseFilmFormat(controls().selection(id::FilmFormat));
	recalculate();
}

void CalculatorPage::onUnitClicked(int radioId)
{
	const std::optional<LengthUnit> unit = unitOfRadio(radioId);
	if (!unit)
		return;
	currentSettings().LengthUnit = *unit;
	if (has(id::Distance))
		showDistance();
	recalculate();
}

} // namespace mirel
