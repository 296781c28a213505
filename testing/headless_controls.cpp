#include "testing/headless_controls.h"

#include <cassert>
#include <stdexcept>

namespace mirel::ui {

HeadlessControls::HeadlessControls(const DialogTemplate &dialog, NotificationSink &sink) : sink_(sink)
{
	for (const ControlTemplate &control : dialog.controls) {
		if (control.id == kNoId)
			continue;
		State &s = states_[control.id];
		s.control = &control;
		s.items = control.items;
		if (control.kind != ControlKind::ComboBox && control.kind != ControlKind::DropDownList)
			s.text = control.text;
	}
}

HeadlessControls::State &HeadlessControls::state(int id)
{
	const auto it = states_.find(id);
	if (it == states_.end())
		throw std::out_of_range("no control with id " + std::to_string(id));
	return it->second;
}

void HeadlessControls::setText(int id, std::string_view text)
{
	State &s = state(id);
	s.text = text;
	if (s.control->kind == ControlKind::Edit)
		sink_.notify(id, Notification::Changed);
}

std::string HeadlessControls::text(int id) const
{
	const State &s = state(id);
	if (s.control->kind == ControlKind::DropDownList)
		return s.selection >= 0 ? s.items[static_cast<std::size_t>(s.selection)] : std::string();
	return s.text;
}

void HeadlessControls::clearItems(int id)
{
	State &s = state(id);
	s.items.clear();
	s.itemToolTips.clear();
	s.selection = -1;
}

std::string HeadlessControls::itemText(int id, int index) const
{
	const State &s = state(id);
	return index >= 0 && index < itemCount(id) ? s.items[static_cast<std::size_t>(index)] : std::string();
}

void HeadlessControls::setItemToolTip(int id, int index, std::string_view text)
{
	if (index >= 0 && index < itemCount(id))
		state(id).itemToolTips[index] = text;
}

std::string HeadlessControls::itemToolTip(int id, int index) const
{
	const State &s = state(id);
	const auto found = s.itemToolTips.find(index);
	return found != s.itemToolTips.end() ? found->second : std::string();
}

void HeadlessControls::setSelection(int id, int index)
{
	State &s = state(id);
	s.selection = index >= 0 && index < static_cast<int>(s.items.size()) ? index : -1;
	if (s.control->kind == ControlKind::ComboBox && s.selection >= 0)
		s.text = s.items[static_cast<std::size_t>(s.selection)];
}

void HeadlessControls::type(int id, std::string_view text)
{
	State &s = state(id);
	if (!s.enabled || (s.control->style & kReadOnly))
		return;
	switch (s.control->kind) {
	case ControlKind::Edit:
		setText(id, text);
		break;
	case ControlKind::ComboBox:
		s.text = text;
		sink_.notify(id, Notification::EditChanged);
		break;
	default:
		assert(!"typing into a control without text input");
	}
}

void HeadlessControls::pick(int id, int index)
{
	State &s = state(id);
	if (!s.enabled || index < 0 || index >= static_cast<int>(s.items.size()))
		return;
	setSelection(id, index);
	sink_.notify(id, Notification::SelectionChanged);
}

void HeadlessControls::click(int id)
{
	State &s = state(id);
	if (!s.enabled)
		return;
	switch (s.control->kind) {
	case ControlKind::RadioButton:
		for (auto &[otherId, other] : states_)
			if (other.control->kind == ControlKind::RadioButton && s.control->group != 0 &&
			    other.control->group == s.control->group)
				other.checked = false;
		s.checked = true;
		break;
	case ControlKind::CheckBox:
		s.checked = !s.checked;
		break;
	default:
		break;
	}
	sink_.notify(id, Notification::Clicked);
}

} // namespace mirel::ui
