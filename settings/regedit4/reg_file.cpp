#include "settings/regedit4/reg_file.h"

#include <algorithm>

namespace mirel {

namespace {

unsigned char upperCase(unsigned char c)
{
	if (c >= 'a' && c <= 'z')
		return static_cast<unsigned char>(c - 0x20);
	if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // à..þ except ÷
		return static_cast<unsigned char>(c - 0x20);
	switch (c) {
	case 0x9A:
		return 0x8A; // š
	case 0x9C:
		return 0x8C; // œ
	case 0x9E:
		return 0x8E; // ž
	case 0xFF:
		return 0x9F; // ÿ
	default:
		return c;
	}
}

} // namespace

bool sameRegName(std::string_view a, std::string_view b)
{
	return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
		return upperCase(static_cast<unsigned char>(x)) == upperCase(static_cast<unsigned char>(y));
	});
}

RegKeyRecord *findKey(RegFile &file, std::string_view path)
{
	const auto it = std::find_if(file.keys.begin(), file.keys.end(),
				     [&](const RegKeyRecord &key) { return sameRegName(key.path, path); });
	return it == file.keys.end() ? nullptr : &*it;
}

RegValue *findValue(RegKeyRecord &key, std::string_view name)
{
	const auto it = std::find_if(key.values.begin(), key.values.end(),
				     [&](const RegValue &value) { return sameRegName(value.name, name); });
	return it == key.values.end() ? nullptr : &*it;
}

bool holdsKey(const RegFile &file, std::string_view path)
{
	return std::any_of(file.keys.begin(), file.keys.end(), [&](const RegKeyRecord &key) {
		return key.path.size() >= path.size() &&
		       sameRegName(std::string_view(key.path).substr(0, path.size()), path) &&
		       (key.path.size() == path.size() || key.path[path.size()] == '\\');
	});
}

} // namespace mirel
