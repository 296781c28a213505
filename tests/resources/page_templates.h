#pragma once

#include <array>

#include "resources/templates.h"
#include "settings/model/records.h"

namespace mirel::testing {

// The seven page templates in PageIndex order.
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
