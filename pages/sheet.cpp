#include "pages/sheet.h"

#include <utility>

#include "settings/model/settings_change.h"

namespace mirel {

Sheet::Sheet(const std::vector<std::unique_ptr<Page>> &pages, ControlsMaker makeControls)
	: pages_(pages), makeControls_(std::move(makeControls)), controls_(pages.size(), nullptr)
{
}

ui::Controls *Sheet::controls(int index) const
{
	if (index < 0 || index >= count())
		return nullptr;
	return controls_[static_cast<std::size_t>(index)];
}

void Sheet::show(int index)
{
	if (index < 0 || index >= count())
		return;
	// Showing stores the fields as shown; FoV and AoV choose the film format
	// again.
	const SettingsChange change;
	Page &shown = page(index);
	ui::Controls *&controls = controls_[static_cast<std::size_t>(index)];
	if (!controls) {
		controls = &makeControls_(index, shown);
		shown.firstDisplay(*controls);
	}
	shown.activate(index);
}

} // namespace mirel
