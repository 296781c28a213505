#include "settings/records.h"

#include <algorithm>
#include <cstring>

namespace mirel {

std::string_view filmName(const FilmFormat &format)
{
	const auto end = std::find(format.Name.begin(), format.Name.end(), '\0');
	return { format.Name.data(), static_cast<std::size_t>(end - format.Name.begin()) };
}

void setFilmName(FilmFormat &format, std::string_view name)
{
	// A NUL inside name ends the stored text, as it would in the C field.
	name = name.substr(0, std::min(name.find('\0'), format.Name.size() - 1));
	format.Name.fill('\0');
	std::memcpy(format.Name.data(), name.data(), name.size());
}

CalcSettings &currentSettings()
{
	static CalcSettings settings;
	return settings;
}

CalcSettings &defaultSettings()
{
	static CalcSettings settings;
	return settings;
}

StartupPrefs &startupPrefs()
{
	static StartupPrefs prefs;
	return prefs;
}

int &activePageIndex()
{
	static int index = 0;
	return index;
}

} // namespace mirel
