#include "ui_qt/contrast.h"

#include <gtest/gtest.h>

// Contrast as WCAG 2 computes it, and the colour chosen to keep dimmed text
// readable.

namespace mirel::ui {
namespace {

TEST(Contrast, RatiosOfKnownPairs)
{
	struct Pair {
		QColor a, b;
		double ratio; // as published for these colours
	};
	const Pair pairs[] = {
		{ Qt::black, Qt::white, 21.0 },
		{ QColor(0x77, 0x77, 0x77), Qt::white, 4.48 },
		{ QColor(0x76, 0x76, 0x76), Qt::white, 4.54 },
		{ QColor(0xbe, 0xbe, 0xbe), QColor(0xef, 0xef, 0xef), 1.62 },
		{ QColor(0x12, 0x34, 0x56), QColor(0x12, 0x34, 0x56), 1.0 },
	};
	for (const Pair &p : pairs)
		EXPECT_NEAR(contrastRatio(p.a, p.b), p.ratio, 0.005)
			<< p.a.name().toStdString() << " on " << p.b.name().toStdString();
}

TEST(Contrast, DimmedTextIsKeptOnlyAsFarAsItStaysLegible)
{
	struct Case {
		const char *what;
		QColor dimmed, normal, background;
	};
	const Case cases[] = {
		{ "light theme, too faint", QColor(0xbe, 0xbe, 0xbe), Qt::black, QColor(0xef, 0xef, 0xef) },
		{ "dark theme, too faint", QColor(0x7f, 0x7f, 0x7f), Qt::white, QColor(0x35, 0x35, 0x35) },
		{ "legible already", QColor(0x50, 0x50, 0x50), Qt::black, Qt::white },
		{ "even normal text faint", QColor(0xd0, 0xd0, 0xd0), QColor(0xc0, 0xc0, 0xc0), Qt::white },
	};
	for (const Case &c : cases) {
		SCOPED_TRACE(c.what);
		const QColor chosen = legibleColor(c.dimmed, c.normal, c.background, kTextContrast);
		if (contrastRatio(c.normal, c.background) < kTextContrast) {
			EXPECT_EQ(chosen, c.normal);
			continue;
		}
		EXPECT_GE(contrastRatio(chosen, c.background), kTextContrast);
		if (contrastRatio(c.dimmed, c.background) >= kTextContrast)
			EXPECT_EQ(chosen, c.dimmed);
		else // still dimmed, not normal text
			EXPECT_LT(contrastRatio(chosen, c.background), contrastRatio(c.normal, c.background));
	}
}

} // namespace
} // namespace mirel::ui
