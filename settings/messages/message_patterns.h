#pragma once

#include <array>
#include <string_view>

// The paragraphs the settings file's error messages are made of, as
// patterns (core/sentence.h) with the paths and figures in the %n: a
// translation finds a message's paragraphs among them and translates each.

namespace mirel {

inline constexpr std::string_view kFileTooLarge =
	"The settings file %1 is larger than 1 MiB and was not read; the built-in settings are used.";
inline constexpr std::string_view kFileReadInPart =
	"The settings file %1 could not be read in full; what could be read is used.";
inline constexpr std::string_view kFileNotRead = "The settings file %1 could not be read and is left as it is.";
inline constexpr std::string_view kCopyWhenReadable =
	"When it can be read again, a copy is kept as %1 and this run's changes are saved into it.";
inline constexpr std::string_view kCopyKept = "The file as it was is kept as %1.";
inline constexpr std::string_view kCopyFailed = "It could not be copied to %1 (%2), so it will not be replaced.";
inline constexpr std::string_view kValuesNotUsed = "These values in the settings file %1 cannot be used as they are "
						   "stored, and Mirel uses others in their place: %2.";
inline constexpr std::string_view kFileNotChanged = "The settings file %1 was not changed.";
inline constexpr std::string_view kNotMerged = "This run's settings could not be merged into the settings file %1: "
					       "for %2 seconds another program kept it busy or changed it.";
inline constexpr std::string_view kNotKeptEither =
	"They could not be kept beside it as %1 either (%2), so they are lost.";
inline constexpr std::string_view kKeptBeside =
	"So that neither is lost, the settings file is left as the other saves it, and this run's settings are kept "
	"as %1. To use them instead, put that file in its place.";

inline constexpr std::array kSettingsMessagePatterns = { kFileTooLarge,     kFileReadInPart, kFileNotRead,
							 kCopyWhenReadable, kCopyKept,       kCopyFailed,
							 kValuesNotUsed,    kFileNotChanged, kNotMerged,
							 kNotKeptEither,    kKeptBeside };

} // namespace mirel
