#pragma once

#include "pages/calculator_page.h"

namespace mirel {

// Horizontal, vertical and diagonal angles of a lens on a format, at infinity.
class AoVPage : public CalculatorPage
{
public:
	AoVPage();
	void showInputs() override;
	void recalculate() override;
};

} // namespace mirel
