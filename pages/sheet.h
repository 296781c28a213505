#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "pages/page.h"

namespace mirel {

// The order in which a sheet of pages shows them, whatever draws the
// controls: the first time a page is shown its controls are made and it has
// its first display; then, and every later time it becomes the active page,
// it is activated with its position in the sheet.
class Sheet
{
public:
	// Makes the controls of the page at position index, the first time it is
	// shown. They must live as long as the sheet.
	using ControlsMaker = std::function<ui::Controls &(int index, Page &page)>;

	Sheet(const std::vector<std::unique_ptr<Page>> &pages, ControlsMaker makeControls);

	int count() const { return static_cast<int>(pages_.size()); }
	Page &page(int index) const { return *pages_[static_cast<std::size_t>(index)]; }
	// The controls of page index, or nullptr before its first display.
	ui::Controls *controls(int index) const;

	// Makes page index the active page, a change of the settings announced
	// to their subscribers; an index outside the sheet does nothing.
	void show(int index);

private:
	const std::vector<std::unique_ptr<Page>> &pages_;
	ControlsMaker makeControls_;
	std::vector<ui::Controls *> controls_;
};

} // namespace mirel
