#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QMainWindow>

#include "pages/page.h"
#include "settings/model/settings_change.h"

class QLabel;

namespace mirel {

class HelpWindow;
class PageSheet;
class SettingsStorage;
struct ToolWindowRow;
namespace ui {
class ToolWindow;
}

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
	// The tool window command opens, built the first time it is asked for;
	// throws std::invalid_argument when the command opens none.
	ui::ToolWindow &toolWindow(int command);
	// The same, as the window's own class.
	template <typename Window>
	Window &toolWindow(int command)
	{
		return dynamic_cast<Window &>(toolWindow(command));
	}
	// What the status bar says: on the Depth of Field and Hyperfocal
	// Distance pages, what diffraction does at the page's aperture.
	QString statusText() const;

	// Makes page index (a PageIndex) the active page.
	void showPage(int index);
	// The help topic of the active window: a tool window's, the camera
	// chooser's, the film formats editor's, or that of the page activated
	// last.
	void contextHelp();
	// The active page's inputs and results on the clipboard, as text lines.
	void copyPageResults();
	// Ends the run as Exit does, closing any dialog or message box first.
	void requestQuit();

protected:
	void showEvent(QShowEvent *event) override;
	void closeEvent(QCloseEvent *event) override;
	// Photos dropped on the window open in the Photo window.
	void dragEnterEvent(QDragEnterEvent *event) override;
	void dropEvent(QDropEvent *event) override;

private:
	void buildMenu();
	void onCommand(int command);
	void runDialog(class DialogModel &dialog);
	// The topic with context number topic; the contents for 0.
	void showHelp(int topic);
	void editFilmFormats();
	void showDiffraction();
	// Saves the settings, once.
	void finish();

	SettingsStorage *storage_;
	std::vector<std::unique_ptr<Page>> pages_;
	PageSheet *sheet_ = nullptr;
	// A window of its own, which no dialog blocks.
	std::unique_ptr<HelpWindow> help_;
	// The tool windows built so far, with their rows.
	std::vector<std::pair<const ToolWindowRow *, ui::ToolWindow *>> toolWindows_;
	QLabel *diffraction_ = nullptr;
	std::optional<SettingsSubscription> followingDiffraction_;
	bool finished_ = false;
};

} // namespace mirel
