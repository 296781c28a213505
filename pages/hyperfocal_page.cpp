#include "pages/hyperfocal_page.h"

#include <string>

#include "core/optics.h"
#include "core/stops.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/input_validity.h"
#include "settings/records.h"

namespace mirel {

HypPage::HypPage()
	: CalculatorPage(resources::hyperfocalTemplate(),
			 { focalLengthBindings(), apertureBindings(), circleOfConfusionBindings(), unitBindings() })
{
}

void HypPage::showInputs()
{
	showFocalLength();
	showAperture();
	showFilmSelection();
	showCircleOfConfusion();
	showUnit();
}

void HypPage::recalculate()
{
	if (!hyperfocalInputsValid()) {
		controls().setText(ids::hyperfocal::Result, kNotAvailable);
		return;
	}
	const CalcSettings &s = currentSettings();
	// Rounded in the unit shown: three decimals of metres, or of millimetres.
	double distance = fromMillimetres(hyperfocalDistance(s.FocalLength, s.Aperture, s.filmCoC), s.LengthUnit);
	roundDecimals(distance, s.RoundOtherMethod);
	controls().setText(ids::hyperfocal::Result,
			   trimmedResult(distance, " " + std::string(unitAbbreviation(s.LengthUnit))));
}

} // namespace mirel
