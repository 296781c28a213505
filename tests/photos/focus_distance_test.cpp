// The focus distance tags exiv2 reads but cannot write into a photo of the
// tests' own (Nikon's lens data is enciphered, Olympus's focus information
// comes back unread), decoded from tags set directly, against their makers'
// codes worked out by hand.

#include "photos/focus_distance.h"

#include <cmath>

#include <exiv2/exiv2.hpp>
#include <gtest/gtest.h>

#include "testing/photo_files.h"

namespace mirel {
namespace {

TEST(FocusDistance, TagsExiv2CannotWrite)
{
	struct Row {
		testing::PhotoTag tag;
		double millimetres;
	};
	for (const Row &row : {
		     // 0.01 m × 10^(100 / 40) = 3.16228 m.
		     Row{ { "Exif.NikonLd3.FocusDistance", "100" }, 3162.2777 },
		     Row{ { "Exif.NikonLd2.FocusDistance", "40" }, 100.0 },
		     // Millimetres in the numerator, whatever the denominator.
		     Row{ { "Exif.OlympusFi.FocusDistance", "5000/10" }, 5000.0 },
		     Row{ { "Exif.OlympusFi.FocusDistance", "4294967295/1" }, INFINITY },
	     }) {
		Exiv2::ExifData data;
		testing::setTag(data, row.tag);
		const PhotoFigure distance = focusDistance(data);
		EXPECT_EQ(distance.source, row.tag.key);
		if (std::isinf(row.millimetres))
			EXPECT_EQ(distance.value, row.millimetres) << row.tag.value;
		else
			EXPECT_NEAR(distance.value, row.millimetres, 1e-4) << row.tag.value;
	}
}

} // namespace
} // namespace mirel
