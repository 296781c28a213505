#pragma once

// The window the control contract runs on: one control of every kind that
// models use. Tools render it too.

#include "ui/dialog_template.h"

namespace mirel::ui::testing {

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

DialogTemplate contractDialog();

} // namespace mirel::ui::testing
