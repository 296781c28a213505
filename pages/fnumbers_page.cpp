#include "pages/fnumbers_page.h"

#include "core/calculators.h"
#include "core/number_text.h"
#include "core/stops.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/records.h"

namespace mirel {

namespace id = ids::fnumbers;
using ui::Notification;

FNumPage::FNumPage()
	: Page(resources::fNumbersTemplate(),
	       {
		       { id::F1, Notification::EditChanged, handler(&FNumPage::onF1Edited) },
		       { id::F1, Notification::SelectionChanged, handler(&FNumPage::onF1Picked) },
		       { id::F2, Notification::EditChanged, handler(&FNumPage::onF2Edited) },
		       { id::F2, Notification::SelectionChanged, handler(&FNumPage::onF2Picked) },
		       { id::Stops, Notification::Changed, handler(&FNumPage::onStopsChanged) },
		       { id::ModeF2, Notification::Clicked, handler(&FNumPage::onModeF2Clicked) },
		       { id::ModeStops, Notification::Clicked, handler(&FNumPage::onModeStopsClicked) },
	       }),
	  f1_(currentSettings().Aperture), f2_(currentSettings().Aperture)
{
}

void FNumPage::prepareControls()
{
	// Written before a mode is chosen, so the write computes nothing.
	controls().setText(id::Stops, "0");
	controls().setCheck(id::ModeF2, true);
	controls().enable(id::F2, false);
	controls().setDropDownHeight(id::F1, 4);
	controls().setDropDownHeight(id::F2, 4);
}

void FNumPage::showInputs()
{
	controls().setText(id::F1, formatTrimmed(f1_));
	recalculate();
}

void FNumPage::recalculate()
{
	if (computesStops())
		computeStops();
	else
		computeF2();
}

bool FNumPage::computesStops() const
{
	return controls().isChecked(id::ModeStops);
}

void FNumPage::computeF2()
{
	const FNumberResult result =
		fNumberResult(f1_, parseNumber(controls().text(id::Stops)), currentSettings().RoundOtherMethod);
	// The computed f2 is the page's f2 too, so that switching to the other
	// mode counts the stops to the f-number on screen.
	f2_ = result.fNumber.value;
	controls().setText(id::F2, result.fNumber.text);
}

void FNumPage::computeStops()
{
	controls().setText(id::Stops, stopsResult(f1_, f2_, currentSettings().RoundStopsMethod).stops.text);
}

void FNumPage::onF1Edited(int)
{
	f1_ = currentSettings().Aperture = parseNumber(controls().text(id::F1));
	recalculate();
}

void FNumPage::onF1Picked(int)
{
	f1_ = currentSettings().Aperture = fNumberForStop(controls().selection(id::F1));
	recalculate();
}

void FNumPage::onF2Edited(int)
{
	f2_ = currentSettings().Aperture = parseNumber(controls().text(id::F2));
	recalculate();
}

void FNumPage::onF2Picked(int)
{
	f2_ = currentSettings().Aperture = fNumberForStop(controls().selection(id::F2));
	recalculate();
}

void FNumPage::onStopsChanged(int)
{
	// The stops are an input only while f2 is computed; in the other mode
	// this is the page's own result being written.
	if (controls().isChecked(id::ModeF2))
		computeF2();
}

void FNumPage::onModeF2Clicked(int)
{
	controls().enable(id::F1, true);
	controls().enable(id::F2, false);
	controls().enable(id::Stops, true);
	controls().setCheck(id::ModeStops, false);
}

void FNumPage::onModeStopsClicked(int)
{
	controls().enable(id::F1, true);
	controls().enable(id::F2, true);
	controls().enable(id::Stops, false);
	controls().setCheck(id::ModeF2, false);
}

} // namespace mirel
