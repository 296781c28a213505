#include "pages/page.h"

#include <cassert>

#include "pages/conventions.h"
#include "settings/model/settings_change.h"

namespace mirel {

Page::Page(const ui::DialogTemplate &dialog, std::vector<Binding> bindings)
	: template_(dialog), bindings_(std::move(bindings))
{
}

void Page::firstDisplay(ui::Controls &controls)
{
	controls_ = &controls;
	prepareControls();
	showInputs();
	recalculate();
}

void Page::activate(int position)
{
	assert(controls_ && "a page is activated only after its first display");
	showInputs();
	recalculate();
	recordActivePage(position);
}

void Page::notify(int controlId, ui::Notification notification)
{
	// Notifications before the first display (the controls being built) and
	// those without a handler are ignored.
	if (!controls_)
		return;
	for (const Binding &binding : bindings_) {
		if (binding.controlId == controlId && binding.notification == notification) {
			const SettingsChange change;
			(this->*binding.handler)(controlId);
			return;
		}
	}
}

} // namespace mirel
