#include "pages/conventions.h"

#include <array>

#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/remembered.h"

namespace mirel {

void fillFilmFormatList(ui::Controls &controls, int listId)
{
	const CalcSettings &settings = currentSettings();
	for (int index = 0; index < kFilmFormatCount; ++index) {
		controls.addItem(listId, filmName(settings.FilmSizes[static_cast<std::size_t>(index)]));
		controls.setItemToolTip(listId, index, remembered().filmCameras[static_cast<std::size_t>(index)]);
	}
	controls.setSelection(listId, settings.FilmSize);
}

void chooseFilmFormat(int index)
{
	if (index < 0 || index >= kFilmFormatCount)
		index = 0;
	CalcSettings &settings = currentSettings();
	settings.FilmSize = static_cast<std::uint8_t>(index);
	settings.filmCoC = suggestedCoC(settings.FilmSizes[static_cast<std::size_t>(index)]);
}

namespace {

struct UnitRadio {
	int id;
	LengthUnit unit;
};

constexpr std::array<UnitRadio, kLengthUnitCount> kUnitRadios{ {
	{ ids::page::UnitMillimetres, LengthUnit::Millimetres },
	{ ids::page::UnitCentimetres, LengthUnit::Centimetres },
	{ ids::page::UnitMetres, LengthUnit::Metres },
	{ ids::page::UnitInches, LengthUnit::Inches },
	{ ids::page::UnitFeet, LengthUnit::Feet },
} };

} // namespace

std::optional<LengthUnit> unitOfRadio(int id)
{
	for (const UnitRadio &radio : kUnitRadios) {
		if (radio.id == id)
			return radio.unit;
	}
	return std::nullopt;
}

void showLengthUnit(ui::Controls &controls, LengthUnit unit)
{
	for (const UnitRadio &radio : kUnitRadios)
		controls.setCheck(radio.id, radio.unit == unit);
}

void recordActivePage(int position)
{
	activePageIndex() = position;
	if (startupPrefs().StartWithLastForm)
		startupPrefs().StartupForm = static_cast<std::int8_t>(position);
}

} // namespace mirel
