#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/registry/registry_api.h"

namespace mirel {

// The program's one way into the registry: one open key at a time, with
// typed reads and writes of its values. A failed read or write throws
// std::runtime_error carrying the whole user message; the wrapper never
// catches its own exceptions. Used from the user-interface thread only.
//
// Stored forms: integers as REG_DWORD, numbers as REG_SZ in "%f" form
// (never raw doubles), names as REG_SZ.
class RegistryKey
{
public:
	// Stores the two words of the key path "Software\<maker>\<product>";
	// both must outlive the key. No registry call is made.
	RegistryKey(const char *productName, const char *makerName, RegistryApi *registry = nullptr);

	// The registry the key works on (see RegistryBinding). Without one every
	// call fails as on an invalid handle. Replacing it forgets the open key
	// without closing it.
	void useRegistry(RegistryApi *registry);
	RegistryApi *registry() const { return registry_; }
	RegKey current() const { return currentKey; }

	// Opens Software\<maker>\<product> below HKEY_CURRENT_USER, creating it
	// when create is set, and makes it current; a key held before is closed
	// first. On failure the current key is HKEY_CURRENT_USER and the result
	// false; a failed creation is also shown to the user.
	bool openProductKey(bool create);

	// Makes the subkey at path (below the current key) current and returns
	// the key that was current, which stays open for leaveSubkey. Returns
	// kNoKey and leaves the current key alone on failure; a failed creation
	// is also shown to the user.
	RegKey openSubkey(std::string_view path, bool create);

	// Closes the current key and makes parent current again.
	void leaveSubkey(RegKey parent);

	// Closes the current key, if any.
	void close();

	// Reads of the value name of the current key. On failure they throw and
	// leave the target as it was.
	// Up to 4 bytes, little-endian, over the bytes of value; the stored type
	// is not examined.
	void readDword(std::string_view name, std::uint32_t &value);
	// Up to size bytes into buffer; returns how many were received.
	std::uint32_t readBytes(std::string_view name, void *buffer, std::uint32_t size);
	// A number text of at most 29 characters, read by parseNumber.
	void readDouble(std::string_view name, double &value);

	void writeDword(std::string_view name, std::uint32_t value);
	// The text up to its end or first NUL, stored with a terminating zero.
	void writeString(std::string_view name, std::string_view text);
	// "%f" text, at most 29 characters (see numberReadsBack).
	void writeDouble(std::string_view name, double value);

	// The system's description of code, after "prefix\r\n\r\n(" and before
	// ")" when there is a prefix, cut to size - 1 characters.
	std::string describeSystemError(RegResult code, std::optional<std::string_view> prefix, std::size_t size);
	// Shows describeSystemError(code, text) in a box captioned with the
	// product word.
	void showAccessError(RegResult code, std::string_view text);
	// "Could not <verb> registry value <name>", a blank line and the
	// description in parentheses, at most 199 characters.
	std::string valueErrorText(std::string_view verb, std::string_view name, RegResult code);
	// Throws std::runtime_error(valueErrorText(verb, name, code)).
	[[noreturn]] void raiseValueError(std::string_view verb, std::string_view name, RegResult code);

private:
	RegKey currentKey = kNoKey;
	const char *productName;
	const char *makerName;
	RegistryApi *registry_;
};

// The characters of a number's text that readDouble reads and writeDouble
// writes, at most.
inline constexpr std::size_t kNumberTextSize = 29;

// Whether writeDouble stores value so that readDouble gives back its "%f"
// text: a finite number of at most 29 characters in that form.
bool numberReadsBack(double value);

// The program's one key, "Software\Talvern\Mirel"; closed at exit.
extern RegistryKey settingsKey;

// Points a key at a registry for as long as the binding lives; at its end
// the key's open key is closed and the key is left without a registry.
class RegistryBinding
{
public:
	RegistryBinding(RegistryKey &key, RegistryApi &registry);
	~RegistryBinding();

	RegistryBinding(const RegistryBinding &) = delete;
	RegistryBinding &operator=(const RegistryBinding &) = delete;

private:
	RegistryKey &key_;
};

} // namespace mirel
