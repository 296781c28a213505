#include "pages/magnification_page.h"

#include <cmath>

#include "core/optics.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/input_validity.h"
#include "settings/records.h"

namespace mirel {

MagPage::MagPage()
	: CalculatorPage(resources::magnificationTemplate(),
			 { unitBindings(), distanceBindings(), focalLengthBindings() })
{
}

void MagPage::showInputs()
{
	showFocalLength();
	showUnit();
	showDistance();
}

void MagPage::recalculate()
{
	const int result = ids::magnification::Result;
	if (!magnificationInputsValid()) {
		controls().setText(result, kNotAvailable);
		return;
	}
	const CalcSettings &s = currentSettings();
	const double m = magnification(s.FocusDistance, s.FocalLength);
	// A subject at the focal length itself is magnified without limit.
	controls().setText(result, m == INFINITY ? std::string("infinity") : fixedResult(m));
}

} // namespace mirel
