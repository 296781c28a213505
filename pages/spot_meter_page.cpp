#include "pages/spot_meter_page.h"

#include "core/number_text.h"
#include "core/optics.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/film_formats.h"
#include "settings/input_validity.h"
#include "settings/records.h"

namespace mirel {

namespace id = ids::spotmeter;

SpotPage::SpotPage()
	: CalculatorPage(resources::spotMeterTemplate(),
			 { focalLengthBindings(),
			   filmFormatBindings(),
			   { { id::Percent, ui::Notification::Changed, handler(&SpotPage::onSpotPercentChanged) } } })
{
}

void SpotPage::showInputs()
{
	showFocalLength();
	controls().setText(id::Percent, formatTrimmed(currentSettings().SpotPercent));
	// Unlike the Field of View and Angle of View pages, showing this page
	// leaves the chosen circle of confusion alone.
	showFilmSelection();
}

void SpotPage::recalculate()
{
	if (!spotMeterInputsValid()) {
		controls().setText(id::Result, kNotAvailable);
		return;
	}
	const CalcSettings &s = currentSettings();
	const double area = selectedFilmWidth() * selectedFilmHeight();
	controls().setText(id::Result,
			   fixedResult(toDegrees(spotAngle(area, s.SpotPercent, s.FocalLength)), kDegreeSign));
}

void SpotPage::onSpotPercentChanged(int)
{
	currentSettings().SpotPercent = parseNumber(controls().text(id::Percent));
	recalculate();
}

} // namespace mirel
