#include "pages/field_of_view_page.h"

#include <string>

#include "core/optics.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/film_formats.h"
#include "settings/input_validity.h"
#include "settings/records.h"

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
	if (!fieldOfViewInputsValid()) {
		controls().setText(id::Horizontal, kNotAvailable);
		controls().setText(id::Vertical, kNotAvailable);
		return;
	}
	const CalcSettings &s = currentSettings();
	const double m = magnification(s.FocusDistance, s.FocalLength);
	const std::string unit = " " + std::string(unitAbbreviation(s.LengthUnit));
	controls().setText(id::Horizontal, fixedResult(fromMillimetres(selectedFilmWidth() / m, s.LengthUnit), unit));
	controls().setText(id::Vertical, fixedResult(fromMillimetres(selectedFilmHeight() / m, s.LengthUnit), unit));
}

} // namespace mirel
