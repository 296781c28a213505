#pragma once

// The window the control contract runs on: one control of every kind that
// models use.

#include <string>
#include <vector>

#include "ui/dialog_template.h"

namespace mirel::testing {

enum ContractId {
	kEdit = 10,
	kOtherEdit = 11,
	kResult = 12,
	kCombo = 20,
	kList = 21,
	kRadioA = 30,
	kRadioB = 31,
	kRadioC = 32,
	kLoneRadio = 33,
	kCheck = 40,
	kButton = 50,
};

ui::DialogTemplate contractDialog();

// One control of a test template.
ui::ControlTemplate control(int id, ui::ControlKind kind, std::string text, ui::Rect rect,
			    unsigned style = ui::kNoStyle, int group = 0, std::vector<std::string> items = {});

} // namespace mirel::testing
