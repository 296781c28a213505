#include "core/validity.h"

#include <limits>

#include <gtest/gtest.h>

namespace mirel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Validity, TheFirstConditionThatFailsIsTheReason)
{
	struct Row {
		std::string_view unusable, reason;
	};
	for (const Row row : {
		     Row{ depthOfFieldUnusable(50, 50, 8, 0.03), "" },
		     Row{ depthOfFieldUnusable(0, 10, 0, 0), "focal length is not greater than 0" },
		     Row{ depthOfFieldUnusable(50, 49.9, 0, 0), "focus distance is shorter than the focal length" },
		     Row{ depthOfFieldUnusable(50, 5000, -8, 0), "aperture is not greater than 0" },
		     Row{ depthOfFieldUnusable(50, 5000, 8, 0), "circle of confusion is not greater than 0" },
		     Row{ depthOfFieldUnusable(50, kInf, 8, 0.03), "focus distance is not a finite number" },
		     Row{ depthOfFieldUnusable(50, 5000, kNaN, 0.03), "aperture is not a finite number" },
		     Row{ hyperfocalUnusable(50, 8, kInf), "circle of confusion is not a finite number" },
		     Row{ hyperfocalUnusable(50, 8, 0.03), "" },
		     Row{ fieldOfViewUnusable(kInf, 5000), "focal length is not a finite number" },
		     Row{ fieldOfViewUnusable(50, 50), "" },
		     Row{ fieldOfViewUnusable(-50, -60), "focal length is not greater than 0" },
		     Row{ angleOfViewUnusable(kNaN), "focal length is not a finite number" },
		     Row{ angleOfViewUnusable(1e-300), "" },
		     Row{ spotMeterUnusable(50, 0), "spot percentage is not greater than 0" },
		     Row{ spotMeterUnusable(50, 250), "" },
		     Row{ landscapeStackUnusable(24, 8, 0.03, 1000, kInf, 0.2), "" },
		     Row{ landscapeStackUnusable(24, 8, 0.03, 24, kInf, 0),
			  "nearest distance is not greater than the focal length" },
		     Row{ landscapeStackUnusable(24, 0, 0.03, 1000, kInf, 0), "aperture is not greater than 0" },
		     Row{ landscapeStackUnusable(24, 8, 0.03, 1000, kInf, -0.1), "overlap is less than 0" },
		     Row{ landscapeStackUnusable(24, 8, 0.03, 1000, kInf, kNaN), "overlap is not a finite number" },
		     Row{ macroStackUnusable(1, 16, 1, 0.03, 10, 0.2), "" },
		     Row{ macroStackUnusable(0, 16, 1, 0.03, 10, 0.2), "magnification is not greater than 0" },
		     Row{ macroStackUnusable(1, 16, -1, 0.03, 10, 0.2), "pupil magnification is not greater than 0" },
		     Row{ macroStackUnusable(1, 16, 1, 0.03, 0, 0.2), "subject depth is not greater than 0" },
	     }) {
		EXPECT_EQ(row.unusable, row.reason);
	}
}

} // namespace
} // namespace mirel
