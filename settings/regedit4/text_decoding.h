#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirel {

// regedit's own exports are Unicode text behind a byte order mark, UTF-16LE
// or UTF-8. Such bytes come back without their mark as Windows-1252, with
// '?' (and unmappable set) for each character the code page lacks and each
// byte that is not part of a well-formed character; bytes without a mark
// are Windows-1252 already and give none.
std::optional<std::string> decodeUnicodeText(std::string_view bytes, bool &unmappable);

} // namespace mirel
