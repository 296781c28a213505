#pragma once

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "testing/headless_sheet.h"

namespace mirel::testing {

inline constexpr int kFNumbers = static_cast<int>(PageIndex::FNumbers);
inline constexpr int kDepthOfField = static_cast<int>(PageIndex::DepthOfField);
inline constexpr int kHyperfocal = static_cast<int>(PageIndex::Hyperfocal);
inline constexpr int kFieldOfView = static_cast<int>(PageIndex::FieldOfView);
inline constexpr int kAngleOfView = static_cast<int>(PageIndex::AngleOfView);
inline constexpr int kMagnification = static_cast<int>(PageIndex::Magnification);
inline constexpr int kSpotMeter = static_cast<int>(PageIndex::SpotMeter);

// A fresh program state on the built-in settings, one sheet per test.
class PageTest : public ::testing::Test
{
protected:
	HeadlessSheet sheet;
	CalcSettings &settings = currentSettings();

	// Picks fNumber from the aperture list id of the active page.
	void pickStop(int id, const std::string &fNumber)
	{
		for (int i = 0; i < sheet.active().itemCount(id); ++i) {
			if (sheet.active().itemText(id, i) == fNumber)
				return sheet.pick(id, i);
		}
		ADD_FAILURE() << fNumber << " is not in the list";
	}
};

} // namespace mirel::testing
