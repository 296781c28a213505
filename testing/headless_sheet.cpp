#include "testing/headless_sheet.h"

#include "core/stops.h"
#include "pages/all_pages.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"

namespace mirel::testing {

namespace {

// The pages are built on the settings as the program starts them.
std::vector<std::unique_ptr<Page>> startPages()
{
	initStopMath();
	loadSettingsAtStartup(nullptr);
	activePageIndex() = 0;
	return createPages();
}

} // namespace

HeadlessSheet::HeadlessSheet()
	: pages_(startPages()), controls_(pages_.size()),
	  sheet_(pages_, [this](int index, Page &page) -> ui::Controls & {
		  auto &controls = controls_[static_cast<std::size_t>(index)];
		  controls = std::make_unique<ui::HeadlessControls>(page.dialogTemplate(), page);
		  return *controls;
	  })
{
}

} // namespace mirel::testing
