#pragma once

#include <string>
#include <string_view>

namespace mirel::cli {

// Texts that come from elsewhere (film names from the settings, words of the
// command line or of a batch) made safe for where they are shown.

// The text, UTF-8, for a terminal: each control character (U+0000 to
// U+001F, U+007F to U+009F: ESC, BEL, line breaks and the rest) written as
// JSON writes it, "\u001b", so that none reaches the terminal to act on; a
// byte that is not UTF-8 as U+FFFD, as a terminal would show it.
std::string escapeControls(std::string_view utf8);

// A CSV cell of text, UTF-8: in double quotes when it holds a comma, a
// quote or a line break. A text a spreadsheet would run as a formula,
// starting with '=', '+', '-', '@', a tab or a carriage return, gets a
// single quote before it, in double quotes, as spreadsheet-safe exporters
// write it; a text that is a number ("-1.5") stays as it is.
std::string csvTextCell(std::string_view utf8);

} // namespace mirel::cli
