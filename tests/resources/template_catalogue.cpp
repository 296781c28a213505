#include "template_catalogue.h"

#include "resources/templates.h"

namespace mirel::resources::testing {

const std::vector<NamedTemplate> &calculatorPages()
{
	static const std::vector<NamedTemplate> pages = {
		{ "FNumbers", fNumbersTemplate },       { "DepthOfField", depthOfFieldTemplate },
		{ "Hyperfocal", hyperfocalTemplate },   { "FieldOfView", fieldOfViewTemplate },
		{ "AngleOfView", angleOfViewTemplate }, { "Magnification", magnificationTemplate },
		{ "SpotMeter", spotMeterTemplate },
	};
	return pages;
}

const std::vector<NamedTemplate> &settingsDialogs()
{
	static const std::vector<NamedTemplate> dialogs = {
		{ "RoundingRules", roundingRulesTemplate },
		{ "Defaults", defaultsTemplate },
		{ "StartupPrefs", startupPrefsTemplate },
	};
	return dialogs;
}

const std::vector<NamedTemplate> &allTemplates()
{
	static const std::vector<NamedTemplate> all = [] {
		std::vector<NamedTemplate> list = calculatorPages();
		list.insert(list.end(), settingsDialogs().begin(), settingsDialogs().end());
		list.insert(list.end(), { { "MainWindow", mainWindowTemplate },
					  { "About", aboutTemplate },
					  { "LightTableIntro", lightTableIntroTemplate },
					  { "LightTable", lightTableTemplate } });
		return list;
	}();
	return all;
}

void PrintTo(const NamedTemplate &t, std::ostream *os)
{
	*os << t.name;
}

std::string templateName(const ::testing::TestParamInfo<NamedTemplate> &info)
{
	return info.param.name;
}

} // namespace mirel::resources::testing
