#pragma once

#include "pages/calculator_page.h"

namespace mirel {

// Near and far limits of acceptable sharpness and the depth between them.
class DoFPage : public CalculatorPage
{
public:
	DoFPage();
	void showInputs() override;
	void recalculate() override;
};

} // namespace mirel
