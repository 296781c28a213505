// How a tool window follows the settings: once a turn of the event loop,
// only for the settings it reads, and at once when it is shown after
// changes it missed.

#include <functional>

#include <QApplication>

#include <gtest/gtest.h>

#include "settings/model/records.h"
#include "settings/model/settings_change.h"
#include "ui_qt/tool_window.h"

namespace mirel {
namespace {

// A window that shows the focal length, counting how often it is refreshed.
class LensWindow : public ui::ToolWindow
{
public:
	LensWindow() : ToolWindow(nullptr) { refresh(); }

	int refreshes = 0;

private:
	void refresh() override
	{
		shown_ = currentSettings().FocalLength;
		++refreshes;
	}
	bool showsCurrentSettings() const override { return shown_ == currentSettings().FocalLength; }

	double shown_ = 0.0;
};

void change(const std::function<void(CalcSettings &)> &edit)
{
	const SettingsChange announced;
	edit(currentSettings());
}

TEST(ToolWindow, FollowsTheSettingsItReadsOnceATurn)
{
	struct Case {
		const char *what;
		bool shown;
		std::function<void()> act;
		int refreshes; // once the loop has turned
	};
	const Case cases[] = {
		{ "three changes of the lens in one turn", true,
		  [] {
			  for (const double focal : { 35.0, 85.0, 135.0 })
				  change([&](CalcSettings &s) { s.FocalLength = focal; });
		  },
		  1 },
		{ "a change of what it does not read", true,
		  [] { change([](CalcSettings &s) { s.SpotPercent += 1; }); }, 0 },
		{ "a change undone in the same turn", true,
		  [] {
			  const double focal = currentSettings().FocalLength;
			  change([](CalcSettings &s) { s.FocalLength += 10; });
			  change([&](CalcSettings &s) { s.FocalLength = focal; });
		  },
		  0 },
		{ "a change while hidden", false, [] { change([](CalcSettings &s) { s.FocalLength += 10; }); }, 0 },
	};
	for (const Case &c : cases) {
		currentSettings().FocalLength = 50.0;
		LensWindow window;
		window.setVisible(c.shown);
		window.refreshes = 0;
		c.act();
		EXPECT_EQ(window.refreshes, 0) << c.what << ": before the turn ends";
		QApplication::processEvents();
		EXPECT_EQ(window.refreshes, c.refreshes) << c.what;
	}
}

TEST(ToolWindow, CatchesUpAsItIsShownAndOnlyWhenItMissedAChange)
{
	for (const bool missed : { false, true }) {
		currentSettings().FocalLength = 50.0;
		LensWindow window;
		window.refreshes = 0;
		if (missed)
			change([](CalcSettings &s) { s.FocalLength = 85.0; });
		window.show();
		EXPECT_EQ(window.refreshes, missed ? 1 : 0) << "missed a change: " << missed;
		QApplication::processEvents();
		EXPECT_EQ(window.refreshes, missed ? 1 : 0) << "missed a change: " << missed;
	}
}

} // namespace
} // namespace mirel
