#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <variant>

#include "settings/model/records.h"
#include "settings/registry/registry_api.h"

namespace mirel {

// What Mirel stores, and where: the one declaration of the stored layout.
// The load, the save and its merge all walk these tables in their order.

using FilmTable = decltype(CalcSettings::FilmSizes);

// The field a stored value keeps. Its C++ type chooses the stored form:
// 32-bit integers and the unit as they are, the selected film format
// zero-extended, the start page sign-extended and the flags as 1 or 0, all
// REG_DWORD; numbers as their "%f" text and film names as their text, REG_SZ.
using StoredField = std::variant<std::int32_t CalcSettings::*, LengthUnit CalcSettings::*, double CalcSettings::*,
				 FilmTable CalcSettings::*, std::uint8_t CalcSettings::*, bool StartupPrefs::*,
				 std::int8_t StartupPrefs::*, FilmName FilmFormat::*, double FilmFormat::*>;

// The film formats are no value but one subkey each, "FilmSizes\0" to
// "FilmSizes\9", holding the values of kFilmFormatLayout.
inline constexpr RegType kFilmSubkeys = ~RegType{ 0 };
inline constexpr std::string_view kFilmSubkeysName = "FilmSizes";

struct StoredValue {
	std::string_view name;
	RegType type;
	StoredField field;
};

// The values of HKEY_CURRENT_USER\Software\Talvern\Mirel, in the order they
// are read and written.
inline constexpr StoredValue kStoredLayout[] = {
	// 0 none, 1 nearest 1/2 stop, 2 nearest 1/3 stop
	{ "RoundStopsMethod", kRegDword, &CalcSettings::RoundStopsMethod },
	// 0 none, 1 to 3 decimal places
	{ "RoundOtherMethod", kRegDword, &CalcSettings::RoundOtherMethod },
	// 0 mm, 1 cm, 2 m, 3 in, 4 ft
	{ "LengthUnit", kRegDword, &CalcSettings::LengthUnit },
	// f-number
	{ "Aperture", kRegSz, &CalcSettings::Aperture },
	// mm, whatever unit is shown
	{ "FocusDistance", kRegSz, &CalcSettings::FocusDistance },
	// mm
	{ "FocalLength", kRegSz, &CalcSettings::FocalLength },
	// percent of the frame area
	{ "SpotPercent", kRegSz, &CalcSettings::SpotPercent },
	// the ten film formats; loading ends silently at the first one missing
	{ kFilmSubkeysName, kFilmSubkeys, &CalcSettings::FilmSizes },
	// index 0..9 of the selected format; only the low byte is read
	{ "FilmSize", kRegDword, &CalcSettings::FilmSize },
	// remember the page activated last; any nonzero value reads as set
	{ "StartWithLastForm", kRegDword, &StartupPrefs::StartWithLastForm },
	// page to open on, 0..6, or -1 (0xFFFFFFFF) for none; only the low byte
	// is read, as a signed byte
	{ "StartupForm", kRegDword, &StartupPrefs::StartupForm },
	// the fields' values become the defaults at exit; nonzero reads as set
	{ "FieldsBecomeDefaults", kRegDword, &StartupPrefs::FieldsBecomeDefaults },
};

// The values of each film subkey.
inline constexpr StoredValue kFilmFormatLayout[] = {
	// up to 15 characters; a name of up to 19 is read and cut to 15
	{ "Name", kRegSz, &FilmFormat::Name },
	// mm
	{ "Width", kRegSz, &FilmFormat::Width },
	// mm
	{ "Height", kRegSz, &FilmFormat::Height },
	// mm, circle of confusion kept with the format
	{ "CoC", kRegSz, &FilmFormat::CoC },
};

// The class and the type of the field a member pointer names.
template <typename Member>
struct MemberTraits;
template <typename Owner, typename Field>
struct MemberTraits<Field Owner::*> {
	using OwnerType = Owner;
	using FieldType = Field;
};

// The registry type a field of type Field is stored as.
template <typename Field>
constexpr RegType storedTypeOf()
{
	if constexpr (std::is_same_v<Field, double> || std::is_same_v<Field, FilmName>)
		return kRegSz;
	else if constexpr (std::is_same_v<Field, FilmTable>)
		return kFilmSubkeys;
	else if constexpr (std::is_integral_v<Field> || std::is_enum_v<Field>)
		return kRegDword;
	else
		static_assert(!sizeof(Field), "no stored form for this field type");
}

namespace layout_check {

template <typename Owner>
constexpr bool ownedBy(const StoredValue &row)
{
	return std::visit(
		[](auto member) { return std::is_same_v<typename MemberTraits<decltype(member)>::OwnerType, Owner>; },
		row.field);
}

constexpr bool typesAgree(std::span<const StoredValue> layout)
{
	return std::ranges::all_of(layout, [](const StoredValue &row) {
		return std::visit(
			[&](auto member) {
				return row.type == storedTypeOf<typename MemberTraits<decltype(member)>::FieldType>();
			},
			row.field);
	});
}

} // namespace layout_check

static_assert(layout_check::typesAgree(kStoredLayout) && layout_check::typesAgree(kFilmFormatLayout),
	      "a stored value's registry type must be the one its field is stored as");
// The settings record is read and written before the start-up preferences.
static_assert(std::ranges::is_partitioned(kStoredLayout, layout_check::ownedBy<CalcSettings>) &&
		      std::ranges::none_of(kStoredLayout, layout_check::ownedBy<FilmFormat>),
	      "the product key holds the settings record, then the start-up preferences");
static_assert(std::ranges::all_of(kFilmFormatLayout, layout_check::ownedBy<FilmFormat>),
	      "a film subkey holds the fields of one film format");

} // namespace mirel
