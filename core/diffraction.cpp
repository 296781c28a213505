#include "core/diffraction.h"

#include <cmath>

#include "core/aperture_series.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "core/validity.h"

namespace mirel {

bool diffractionExceeds(double N, double c)
{
	return airyDiskDiameter(N) > c;
}

std::string diffractionText(double N, double c)
{
	return diffractionSentence(N, c).text();
}

Sentence diffractionSentence(double N, double c)
{
	const double blur = airyDiskDiameter(N), limit = diffractionLimitedAperture(c);
	if (!diffractionUnusable(N, c).empty() || !std::isfinite(blur) || !std::isfinite(limit))
		return {};
	const bool exceeds = diffractionExceeds(N, c);
	// Thousandths of a millimetre, or as many more decimals as it takes for
	// a blur that differs from the circle not to read the same.
	int decimals = 3;
	while (decimals < 6 && blur != c && formatFixed(blur, decimals) == formatFixed(c, decimals))
		++decimals;
	return { exceeds ? kDiffractionExceedsPattern : kDiffractionWithinPattern,
		 { apertureText(N), formatFixed(blur, decimals), formatFixed(c, decimals), formatFixed(limit, 1) } };
}

} // namespace mirel
