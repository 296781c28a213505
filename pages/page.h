#pragma once

#include <vector>

#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace mirel {

// A calculator page: a model bound to the controls of its template. The
// sheet that holds it calls firstDisplay once, when it first shows the page,
// and activate every time the page becomes the active one; the controls
// report every notification to notify. A notification that runs a handler
// is a change of the settings, announced to their subscribers when it is
// done.
class Page : public ui::NotificationSink
{
public:
	virtual ~Page() = default;
	Page(const Page &) = delete;
	Page &operator=(const Page &) = delete;

	const ui::DialogTemplate &dialogTemplate() const { return template_; }

	// First display: prepares the controls, then shows and computes.
	void firstDisplay(ui::Controls &controls);
	// Shows currentSettings again, recomputes and records the page, at
	// position in the sheet, as the active one.
	void activate(int position);

	void notify(int controlId, ui::Notification notification) final;

	// Writes the page's inputs from currentSettings.
	virtual void showInputs() = 0;
	// Tests the inputs and writes every result.
	virtual void recalculate() = 0;

	using Handler = void (Page::*)(int controlId);
	// One row of a page's table of handlers.
	struct Binding {
		int controlId;
		ui::Notification notification;
		Handler handler;
	};

protected:
	// A handler of a derived page, as a row of the table takes it.
	template <typename P>
	static Handler handler(void (P::*function)(int))
	{
		return static_cast<Handler>(function);
	}

	Page(const ui::DialogTemplate &dialog, std::vector<Binding> bindings);

	// Runs at the first display before the first showInputs: list heights,
	// list contents, initial states.
	virtual void prepareControls() {}

	ui::Controls &controls() { return *controls_; }
	const ui::Controls &controls() const { return *controls_; }

private:
	const ui::DialogTemplate &template_;
	std::vector<Binding> bindings_;
	ui::Controls *controls_ = nullptr;
};

} // namespace mirel
