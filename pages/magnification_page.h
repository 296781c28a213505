#pragma once

#include "pages/calculator_page.h"

namespace mirel {

// The magnification of a subject at a distance from the lens.
class MagPage : public CalculatorPage
{
public:
	MagPage();
	void showInputs() override;
	void recalculate() override;
};

} // namespace mirel
