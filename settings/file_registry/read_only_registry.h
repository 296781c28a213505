#pragma once

#include <string>

#include "settings/file_registry/reg_key_handles.h"
#include "settings/regedit4/reg_file.h"
#include "settings/registry/registry_api.h"

namespace mirel {

// The registry as one parsed settings file holds it, for reading only:
// keys open and values read as from the file's own store, while every
// change fails with kRegAccessDenied, so nothing can ever be written back.
class ReadOnlyRegistry : public RegistryApi
{
public:
	explicit ReadOnlyRegistry(RegFile file);

	RegResult openKey(RegKey parent, std::string_view path, RegKey &key) override;
	// Opens a key that exists; creating one is a change and fails.
	RegResult createKey(RegKey parent, std::string_view path, RegKey &key) override;
	RegResult queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size) override;
	RegResult setValue(RegKey key, std::string_view name, RegType type, const void *data,
			   std::uint32_t size) override;
	RegResult closeKey(RegKey key) override;
	std::string describeError(RegResult code) override;

private:
	RegFile file_;
	RegKeyHandles handles_;
};

} // namespace mirel
