#pragma once

#include <array>

#include "resources/templates.h"
#include "settings/model/records.h"

namespace mirel::testing {

// The seven pages by their place in the sheet, PageIndex as an int.
inline constexpr int kFNumbers = static_cast<int>(PageIndex::FNumbers);
inline constexpr int kDepthOfField = static_cast<int>(PageIndex::DepthOfField);
inline constexpr int kHyperfocal = static_cast<int>(PageIndex::Hyperfocal);
inline constexpr int kFieldOfView = static_cast<int>(PageIndex::FieldOfView);
inline constexpr int kAngleOfView = static_cast<int>(PageIndex::AngleOfView);
inline constexpr int kMagnification = static_cast<int>(PageIndex::Magnification);
inline constexpr int kSpotMeter = static_cast<int>(PageIndex::SpotMeter);

// The template of the page at pageIndex.
inline const ui::DialogTemplate &pageTemplate(int pageIndex)
{
	using namespace resources;
	static const std::array<const ui::DialogTemplate *, kPageCount> kTemplates = {
		&fNumbersTemplate(),    &depthOfFieldTemplate(),  &hyperfocalTemplate(), &fieldOfViewTemplate(),
		&angleOfViewTemplate(), &magnificationTemplate(), &spotMeterTemplate(),
	};
	return *kTemplates[static_cast<std::size_t>(pageIndex)];
}

} // namespace mirel::testing
