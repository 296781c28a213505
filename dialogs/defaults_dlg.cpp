#include "dialogs/defaults_dlg.h"

#include "core/number_text.h"
#include "dialogs/pick_list.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"

namespace mirel {

namespace id = ids::defaults;

namespace {

struct NumberField {
	int id;
	double CalcSettings::*value;
};

// Lengths are millimetres here whatever the length unit: the dialog says
// "mm" beside the focus distance and converts nothing.
constexpr std::array<NumberField, 4> kNumberFields{ {
	{ id::Aperture, &CalcSettings::Aperture },
	{ id::FocalLength, &CalcSettings::FocalLength },
	{ id::FocusDistance, &CalcSettings::FocusDistance },
	{ id::SpotPercent, &CalcSettings::SpotPercent },
} };

} // namespace

DefaultsDlg::DefaultsDlg() : TemplateDialog(resources::defaultsTemplate(), ids::help::Defaults)
{
	const CalcSettings &defaults = defaultSettings();
	for (std::size_t i = 0; i < kNumberFields.size(); ++i)
		texts_[i] = formatTrimmed(defaults.*kNumberFields[i].value);
}

void DefaultsDlg::show()
{
	for (std::size_t i = 0; i < kNumberFields.size(); ++i)
		controls().setText(kNumberFields[i].id, texts_[i]);

	const CalcSettings &defaults = defaultSettings();
	showPickList(controls(), id::LengthUnit, 5, static_cast<int>(defaults.LengthUnit));
	// The names come from the working table, the selection from the stored
	// one: the pages may have moved to another format since.
	fillFilmFormatList(controls(), id::FilmSize);
	showPickList(controls(), id::FilmSize, 10, defaults.FilmSize);
}

void DefaultsDlg::accept()
{
	CalcSettings &defaults = defaultSettings();
	// -1 is no unit and no format: a list left without a selection keeps
	// what was stored.
	defaults.LengthUnit =
		static_cast<LengthUnit>(pickedOr(controls(), id::LengthUnit, static_cast<int>(defaults.LengthUnit)));
	for (const NumberField &field : kNumberFields)
		defaults.*field.value = parseNumber(controls().text(field.id));
	// Another format brings its suggested circle of confusion; keeping the
	// format keeps a circle the user typed on a page.
	selectFilmFormat(defaults, pickedOr(controls(), id::FilmSize, defaults.FilmSize));

	CalcSettings &current = currentSettings();
	current.LengthUnit = defaults.LengthUnit;
	for (const NumberField &field : kNumberFields)
		current.*field.value = defaults.*field.value;
	selectFilmFormat(current, defaults.FilmSize);
}

} // namespace mirel
