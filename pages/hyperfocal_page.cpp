#include "pages/hyperfocal_page.h"

#include "core/calculators.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/records.h"

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
	const CalcSettings &s = currentSettings();
	controls().setText(
		ids::hyperfocal::Result,
		hyperfocalResult(s.FocalLength, s.Aperture, s.filmCoC, s.LengthUnit, s.RoundOtherMethod).distance.text);
}

} // namespace mirel
