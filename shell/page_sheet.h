#pragma once

#include <memory>
#include <vector>

#include <QTabWidget>

#include "pages/sheet.h"

namespace mirel {

namespace ui {
class QtControls;
}

// The tabbed sheet of the calculator pages: a tab for each page, whose
// controls are built in the tab the first time it is shown.
class PageSheet : public QTabWidget
{
	Q_OBJECT

public:
	// Opens on startPage; pages outside the sheet's range open the first.
	PageSheet(const std::vector<std::unique_ptr<Page>> &pages, int startPage, QWidget *parent);

	// The controls of page index, or nullptr before its first display.
	ui::QtControls *controls(int index) const;

	// Makes page index the active page; when it already is, it shows the
	// settings again, as on every activation.
	void activate(int index);

	// Room for the largest page and for the whole tab row.
	QSize sizeHint() const override;

private:
	Sheet sheet_;
	QSize pageSize_; // the largest page's, at its translated texts' units
};

} // namespace mirel
