// Start-up time and memory of Mirel against a bare Qt window.
//
//   startup_bench mirel   Mirel's window, started as the program starts it
//   startup_bench floor   a QTabWidget with seven empty tabs: the least any
//                         Qt Widgets program of this shape costs
//
// Prints "<mode> <milliseconds> <peak RSS in kB>": the time from the exec of
// the program to the first paint of its window, and the peak resident size
// then. The bench takes the time and execs itself, so loading the program
// and its libraries counts. Run it through scripts/bench-startup.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTabWidget>
#include <QTimer>

#include "settings/file_registry/reg_file_store.h"
#include "settings/storage/registry_storage.h"
#include "settings/storage/settings_path.h"
#include "shell/mirel_app.h"
#include "shell/mirel_dlg.h"

namespace {

long long monotonicNs()
{
	timespec now{};
	clock_gettime(CLOCK_MONOTONIC, &now);
	return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Reports the first paint of the window window() returns, then closes it,
// which ends the run the ordinary way.
class FirstPaint : public QObject
{
public:
	FirstPaint(const char *mode, long long startNs, QWidget *(*window)())
		: mode_(mode), startNs_(startNs), window_(window)
	{
	}

protected:
	bool eventFilter(QObject *watched, QEvent *event) override
	{
		if (!done_ && event->type() == QEvent::Paint && watched == window_()) {
			done_ = true;
			const double ms = static_cast<double>(monotonicNs() - startNs_) / 1e6;
			rusage usage{};
			getrusage(RUSAGE_SELF, &usage);
			std::printf("%s %.1f %ld\n", mode_, ms, usage.ru_maxrss);
			std::fflush(stdout);
			QTimer::singleShot(0, window_(), &QWidget::close);
		}
		return false;
	}

private:
	const char *mode_;
	long long startNs_;
	QWidget *(*window_)();
	bool done_ = false;
};

QWidget *mirelWindow()
{
	return mirel::MirelDlg::instance();
}

QTabWidget *floorWindow = nullptr;

QWidget *theFloorWindow()
{
	return floorWindow;
}

// As app/main.cpp starts Mirel.
int runMirel(int argc, char **argv, long long startNs)
{
	mirel::MirelApp app(argc, argv);
	FirstPaint watch("mirel", startNs, mirelWindow);
	app.installEventFilter(&watch);
	mirel::RegFileStore store(mirel::defaultSettingsPath());
	const mirel::RegistryBinding binding(mirel::settingsKey, store);
	mirel::RegistrySettingsStorage storage(mirel::settingsKey, store);
	return app.run(&storage);
}

int runFloor(int argc, char **argv, long long startNs)
{
	QApplication app(argc, argv);
	FirstPaint watch("floor", startNs, theFloorWindow);
	app.installEventFilter(&watch);
	QTabWidget tabs;
	floorWindow = &tabs;
	for (int page = 1; page <= 7; ++page)
		tabs.addTab(new QWidget, QStringLiteral("Page %1").arg(page));
	tabs.show();
	return app.exec();
}

bool knownMode(const char *mode)
{
	return std::strcmp(mode, "mirel") == 0 || std::strcmp(mode, "floor") == 0;
}

} // namespace

int main(int argc, char **argv)
{
	if (argc == 2 && knownMode(argv[1])) {
		const std::string start = std::to_string(monotonicNs());
		char *const args[] = { argv[0], argv[1], const_cast<char *>(start.c_str()), nullptr };
		execv("/proc/self/exe", args);
		std::perror("startup_bench: exec");
		return EXIT_FAILURE;
	}
	if (argc == 3 && knownMode(argv[1])) {
		const long long startNs = std::atoll(argv[2]);
		int qtArgc = 1;
		return std::strcmp(argv[1], "mirel") == 0 ? runMirel(qtArgc, argv, startNs)
							  : runFloor(qtArgc, argv, startNs);
	}
	std::fputs("usage: startup_bench mirel|floor\n", stderr);
	return EXIT_FAILURE;
}
