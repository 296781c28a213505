#pragma once

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "settings/records.h"
#include "testing/headless_sheet.h"

namespace mirel::testing {

inline constexpr int kFNumbers = static_cast<int>(PageIndex::FNumbers);
inline constexpr int kDepthOfField = static_cast<int>(PageIndex::DepthOfField);
inline constexpr int kHyperfocal = static_cast<int>(PageIndex::Hyperfocal);
inline constexpr int kFieldOfView = static_cast<int>(PageIndex::FieldOfView);
inline constexpr int kAngleOfView = static_cast<int>(PageIndex::AngleOfView);
inline constexpr int kMagnification = static_cast<int>(PageIndex::Magnification);
inline constexpr int kSpotMeter = static_cast<int>(PageIndex::SpotMeter);

// Index of an f-number in the aperture lists: "1", "1.4", "2", "2.8", ...
inline int stopIndex(const char *fNumber)
{
	static const char *const kStops[] = { "1",  "1.4", "2",  "2.8", "4",  "5.6", "8",
					      "11", "16",  "22", "32",  "45", "64" };
	for (int i = 0; i < 13; ++i) {
		if (std::string(kStops[i]) == fNumber)
			return i;
	}
	ADD_FAILURE() << fNumber << " is no whole stop";
	return 0;
}

// A fresh program state on the built-in settings, one sheet per test.
class PageTest : public ::testing::Test
{
protected:
	HeadlessSheet sheet;
	CalcSettings &settings = currentSettings();
};

} // namespace mirel::testing
