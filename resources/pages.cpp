#include "resources/pages.h"

#include <array>

#include "resources/control_ids.h"

namespace mirel::resources {

namespace {

constexpr std::array<int, kPageCount> kHelpTopics = {
	ids::help::FNumbers,    ids::help::DepthOfField,  ids::help::Hyperfocal, ids::help::FieldOfView,
	ids::help::AngleOfView, ids::help::Magnification, ids::help::SpotMeter,
};

} // namespace

int pageHelpTopic(int pageIndex)
{
	return pageIndex >= 0 && pageIndex < kPageCount ? kHelpTopics[static_cast<std::size_t>(pageIndex)] : 0;
}

} // namespace mirel::resources
