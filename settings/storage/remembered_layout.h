#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
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
// a window to come, adds a row. The cameras of the film table's rows are
// kept so too, in a subkey of their own beside the film table's.

// An item of a list the record keeps, by its place in the list: the
// camera of one row of the film table.
template <typename Item, std::size_t Count>
struct RememberedItem {
	std::array<Item, Count> Remembered::*list;
	std::size_t index;
};
using FilmCameraItem = RememberedItem<std::string, kFilmFormatCount>;

// The field a remembered value keeps. Its C++ type chooses the stored
// form: a flag as a REG_DWORD 1 or 0; a number as its "%f" text, a list of
// numbers as their texts separated by blanks, a place as its four whole
// numbers "left top width height", a text as it is, each a REG_SZ.
using RememberedField = std::variant<bool Remembered::*, double Remembered::*, std::vector<double> Remembered::*,
				     WindowPlace Remembered::*, std::string Remembered::*, FilmCameraItem>;

// The type of the field a row's member names, and the field in a record.
template <typename Member>
struct RememberedFieldType;
template <typename Field>
struct RememberedFieldType<Field Remembered::*> {
	using type = Field;
};
template <typename Item, std::size_t Count>
struct RememberedFieldType<RememberedItem<Item, Count>> {
	using type = Item;
};

template <typename Field>
constexpr auto &fieldOf(auto &record, Field Remembered::*member)
{
	return record.*member;
}
template <typename Item, std::size_t Count>
constexpr auto &fieldOf(auto &record, RememberedItem<Item, Count> item)
{
	return (record.*item.list)[item.index];
}

struct RememberedValue {
	std::string_view subkey; // below the product key
	std::string_view name;
	RegType type;
	RememberedField field;
};

inline constexpr std::string_view kTableWindowKey = "Windows\\DepthOfFieldTable";
inline constexpr std::string_view kPlannerWindowKey = "Windows\\FocusPlanner";
inline constexpr std::string_view kCameraWindowKey = "Windows\\Camera";
inline constexpr std::string_view kCircleWindowKey = "Windows\\CircleOfConfusion";
inline constexpr std::string_view kStackWindowKey = "Windows\\FocusStack";
// Beside FilmSizes\0 to FilmSizes\9, the camera of each, by the same number.
inline constexpr std::string_view kFilmCamerasKey = "FilmSizeCameras";

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
	{ kCameraWindowKey, "Place", kRegSz, &Remembered::cameraPlace },
	// 1730, 1500 or 1440: the circle is the frame's diagonal over it
	{ kCameraWindowKey, "Rule", kRegSz, &Remembered::cameraRule },
	{ kCircleWindowKey, "Place", kRegSz, &Remembered::circlePlace },
	// a print size by name or as typed: "A4", "30 x 40 cm"
	{ kCircleWindowKey, "Print", kRegSz, &Remembered::circlePrint },
	// mm; 0: the print's diagonal
	{ kCircleWindowKey, "Viewing", kRegSz, &Remembered::circleViewing },
	// mm, at 25 cm
	{ kCircleWindowKey, "EyeBlur", kRegSz, &Remembered::circleEyeBlur },
	// across the frame; 0: none typed
	{ kCircleWindowKey, "Pixels", kRegSz, &Remembered::circlePixels },
	{ kCircleWindowKey, "PixelFactor", kRegSz, &Remembered::circlePixelFactor },
	{ kStackWindowKey, "Place", kRegSz, &Remembered::stackPlace },
	{ kStackWindowKey, "Macro", kRegDword, &Remembered::stackMacro },
	// mm
	{ kStackWindowKey, "Near", kRegSz, &Remembered::stackNear },
	// mm, kept also while the far distance is infinity
	{ kStackWindowKey, "Far", kRegSz, &Remembered::stackFar },
	{ kStackWindowKey, "ToInfinity", kRegDword, &Remembered::stackToInfinity },
	// percent of a shot's depth
	{ kStackWindowKey, "Overlap", kRegSz, &Remembered::stackOverlap },
	{ kStackWindowKey, "Magnification", kRegSz, &Remembered::stackMagnification },
	{ kStackWindowKey, "MagnificationFromPages", kRegDword, &Remembered::stackMagnificationFromPages },
	{ kStackWindowKey, "Pupil", kRegSz, &Remembered::stackPupil },
	// mm
	{ kStackWindowKey, "Depth", kRegSz, &Remembered::stackDepth },
	// percent of a shot's depth
	{ kStackWindowKey, "MacroOverlap", kRegSz, &Remembered::stackMacroOverlap },
	// the camera's full name, or empty
	{ kFilmCamerasKey, "0", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 0 } },
	{ kFilmCamerasKey, "1", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 1 } },
	{ kFilmCamerasKey, "2", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 2 } },
	{ kFilmCamerasKey, "3", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 3 } },
	{ kFilmCamerasKey, "4", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 4 } },
	{ kFilmCamerasKey, "5", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 5 } },
	{ kFilmCamerasKey, "6", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 6 } },
	{ kFilmCamerasKey, "7", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 7 } },
	{ kFilmCamerasKey, "8", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 8 } },
	{ kFilmCamerasKey, "9", kRegSz, FilmCameraItem{ &Remembered::filmCameras, 9 } },
};

// The registry type a remembered field of type Field is stored as.
template <typename Field>
constexpr RegType rememberedTypeOf()
{
	return std::is_same_v<Field, bool> ? kRegDword : kRegSz;
}

static_assert(std::ranges::all_of(
		      kRememberedLayout,
		      [](const RememberedValue &row) {
			      return std::visit(
				      [&]<typename Member>(Member) {
					      return row.type ==
						     rememberedTypeOf<typename RememberedFieldType<Member>::type>();
				      },
				      row.field);
		      }),
	      "a remembered value's registry type must be the one its field is stored as");

} // namespace mirel
