#include "pages/depth_of_field_page.h"

#include "core/calculators.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/records.h"

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
	const CalcSettings &s = currentSettings();
	const DepthOfFieldResults results =
		depthOfFieldResults(s.FocalLength, s.Aperture, s.filmCoC, s.FocusDistance, s.LengthUnit);
	controls().setText(id::Near, results.near.text);
	controls().setText(id::Far, results.far.text);
	controls().setText(id::Total, results.total.text);
}

} // namespace mirel
