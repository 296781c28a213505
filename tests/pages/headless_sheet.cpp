#include "headless_sheet.h"

#include "core/stops.h"
#include "pages/all_pages.h"
#include "settings/lifecycle.h"
#include "settings/records.h"

namespace mirel::testing {

HeadlessSheet::HeadlessSheet()
{
	initStopMath();
	loadSettingsAtStartup(nullptr);
	activePageIndex() = 0;
	pages_ = createPages();
	controls_.resize(pages_.size());
}

void HeadlessSheet::show(int index)
{
	auto &controls = controls_[static_cast<std::size_t>(index)];
	Page &shown = page(index);
	if (!controls) {
		controls = std::make_unique<ui::HeadlessControls>(shown.dialogTemplate(), shown);
		shown.firstDisplay(*controls);
	}
	active_ = index;
	shown.activate(index);
}

} // namespace mirel::testing
