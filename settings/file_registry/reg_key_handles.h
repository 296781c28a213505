#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "settings/regedit4/reg_file.h"
#include "settings/registry/registry_api.h"

namespace mirel {

// What the registries over a settings file share: the handles they hand
// out, each standing for a key's full path from "HKEY_CURRENT_USER" down,
// and reading a value of a parsed file.
class RegKeyHandles
{
public:
	// The full path a handle stands for; none for a handle never handed out
	// or closed.
	std::optional<std::string> path(RegKey key) const;
	// The full path of path below parent: kRegInvalidHandle for an unknown
	// parent, kRegInvalidParameter for an empty or unstorable component.
	RegResult resolve(RegKey parent, std::string_view path, std::string &full) const;
	RegKey open(std::string full);
	// openKey over file: a handle to the key at path below parent, which
	// file must hold (kRegFileNotFound otherwise).
	RegResult openIn(const RegFile &file, RegKey parent, std::string_view path, RegKey &key);
	RegResult close(RegKey key);

private:
	std::map<RegKey, std::string> paths_;
	RegKey next_ = 1;
};

// Whether path is the root or a key file holds.
bool keyExists(const RegFile &file, std::string_view path);
// Registry names cannot hold line breaks: the file could not keep them.
bool storableName(std::string_view name);
// The value name of the key at keyPath in file, as queryValue answers:
// its size always, its data when data has room for it.
RegResult queryFileValue(const RegFile &file, std::string_view keyPath, std::string_view name, void *data,
			 std::uint32_t &size);

} // namespace mirel
