#include "resources/pages.h"

#include <array>

#include "resources/control_ids.h"
#include "resources/templates.h"

namespace mirel::resources {

namespace {

struct PageEntry {
	const ui::DialogTemplate &(*templateOf)();
	int helpTopic;
};

constexpr std::array<PageEntry, kCalculatorPageCount> kPages = { {
	{ fNumbersTemplate, ids::help::FNumbers },
	{ depthOfFieldTemplate, ids::help::DepthOfField },
	{ hyperfocalTemplate, ids::help::Hyperfocal },
	{ fieldOfViewTemplate, ids::help::FieldOfView },
	{ angleOfViewTemplate, ids::help::AngleOfView },
	{ magnificationTemplate, ids::help::Magnification },
	{ spotMeterTemplate, ids::help::SpotMeter },
} };

bool isPage(int pageIndex)
{
	return pageIndex >= 0 && pageIndex < kCalculatorPageCount;
}

} // namespace

const ui::DialogTemplate *pageTemplate(int pageIndex)
{
	return isPage(pageIndex) ? &kPages[static_cast<std::size_t>(pageIndex)].templateOf() : nullptr;
}

int pageHelpTopic(int pageIndex)
{
	return isPage(pageIndex) ? kPages[static_cast<std::size_t>(pageIndex)].helpTopic : 0;
}

} // namespace mirel::resources
