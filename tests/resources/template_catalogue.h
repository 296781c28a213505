#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/dialog_template.h"

namespace mirel::resources::testing {

// One window's template, named for test output.
struct NamedTemplate {
	std::string name;
	const ui::DialogTemplate &(*get)();
};

const std::vector<NamedTemplate> &calculatorPages();
const std::vector<NamedTemplate> &settingsDialogs();
// Pages, settings dialogs, main window and the About family.
const std::vector<NamedTemplate> &allTemplates();

void PrintTo(const NamedTemplate &t, std::ostream *os);
std::string templateName(const ::testing::TestParamInfo<NamedTemplate> &info);

} // namespace mirel::resources::testing
