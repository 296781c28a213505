#include "shell/page_sheet.h"

#include <algorithm>

#include "ui/cp1252.h"
#include "ui/dialog_units.h"
#include "ui/qt_controls.h"

namespace mirel {

PageSheet::PageSheet(const std::vector<std::unique_ptr<Page>> &pages, int startPage, QWidget *parent)
	: QTabWidget(parent), pages_(pages), controls_(pages.size(), nullptr)
{
	setObjectName(QStringLiteral("sheet"));
	setUsesScrollButtons(false); // every tab in sight: the window grows to them
	QSize largest;
	for (const auto &page : pages_) {
		const ui::DialogTemplate &dialog = page->dialogTemplate();
		const auto units = ui::DialogUnits::fitting(dialog, ui::DialogUnits::dialogFont(dialog.fontPoints));
		largest = largest.expandedTo(units.toPixels(dialog.width, dialog.height));
	}
	{
		// Adding the first tab makes it current; only the start page is
		// shown, so nothing is activated until every tab is there.
		const QSignalBlocker blocker(this);
		for (const auto &page : pages_) {
			auto *tab = new QWidget;
			tab->setMinimumSize(largest);
			addTab(tab, ui::fromCp1252(page->dialogTemplate().caption));
		}
		const int count = static_cast<int>(pages_.size());
		setCurrentIndex(startPage >= 0 && startPage < count ? startPage : 0);
	}
	connect(this, &QTabWidget::currentChanged, this, &PageSheet::showPage);
	showPage(currentIndex());
}

ui::QtControls *PageSheet::controls(int index) const
{
	if (index < 0 || index >= static_cast<int>(controls_.size()))
		return nullptr;
	return controls_[static_cast<std::size_t>(index)];
}

void PageSheet::showPage(int index)
{
	if (index < 0 || index >= static_cast<int>(pages_.size()))
		return;
	Page &page = *pages_[static_cast<std::size_t>(index)];
	ui::QtControls *&controls = controls_[static_cast<std::size_t>(index)];
	if (!controls) {
		controls = new ui::QtControls(page.dialogTemplate(), page, widget(index));
		controls->show();
		page.firstDisplay(*controls);
	}
	page.activate(index);
}

} // namespace mirel
