#pragma once

#include <algorithm>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "settings/model/remembered.h"
#include "settings/registry/registry_api.h"

namespace mirel {

// What the windows remember between runs, and where: the one declaration
// of it. Each window keeps its values in a subkey of its own below
// Software\Talvern\Mirel\Windows, beside the stored layout and apart from
// it: a file without these subkeys loads exactly as before, and a save adds
// them and changes nothing else. A window that remembers something more, or
// a window to come, adds a row.

// The field a remembered value keeps. Its C++ type chooses the stored
// form: a flag as a REG_DWORD 1 or 0; a number as its "%f" text, a list of
// numbers as their texts separated by blanks, a place as its four whole
// numbers "left top width height", each a REG_SZ.
using RememberedField = std::variant<bool Remembered::*, double Remembered::*, std::vector<double> Remembered::*,
				     WindowPlace Remembered::*>;

struct RememberedValue {
	std::string_view subkey; // below the product key
	std::string_view name;
	RegType type;
	RememberedField field;
};

inline constexpr std::string_view kTableWindowKey = "Windows\\DepthOfFieldTable";
inline constexpr std::string_view kPlannerWindowKey = "Windows\\FocusPlanner";

inline constexpr RememberedValue kRememberedLayout[] = {
	{ kTableWindowKey, "Place", kRegSz, &Remembered::tablePlace },
	// mm, ascending; empty: the set around the focus distance
	{ kTableWindowKey, "Distances", kRegSz, &Remembered::tableDistances },
	{ kTableWindowKey, "ThirdStops", kRegDword, &Remembered::tableThirdStops },
	{ kPlannerWindowKey, "Place", kRegSz, &Remembered::plannerPlace },
	// mm
	{ kPlannerWindowKey, "Near", kRegSz, &Remembered::plannerNear },
	// mm, kept also while the far distance is infinity
	{ kPlannerWindowKey, "Far", kRegSz, &Remembered::plannerFar },
	{ kPlannerWindowKey, "ToInfinity", kRegDword, &Remembered::plannerToInfinity },
};

// The registry type a remembered field of type Field is stored as.
template <typename Field>
constexpr RegType rememberedTypeOf()
{
	return std::is_same_v<Field, bool> ? kRegDword : kRegSz;
}

static_assert(std::ranges::all_of(kRememberedLayout,
				  [](const RememberedValue &row) {
					  return std::visit(
						  [&]<typename Field>(Field Remembered::*) {
							  return row.type == rememberedTypeOf<Field>();
						  },
						  row.field);
				  }),
	      "a remembered value's registry type must be the one its field is stored as");

} // namespace mirel
