#pragma once

#include <string>
#include <string_view>

namespace mirel::ui {

// What a control reports to its model.
enum class Notification {
	Changed,          // an edit box's text changed, by the user or by a write
	EditChanged,      // the user typed into a combo box's edit part
	SelectionChanged, // the user picked an item of a list
	Clicked,          // the user clicked a button, radio or check box
};

// Receives the notifications of a window's controls, by control id.
class NotificationSink
{
public:
	virtual void notify(int controlId, Notification notification) = 0;

protected:
	~NotificationSink() = default;
};

// The controls of one window, by control id, as page and dialog models see
// them. Texts are Windows-1252.
//
// Which writes notify, and when, is part of the contract: models rely on it.
// - setText on an edit box raises Changed synchronously, before it returns,
//   also when the text does not change.
// - setText on a combo box writes its edit part and raises nothing; so do
//   setSelection, setCheck and every other write.
// Only the user's own actions raise EditChanged, SelectionChanged and Clicked.
class Controls
{
public:
	virtual ~Controls() = default;

	virtual void setText(int id, std::string_view text) = 0;
	virtual std::string text(int id) const = 0;

	virtual void enable(int id, bool enabled) = 0;
	virtual bool isEnabled(int id) const = 0;

	virtual void setCheck(int id, bool checked) = 0;
	virtual bool isChecked(int id) const = 0;

	// Lists of combo boxes and drop-down lists.
	virtual void addItem(int id, std::string_view text) = 0;
	// Empties the list; nothing is selected then.
	virtual void clearItems(int id) = 0;
	virtual int itemCount(int id) const = 0;
	virtual std::string itemText(int id, int index) const = 0;
	// What item index says when the pointer rests on it (a list closed on
	// the item says it too); empty for nothing.
	virtual void setItemToolTip(int id, int index, std::string_view text) = 0;
	virtual std::string itemToolTip(int id, int index) const = 0;
	// index -1 clears the selection.
	virtual void setSelection(int id, int index) = 0;
	// -1 when nothing is selected.
	virtual int selection(int id) const = 0;

	// The open list is multiple times as tall as the closed box.
	virtual void setDropDownHeight(int id, int multiple) = 0;
};

// What a user does to the controls; tests and tools drive windows through it.
class UserActions
{
public:
	virtual ~UserActions() = default;

	// Replaces the text of an edit box or combo box's edit part, as typing does.
	virtual void type(int id, std::string_view text) = 0;
	// Picks item index of a list; a combo box's edit part then shows the item.
	virtual void pick(int id, int index) = 0;
	// Clicks a button, radio or check box. A radio becomes the only checked
	// radio of its group; a check box toggles.
	virtual void click(int id) = 0;
};

} // namespace mirel::ui
