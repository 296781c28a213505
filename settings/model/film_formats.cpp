#include "settings/model/film_formats.h"

#include "core/optics.h"

namespace mirel {

namespace {

// A selection outside the table reads as format 0.
FilmFormat &filmFormatAt(CalcSettings &settings, std::size_t index)
{
	return settings.FilmSizes[index < settings.FilmSizes.size() ? index : 0];
}

} // namespace

double suggestedCoC(const FilmFormat &format)
{
	return suggestedCoC(format.Width, format.Height);
}

bool selectFilmFormat(CalcSettings &settings, int index)
{
	if (index == settings.FilmSize)
		return false;
	settings.FilmSize = static_cast<std::uint8_t>(index);
	settings.filmCoC = suggestedCoC(filmFormatAt(settings, settings.FilmSize));
	return true;
}

FilmFormat &selectedFilmFormat()
{
	CalcSettings &settings = currentSettings();
	return filmFormatAt(settings, settings.FilmSize);
}

double selectedFilmWidth()
{
	return selectedFilmFormat().Width;
}

double selectedFilmHeight()
{
	return selectedFilmFormat().Height;
}

} // namespace mirel
