#include "settings/model/records.h"

#include <algorithm>
#include <cstring>

namespace mirel {

std::string_view filmName(const FilmName &name)
{
	const auto end = std::find(name.begin(), name.end(), '\0');
	return { name.data(), static_cast<std::size_t>(end - name.begin()) };
}

void setFilmName(FilmName &name, std::string_view text)
{
	// A NUL inside text ends the stored text, as it would in the C field.
	text = text.substr(0, std::min(text.find('\0'), name.size() - 1));
	name.fill('\0');
	std::memcpy(name.data(), text.data(), text.size());
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
