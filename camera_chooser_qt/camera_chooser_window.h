#pragma once

#include <functional>
#include <string>

#include "ui_qt/tool_window.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace mirel {

class CameraList;
enum class PageIndex : int;

// Tools > Camera: the camera chosen fills the row of the pages' format in
// the film table (its name, frame and circle of confusion by the rule
// picked) and becomes the pages' format, so that they compute with it at
// once. Keyboard first: type, arrows, Enter; Esc closes.
class CameraChooserWindow : public ui::ToolWindow
{
	Q_OBJECT

public:
	// help shows the window's help topic; showPage makes a page the
	// active page, showing the settings afresh.
	CameraChooserWindow(std::function<void()> help, std::function<void(PageIndex)> showPage,
			    QWidget *parent = nullptr);

	CameraList &cameras() const { return *cameras_; }

	// The camera of the list's current row for the pages; the window
	// closes, and the page in front shows it (the Depth of Field page when
	// the one in front has no film format).
	void useCurrent();

protected:
	void showEvent(QShowEvent *event) override;

private:
	void refresh() override;
	bool showsCurrentSettings() const override;

	std::function<void()> help_;
	std::function<void(PageIndex)> showPage_;
	// The pages' format as the header names it, all the window reads of
	// the settings.
	std::string shownFormat_;
	QLabel *header_;
	CameraList *cameras_;
	QComboBox *rule_;
	QPushButton *use_;
};

} // namespace mirel
