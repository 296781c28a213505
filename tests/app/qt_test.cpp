// The program's command line and identity against the Qt it runs on.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "desktop/identity.h"
#include "shell/mirel_app.h"
#include "shell/shell_resources.h"

namespace mirel {
namespace {

// Constructs a QApplication on the words, as the program does, and returns
// the words Qt left in argv.
std::vector<std::string> leftByQt(const std::vector<std::string> &words)
{
	std::vector<std::string> storage = words;
	storage.insert(storage.begin(), "mirel");
	std::vector<char *> argv;
	for (std::string &word : storage)
		argv.push_back(word.data());
	argv.push_back(nullptr);
	int argc = static_cast<int>(storage.size());
	// Options such as -plugin and -testability complain about what they
	// cannot load; only what Qt takes out of argv matters here, unless Qt
	// gives up altogether.
	const QtMessageHandler previous =
		qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
			if (type == QtFatalMsg)
				std::fprintf(stderr, "%s\n", qPrintable(message));
		});
	{
		QApplication app(argc, argv.data());
	}
	qInstallMessageHandler(previous);
	return { argv.begin() + 1, argv.begin() + argc };
}

CommandLine::Action mirelsAnswer(const std::vector<std::string> &words)
{
	std::vector<const char *> argv{ "mirel" };
	for (const std::string &word : words)
		argv.push_back(word.c_str());
	return parseCommandLine(static_cast<int>(argv.size()), argv.data()).action;
}

// Mirel decides on its command line before Qt starts: the options it passes
// over must be the ones Qt takes, and the ones it refuses ones Qt leaves.
TEST(QtOptions, MirelPassesOverExactlyWhatQtTakes)
{
	const bool x11 = qgetenv("QT_QPA_PLATFORM") == "xcb";
	const std::string platform = x11 ? "xcb" : "offscreen";
	const std::string display = qEnvironmentVariable("DISPLAY").toStdString();
	const auto check = [](const std::string &line, bool qtOption) {
		SCOPED_TRACE(line);
		std::istringstream split(line);
		const std::vector<std::string> words{ std::istream_iterator<std::string>(split), {} };
		EXPECT_EQ(mirelsAnswer(words), qtOption ? CommandLine::Action::Run : CommandLine::Action::Refuse);
		EXPECT_EQ(leftByQt(words), qtOption ? std::vector<std::string>{} : words);
	};
	// Each case as its words separated by blanks.
	for (const std::string option : { "-platform", "--platform" })
		check(option + " " + platform, true);
	for (const char *words :
	     { "-platformpluginpath /nonexistent", "-platformtheme none", "-plugin none", "-qwindowgeometry 400x300",
	       "-qwindowicon mirel", "-qwindowtitle Mirel", "-reverse", "--reverse", "-session 1234_5678",
	       "-testability", "-style Fusion", "-style=Fusion", "--style=Fusion", "-stylesheet /nonexistent.qss",
	       "-stylesheet=/nonexistent.qss", "-widgetcount", "-qmljsdebugger=port:1234" })
		check(words, true);
	if (x11) {
		for (const std::string option : { "-display", "--display" })
			check(option + " " + display, true);
		for (const char *words : { "-geometry 400x300", "-title Mirel", "-icon mirel", "-name mirel",
					   "-visual 24", "-nograb", "-dograb" })
			check(words, true);
	}
	// Refused by Mirel, and left alone by Qt.
	for (const char *words : { "-platform=offscreen", "---style=Fusion", "-sync", "-fn Sans", "--bogus" })
		check(words, false);
}

TEST(Identity, TheApplicationNamesItsDesktopEntryAndItsWindowsGetTheWholeIcon)
{
	int argc = 1;
	char name[] = "mirel";
	char *argv[] = { name, nullptr };
	MirelApp app(argc, argv);
	EXPECT_EQ(QGuiApplication::desktopFileName(), QLatin1String(identity::kApplicationId));
	EXPECT_EQ(QCoreApplication::applicationVersion(), QLatin1String(identity::kVersion));

	const auto sizesOf = [](const QIcon &icon) {
		std::vector<int> sizes;
		for (const QSize &size : icon.availableSizes()) {
			EXPECT_EQ(size.width(), size.height());
			EXPECT_EQ(icon.pixmap(size).size(), size);
			sizes.push_back(size.width());
		}
		std::sort(sizes.begin(), sizes.end());
		return sizes;
	};
	const std::vector<int> every(std::begin(identity::kIconSizes), std::end(identity::kIconSizes));
	EXPECT_EQ(sizesOf(mirelIcon()), every);

	// Title-bar sizes at once; the whole icon once the window has painted.
	QWidget window;
	setApplicationIcon(&window);
	const std::vector<int> atStart = sizesOf(QApplication::windowIcon());
	EXPECT_TRUE(std::includes(every.begin(), every.end(), atStart.begin(), atStart.end()));
	EXPECT_TRUE(std::find(atStart.begin(), atStart.end(), 32) != atStart.end());
	// Built in as raw pixels, the size at start is the picture rendered.
	const QImage shown = QApplication::windowIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
	const QImage rendered = mirelIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
	ASSERT_EQ(shown.size(), rendered.size());
	int largestDifference = 0;
	for (int y = 0; y < shown.height(); ++y) {
		for (int x = 0; x < shown.width(); ++x) {
			const QRgb a = shown.pixel(x, y), b = rendered.pixel(x, y);
			for (const int shift : { 0, 8, 16, 24 })
				largestDifference = std::max(largestDifference, std::abs(int((a >> shift) & 0xff) -
											 int((b >> shift) & 0xff)));
		}
	}
	EXPECT_LE(largestDifference, 2) << "the PNG keeps colours unpremultiplied, rounded";
	window.show();
	EXPECT_TRUE(QTest::qWaitFor([&] { return sizesOf(QApplication::windowIcon()) == every; }));
}

} // namespace
} // namespace mirel
