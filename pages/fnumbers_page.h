#pragma once

#include "pages/page.h"

namespace mirel {

// Two apertures and the stops between them: f2 from f1 and stops, or the
// stops from f1 and f2, as the mode radios choose. The only page that keeps
// values of its own; every f-number the user enters also becomes Aperture.
class FNumPage : public Page
{
public:
	// Takes f1 and f2 from Aperture: construct after the settings are loaded.
	FNumPage();

	void showInputs() override;
	void recalculate() override;

	double f1() const { return f1_; }
	double f2() const { return f2_; }

protected:
	void prepareControls() override;

private:
	bool computesStops() const;
	void computeF2();
	void computeStops();

	void onF1Edited(int id);
	void onF1Picked(int id);
	void onF2Edited(int id);
	void onF2Picked(int id);
	void onStopsChanged(int id);
	void onModeF2Clicked(int id);
	void onModeStopsClicked(int id);

	double f1_;
	double f2_;
};

} // namespace mirel
