// The main window's status bar: what diffraction does at the aperture and
// circle of confusion of the pages, on the pages that work with both.

#include <string>

#include <QLabel>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

std::string statusBar(const MirelDlg &window)
{
	return child<QLabel>(window, "diffractionStatus").text().toStdString();
}

// The figures by hand: the Airy disk is 2.44 × 0.00055 mm × N across, and
// the sharpest depth lasts while it stays within the circle of confusion c,
// up to f/(c / 0.001342). The built-in f/1.8 on 35mm: 0.0024 mm against
// 43.267 / 1730 = 0.02501 mm, up to f/18.6; 11 × 14 in: 452.23 / 1730 =
// 0.2614 mm, up to f/194.8.
TEST(StatusBar, SaysWhatDiffractionDoesOnTheDepthOfFieldAndHyperfocalPagesOnly)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	for (int index = 0; index < kPageCount; ++index) {
		window->showPage(index);
		const bool shows = index == kDepthOfField || index == kHyperfocal;
		EXPECT_EQ(
			statusBar(*window),
			shows ? "Diffraction: f/1.8 blurs 0.002 mm, within the 0.025 mm circle of confusion; sharpest "
				"depth up to about f/18.6"
			      : "")
			<< "page " << index;
	}
	struct Step {
		int page;
		std::function<void(ui::UserActions &)> act;
		const char *shown;
	};
	const Step steps[] = {
		{ kDepthOfField, [](ui::UserActions &user) { user.pick(page::Aperture, 6); },
		  "Diffraction: f/8 blurs 0.011 mm, within the 0.025 mm circle of confusion; sharpest depth up to "
		  "about f/18.6" },
		{ kDepthOfField, [](ui::UserActions &user) { user.type(page::Aperture, "0"); }, "" },
		{ kHyperfocal, [](ui::UserActions &user) { user.type(page::Aperture, "32"); },
		  "Diffraction: f/32 blurs 0.043 mm, more than the 0.025 mm circle of confusion; sharpest depth up to "
		  "about f/18.6" },
		{ kHyperfocal, [](ui::UserActions &user) { user.pick(page::FilmFormat, 9); },
		  "Diffraction: f/32 blurs 0.043 mm, within the 0.261 mm circle of confusion; sharpest depth up to "
		  "about f/194.8" },
	};
	for (const Step &step : steps) {
		window->showPage(step.page);
		ui::QtUserActions user(*window->sheet().controls(step.page));
		step.act(user);
		EXPECT_EQ(statusBar(*window), step.shown);
	}
}

} // namespace
} // namespace mirel::testing
