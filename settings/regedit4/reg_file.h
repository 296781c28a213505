#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/registry/registry_api.h"

namespace mirel {

// The settings file: a registry export in the REGEDIT4 text form that
// regedit reads and writes, so a user can inspect, edit or import it.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Talvern\Mirel]
//   "LengthUnit"=dword:00000002
//   "Aperture"="1.800000"
//   "Other"=hex(7):41,00,00
//
// Texts are Windows-1252 bytes kept exactly as they are. Names and keys are
// kept in file order so that a save changes no more than it must. What
// regedit exports today is read as well: the header "Windows Registry
// Editor Version 5.00", and UTF-16LE or UTF-8 text with a byte order mark,
// converted to Windows-1252.
//
// The records and their lookups are in reg_file.cpp, the reading in
// parse_reg_file.cpp (the Unicode exports decoded by text_decoding.h), the
// writing in format_reg_file.cpp.

// The first line of the files Mirel writes.
inline constexpr std::string_view kRegFileHeader = "REGEDIT4";

struct RegValue {
	std::string name; // "" is the key's default value, "@" in the file
	RegType type = kRegNone;
	std::string data; // raw bytes; a REG_SZ carries its terminating zero

	bool operator==(const RegValue &) const = default;
};

struct RegKeyRecord {
	std::string path; // full path, root first: "HKEY_CURRENT_USER\Software\..."
	std::vector<RegValue> values;

	bool operator==(const RegKeyRecord &) const = default;
};

class RegFile;
struct RegFileReading;

// Reads leniently, as regedit does: every line understood is used, every
// other is skipped and counted. A line ends at CR LF or LF, or in a file
// without any LF (from an old Mac editor) at CR. A key named twice is one
// key; a value named twice keeps the later data, in the place of the first.
RegFileReading parseRegFile(std::string bytes);
RegFileReading parseRegFile(std::shared_ptr<const std::string> bytes);

// A file's keys in file order, each with its values in file order. Keys
// and values are found by name in constant time, through hash tables of
// their positions, so that reading a file takes time in proportion to its
// size however many keys and values it holds. A file that was read keeps
// its text, and builds the values of a key only when they are first asked
// for: a load asks for a few keys of a file that may hold thousands.
class RegFile
{
public:
	RegFile() = default;
	// The keys given, merged as a reading merges them (see parseRegFile).
	explicit RegFile(const std::vector<RegKeyRecord> &keys);

	const std::vector<RegKeyRecord> &keys() const;

	// Lookups by name; null when absent.
	const RegKeyRecord *findKey(std::string_view path) const;
	const RegValue *findValue(std::string_view path, std::string_view name) const;
	// Whether the key at path exists: named in the file, or on the path of
	// a key that is, as regedit creates the keys above the ones it imports.
	bool holdsKey(std::string_view path) const;

	// The position in keys() of the key at path, added at the end when the
	// file has none.
	std::size_t addKey(std::string_view path);
	// Sets a value of the key at position key: in the place of the value of
	// that name, or at the end. Whether the file changed.
	bool setValue(std::size_t key, RegValue value);

	bool operator==(const RegFile &other) const { return keys() == other.keys(); }

private:
	friend RegFileReading parseRegFile(std::shared_ptr<const std::string> bytes);

	static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

	// The position of the key at path, whose name hashes to hash; kNone when
	// absent.
	std::size_t positionOf(std::string_view path, std::uint64_t hash) const;
	bool holdsKey(std::string_view path, std::uint64_t hash) const;
	// Whether path is above a key indexed in aboveIndex_.
	bool isAbove(std::string_view path, std::uint64_t hash) const;
	// Builds the values of the key at position key from its text, if not
	// done yet (in parse_reg_file.cpp).
	void readValuesOf(std::size_t key) const;
	// setValue, the key's values read.
	bool store(std::size_t key, RegValue value) const;

	// Positions found by the hash of a name; the caller tells which of the
	// positions stored under a hash holds the name. An open-addressing
	// table, kept at most half full.
	class HashIndex
	{
	public:
		struct Entry {
			std::uint32_t first = 0, second = 0;
		};
		template <typename Matches>
		const Entry *find(std::uint64_t hash, Matches matches) const;
		void add(std::uint64_t hash, Entry entry);

	private:
		struct Slot {
			std::uint32_t hash = 0;
			bool used = false;
			Entry entry;
		};
		std::vector<Slot> slots_;
		std::size_t used_ = 0;
	};

	// The values are built as they are asked for, in const lookups too.
	mutable std::vector<RegKeyRecord> keys_;
	HashIndex keyIndex_; // {position of the key, 0}
	// {position of a key, length of a path above it}, for the paths only
	// above keys, of the keys up to aboveIndexed_; made when first needed.
	mutable HashIndex aboveIndex_;
	mutable std::size_t aboveIndexed_ = 0;
	mutable HashIndex valueIndex_;            // {position of the key, position of the value}
	std::shared_ptr<const std::string> text_; // of the file read
	// By key: the stretches of text_ that hold its values not built yet.
	mutable std::vector<std::vector<std::string_view>> unread_;
};

// What a file held, and whether anything in it had to be left out.
struct RegFileReading {
	RegFile file;
	std::size_t skippedLines = 0; // lines, or multi-line values, not understood
	bool badHeader = false;       // the first line is not a regedit header
	bool cutOff = false;          // the last line lacks its line break (and was skipped)
	bool unmappable = false;      // characters Windows-1252 lacks, read as '?'

	bool damaged() const { return skippedLines > 0 || badHeader || cutOff || unmappable; }
};

// Writes the file with CRLF line ends, as regedit does. A text value is
// written in quotes only when that form gives back its exact bytes;
// otherwise, like every type other than a 4-byte REG_DWORD, as "hex(n):".
// Names and paths must not hold line breaks (the store refuses them).
std::string formatRegFile(const RegFile &file);

// Registry names compare without regard to case, letters of Windows-1252
// included.
bool sameRegName(std::string_view a, std::string_view b);

} // namespace mirel
