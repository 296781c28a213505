#include "testing/headless_controls.h"

#include "testing/controls_contract.h"

namespace mirel::testing {

using namespace ui;

namespace {

class HeadlessSurface : public Surface
{
public:
	HeadlessSurface(const DialogTemplate &d, NotificationSink &sink) : controls_(d, sink) {}
	Controls &controls() override { return controls_; }
	UserActions &user() override { return controls_; }

private:
	HeadlessControls controls_;
};

INSTANTIATE_TEST_SUITE_P(Headless, ControlsContract,
			 ::testing::Values([](const DialogTemplate &d,
					      NotificationSink &sink) -> std::unique_ptr<Surface> {
				 return std::make_unique<HeadlessSurface>(d, sink);
			 }));

} // namespace
} // namespace mirel::testing
