// Runs the shell's tests inside Mirel's own application object on the
// offscreen platform, so they need no display.

#include <gtest/gtest.h>

#include "shell/mirel_app.h"

namespace {

// The offscreen platform says at every window that it cannot raise it or
// grab the keyboard; the tests do not need it to.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
	if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
		return;
	qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
	qInstallMessageHandler(quietPlatform);
	if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
		qputenv("QT_QPA_PLATFORM", "offscreen");
	// English, whatever the desktop's language: the tests that check a
	// translation load it themselves.
	qputenv("LANGUAGE", "en");
	::testing::InitGoogleTest(&argc, argv);
	mirel::MirelApp app(argc, argv);
	return RUN_ALL_TESTS();
}
