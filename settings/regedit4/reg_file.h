#pragma once

#include <cstddef>
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

struct RegFile {
	std::vector<RegKeyRecord> keys;

	bool operator==(const RegFile &) const = default;
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

// Reads leniently, as regedit does: every line understood is used, every
// other is skipped and counted. Accepts CRLF and LF line ends. A key named
// twice is one key; a value named twice keeps the later data.
RegFileReading parseRegFile(std::string_view bytes);

// Writes the file with CRLF line ends, as regedit does. A text value is
// written in quotes only when that form gives back its exact bytes;
// otherwise, like every type other than a 4-byte REG_DWORD, as "hex(n):".
// Names and paths must not hold line breaks (the store refuses them).
std::string formatRegFile(const RegFile &file);

// Registry names compare without regard to case, letters of Windows-1252
// included.
bool sameRegName(std::string_view a, std::string_view b);

// Lookups by name; null when absent.
RegKeyRecord *findKey(RegFile &file, std::string_view path);
RegValue *findValue(RegKeyRecord &key, std::string_view name);

// Whether the key at path exists: named in the file, or on the path of a key
// that is, as regedit creates the keys above the ones it imports.
bool holdsKey(const RegFile &file, std::string_view path);

} // namespace mirel
