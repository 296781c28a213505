#include "settings/registry/registry_key.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include "core/number_text.h"
#include "settings/messages/message_box.h"

namespace mirel {

namespace {

constexpr std::size_t kMessageSize = 200; // characters, terminator included
constexpr std::size_t kPathSize = 100;
constexpr std::uint32_t kNumberSize = kNumberTextSize + 1; // with its terminator

} // namespace

RegistryKey::RegistryKey(const char *productName, const char *makerName, RegistryApi *registry)
	: productName(productName), makerName(makerName), registry_(registry)
{
}

void RegistryKey::useRegistry(RegistryApi *registry)
{
	registry_ = registry;
	currentKey = kNoKey;
}

bool RegistryKey::openProductKey(bool create)
{
	if (currentKey != kNoKey && currentKey != kCurrentUserKey && registry_)
		registry_->closeKey(currentKey);
	currentKey = kCurrentUserKey;
	char path[kPathSize];
	std::snprintf(path, sizeof path, "Software\\%s\\%s", makerName, productName);
	return openSubkey(path, create) != kNoKey;
}

RegKey RegistryKey::openSubkey(std::string_view path, bool create)
{
	RegKey opened = kNoKey;
	RegResult result = kRegInvalidHandle;
	if (registry_)
		result = create ? registry_->createKey(currentKey, path, opened)
				: registry_->openKey(currentKey, path, opened);
	if (result != kRegSuccess) {
		if (create)
			showAccessError(result, "Could not access registry");
		return kNoKey;
	}
	return std::exchange(currentKey, opened);
}

void RegistryKey::leaveSubkey(RegKey parent)
{
	if (registry_)
		registry_->closeKey(currentKey);
	currentKey = parent;
}

void RegistryKey::close()
{
	if (currentKey == kNoKey)
		return;
	if (registry_)
		registry_->closeKey(currentKey);
	currentKey = kNoKey;
}

void RegistryKey::readDword(std::string_view name, std::uint32_t &value)
{
	// A shorter value overwrites only the low bytes, as the registry call
	// would write into the integer.
	unsigned char bytes[4];
	for (std::size_t i = 0; i < 4; ++i)
		bytes[i] = static_cast<unsigned char>(value >> (8 * i));
	readBytes(name, bytes, sizeof bytes);
	value = 0;
	for (std::size_t i = 0; i < 4; ++i)
		value |= std::uint32_t{ bytes[i] } << (8 * i);
}

std::uint32_t RegistryKey::readBytes(std::string_view name, void *buffer, std::uint32_t size)
{
	const RegResult result = registry_ ? registry_->queryValue(currentKey, name, buffer, size) : kRegInvalidHandle;
	if (result != kRegSuccess)
		raiseValueError("read", name, result);
	return size;
}

void RegistryKey::readDouble(std::string_view name, double &value)
{
	char buffer[kNumberSize];
	const std::uint32_t received = readBytes(name, buffer, sizeof buffer);
	std::string_view text(buffer, std::min(received, kNumberSize - 1));
	text = text.substr(0, text.find('\0'));
	value = parseNumber(text);
}

void RegistryKey::writeDword(std::string_view name, std::uint32_t value)
{
	unsigned char bytes[4];
	for (std::size_t i = 0; i < 4; ++i)
		bytes[i] = static_cast<unsigned char>(value >> (8 * i));
	const RegResult result =
		registry_ ? registry_->setValue(currentKey, name, kRegDword, bytes, sizeof bytes) : kRegInvalidHandle;
	if (result != kRegSuccess)
		raiseValueError("write", name, result);
}

void RegistryKey::writeString(std::string_view name, std::string_view text)
{
	const std::string data = std::string(text.substr(0, text.find('\0'))) + '\0';
	const RegResult result = registry_ ? registry_->setValue(currentKey, name, kRegSz, data.data(),
								 static_cast<std::uint32_t>(data.size()))
					   : kRegInvalidHandle;
	if (result != kRegSuccess)
		raiseValueError("write", name, result);
}

void RegistryKey::writeDouble(std::string_view name, double value)
{
	writeString(name, std::string_view(formatFixed(value)).substr(0, kNumberSize - 1));
}

std::string RegistryKey::describeSystemError(RegResult code, std::optional<std::string_view> prefix, std::size_t size)
{
	std::string description = registry_ ? registry_->describeError(code) : std::string(systemErrorText(code));
	if (description.empty())
		description = "Unknown error " + std::to_string(code) + ".";
	std::string text = prefix ? std::string(*prefix) + "\r\n\r\n(" + description + ")" : description;
	text.resize(std::min(text.size(), size > 0 ? size - 1 : 0));
	return text;
}

void RegistryKey::showAccessError(RegResult code, std::string_view text)
{
	showMessageBox(productName, describeSystemError(code, text, kMessageSize));
}

std::string RegistryKey::valueErrorText(std::string_view verb, std::string_view name, RegResult code)
{
	const std::string prefix = "Could not " + std::string(verb) + " registry value " + std::string(name);
	return describeSystemError(code, prefix, kMessageSize);
}

void RegistryKey::raiseValueError(std::string_view verb, std::string_view name, RegResult code)
{
	throw std::runtime_error(valueErrorText(verb, name, code));
}

bool numberReadsBack(double value)
{
	return std::isfinite(value) && formatFixed(value).size() < kNumberSize;
}

RegistryKey settingsKey("Mirel", "Talvern");

RegistryBinding::RegistryBinding(RegistryKey &key, RegistryApi &registry) : key_(key)
{
	key_.useRegistry(&registry);
}

RegistryBinding::~RegistryBinding()
{
	key_.close();
	key_.useRegistry(nullptr);
}

namespace {

// The key held at the end of the run is closed once the program is done.
[[maybe_unused]] const int kCloseAtExit = std::atexit([] { settingsKey.close(); });

} // namespace

} // namespace mirel
