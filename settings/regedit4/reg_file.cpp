#include "settings/regedit4/reg_file.h"

#include <algorithm>
#include <array>
#include <random>

namespace mirel {

namespace {

constexpr unsigned char upperCase(unsigned char c)
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

constexpr auto kUpperCase = [] {
	std::array<unsigned char, 256> table{};
	for (std::size_t c = 0; c < table.size(); ++c)
		table[c] = upperCase(static_cast<unsigned char>(c));
	return table;
}();

// Chosen afresh by each process, so that no file can be made whose names
// all fall on the same places of the tables and make them slow.
const std::uint64_t kProcessSeed = std::random_device{}() * 0x9e3779b97f4a7c15;

// FNV-1a over the name in upper case, so that names that are the same
// registry name hash alike; then mixed, as the table uses the low bits.
std::uint64_t nameHash(std::string_view name, std::uint64_t seed = 0)
{
	std::uint64_t hash = 0xcbf29ce484222325 ^ kProcessSeed ^ seed;
	for (const char c : name)
		hash = (hash ^ kUpperCase[static_cast<unsigned char>(c)]) * 0x100000001b3;
	hash ^= hash >> 32;
	hash *= 0xd6e8feb86659fd93;
	return hash ^ hash >> 32;
}

// The hash of a value's name within the key at position key.
std::uint64_t valueHash(std::size_t key, std::string_view name)
{
	return nameHash(name, (key + 1) * 0x9e3779b97f4a7c15);
}

} // namespace

bool sameRegName(std::string_view a, std::string_view b)
{
	return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
		return kUpperCase[static_cast<unsigned char>(x)] == kUpperCase[static_cast<unsigned char>(y)];
	});
}

// --- The hash index ---------------------------------------------------------

template <typename Matches>
const RegFile::HashIndex::Entry *RegFile::HashIndex::find(std::uint64_t hash, Matches matches) const
{
	if (slots_.empty())
		return nullptr;
	const std::size_t mask = slots_.size() - 1;
	const auto stored = static_cast<std::uint32_t>(hash);
	for (std::size_t i = stored & mask; slots_[i].used; i = (i + 1) & mask)
		if (slots_[i].hash == stored && matches(slots_[i].entry))
			return &slots_[i].entry;
	return nullptr;
}

void RegFile::HashIndex::add(std::uint64_t hash, Entry entry)
{
	if (2 * (used_ + 1) > slots_.size()) {
		// Twice the room; the stored hashes place the entries again.
		std::vector<Slot> old(std::max<std::size_t>(16, 2 * slots_.size()));
		old.swap(slots_);
		used_ = 0;
		for (const Slot &slot : old)
			if (slot.used)
				add(slot.hash, slot.entry);
	}
	const std::size_t mask = slots_.size() - 1;
	std::size_t i = static_cast<std::uint32_t>(hash) & mask;
	while (slots_[i].used)
		i = (i + 1) & mask;
	slots_[i] = { static_cast<std::uint32_t>(hash), true, entry };
	++used_;
}

// --- The file ---------------------------------------------------------------

RegFile::RegFile(const std::vector<RegKeyRecord> &keys)
{
	for (const RegKeyRecord &key : keys) {
		const std::size_t position = addKey(key.path);
		for (const RegValue &value : key.values)
			setValue(position, value);
	}
}

const std::vector<RegKeyRecord> &RegFile::keys() const
{
	for (std::size_t key = 0; key < unread_.size(); ++key)
		readValuesOf(key);
	return keys_;
}

std::size_t RegFile::positionOf(std::string_view path, std::uint64_t hash) const
{
	const HashIndex::Entry *entry =
		keyIndex_.find(hash, [&](const HashIndex::Entry &e) { return sameRegName(keys_[e.first].path, path); });
	return entry ? entry->first : kNone;
}

bool RegFile::holdsKey(std::string_view path, std::uint64_t hash) const
{
	if (positionOf(path, hash) != kNone)
		return true;
	// The paths above the keys added since last asked: seldom needed, as a
	// file names the keys it is asked for.
	for (; aboveIndexed_ < keys_.size(); ++aboveIndexed_) {
		const std::string_view key = keys_[aboveIndexed_].path;
		// Up to the first path known already, whose own paths are.
		for (std::size_t slash = key.rfind('\\'); slash != std::string_view::npos && slash > 0;
		     slash = key.rfind('\\', slash - 1)) {
			const std::string_view above = key.substr(0, slash);
			const std::uint64_t aboveHash = nameHash(above);
			if (positionOf(above, aboveHash) != kNone || isAbove(above, aboveHash))
				break;
			aboveIndex_.add(aboveHash, { static_cast<std::uint32_t>(aboveIndexed_),
						     static_cast<std::uint32_t>(slash) });
		}
	}
	return isAbove(path, hash);
}

bool RegFile::isAbove(std::string_view path, std::uint64_t hash) const
{
	return aboveIndex_.find(hash, [&](const HashIndex::Entry &e) {
		return sameRegName(std::string_view(keys_[e.first].path).substr(0, e.second), path);
	});
}

const RegKeyRecord *RegFile::findKey(std::string_view path) const
{
	const std::size_t key = positionOf(path, nameHash(path));
	if (key == kNone)
		return nullptr;
	readValuesOf(key);
	return &keys_[key];
}

const RegValue *RegFile::findValue(std::string_view path, std::string_view name) const
{
	const RegKeyRecord *record = findKey(path);
	if (!record)
		return nullptr;
	const auto key = static_cast<std::size_t>(record - keys_.data());
	const HashIndex::Entry *entry = valueIndex_.find(valueHash(key, name), [&](const HashIndex::Entry &e) {
		return e.first == key && sameRegName(record->values[e.second].name, name);
	});
	return entry ? &record->values[entry->second] : nullptr;
}

bool RegFile::holdsKey(std::string_view path) const
{
	return holdsKey(path, nameHash(path));
}

std::size_t RegFile::addKey(std::string_view path)
{
	const std::uint64_t hash = nameHash(path);
	if (const std::size_t key = positionOf(path, hash); key != kNone)
		return key;
	const auto position = static_cast<std::uint32_t>(keys_.size());
	keys_.push_back({ std::string(path), {} });
	keyIndex_.add(hash, { position, 0 });
	return position;
}

bool RegFile::setValue(std::size_t key, RegValue value)
{
	readValuesOf(key);
	return store(key, std::move(value));
}

bool RegFile::store(std::size_t key, RegValue value) const
{
	RegKeyRecord &record = keys_[key];
	const std::uint64_t hash = valueHash(key, value.name);
	const HashIndex::Entry *entry = valueIndex_.find(hash, [&](const HashIndex::Entry &e) {
		return e.first == key && sameRegName(record.values[e.second].name, value.name);
	});
	if (entry) {
		RegValue &existing = record.values[entry->second];
		if (existing == value)
			return false;
		existing = std::move(value);
		return true;
	}
	valueIndex_.add(hash, { static_cast<std::uint32_t>(key), static_cast<std::uint32_t>(record.values.size()) });
	record.values.push_back(std::move(value));
	return true;
}

} // namespace mirel
