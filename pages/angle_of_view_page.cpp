#include "pages/angle_of_view_page.h"

#include "core/optics.h"
#include "core/stops.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/film_formats.h"
#include "settings/input_validity.h"
#include "settings/records.h"

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
	if (!angleOfViewInputsValid()) {
		for (const int result : { id::Horizontal, id::Vertical, id::Diagonal })
			controls().setText(result, kNotAvailable);
		return;
	}
	const CalcSettings &s = currentSettings();
	struct Angle {
		int resultId;
		double dimension;
	};
	for (const Angle angle :
	     { Angle{ id::Horizontal, selectedFilmWidth() }, Angle{ id::Vertical, selectedFilmHeight() },
	       Angle{ id::Diagonal, selectedFilmDiagonal() } }) {
		double degrees = toDegrees(angleOfView(s.FocalLength, angle.dimension));
		roundDecimals(degrees, s.RoundOtherMethod);
		controls().setText(angle.resultId, trimmedResult(degrees, kDegreeSign));
	}
}

} // namespace mirel
