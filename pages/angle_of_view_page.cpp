#include "pages/angle_of_view_page.h"

#include "core/calculators.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"

namespace mirel {

namespace id = ids::angleofview;

AoVPage::AoVPage() : CalculatorPage(resources::angleOfViewTemplate(), { filmFormatBindings(), focalLengthBindings() })
{
}

void AoVPage::showInputs()
{
	showFocalLength();
	showFilmSelection();
	// As on the Field of View page: showing the page re-suggests the
	// circle of confusion.
	onFilmFormatChanged(ids::page::FilmFormat);
}

void AoVPage::recalculate()
{
	const AngleOfViewResults results = angleOfViewResults(currentSettings().FocalLength, selectedFilmWidth(),
							      selectedFilmHeight(), currentSettings().RoundOtherMethod);
	controls().setText(id::Horizontal, results.horizontal.text);
	controls().setText(id::Vertical, results.vertical.text);
	controls().setText(id::Diagonal, results.diagonal.text);
}

} // namespace mirel
