#include "settings/file_registry/read_only_registry.h"

#include <utility>

namespace mirel {

ReadOnlyRegistry::ReadOnlyRegistry(RegFile file) : file_(std::move(file)) {}

RegResult ReadOnlyRegistry::openKey(RegKey parent, std::string_view path, RegKey &key)
{
	return handles_.openIn(file_, parent, path, key);
}

RegResult ReadOnlyRegistry::createKey(RegKey parent, std::string_view path, RegKey &key)
{
	const RegResult result = openKey(parent, path, key);
	return result == kRegFileNotFound ? kRegAccessDenied : result;
}

RegResult ReadOnlyRegistry::queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size)
{
	const auto path = handles_.path(key);
	if (!path)
		return kRegInvalidHandle;
	return queryFileValue(file_, *path, name, data, size);
}

RegResult ReadOnlyRegistry::setValue(RegKey, std::string_view, RegType, const void *, std::uint32_t)
{
	return kRegAccessDenied;
}

RegResult ReadOnlyRegistry::closeKey(RegKey key)
{
	return handles_.close(key);
}

std::string ReadOnlyRegistry::describeError(RegResult code)
{
	return std::string(systemErrorText(code));
}

} // namespace mirel
