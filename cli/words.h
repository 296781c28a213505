#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mirel::cli {

// The words of a line as a POSIX shell splits them, so that a line of a
// batch reads as the same call typed in a shell: blanks (spaces and tabs)
// separate words; 'single quotes' keep everything up to the next one,
// "double quotes" everything but a backslash before '"' or '\', which keeps
// that character; outside quotes a backslash keeps the character after it.
// Nothing else is special. Throws UsageError for a quote left open or a
// backslash at the end.
std::vector<std::string> splitWords(std::string_view line);

} // namespace mirel::cli
