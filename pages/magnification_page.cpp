#include "pages/magnification_page.h"

#include "core/calculators.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/records.h"

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
	const CalcSettings &s = currentSettings();
	controls().setText(ids::magnification::Result,
			   magnificationResult(s.FocalLength, s.FocusDistance).magnification.text);
}

} // namespace mirel
