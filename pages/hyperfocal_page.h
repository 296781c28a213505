#pragma once

#include "pages/calculator_page.h"

namespace mirel {

// The focusing distance that gives the deepest field in focus.
class HypPage : public CalculatorPage
{
public:
	HypPage();
	void showInputs() override;
	void recalculate() override;
};

} // namespace mirel
