#include "ui/dialog_template.h"

namespace mirel::ui {

const ControlTemplate *DialogTemplate::find(int controlId) const
{
	if (controlId == kNoId)
		return nullptr;
	for (const ControlTemplate &control : controls) {
		if (control.id == controlId)
			return &control;
	}
	return nullptr;
}

} // namespace mirel::ui
