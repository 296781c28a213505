#include "pages/field_of_view_page.h"

#include "core/calculators.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"

namespace mirel {

namespace id = ids::fieldofview;

FoVPage::FoVPage()
	: CalculatorPage(resources::fieldOfViewTemplate(),
			 { filmFormatBindings(), focalLengthBindings(), distanceBindings(), unitBindings() })
{
}

void FoVPage::showInputs()
{
	showFocalLength();
	showUnit();
	showFilmSelection();
	// Showing the page chooses its format again, which brings back the
	// suggested circle of confusion for every page.
	onFilmFormatChanged(ids::page::FilmFormat);
	showDistance();
}

void FoVPage::recalculate()
{
	const CalcSettings &s = currentSettings();
	const FieldOfViewResults results = fieldOfViewResults(s.FocalLength, s.FocusDistance, selectedFilmWidth(),
							      selectedFilmHeight(), s.LengthUnit);
	controls().setText(id::Horizontal, results.horizontal.text);
	controls().setText(id::Vertical, results.vertical.text);
}

} // namespace mirel
