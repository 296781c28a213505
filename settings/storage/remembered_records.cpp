#include "settings/storage/remembered_records.h"

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "settings/storage/remembered_layout.h"

namespace mirel {

namespace {

// Room for the longest text Mirel writes: twenty distances of a table.
constexpr std::uint32_t kTextSize = 512;

// Calls visit.template operator()<Field>(row, member) for each row of the
// layout, with what names its field in a record and the field's type.
template <typename Visit>
void forEachRemembered(Visit visit)
{
	for (const RememberedValue &row : kRememberedLayout)
		std::visit(
			[&]<typename Member>(Member member) {
				visit.template operator()<typename RememberedFieldType<Member>::type>(row, member);
			},
			row.field);
}

// Runs use on subkey, created when create is set; false when it
// cannot be opened. The product key is current again afterwards, however
// use ends.
template <typename Use>
bool inSubkey(RegistryKey &key, std::string_view subkey, bool create, Use use)
{
	const RegKey parent = key.openSubkey(subkey, create);
	if (parent == kNoKey)
		return false;
	try {
		use();
	} catch (...) {
		key.leaveSubkey(parent);
		throw;
	}
	key.leaveSubkey(parent);
	return true;
}

// The blank-separated words of text.
std::vector<std::string_view> words(std::string_view text)
{
	std::vector<std::string_view> found;
	for (std::size_t at = 0; at < text.size();) {
		const std::size_t start = text.find_first_not_of(' ', at);
		if (start == std::string_view::npos)
			break;
		const std::size_t end = std::min(text.find(' ', start), text.size());
		found.push_back(text.substr(start, end - start));
		at = end;
	}
	return found;
}

std::optional<std::vector<double>> numbersFrom(std::string_view text)
{
	std::vector<double> numbers;
	for (const std::string_view word : words(text)) {
		const std::optional<double> number = readNumber(word);
		if (!number)
			return std::nullopt;
		numbers.push_back(*number);
	}
	return numbers;
}

std::optional<WindowPlace> placeFrom(std::string_view text)
{
	const std::optional<std::vector<double>> numbers = numbersFrom(text);
	if (!numbers || numbers->size() != 4)
		return std::nullopt;
	for (const double number : *numbers) {
		if (number != std::trunc(number) || std::abs(number) > std::numeric_limits<std::int32_t>::max())
			return std::nullopt;
	}
	const auto whole = [&](std::size_t i) { return static_cast<std::int32_t>((*numbers)[i]); };
	return WindowPlace{ whole(0), whole(1), whole(2), whole(3) };
}

std::string textOf(const std::vector<double> &numbers)
{
	std::string text;
	for (const double number : numbers)
		text += (text.empty() ? "" : " ") + formatTrimmed(number);
	return text;
}

std::string textOf(const WindowPlace &place)
{
	return std::to_string(place.left) + ' ' + std::to_string(place.top) + ' ' + std::to_string(place.width) + ' ' +
	       std::to_string(place.height);
}

// Whether a field is written so that it reads back as it is.
bool storable(bool)
{
	return true;
}

bool storable(double number)
{
	return numberReadsBack(number);
}

bool storable(const std::vector<double> &numbers)
{
	return std::ranges::all_of(numbers, [](double number) { return numberReadsBack(number); }) &&
	       textOf(numbers).size() < kTextSize;
}

bool storable(const WindowPlace &)
{
	return true;
}

bool storable(const std::string &text)
{
	return text.size() < kTextSize && text.find('\0') == std::string::npos;
}

// The text of a REG_SZ value, up to its terminator; throws when there is
// none or it is too long.
std::string readText(RegistryKey &key, std::string_view name)
{
	char buffer[kTextSize];
	const std::string_view text(buffer, key.readBytes(name, buffer, sizeof buffer));
	return std::string(text.substr(0, text.find('\0')));
}

// The value name of the current key as a Field; nothing when it is missing
// or cannot be taken as it stands.
template <typename Field>
std::optional<Field> readValue(RegistryKey &key, std::string_view name)
{
	try {
		if constexpr (std::is_same_v<Field, bool>) {
			std::uint32_t stored = 0;
			key.readDword(name, stored);
			return stored != 0;
		} else {
			const std::string text = readText(key, name);
			std::optional<Field> value;
			if constexpr (std::is_same_v<Field, double>)
				value = readNumber(text);
			else if constexpr (std::is_same_v<Field, std::vector<double>>)
				value = numbersFrom(text);
			else if constexpr (std::is_same_v<Field, WindowPlace>)
				value = placeFrom(text);
			else
				value = text;
			if (value && !storable(*value))
				return std::nullopt;
			return value;
		}
	} catch (const std::runtime_error &) {
		return std::nullopt;
	}
}

template <typename Field>
void writeValue(RegistryKey &key, std::string_view name, const Field &field)
{
	if constexpr (std::is_same_v<Field, bool>)
		key.writeDword(name, field ? 1 : 0);
	else if constexpr (std::is_same_v<Field, double>)
		key.writeDouble(name, field);
	else if constexpr (std::is_same_v<Field, std::string>)
		key.writeString(name, field);
	else
		key.writeString(name, textOf(field));
}

// The value row keeps, as the file holds it now; nothing when the file
// holds none that can be taken.
template <typename Field>
std::optional<Field> storedValue(RegistryKey &key, const RememberedValue &row)
{
	std::optional<Field> value;
	inSubkey(key, row.subkey, false, [&] { value = readValue<Field>(key, row.name); });
	return value;
}

} // namespace

void readRemembered(RegistryKey &key, Remembered &remembered)
{
	forEachRemembered([&]<typename Field>(const RememberedValue &row, auto member) {
		if (std::optional<Field> value = storedValue<Field>(key, row))
			fieldOf(remembered, member) = *std::move(value);
	});
}

void writeRemembered(RegistryKey &key, const Remembered &remembered)
{
	bool writable = true;
	forEachRemembered([&]<typename Field>(const RememberedValue &row, auto member) {
		if (writable)
			writable = inSubkey(key, row.subkey, true,
					    [&] { writeValue(key, row.name, fieldOf(remembered, member)); });
	});
}

Remembered mergeRememberedForSave(RegistryKey &key, const Remembered &memory, const Remembered *loaded)
{
	const Remembered builtIn;
	Remembered merged = memory;
	forEachRemembered([&]<typename Field>(const RememberedValue &row, auto member) {
		const Field &now = fieldOf(memory, member);
		if ((!loaded || !(now == fieldOf(*loaded, member))) && storable(now))
			return; // changed in this run
		Field &kept = fieldOf(merged, member);
		if (std::optional<Field> stored = storedValue<Field>(key, row))
			kept = *std::move(stored);
		else if (!storable(now))
			kept = loaded && storable(fieldOf(*loaded, member)) ? fieldOf(*loaded, member)
									    : fieldOf(builtIn, member);
	});
	return merged;
}

} // namespace mirel
