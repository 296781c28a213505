#pragma once

// A QtControls window shown on screen with a user at its keyboard and mouse.

#include <memory>

#include "ui/qt_controls.h"
#include "ui/qt_user_actions.h"

#include "controls_contract.h"

namespace mirel::ui::testing {

class QtSurface : public Surface
{
public:
	QtSurface(const DialogTemplate &dialog, NotificationSink &sink) : widget_(dialog, sink), user_(widget_)
	{
		widget_.show();
	}
	Controls &controls() override { return widget_; }
	UserActions &user() override { return user_; }
	QtControls &widget() { return widget_; }

private:
	QtControls widget_;
	QtUserActions user_;
};

} // namespace mirel::ui::testing
