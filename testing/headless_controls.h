#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace mirel::ui {

// The controls of a template held in memory, with the notification
// behaviour of real ones. Page and dialog models run on it in tests and
// benchmarks without a display.
class HeadlessControls : public Controls, public UserActions
{
public:
	HeadlessControls(const DialogTemplate &dialog, NotificationSink &sink);

	void setText(int id, std::string_view text) override;
	std::string text(int id) const override;
	void enable(int id, bool enabled) override { state(id).enabled = enabled; }
	bool isEnabled(int id) const override { return state(id).enabled; }
	void setCheck(int id, bool checked) override { state(id).checked = checked; }
	bool isChecked(int id) const override { return state(id).checked; }
	void addItem(int id, std::string_view text) override { state(id).items.emplace_back(text); }
	void clearItems(int id) override;
	int itemCount(int id) const override { return static_cast<int>(state(id).items.size()); }
	std::string itemText(int id, int index) const override;
	void setItemToolTip(int id, int index, std::string_view text) override;
	std::string itemToolTip(int id, int index) const override;
	void setSelection(int id, int index) override;
	int selection(int id) const override { return state(id).selection; }
	void setDropDownHeight(int id, int multiple) override { state(id).dropDownHeight = multiple; }

	void type(int id, std::string_view text) override;
	void pick(int id, int index) override;
	void click(int id) override;

	// The multiple last given to setDropDownHeight, 0 when never set.
	int dropDownHeight(int id) const { return state(id).dropDownHeight; }

private:
	struct State {
		const ControlTemplate *control;
		std::string text;
		bool enabled = true;
		bool checked = false;
		std::vector<std::string> items;
		std::map<int, std::string> itemToolTips; // by index
		int selection = -1;
		int dropDownHeight = 0;
	};

	// The state of control id; a missing id is a fault of the caller.
	State &state(int id);
	const State &state(int id) const { return const_cast<HeadlessControls *>(this)->state(id); }

	NotificationSink &sink_;
	std::map<int, State> states_;
};

} // namespace mirel::ui
