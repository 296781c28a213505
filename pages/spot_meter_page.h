#pragma once

#include "pages/calculator_page.h"

namespace mirel {

// The angle covered by a spot meter given as a percentage of the frame.
class SpotPage : public CalculatorPage
{
public:
	SpotPage();
	void showInputs() override;
	void recalculate() override;

private:
	void onSpotPercentChanged(int id);
};

} // namespace mirel
