#pragma once

#include <clocale>
#include <cstdlib>
#include <string>

namespace mirel::testing {

// Switches the C library to de_DE.UTF-8, whose decimal separator is the
// comma, generated into folder when the system lacks it (the locale sources
// come with the package "locales"). False when there is none to be had.
inline bool useCommaLocale(const std::string &folder)
{
	if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
		return true;
	const std::string generate = "localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8";
	[[maybe_unused]] const int status = std::system(generate.c_str()); // warnings give 1
	::setenv("LOCPATH", folder.c_str(), 1);
	return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

} // namespace mirel::testing
