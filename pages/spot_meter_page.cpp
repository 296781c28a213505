#include "pages/spot_meter_page.h"

#include "core/calculators.h"
#include "core/number_text.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"

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
	const CalcSettings &s = currentSettings();
	controls().setText(
		id::Result,
		spotMeterResult(s.FocalLength, s.SpotPercent, selectedFilmWidth(), selectedFilmHeight()).angle.text);
}

void SpotPage::onSpotPercentChanged(int)
{
	currentSettings().SpotPercent = parseNumber(controls().text(id::Percent));
	recalculate();
}

} // namespace mirel
