#include "testing/controls_contract.h"

#include <utility>
#include <vector>

#include "testing/contract_dialog.h"

namespace mirel::testing {

using namespace ui;

namespace {

struct Event {
	int id;
	Notification notification;
	std::string textSeen; // the control's text when the notification arrived
	bool operator==(const Event &) const = default;
};

// Records notifications and, when asked, writes into another control from
// within a handler, as page models do.
class Recorder : public NotificationSink
{
public:
	Controls *controls = nullptr;
	std::vector<Event> events;
	std::function<void(int, Notification)> reaction;

	void notify(int id, Notification n) override
	{
		events.push_back({ id, n, controls->text(id) });
		if (reaction)
			reaction(id, n);
	}
};

class Fixture
{
public:
	explicit Fixture(const SurfaceFactory &factory)
		: dialog_(contractDialog()), surface_(factory(dialog_, recorder))
	{
		recorder.controls = &surface_->controls();
	}
	Controls &controls() { return surface_->controls(); }
	UserActions &user() { return surface_->user(); }
	Recorder recorder;

private:
	DialogTemplate dialog_;
	std::unique_ptr<Surface> surface_;
};

TEST_P(ControlsContract, EditWritesNotifyBeforeReturningEvenWhenUnchangedAndFromAHandler)
{
	Fixture f(GetParam());
	f.recorder.reaction = [&](int id, Notification) {
		if (id == kEdit)
			f.controls().setText(kOtherEdit, "echo");
	};
	f.controls().setText(kEdit, "5.6");
	f.controls().setText(kEdit, "5.6");
	EXPECT_EQ(f.recorder.events, (std::vector<Event>{ { kEdit, Notification::Changed, "5.6" },
							  { kOtherEdit, Notification::Changed, "echo" },
							  { kEdit, Notification::Changed, "5.6" },
							  { kOtherEdit, Notification::Changed, "echo" } }));
}

TEST_P(ControlsContract, ProgramWritesToListsChecksAndCombosRaiseNothing)
{
	Fixture f(GetParam());
	ASSERT_EQ(f.controls().itemCount(kCombo), 3);
	EXPECT_EQ(f.controls().itemText(kCombo, 1), "1.4");
	EXPECT_EQ(f.controls().selection(kCombo), -1);
	f.controls().setText(kCombo, "11.313708");
	EXPECT_EQ(f.controls().text(kCombo), "11.313708");
	f.controls().setSelection(kCombo, 2);
	f.controls().addItem(kList, "APS");
	ASSERT_EQ(f.controls().itemCount(kList), 3);
	EXPECT_EQ(f.controls().itemText(kList, 2), "APS");
	f.controls().setSelection(kList, 2);
	EXPECT_EQ(f.controls().text(kList), "APS");
	f.controls().setSelection(kList, -1);
	EXPECT_EQ(f.controls().selection(kList), -1);
	f.controls().setSelection(kList, 1);
	f.controls().clearItems(kList);
	EXPECT_EQ(f.controls().itemCount(kList), 0);
	EXPECT_EQ(f.controls().selection(kList), -1);
	f.controls().addItem(kList, "APS");
	f.controls().setItemToolTip(kList, 0, "Canon EOS 7D");
	f.controls().setSelection(kList, 0);
	f.controls().setCheck(kRadioA, true);
	f.controls().setCheck(kRadioB, true);
	f.controls().setCheck(kCheck, true);
	f.controls().enable(kEdit, false);
	f.controls().setDropDownHeight(kList, 8);
	EXPECT_TRUE(f.recorder.events.empty());
	EXPECT_EQ(f.controls().text(kList), "APS");
	EXPECT_EQ(f.controls().itemToolTip(kList, 0), "Canon EOS 7D");
	EXPECT_TRUE(f.controls().isChecked(kRadioB));
	EXPECT_TRUE(f.controls().isChecked(kRadioA)) << "a program check changes one radio only";
	EXPECT_TRUE(f.controls().isChecked(kCheck));
	EXPECT_FALSE(f.controls().isEnabled(kEdit));
	f.controls().setCheck(kRadioB, false);
	EXPECT_FALSE(f.controls().isChecked(kRadioB));
}

// Typing may notify once per keystroke; the last notice carries the whole
// text.
TEST_P(ControlsContract, TypingNotifiesWithTheNewText)
{
	Fixture f(GetParam());
	f.user().type(kEdit, "50");
	ASSERT_FALSE(f.recorder.events.empty());
	EXPECT_EQ(f.recorder.events.back(), (Event{ kEdit, Notification::Changed, "50" }));
	f.user().type(kCombo, "2.8");
	EXPECT_EQ(f.recorder.events.back(), (Event{ kCombo, Notification::EditChanged, "2.8" }));
	for (const Event &e : f.recorder.events)
		EXPECT_EQ(e.notification, e.id == kEdit ? Notification::Changed : Notification::EditChanged);
}

TEST_P(ControlsContract, PickingAnItemNotifiesWithTheSelection)
{
	Fixture f(GetParam());
	int seenSelection = -2;
	f.recorder.reaction = [&](int id, Notification) { seenSelection = f.controls().selection(id); };
	f.user().pick(kCombo, 1);
	EXPECT_EQ(f.recorder.events.size(), 1u);
	EXPECT_EQ(f.recorder.events.back().notification, Notification::SelectionChanged);
	EXPECT_EQ(seenSelection, 1);
	EXPECT_EQ(f.controls().text(kCombo), "1.4");
	f.user().pick(kList, 1);
	EXPECT_EQ(f.recorder.events.back().id, kList);
	EXPECT_EQ(seenSelection, 1);
}

TEST_P(ControlsContract, ClicksCheckOneRadioOfItsGroupToggleCheckBoxesAndPressButtons)
{
	Fixture f(GetParam());
	f.controls().setCheck(kRadioA, true);
	f.controls().setCheck(kLoneRadio, true);
	f.user().click(kRadioC);
	EXPECT_FALSE(f.controls().isChecked(kRadioA));
	EXPECT_FALSE(f.controls().isChecked(kRadioB));
	EXPECT_TRUE(f.controls().isChecked(kRadioC));
	EXPECT_TRUE(f.controls().isChecked(kLoneRadio)) << "another group is left alone";
	// A radio the program checked stays checked when clicked.
	f.controls().setCheck(kRadioA, true);
	f.user().click(kRadioA);
	EXPECT_TRUE(f.controls().isChecked(kRadioA));
	EXPECT_FALSE(f.controls().isChecked(kRadioC));
	f.user().click(kCheck);
	EXPECT_TRUE(f.controls().isChecked(kCheck));
	f.user().click(kCheck);
	EXPECT_FALSE(f.controls().isChecked(kCheck));
	f.user().click(kButton);
	EXPECT_EQ(f.recorder.events, (std::vector<Event>{ { kRadioC, Notification::Clicked, "mm" },
							  { kRadioA, Notification::Clicked, "m" },
							  { kCheck, Notification::Clicked, "Check" },
							  { kCheck, Notification::Clicked, "Check" },
							  { kButton, Notification::Clicked, "Push" } }));
}

TEST_P(ControlsContract, DisabledAndReadOnlyControlsIgnoreTheUser)
{
	Fixture f(GetParam());
	f.controls().enable(kEdit, false);
	f.controls().enable(kCombo, false);
	f.controls().enable(kRadioB, false);
	f.controls().enable(kList, false);
	f.user().type(kEdit, "1");
	f.user().type(kCombo, "1");
	f.user().click(kRadioB);
	f.user().pick(kList, 1);
	f.user().type(kResult, "1");
	EXPECT_TRUE(f.recorder.events.empty());
	EXPECT_FALSE(f.controls().isChecked(kRadioB));
	EXPECT_EQ(f.controls().selection(kList), -1);
	EXPECT_EQ(f.controls().text(kResult), "");
	// The program still writes a read-only result.
	f.controls().setText(kResult, "n/a");
	EXPECT_EQ(f.controls().text(kResult), "n/a");
}

TEST_P(ControlsContract, Windows1252TextRoundTrips)
{
	Fixture f(GetParam());
	const std::string text = "39.6\xB0 6 \xD7 4.5 \x80\x8A\x9F\xE9\xFF";
	f.controls().setText(kResult, text);
	EXPECT_EQ(f.controls().text(kResult), text);
	f.controls().setText(kCombo, text);
	EXPECT_EQ(f.controls().text(kCombo), text);
	EXPECT_EQ(f.controls().itemText(kList, 1), "6 \xD7 6");
}

} // namespace
} // namespace mirel::testing
