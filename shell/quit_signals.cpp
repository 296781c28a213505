#include "shell/quit_signals.h"

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace mirel {

namespace {

// Written by the signal handler, read on the event loop.
int signalPipe[2] = { -1, -1 };

void onSignal(int)
{
	const char byte = 1;
	// Nothing to do if the pipe is full: a quit is already on its way.
	[[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

constexpr int kQuitSignals[] = { SIGTERM, SIGINT, SIGHUP };

} // namespace

QuitSignals::QuitSignals(QObject *parent) : QObject(parent)
{
	if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
		return;
	notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
	connect(notifier_, &QSocketNotifier::activated, this, [this] {
		char buffer[16];
		while (::read(signalPipe[1], buffer, sizeof buffer) > 0) {
		}
		emit quitRequested();
	});

	struct sigaction action = {};
	action.sa_handler = onSignal;
	sigemptyset(&action.sa_mask);
	action.sa_flags = SA_RESTART;
	for (const int signal : kQuitSignals)
		::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals()
{
	struct sigaction action = {};
	action.sa_handler = SIG_DFL;
	for (const int signal : kQuitSignals)
		::sigaction(signal, &action, nullptr);
	delete notifier_;
	for (int &fd : signalPipe) {
		if (fd >= 0)
			::close(fd);
		fd = -1;
	}
}

} // namespace mirel
