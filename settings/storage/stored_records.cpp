#include "settings/storage/stored_records.h"

#include <cstdio>
#include <span>
#include <stdexcept>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/number_text.h"
#include "settings/model/built_in_defaults.h"
#include "settings/storage/stored_layout.h"

namespace mirel {

namespace {

constexpr std::uint32_t kNameSize = 20; // room for a name a little too long, cut on reading
constexpr std::size_t kFilmPathSize = 40;

// Goes back to the product key however the reads or writes of a film
// subkey end.
class SubkeyScope
{
public:
	SubkeyScope(RegistryKey &key, RegKey parent) : key_(key), parent_(parent) {}
	~SubkeyScope() { key_.leaveSubkey(parent_); }
	SubkeyScope(const SubkeyScope &) = delete;
	SubkeyScope &operator=(const SubkeyScope &) = delete;

private:
	RegistryKey &key_;
	RegKey parent_;
};

// "FilmSizes\<index>": the subkey of one film format.
std::string filmSubkeyPath(std::string_view subkeys, int index)
{
	char path[kFilmPathSize];
	std::snprintf(path, sizeof path, "%.*s\\%i", static_cast<int>(subkeys.size()), subkeys.data(), index);
	return path;
}

// Calls visit(name, member) for each value of layout whose field Owner
// holds, in the layout's order, with the member pointer of that field.
template <typename Owner, typename Visit>
void forEachMember(std::span<const StoredValue> layout, Visit visit)
{
	for (const StoredValue &row : layout) {
		std::visit(
			[&](auto member) {
				if constexpr (std::is_same_v<typename MemberTraits<decltype(member)>::OwnerType, Owner>)
					visit(row.name, member);
			},
			row.field);
	}
}

// Calls visit(name, field) for each value of layout that owner holds.
template <typename Owner, typename Visit>
void forEachField(Owner &owner, std::span<const StoredValue> layout, Visit visit)
{
	forEachMember<std::remove_const_t<Owner>>(
		layout, [&](std::string_view name, auto member) { visit(name, owner.*member); });
}

template <typename Field>
concept DwordField = storedTypeOf<Field>()
== kRegDword;

template <typename Field>
concept FilmFormats = std::is_same_v<std::remove_const_t<Field>, FilmTable>;

// The REG_DWORD a field is written as.
template <DwordField Field>
std::uint32_t toDword(Field value)
{
	if constexpr (std::is_same_v<Field, bool>)
		return value ? 1 : 0;
	else if constexpr (std::is_same_v<Field, std::uint8_t>)
		return value; // zero-extended
	else
		return static_cast<std::uint32_t>(static_cast<std::int32_t>(value)); // sign-extended
}

// The field a stored REG_DWORD gives.
template <DwordField Field>
Field fromDword(std::uint32_t stored)
{
	if constexpr (std::is_same_v<Field, bool>)
		return stored != 0;
	else if constexpr (sizeof(Field) == 1)
		return static_cast<Field>(static_cast<std::uint8_t>(stored & 0xFF)); // only the low byte
	else
		return static_cast<Field>(static_cast<std::int32_t>(stored));
}

// Reads of one value straight into its field: on failure they throw and
// the field keeps its value.
template <DwordField Field>
void readField(RegistryKey &key, std::string_view name, Field &field)
{
	// A value shorter than 4 bytes replaces only the low bytes.
	std::uint32_t stored = toDword(field);
	key.readDword(name, stored);
	field = fromDword<Field>(stored);
}

void readField(RegistryKey &key, std::string_view name, double &field)
{
	key.readDouble(name, field);
}

void readField(RegistryKey &key, std::string_view name, FilmName &field)
{
	char text[kNameSize];
	const std::uint32_t received = key.readBytes(name, text, sizeof text);
	// Up to the terminator, or all that came when it is missing; a name of
	// 16 to 19 characters is cut to the 15 the field holds.
	setFilmName(field, std::string_view(text, received));
}

template <DwordField Field>
void writeField(RegistryKey &key, std::string_view name, Field field)
{
	key.writeDword(name, toDword(field));
}

void writeField(RegistryKey &key, std::string_view name, double field)
{
	key.writeDouble(name, field);
}

void writeField(RegistryKey &key, std::string_view name, const FilmName &field)
{
	key.writeString(name, filmName(field));
}

// Whether a read of name into field succeeds; field keeps its value when not.
template <typename Field>
bool readsInto(RegistryKey &key, std::string_view name, Field &field)
{
	try {
		readField(key, name, field);
		return true;
	} catch (const std::runtime_error &) {
		return false;
	}
}

// Whether a value can be written so that it reads back as it is.
template <typename Field>
bool storable(const Field &)
{
	return true;
}

bool storable(double value)
{
	return numberReadsBack(value);
}

bool storable(const FilmFormat &format)
{
	bool all = true;
	forEachField(format, kFilmFormatLayout, [&](std::string_view, const auto &field) { all &= storable(field); });
	return all;
}

// What a save writes for one value, into out (see mergeForSave). file is
// the key holding the value in the file, or null when it holds none.
// Without mayChange this run's value is not written.
template <typename Field>
void mergeValue(RegistryKey *file, std::string_view name, Field &out, const Field &memory, const Field *loaded,
		const Field &builtIn, bool mayChange = true)
{
	if (mayChange && (!loaded || !(memory == *loaded)) && storable(memory)) {
		out = memory; // changed in this run
		return;
	}
	Field stored = memory;
	if (file && readsInto(*file, name, stored) && storable(stored)) {
		out = stored;
		return;
	}
	for (const Field *candidate : { loaded, mayChange ? &memory : nullptr, &builtIn }) {
		if (candidate && storable(*candidate)) {
			out = *candidate;
			return;
		}
	}
}

void readFilmFormats(RegistryKey &key, std::string_view subkeys, FilmTable &formats)
{
	for (int i = 0; i < kFilmFormatCount; ++i) {
		const RegKey parent = key.openSubkey(filmSubkeyPath(subkeys, i), false);
		if (parent == kNoKey)
			break; // the later formats keep their built-in values
		SubkeyScope scope(key, parent);
		forEachField(formats[static_cast<std::size_t>(i)], kFilmFormatLayout,
			     [&](std::string_view name, auto &field) { readField(key, name, field); });
	}
}

void writeFilmFormats(RegistryKey &key, std::string_view subkeys, const FilmTable &formats)
{
	// All ten, whatever they hold, so that one save makes the whole layout.
	for (int i = 0; i < kFilmFormatCount; ++i) {
		const RegKey parent = key.openSubkey(filmSubkeyPath(subkeys, i), true);
		if (parent == kNoKey)
			break; // already shown by openSubkey
		SubkeyScope scope(key, parent);
		forEachField(formats[static_cast<std::size_t>(i)], kFilmFormatLayout,
			     [&](std::string_view name, const auto &field) { writeField(key, name, field); });
	}
}

// Reads or writes every value of the layout that record holds, in order.
template <typename Record>
void readRecord(RegistryKey &key, Record &record)
{
	forEachField(record, kStoredLayout, [&]<typename Field>(std::string_view name, Field &field) {
		if constexpr (FilmFormats<Field>)
			readFilmFormats(key, name, field);
		else
			readField(key, name, field);
	});
}

template <typename Record>
void writeRecord(RegistryKey &key, const Record &record)
{
	forEachField(record, kStoredLayout, [&]<typename Field>(std::string_view name, Field &field) {
		if constexpr (FilmFormats<Field>)
			writeFilmFormats(key, name, field);
		else
			writeField(key, name, field);
	});
}

void mergeFilmFormats(RegistryKey &key, std::string_view subkeys, FilmTable &out, const FilmTable &memory,
		      const FilmTable *loaded, const FilmTable &builtIn)
{
	for (std::size_t i = 0; i < out.size(); ++i) {
		const RegKey parent = key.openSubkey(filmSubkeyPath(subkeys, static_cast<int>(i)), false);
		std::optional<SubkeyScope> scope;
		if (parent != kNoKey)
			scope.emplace(key, parent);
		// A format is saved whole or not at all: one value that would not
		// read back as it is keeps all of this run's values of the format
		// from the file, so that no format comes back half changed.
		const bool whole = storable(memory[i]);
		forEachMember<FilmFormat>(
			kFilmFormatLayout, [&]<typename Field>(std::string_view name, Field FilmFormat::*member) {
				mergeValue(scope ? &key : nullptr, name, out[i].*member, memory[i].*member,
					   loaded ? &((*loaded)[i].*member) : nullptr, builtIn[i].*member, whole);
			});
	}
}

// The bytes of the value name of the key's current key; none when absent.
std::optional<std::string> storedData(RegistryKey &key, std::string_view name)
{
	RegistryApi *registry = key.registry();
	std::uint32_t size = 0;
	if (!registry || registry->queryValue(key.current(), name, nullptr, size) != kRegSuccess)
		return std::nullopt;
	std::string data(size, '\0');
	if (registry->queryValue(key.current(), name, data.data(), size) != kRegSuccess)
		return std::nullopt;
	data.resize(size);
	return data;
}

// Whether a load takes a stored value as it is: whether field, what the
// load made of the data, is what a save stores for it, or means the same.
template <DwordField Field>
bool takenAsStored(std::string_view data, Field field)
{
	if (data.size() != 4)
		return false; // another type, read in part
	std::uint32_t stored = 0;
	for (std::size_t i = 0; i < 4; ++i)
		stored |= std::uint32_t{ static_cast<unsigned char>(data[i]) } << (8 * i);
	if constexpr (std::is_same_v<Field, bool>)
		return (stored != 0) == field; // any value but 0 means set
	else
		return toDword(field) == stored; // not cut to its low byte, nor put back in range
}

bool takenAsStored(std::string_view data, double field)
{
	// As readDouble reads it; a save stores only what reads back.
	std::string_view text = data.substr(0, kNumberTextSize);
	text = text.substr(0, text.find('\0'));
	const std::optional<double> number = readNumber(text);
	return number && *number == field && numberReadsBack(field);
}

bool takenAsStored(std::string_view data, const FilmName &field)
{
	const std::string_view name = filmName(field); // not cut to 15 characters
	return data == name || (data.size() == name.size() + 1 && data.starts_with(name) && data.back() == '\0');
}

// Adds to names each value of the key's current key, of the layout's
// values that owner holds, that the load did not take as it is stored.
template <typename Owner>
void listNotTakenAsStored(RegistryKey &key, std::span<const StoredValue> layout, const Owner &owner,
			  const std::string &prefix, std::vector<std::string> &names)
{
	forEachField(owner, layout, [&]<typename Field>(std::string_view name, const Field &field) {
		if constexpr (FilmFormats<Field>) {
			for (int i = 0; i < kFilmFormatCount; ++i) {
				const std::string path = filmSubkeyPath(name, i);
				const RegKey parent = key.openSubkey(path, false);
				if (parent == kNoKey)
					break; // as the load, which read no further
				SubkeyScope scope(key, parent);
				listNotTakenAsStored(key, kFilmFormatLayout, field[static_cast<std::size_t>(i)],
						     path + '\\', names);
			}
		} else {
			const std::optional<std::string> data = storedData(key, name);
			if (data && !takenAsStored(*data, field))
				names.push_back(prefix + std::string(name));
		}
	});
}

template <typename Record>
void mergeRecord(RegistryKey &key, Record &out, const Record &memory, const Record *loaded, const Record &builtIn)
{
	forEachMember<Record>(kStoredLayout, [&]<typename Field>(std::string_view name, Field Record::*member) {
		const Field *wasLoaded = loaded ? &(loaded->*member) : nullptr;
		if constexpr (FilmFormats<Field>)
			mergeFilmFormats(key, name, out.*member, memory.*member, wasLoaded, builtIn.*member);
		else
			mergeValue(&key, name, out.*member, memory.*member, wasLoaded, builtIn.*member);
	});
}

} // namespace

void readSettingsRecord(RegistryKey &key, CalcSettings &settings)
{
	readRecord(key, settings);
}

void readStartupPrefs(RegistryKey &key, StartupPrefs &prefs)
{
	readRecord(key, prefs);
}

void writeSettingsRecord(RegistryKey &key, const CalcSettings &settings)
{
	writeRecord(key, settings);
}

void writeStartupPrefs(RegistryKey &key, const StartupPrefs &prefs)
{
	writeRecord(key, prefs);
}

bool filmFormatsHaveAGap(RegistryKey &key)
{
	bool missing = false;
	for (int i = 0; i < kFilmFormatCount; ++i) {
		const RegKey parent = key.openSubkey(filmSubkeyPath(kFilmSubkeysName, i), false);
		if (parent == kNoKey) {
			missing = true;
			continue;
		}
		key.leaveSubkey(parent);
		if (missing)
			return true;
	}
	return false;
}

std::vector<std::string> valuesNotTakenAsStored(RegistryKey &key, const StoredRecords &loaded)
{
	std::vector<std::string> names;
	listNotTakenAsStored(key, kStoredLayout, loaded.settings, "", names);
	listNotTakenAsStored(key, kStoredLayout, loaded.prefs, "", names);
	return names;
}

StoredRecords mergeForSave(RegistryKey &key, const StoredRecords &memory, const std::optional<StoredRecords> &loaded)
{
	const StoredRecords builtIn{ builtInSettings(), builtInStartupPrefs() };
	StoredRecords merged = memory;
	mergeRecord(key, merged.settings, memory.settings, loaded ? &loaded->settings : nullptr, builtIn.settings);
	mergeRecord(key, merged.prefs, memory.prefs, loaded ? &loaded->prefs : nullptr, builtIn.prefs);
	return merged;
}

} // namespace mirel
