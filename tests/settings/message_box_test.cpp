#include "settings/message_box.h"

#include <string>

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(MessageBox, GoesToTheInstalledHandlerElseToStderr)
{
	std::string shown;
	MessageBoxHandler previous = setMessageBoxHandler(
		[&](std::string_view caption, std::string_view text) { shown = std::string(caption) + "|" + std::string(text); });
	showMessageBox("Mirel Error", "Could not read\r\n\r\n(x)");
	EXPECT_EQ(shown, "Mirel Error|Could not read\r\n\r\n(x)");

	EXPECT_TRUE(setMessageBoxHandler({}));
	testing::internal::CaptureStderr();
	showMessageBox("Mirel", "text");
	EXPECT_EQ(testing::internal::GetCapturedStderr(), "Mirel: text\n");
	setMessageBoxHandler(std::move(previous));
}

} // namespace
} // namespace mirel
