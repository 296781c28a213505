#include "resources/pages.h"

#include <array>

#include "resources/control_ids.h"
#include "resources/templates.h"

namespace mirel::resources {

namespace {

constexpr std::array<int, kPageCount> kHelpTopics = {
	ids::help::FNumbers,    ids::help::DepthOfField,  ids::help::Hyperfocal, ids::help::FieldOfView,
	ids::help::AngleOfView, ids::help::Magnification, ids::help::SpotMeter,
};

constexpr std::array<const ui::DialogTemplate &(*)(), kPageCount> kTemplates = {
	fNumbersTemplate,    depthOfFieldTemplate,  hyperfocalTemplate, fieldOfViewTemplate,
	angleOfViewTemplate, magnificationTemplate, spotMeterTemplate,
};

} // namespace

int pageHelpTopic(int pageIndex)
{
	return pageIndex >= 0 && pageIndex < kPageCount ? kHelpTopics[static_cast<std::size_t>(pageIndex)] : 0;
}

PageIndex pageShowing(int controlId)
{
	const int last = activePageIndex();
	if (last >= 0 && last < kPageCount && kTemplates[static_cast<std::size_t>(last)]().find(controlId))
		return static_cast<PageIndex>(last);
	return PageIndex::DepthOfField;
}

} // namespace mirel::resources
