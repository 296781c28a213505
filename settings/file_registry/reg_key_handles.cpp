#include "settings/file_registry/reg_key_handles.h"

#include <cstring>
#include <utility>

namespace mirel {

namespace {

constexpr std::string_view kRootName = "HKEY_CURRENT_USER";

} // namespace

std::optional<std::string> RegKeyHandles::path(RegKey key) const
{
	if (key == kCurrentUserKey)
		return std::string(kRootName);
	const auto it = paths_.find(key);
	if (it == paths_.end())
		return std::nullopt;
	return it->second;
}

RegResult RegKeyHandles::resolve(RegKey parent, std::string_view path, std::string &full) const
{
	const auto base = this->path(parent);
	if (!base)
		return kRegInvalidHandle;
	full = *base;
	if (path.empty())
		return kRegSuccess;
	if (!storableName(path) || path.front() == '\\' || path.back() == '\\' ||
	    path.find("\\\\") != std::string_view::npos)
		return kRegInvalidParameter;
	full += '\\';
	full += path;
	return kRegSuccess;
}

RegKey RegKeyHandles::open(std::string full)
{
	const RegKey key = next_++;
	paths_.emplace(key, std::move(full));
	return key;
}

RegResult RegKeyHandles::openIn(const RegFile &file, RegKey parent, std::string_view path, RegKey &key)
{
	std::string full;
	if (const RegResult result = resolve(parent, path, full); result != kRegSuccess)
		return result;
	if (!keyExists(file, full))
		return kRegFileNotFound;
	key = open(std::move(full));
	return kRegSuccess;
}

RegResult RegKeyHandles::close(RegKey key)
{
	if (key == kCurrentUserKey)
		return kRegSuccess;
	return paths_.erase(key) ? kRegSuccess : kRegInvalidHandle;
}

bool keyExists(const RegFile &file, std::string_view path)
{
	return sameRegName(path, kRootName) || file.holdsKey(path);
}

bool storableName(std::string_view name)
{
	return name.find_first_of("\r\n") == std::string_view::npos;
}

RegResult queryFileValue(const RegFile &file, std::string_view keyPath, std::string_view name, void *data,
			 std::uint32_t &size)
{
	const RegValue *value = file.findValue(keyPath, name);
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

} // namespace mirel
