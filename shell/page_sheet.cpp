#include "shell/page_sheet.h"

#include <algorithm>

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "ui/text_contexts.h"
#include "ui_qt/dialog_units.h"
#include "ui_qt/qt_controls.h"
#include "ui_qt/translation.h"

namespace mirel {

PageSheet::PageSheet(const std::vector<std::unique_ptr<Page>> &pages, int startPage, QWidget *parent)
	: QTabWidget(parent), sheet_(pages, [this](int index, Page &page) -> ui::Controls & {
		  auto *controls = new ui::QtControls(page.dialogTemplate(), page, widget(index));
		  controls->show();
		  return *controls;
	  })
{
	setObjectName(QStringLiteral("sheet"));
	setUsesScrollButtons(false); // every tab in sight: the window grows to them
	for (const auto &page : pages) {
		const ui::DialogTemplate &dialog = page->dialogTemplate();
		const auto units = ui::DialogUnits::fitting(dialog, ui::DialogUnits::dialogFont(dialog.fontPoints));
		pageSize_ = pageSize_.expandedTo(units.toPixels(dialog.width, dialog.height));
	}
	{
		// Adding the first tab makes it current; only the start page is
		// shown, so nothing is activated until every tab is there.
		const QSignalBlocker blocker(this);
		for (const auto &page : pages) {
			auto *tab = new QWidget;
			tab->setMinimumSize(pageSize_);
			const ui::DialogTemplate &dialog = page->dialogTemplate();
			addTab(tab, ui::translated(ui::templateContext(dialog), dialog.caption));
		}
		setCurrentIndex(startPage >= 0 && startPage < sheet_.count() ? startPage : 0);
	}
	connect(this, &QTabWidget::currentChanged, this, [this](int index) {
		sheet_.show(index);
		// Ctrl+1..7 or the Show menu: typing goes on in the new page.
		// Arrowing along the tabs keeps the keyboard on them.
		if (!tabBar()->hasFocus())
			controls(index)->focusFirstInput();
	});
	sheet_.show(currentIndex());
	// The user can type at once.
	controls(currentIndex())->focusFirstInput();
}

QSize PageSheet::sizeHint() const
{
	// QTabWidget's own hint misses both: it takes its pages' size hints,
	// which a page placed without a layout has none of, and cuts the tab
	// row down to the screen's width.
	const QSize tabs = tabBar()->sizeHint();
	QStyleOptionTabWidgetFrame option;
	initStyleOption(&option);
	const QSize contents(std::max(pageSize_.width(), tabs.width()), pageSize_.height() + tabs.height());
	return style()->sizeFromContents(QStyle::CT_TabWidget, &option, contents, this);
}

void PageSheet::activate(int index)
{
	if (index == currentIndex())
		sheet_.show(index);
	else
		setCurrentIndex(index);
}

ui::QtControls *PageSheet::controls(int index) const
{
	// Every page's controls are made above, as QtControls.
	return static_cast<ui::QtControls *>(sheet_.controls(index));
}

} // namespace mirel
