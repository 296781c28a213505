#pragma once

#include <string>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "testing/headless_sheet.h"
#include "testing/pages_by_index.h"

namespace mirel::testing {

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
