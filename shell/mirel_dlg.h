#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QMainWindow>

#include "pages/page.h"
#include "settings/model/settings_change.h"

class QLabel;

namespace mirel {

class DofTableWindow;
class FocusPlannerWindow;
class HelpWindow;
class PageSheet;
class SettingsStorage;

// Mirel's one window: the menu and the sheet of the seven calculator pages.
// Building it loads the settings; it saves them exactly once, when the run
// ends, whichever way it ends.
class MirelDlg : public QMainWindow
{
	Q_OBJECT

public:
	// storage may be null: the built-in settings then, and nothing saved.
	explicit MirelDlg(SettingsStorage *storage);
	~MirelDlg() override;

	// The window while one exists, for owning message boxes.
	static MirelDlg *instance();

	PageSheet &sheet() { return *sheet_; }
	HelpWindow &help();
	// The Depth of Field Table window, built the first time it is asked for.
	DofTableWindow &dofTable();
	// The Focus Planner window, built the first time it is asked for.
	FocusPlannerWindow &focusPlanner();
	// What the status bar says: on the Depth of Field and Hyperfocal
	// Distance pages, what diffraction does at the page's aperture.
	QString statusText() const;

	// Makes page index (a PageIndex) the active page.
	void showPage(int index);
	// The help topic of the active window: the table's, the planner's, the
	// film formats editor's, or that of the page activated last.
	void contextHelp();
	// The active page's inputs and results on the clipboard, as text lines.
	void copyPageResults();
	// Ends the run as Exit does, closing any dialog or message box first.
	void requestQuit();

protected:
	void showEvent(QShowEvent *event) override;
	void closeEvent(QCloseEvent *event) override;

private:
	void buildMenu();
	void onCommand(int command);
	void runDialog(class DialogModel &dialog);
	void editFilmFormats();
	void showDiffraction();
	// Saves the settings, once.
	void finish();

	SettingsStorage *storage_;
	std::vector<std::unique_ptr<Page>> pages_;
	PageSheet *sheet_ = nullptr;
	// A window of its own, which no dialog blocks.
	std::unique_ptr<HelpWindow> help_;
	DofTableWindow *dofTable_ = nullptr;
	FocusPlannerWindow *focusPlanner_ = nullptr;
	QLabel *diffraction_ = nullptr;
	std::optional<SettingsSubscription> followingDiffraction_;
	bool finished_ = false;
};

} // namespace mirel
