#pragma once

#include <memory>
#include <vector>

#include <QTabWidget>

#include "pages/page.h"

namespace mirel {

namespace ui {
class QtControls;
}

// The tabbed sheet of the calculator pages. A page's controls are built the
// first time its tab is shown (its first display); every time a tab becomes
// current its page is activated, which redisplays currentSettings.
class PageSheet : public QTabWidget
{
	Q_OBJECT

public:
	// Opens on startPage; pages outside the sheet's range open the first.
	PageSheet(const std::vector<std::unique_ptr<Page>> &pages, int startPage, QWidget *parent);

	// The controls of page index, or nullptr before its first display.
	ui::QtControls *controls(int index) const;

private:
	void showPage(int index);

	const std::vector<std::unique_ptr<Page>> &pages_;
	std::vector<ui::QtControls *> controls_;
};

} // namespace mirel
