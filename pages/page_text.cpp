#include "pages/page_text.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace mirel {

namespace {

using ui::ControlKind;
using ui::ControlTemplate;

// Controls whose tops lie this close, in dialog units, read as one row: a
// label sits a little lower than the field it names.
constexpr int kRowTolerance = 4;

std::string labelText(std::string_view text)
{
	while (!text.empty() && (text.back() == ' ' || text.back() == ':' || text.back() == '.'))
		text.remove_suffix(1);
	return std::string(text);
}

// What a control adds to the line it stands in: a field its text, a checked
// radio its own; nothing for the rest.
std::optional<std::string> valueOf(const ControlTemplate &control, const ui::Controls &controls)
{
	switch (control.kind) {
	case ControlKind::Edit:
	case ControlKind::ComboBox:
		return controls.text(control.id);
	case ControlKind::DropDownList: {
		const int selected = controls.selection(control.id);
		return selected >= 0 ? controls.itemText(control.id, selected) : std::string();
	}
	case ControlKind::RadioButton:
		return controls.isChecked(control.id) ? std::optional(control.text) : std::nullopt;
	default:
		return std::nullopt;
	}
}

struct Line {
	std::string label;
	std::vector<std::string> values;
};

void append(std::string &text, const Line &line)
{
	if (line.values.empty())
		return;
	std::string shown = line.label.empty() ? std::string() : line.label + ":";
	for (const std::string &value : line.values)
		shown += (shown.empty() ? "" : " ") + value;
	text += shown + "\n";
}

} // namespace

std::string pageText(const ui::DialogTemplate &dialog, const ui::Controls &controls)
{
	std::vector<const ControlTemplate *> order;
	for (const ControlTemplate &control : dialog.controls)
		order.push_back(&control);
	std::ranges::stable_sort(order, {}, [](const ControlTemplate *c) { return c->rect.y; });

	std::string text;
	std::string pendingLabel; // of a row that had nothing beside its label
	for (auto first = order.begin(); first != order.end();) {
		const int top = (*first)->rect.y;
		const auto end = std::find_if(first, order.end(), [top](const ControlTemplate *c) {
			return c->rect.y - top > kRowTolerance;
		});
		std::stable_sort(first, end, [](const ControlTemplate *a, const ControlTemplate *b) {
			return a->rect.x < b->rect.x;
		});
		std::optional<Line> line;
		for (auto it = first; it != end; ++it) {
			if ((*it)->kind == ControlKind::Static) {
				if (line)
					append(text, *line);
				line = Line{ labelText((*it)->text), {} };
			} else if (std::optional<std::string> value = valueOf(**it, controls)) {
				if (!line)
					line = Line{ std::exchange(pendingLabel, {}), {} };
				line->values.push_back(std::move(*value));
			}
		}
		if (line) {
			// A label with nothing beside it names what the next rows
			// show; any other row ends what the label above named.
			pendingLabel = line->values.empty() ? line->label : std::string();
			append(text, *line);
		}
		first = end;
	}
	return text;
}

} // namespace mirel
