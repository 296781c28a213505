#include "resources/menu.h"

#include "resources/control_ids.h"
#include "resources/pages.h"

namespace mirel::resources {

namespace cmd = ids::command;

const std::vector<Menu> &mainMenu()
{
	static const std::vector<Menu> menu = {
		{ .title = "&Program", .items = { { "E&xit", cmd::Exit } }, .toolWindows = ToolWindowMenu::Program },
		// In page order: the item of page i sends ShowFirstPage + i.
		{ "S&how",
		  {
			  { "f Numbers Page\tCtrl-&1", cmd::ShowFirstPage + 0 },
			  { "Depth of Field Page\tCtrl-&2", cmd::ShowFirstPage + 1 },
			  { "Hyperfocal Page\tCtrl-&3", cmd::ShowFirstPage + 2 },
			  { "Field of View Page\tCtrl-&4", cmd::ShowFirstPage + 3 },
			  { "Angle of View Page\tCtrl-&5", cmd::ShowFirstPage + 4 },
			  { "Magnification Page\tCtrl-&6", cmd::ShowFirstPage + 5 },
			  { "Spot Meter Page\tCtrl-&7", cmd::ShowFirstPage + 6 },
		  } },
		{ "&Settings",
		  {
			  { "&Rounding Rules...", cmd::RoundingRules },
			  { "&Defaults...", cmd::Defaults },
			  { "&Startup Preferences...", cmd::StartupPreferences },
			  { "&Film Formats...", cmd::FilmFormats },
		  } },
		{ .title = "&Tools",
		  .items = { { "&Copy Page Results\tCtrl+Shift+C", cmd::CopyPageResults } },
		  .toolWindows = ToolWindowMenu::Tools },
		{ "&Help",
		  {
			  { "&Contents", cmd::Contents },
			  // F1 itself acts when released, from anywhere; the item shows it.
			  { "Conte&xt\tF1", cmd::Context },
			  {},
			  { "&About...", cmd::About },
		  } },
	};
	return menu;
}

const std::vector<Accelerator> &accelerators()
{
	// Ctrl+1 to Ctrl+7 show the pages, as the Show menu does; then Copy Page
	// Results.
	static const std::vector<Accelerator> table = [] {
		std::vector<Accelerator> keys;
		for (int page = 0; page < kPageCount; ++page)
			keys.push_back({ static_cast<char>('1' + page), cmd::ShowFirstPage + page });
		keys.push_back({ 'C', cmd::CopyPageResults, true });
		return keys;
	}();
	return table;
}

} // namespace mirel::resources
