#pragma once

#include "pages/calculator_page.h"

namespace mirel {

// The subject area the frame covers at a distance.
class FoVPage : public CalculatorPage
{
public:
	FoVPage();
	void showInputs() override;
	void recalculate() override;
};

} // namespace mirel
