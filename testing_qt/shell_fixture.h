#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>

#include "settings/model/lifecycle.h"
#include "shell/help_window.h"
#include "shell/mirel_dlg.h"
#include "shell/qt_dialog_host.h"

// The running program in tests: its main window on settings a test gives,
// its menu items and help, and the modal windows it opens, each driven from
// within its own loop.

class QAction;

namespace mirel::testing {

// Stands in for the registry: counts loads and saves; a load can put stored
// values in place.
class FakeStorage : public SettingsStorage
{
public:
	using Stored = std::function<void(CalcSettings &defaults, StartupPrefs &prefs)>;
	explicit FakeStorage(Stored stored = {}) : stored_(std::move(stored)) {}

	void readStored(CalcSettings &defaults, StartupPrefs &prefs, Remembered &) override
	{
		++reads;
		if (stored_)
			stored_(defaults, prefs);
	}
	void writeStored(const CalcSettings &, const StartupPrefs &, const Remembered &) override
	{
		++writes;
		savedUnderADialog = savedUnderADialog || QApplication::activeModalWidget();
	}

	int reads = 0;
	int writes = 0;
	bool savedUnderADialog = false; // a save while a dialog was still open

private:
	Stored stored_;
};

// The child of window named name; a missing one is a fault of the caller.
template <typename Widget = QWidget>
Widget &child(const QWidget &window, const char *name)
{
	auto *found = window.findChild<Widget *>(QString::fromLatin1(name));
	if (!found)
		throw std::logic_error(std::string("no ") + name);
	return *found;
}

// The menu item of a command.
QAction &menuAction(MirelDlg &window, int command);

// The address of the topic the help window shows.
QUrl shownTopic(const HelpWindow &help);

// A main window on the settings from storage, shown and active (it throws
// when the window does not become active). Closing it asks the
// application's loop to quit.
std::unique_ptr<MirelDlg> openWindow(FakeStorage &storage);

// Offscreen, a window asked to be active is made active a little later,
// after any asked for before: whether it became active.
bool activate(QWidget &window);

// Runs command and, from the loop of each modal window it opens in turn, the
// step of the window of that object name; a step may open the next window.
// After a few seconds whatever is open is closed, so a missing window fails
// instead of hanging. Returns the name of the first step not reached, "" if
// none.
using NamedStep = std::pair<QString, std::function<void(QWidget &)>>;
QString runModalWindows(const std::function<void()> &command, std::vector<NamedStep> steps);

// The same for dialog hosts, named by their template: returns the template of
// the first step not reached, 0 if none.
using ModalStep = std::pair<int, std::function<void(QtDialogHost &)>>;
int runModals(const std::function<void()> &command, const std::vector<ModalStep> &steps);

} // namespace mirel::testing
