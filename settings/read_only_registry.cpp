#include "settings/read_only_registry.h"

#include <cstring>
#include <utility>

namespace mirel {

namespace {

constexpr std::string_view kRootName = "HKEY_CURRENT_USER";

} // namespace

ReadOnlyRegistry::ReadOnlyRegistry(RegFile file) : file_(std::move(file)) {}

RegResult ReadOnlyRegistry::openKey(RegKey parent, std::string_view path, RegKey &key)
{
	std::string base;
	if (parent == kCurrentUserKey)
		base = kRootName;
	else if (const auto handle = handles_.find(parent); handle != handles_.end())
		base = handle->second;
	else
		return kRegInvalidHandle;
	std::string full = path.empty() ? base : base + '\\' + std::string(path);
	if (!holdsKey(file_, full))
		return kRegFileNotFound;
	key = nextHandle_++;
	handles_.emplace(key, std::move(full));
	return kRegSuccess;
}

RegResult ReadOnlyRegistry::createKey(RegKey parent, std::string_view path, RegKey &key)
{
	const RegResult result = openKey(parent, path, key);
	return result == kRegFileNotFound ? kRegAccessDenied : result;
}

RegResult ReadOnlyRegistry::queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size)
{
	const auto handle = handles_.find(key);
	if (handle == handles_.end())
		return kRegInvalidHandle;
	RegKeyRecord *record = findKey(file_, handle->second);
	const RegValue *value = record ? findValue(*record, name) : nullptr;
	if (!value)
		return kRegFileNotFound;
	const auto length = static_cast<std::uint32_t>(value->data.size());
	if (data && length > size) {
		size = length;
		return kRegMoreData;
	}
	if (data)
		std::memcpy(data, value->data.data(), length);
	size = length;
	return kRegSuccess;
}

RegResult ReadOnlyRegistry::setValue(RegKey, std::string_view, RegType, const void *, std::uint32_t)
{
	return kRegAccessDenied;
}

RegResult ReadOnlyRegistry::closeKey(RegKey key)
{
	if (key == kCurrentUserKey)
		return kRegSuccess;
	return handles_.erase(key) ? kRegSuccess : kRegInvalidHandle;
}

std::string ReadOnlyRegistry::describeError(RegResult code)
{
	return std::string(systemErrorText(code));
}

} // namespace mirel
