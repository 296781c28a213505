#include "pages/depth_of_field_page.h"

#include <cmath>
#include <string>

#include "core/optics.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/input_validity.h"
#include "settings/records.h"

namespace mirel {

namespace id = ids::depthoffield;

DoFPage::DoFPage()
	: CalculatorPage(resources::depthOfFieldTemplate(),
			 { focalLengthBindings(), distanceBindings(), apertureBindings(), circleOfConfusionBindings(),
			   unitBindings() })
{
}

void DoFPage::showInputs()
{
	showFocalLength();
	showAperture();
	showCircleOfConfusion();
	showUnit();
	showFilmSelection();
	showDistance();
}

void DoFPage::recalculate()
{
	if (!depthOfFieldInputsValid()) {
		for (const int result : { id::Near, id::Far, id::Total })
			controls().setText(result, kNotAvailable);
		return;
	}
	const CalcSettings &s = currentSettings();
	const DepthOfFieldLimits limits = depthOfFieldLimits(s.FocalLength, s.Aperture, s.filmCoC, s.FocusDistance);
	const double near = fromMillimetres(limits.near, s.LengthUnit);
	const double far = fromMillimetres(limits.far, s.LengthUnit);
	const std::string unit = " " + std::string(unitAbbreviation(s.LengthUnit));

	controls().setText(id::Near, fixedResult(near, unit));
	// Beyond the hyperfocal distance the far limit comes out negative, and
	// exactly at it (plus the focal length) as a division by zero: either way
	// the zone of sharpness reaches infinity.
	if (far < 0.0 || far == INFINITY) {
		controls().setText(id::Far, "infinity");
		controls().setText(id::Total, "infinite");
	} else {
		controls().setText(id::Far, fixedResult(far, unit));
		controls().setText(id::Total, fixedResult(far - near, unit));
	}
}

} // namespace mirel
