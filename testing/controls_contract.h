#pragma once

// The behaviour every implementation of the control interface must show.
// Each implementation's test binary instantiates ControlsContract with a
// factory for its own surface.

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace mirel::testing {

// One window built from a template, with the controls a model uses and the
// actions a user takes.
class Surface
{
public:
	virtual ~Surface() = default;
	virtual ui::Controls &controls() = 0;
	virtual ui::UserActions &user() = 0;
};

using SurfaceFactory = std::function<std::unique_ptr<Surface>(const ui::DialogTemplate &, ui::NotificationSink &)>;

class ControlsContract : public ::testing::TestWithParam<SurfaceFactory>
{};

} // namespace mirel::testing
