#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <QObject>

#include <gtest/gtest.h>

#include "settings/lifecycle.h"
#include "shell/mirel_dlg.h"

class QAction;

namespace mirel {
class QtDialogHost;
}

namespace mirel::testing {

inline constexpr int kFNumbers = static_cast<int>(PageIndex::FNumbers);
inline constexpr int kDepthOfField = static_cast<int>(PageIndex::DepthOfField);
inline constexpr int kHyperfocal = static_cast<int>(PageIndex::Hyperfocal);
inline constexpr int kFieldOfView = static_cast<int>(PageIndex::FieldOfView);
inline constexpr int kMagnification = static_cast<int>(PageIndex::Magnification);

// Stands in for the registry: counts loads and saves, and a load can put
// stored values in place.
class FakeStorage : public SettingsStorage
{
public:
	using Stored = std::function<void(CalcSettings &defaults, StartupPrefs &prefs)>;

	explicit FakeStorage(Stored stored = {}) : stored_(std::move(stored)) {}

	void readStored(CalcSettings &defaults, StartupPrefs &prefs) override
	{
		++reads;
		if (stored_)
			stored_(defaults, prefs);
	}
	void writeStored(const CalcSettings &, const StartupPrefs &) override
	{
		++writes;
		savedUnderADialog = savedUnderADialog || QApplication::activeModalWidget();
	}

	int reads = 0;
	int writes = 0;
	// A save while a dialog or message box was still open.
	bool savedUnderADialog = false;

private:
	Stored stored_;
};

// The menu item of a command, found by its name.
QAction &menuAction(MirelDlg &window, int command);

// What control id of page index shows on screen: an edit's text, or the
// edit part or selected item of a list.
QString shownText(MirelDlg &window, int page, int id);

// Drives the modal windows a command opens, from the event loop of each in
// turn. A step waits until the window of its template is the active modal
// one, then acts on it; acting may open the next window. Gives up after a
// few seconds, closing what is still open, so a missing window fails the
// test instead of hanging it.
class ModalScript
{
public:
	using Step = std::function<void(QtDialogHost &host)>;

	ModalScript();

	ModalScript &then(int templateId, Step step);
	// Starts watching; call before running the command.
	void start();
	// The template id of the first step not reached, 0 when all were.
	int pending() const;

private:
	void tick();

	struct Entry {
		int templateId;
		Step step;
	};
	std::vector<Entry> steps_;
	std::size_t next_ = 0;
	bool gaveUp_ = false;
	// Each tick is a timer of its own: Qt does not fire a timer again while
	// its handler runs, and a step's handler runs a window's whole loop.
	QObject ticks_;
	QElapsedTimer clock_;
};

// A main window on the settings from storage, shown and active, as the
// user finds it at start. Closing it asks the application's loop to quit:
// tests that end the program do so inside MirelApp::run.
std::unique_ptr<MirelDlg> openWindow(FakeStorage &storage);

} // namespace mirel::testing
