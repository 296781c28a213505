#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mirel {

// The registry operations RegistryKey needs, with the result codes and data
// forms of the Windows registry calls they stand for, so that the key wrapper
// behaves the same whatever store lies behind it.

// Handle of an open key. kNoKey is the null handle; kCurrentUserKey is the
// predefined root of the user's settings, always open and never closed.
using RegKey = std::uintptr_t;
inline constexpr RegKey kNoKey = 0;
inline constexpr RegKey kCurrentUserKey = 0x80000001;

// Windows system error code; 0 is success.
using RegResult = std::int32_t;
inline constexpr RegResult kRegSuccess = 0;
inline constexpr RegResult kRegFileNotFound = 2;
inline constexpr RegResult kRegPathNotFound = 3;
inline constexpr RegResult kRegAccessDenied = 5;
inline constexpr RegResult kRegInvalidHandle = 6;
inline constexpr RegResult kRegNotEnoughMemory = 8;
inline constexpr RegResult kRegSharingViolation = 32;
inline constexpr RegResult kRegInvalidParameter = 87;
inline constexpr RegResult kRegDiskFull = 112;
inline constexpr RegResult kRegMoreData = 234;
inline constexpr RegResult kRegCorrupt = 1009;
inline constexpr RegResult kRegIoError = 1117;

// Value types; the numbers are those of the registry and of "hex(n):" in a
// REGEDIT4 file.
using RegType = std::uint32_t;
inline constexpr RegType kRegNone = 0;
inline constexpr RegType kRegSz = 1;
inline constexpr RegType kRegExpandSz = 2;
inline constexpr RegType kRegBinary = 3;
inline constexpr RegType kRegDword = 4;

class RegistryApi
{
public:
	virtual ~RegistryApi() = default;

	// RegOpenKeyA: opens the existing key at path (components separated by
	// '\') below parent. An absent key fails with kRegFileNotFound.
	virtual RegResult openKey(RegKey parent, std::string_view path, RegKey &key) = 0;

	// RegCreateKeyA: opens the key at path below parent, creating it and any
	// missing keys on the way.
	virtual RegResult createKey(RegKey parent, std::string_view path, RegKey &key) = 0;

	// RegQueryValueExA without asking the type: copies the value's data into
	// data and sets size to its length. An absent value fails with
	// kRegFileNotFound; data longer than size bytes fails with kRegMoreData,
	// sets size to the length needed and leaves data untouched. The stored
	// type is not examined.
	virtual RegResult queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size) = 0;

	// RegSetValueExA: creates or replaces the value. A REG_SZ value's data
	// carries its terminating zero; a REG_DWORD is 4 bytes, little-endian.
	virtual RegResult setValue(RegKey key, std::string_view name, RegType type, const void *data,
				   std::uint32_t size) = 0;

	// RegCloseKey. Closing a predefined key does nothing and succeeds.
	virtual RegResult closeKey(RegKey key) = 0;

	// FormatMessageA: the system's description of code; empty when the system
	// has none.
	virtual std::string describeError(RegResult code) = 0;
};

// The Windows system text for code ("Access is denied." for 5); empty for a
// code it does not know.
std::string_view systemErrorText(RegResult code);

} // namespace mirel
