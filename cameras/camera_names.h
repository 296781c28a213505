#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mirel {

// The names a camera is shown by, made from the database's maker, model and
// variant. Texts are Windows-1252.

// The most characters a film format's name holds, and so a short name.
inline constexpr std::size_t kShortNameLength = 15;

// Maker and model with single blanks, the maker once when the model begins
// with its first word ("Kodak DC120"; "Leica Q2" for Leica Camera AG's
// "LEICA Q2"), and the variant in brackets ("Panasonic DMC-LX3 (16:9)").
std::string cameraFullName(std::string_view maker, std::string_view model, std::string_view variant);

// The full name when it fits in kShortNameLength characters; otherwise
// shortened by these steps in turn until it fits, so that it stays the name
// photographers use:
// 1. "Mark" before a numeral dropped ("Canon EOS 7D II", "Olympus E-M1 II"
//    for the database's "E-M1MarkII");
// 2. brackets and the word "Typ" dropped ("Leica M 240");
// 3. the product line's name dropped: the series names EOS, PowerShot,
//    Coolpix, FinePix, DiMAGE, Optio, Caplio, Cyber-shot and Tough, the code
//    prefixes DMC-, DC-, DSC- and EOS-, and "Digital" before another word;
//    Sony's "Alpha 7" written "A7" ("Canon G7 X II", "Panasonic GH5");
// 4. the maker in its short form ("Oly E-M10 III");
// 5. the maker dropped ("Galaxy Note 8");
// 6. words dropped from the end, and with them a comma, colon or lone sign
//    left at the end ("C-4000 Zoom" for "C-4000 Zoom, C-4100 Zoom"); the
//    last word cut when it alone is too long.
std::string cameraShortName(std::string_view maker, std::string_view model, std::string_view variant);

// The short form of a maker's name that short names use and searches find
// ("Fuji" for Fujifilm; also Oly, Pana, KM); empty when it has none.
std::string_view shortMakerName(std::string_view maker);

} // namespace mirel
