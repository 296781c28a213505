#pragma once

#include <memory>
#include <string>
#include <vector>

#include "pages/sheet.h"
#include "testing/headless_controls.h"

namespace mirel::testing {

// The seven pages on headless controls, in a sheet that shows them as the
// main window's does. Starts from the built-in settings.
class HeadlessSheet
{
public:
	HeadlessSheet();

	// Makes page index the active page.
	void show(int index)
	{
		active_ = index;
		sheet_.show(index);
	}

	Page &page(int index) { return sheet_.page(index); }
	// The controls of page index, which must have been shown.
	ui::HeadlessControls &controls(int index) { return *controls_[static_cast<std::size_t>(index)]; }
	ui::HeadlessControls &active() { return controls(active_); }

	// The user's actions on the active page.
	void type(int id, const std::string &text) { active().type(id, text); }
	void pick(int id, int index) { active().pick(id, index); }
	void click(int id) { active().click(id); }
	std::string text(int id) { return active().text(id); }

private:
	std::vector<std::unique_ptr<Page>> pages_;
	std::vector<std::unique_ptr<ui::HeadlessControls>> controls_;
	Sheet sheet_;
	int active_ = -1;
};

} // namespace mirel::testing
