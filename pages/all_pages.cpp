#include "pages/all_pages.h"

#include "pages/angle_of_view_page.h"
#include "pages/depth_of_field_page.h"
#include "pages/field_of_view_page.h"
#include "pages/fnumbers_page.h"
#include "pages/hyperfocal_page.h"
#include "pages/magnification_page.h"
#include "pages/spot_meter_page.h"

namespace mirel {

std::vector<std::unique_ptr<Page>> createPages()
{
	std::vector<std::unique_ptr<Page>> pages;
	pages.push_back(std::make_unique<FNumPage>());
	pages.push_back(std::make_unique<DoFPage>());
	pages.push_back(std::make_unique<HypPage>());
	pages.push_back(std::make_unique<FoVPage>());
	pages.push_back(std::make_unique<AoVPage>());
	pages.push_back(std::make_unique<MagPage>());
	pages.push_back(std::make_unique<SpotPage>());
	return pages;
}

} // namespace mirel
