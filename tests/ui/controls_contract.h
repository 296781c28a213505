#pragma once

// The behaviour every implementation of the control interface must show.
// Each implementation's test binary instantiates ControlsContract with a
// factory for its own surface.

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace mirel::ui::testing {

// One window built from a template, with the controls a model uses and the
// actions a user takes.
class Surface
{
public:
	virtual ~Surface() = default;
	virtual Controls &controls() = 0;
	virtual UserActions &user() = 0;
};

struct SurfaceFactory {
	std::string name;
	std::function<std::unique_ptr<Surface>(const DialogTemplate &, NotificationSink &)> make;
};

// Names the parameter in test listings.
inline void PrintTo(const SurfaceFactory &factory, std::ostream *os)
{
	*os << factory.name;
}

class ControlsContract : public ::testing::TestWithParam<SurfaceFactory>
{};

std::string surfaceName(const ::testing::TestParamInfo<SurfaceFactory> &info);

} // namespace mirel::ui::testing
