#include "testing/contract_dialog.h"

#include <utility>

namespace mirel::testing {

using namespace ui;

ControlTemplate control(int id, ControlKind kind, std::string text, Rect rect, unsigned style, int group,
			std::vector<std::string> items)
{
	ControlTemplate c;
	c.id = id;
	c.kind = kind;
	c.text = std::move(text);
	c.rect = rect;
	c.style = style;
	c.group = group;
	c.items = std::move(items);
	return c;
}

DialogTemplate contractDialog()
{
	DialogTemplate d;
	d.id = 900;
	d.caption = "Contract";
	d.width = 200;
	d.height = 120;
	d.controls = {
		control(kNoId, ControlKind::Static, "Label :", { 5, 7, 40, 8 }),
		control(kEdit, ControlKind::Edit, "", { 50, 5, 40, 14 }, kBorder | kTabStop),
		control(kOtherEdit, ControlKind::Edit, "", { 95, 5, 40, 14 }, kBorder | kTabStop),
		control(kResult, ControlKind::Edit, "", { 140, 5, 50, 14 }, kBorder | kReadOnly | kTabStop),
		control(kCombo, ControlKind::ComboBox, "", { 5, 25, 60, 60 }, kTabStop, 0, { "1", "1.4", "2" }),
		control(kList, ControlKind::DropDownList, "", { 70, 25, 60, 60 }, kTabStop, 0, { "35mm", "6 \xD7 6" }),
		control(kRadioA, ControlKind::RadioButton, "m", { 5, 45, 20, 10 }, kTabStop, 1),
		control(kRadioB, ControlKind::RadioButton, "cm", { 30, 45, 20, 10 }, kNoStyle, 1),
		control(kRadioC, ControlKind::RadioButton, "mm", { 55, 45, 20, 10 }, kNoStyle, 1),
		control(kLoneRadio, ControlKind::RadioButton, "ft", { 80, 45, 20, 10 }, kNoStyle, 2),
		control(kCheck, ControlKind::CheckBox, "Check", { 5, 60, 60, 10 }, kTabStop),
		control(kButton, ControlKind::PushButton, "Push", { 5, 75, 40, 14 }, kTabStop),
	};
	return d;
}

} // namespace mirel::testing
