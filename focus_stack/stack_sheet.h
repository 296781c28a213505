#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/sentence.h"
#include "focus_stack/stack_inputs.h"

namespace mirel {

// A focus stack's plan, as it is taken away from the window: copied,
// printed on a page, saved as CSV. Each is for the mode shown, with the
// settings as they are now. Texts are Windows-1252.

// What a plan is for: "For a 24 mm lens at f/8 on 35mm, circle of
// confusion 0.02501 mm, as on the pages".
std::string stackLensLine();
// The same as a sentence, for a translation.
Sentence stackLensSentence();
inline constexpr std::string_view kStackLensPattern =
	"For a %1 mm lens at %2 on %3, circle of confusion %4 mm, as on the pages";

// The plan as a page: a title, lines that say what it is for and what it
// gives (or "No plan: " and why), and a table whose first row are its
// headings: a row per shot with its focus and zone for a landscape stack,
// with where the rail stands for a macro stack. No table without a plan.
struct StackSheet {
	std::string title;
	std::vector<std::string> lines;
	std::vector<std::vector<std::string>> table;
};
StackSheet stackSheet(const StackInputs &inputs);

// The sheet as text for the clipboard: title, lines, an empty line and the
// table, its cells tab-separated for a spreadsheet; lines ended by "\n".
std::string copyText(const StackSheet &sheet);

// Comma-separated values to compute with, whatever the locale: a heading
// row of keys with their units ("focus_mm"), then for a landscape stack a
// row per shot, each with the inputs too, and for a macro stack one row.
// Lengths in mm, numbers in full precision with point decimals, "inf" for
// infinity, an empty cell for none (every result, when there is no plan).
// Lines ended by "\r\n".
std::string stackCsv(const StackInputs &inputs);

// The name a plan is offered under for saving, without its extension:
// "focus-stack-landscape", "focus-stack-macro".
std::string stackFileName(StackInputs::Mode mode);

} // namespace mirel
