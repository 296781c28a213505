#include "dialogs/pick_list.h"

namespace mirel {

void showPickList(ui::Controls &controls, int id, int heightMultiple, int index)
{
	controls.setDropDownHeight(id, heightMultiple);
	const bool valid = index >= 0 && index < controls.itemCount(id);
	controls.setSelection(id, valid ? index : -1);
}

int pickedOr(const ui::Controls &controls, int id, int fallback)
{
	const int picked = controls.selection(id);
	return picked >= 0 ? picked : fallback;
}

} // namespace mirel
