// The main window's status bar: what diffraction does at the aperture and
// circle of confusion of the pages, on the pages that work with both.

#include <QLabel>

#include <gtest/gtest.h>

#include "core/diffraction.h"
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

QString statusBar(const MirelDlg &window)
{
	return child<QLabel>(window, "diffractionStatus").text();
}

// The status bar on each page, and as an aperture typed or a format chosen
// on a page changes it.
TEST(StatusBar, SaysWhatDiffractionDoesOnTheDepthOfFieldAndHyperfocalPagesOnly)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	for (int index = 0; index < kPageCount; ++index) {
		window->showPage(index);
		const bool shows = index == kDepthOfField || index == kHyperfocal;
		EXPECT_EQ(statusBar(*window).toStdString(),
			  shows ? diffractionText(currentSettings().Aperture, currentSettings().filmCoC) : "")
			<< "page " << index;
	}
	struct Step {
		int page;
		std::function<void(ui::UserActions &)> act;
		const char *shown; // a part of the text; "" for none
	};
	const Step steps[] = {
		{ kDepthOfField, [](ui::UserActions &user) { user.pick(page::Aperture, 6); },
		  "f/8 blurs 0.011 mm, within" },
		{ kDepthOfField, [](ui::UserActions &user) { user.type(page::Aperture, "0"); }, "" },
		{ kHyperfocal, [](ui::UserActions &user) { user.type(page::Aperture, "32"); },
		  "more than the 0.025 mm" },
		{ kHyperfocal, [](ui::UserActions &user) { user.pick(page::FilmFormat, 9); },
		  "f/32 blurs 0.043 mm, within the 0.261 mm" },
	};
	for (const Step &step : steps) {
		window->showPage(step.page);
		ui::QtUserActions user(*window->sheet().controls(step.page));
		step.act(user);
		const QString shown = statusBar(*window);
		EXPECT_EQ(shown.toStdString(), diffractionText(currentSettings().Aperture, currentSettings().filmCoC));
		EXPECT_EQ(*step.shown == '\0', shown.isEmpty()) << shown.toStdString();
		EXPECT_TRUE(shown.contains(QString::fromLatin1(step.shown))) << shown.toStdString();
	}
}

} // namespace
} // namespace mirel::testing
