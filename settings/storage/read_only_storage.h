#pragma once

#include <string>
#include <string_view>

#include "settings/model/lifecycle.h"

namespace mirel {

// The user's settings file used by a program other than Mirel's window,
// which may be running at the same time: the file is read once and never
// written, locked or copied aside. What could not be read is not shown in a
// box but kept as one line for the caller to print.
class ReadOnlySettingsStorage : public SettingsStorage
{
public:
	explicit ReadOnlySettingsStorage(std::string path);

	// A missing file leaves the built-in values, and is no fault. From a
	// damaged one, every value that could be read. What the windows
	// remember is of no use here and is not read.
	void readStored(CalcSettings &defaults, StartupPrefs &prefs, Remembered &) override;
	// Does nothing: this storage never writes.
	void writeStored(const CalcSettings &, const StartupPrefs &, const Remembered &) override {}

	// What went wrong in the last read, as one line naming the file; empty
	// when everything was read or there was no file.
	const std::string &warning() const { return warning_; }

private:
	void warn(std::string_view problem, std::string_view consequence);

	std::string path_;
	std::string warning_;
};

} // namespace mirel
