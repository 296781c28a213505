#include "testing_qt/layout_check.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <iterator>

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTableView>

#include "ui_qt/dialog_units.h"
#include "ui_qt/mnemonics.h"
#include "ui_qt/qt_controls.h"

namespace mirel::ui {
namespace {

bool hasKind(const QWidget *w, ControlKind kind)
{
	switch (kind) {
	case ControlKind::Static:
	case ControlKind::Icon:
		return qobject_cast<const QLabel *>(w);
	case ControlKind::Edit:
		return qobject_cast<const QLineEdit *>(w);
	case ControlKind::ComboBox:
	case ControlKind::DropDownList: {
		const auto *combo = qobject_cast<const QComboBox *>(w);
		return combo && combo->isEditable() == (kind == ControlKind::ComboBox);
	}
	case ControlKind::RadioButton:
		return qobject_cast<const QRadioButton *>(w);
	case ControlKind::CheckBox:
		return qobject_cast<const QCheckBox *>(w);
	case ControlKind::PushButton:
		return qobject_cast<const QPushButton *>(w);
	case ControlKind::Frame:
		return qobject_cast<const QFrame *>(w) && !qobject_cast<const QLabel *>(w);
	}
	return false;
}

// A control by its id, or by its text where it has none.
std::string describe(const ControlTemplate &c)
{
	return c.id != kNoId ? "control " + std::to_string(c.id) : '"' + c.text + '"';
}

// The room a button leaves for its text, and the text as drawn.
int buttonTextRoom(const QAbstractButton &button)
{
	QStyleOptionButton option;
	option.initFrom(&button);
	const QStyle *style = button.style();
	if (qobject_cast<const QRadioButton *>(&button))
		return style->subElementRect(QStyle::SE_RadioButtonContents, &option, &button).width();
	if (qobject_cast<const QCheckBox *>(&button))
		return style->subElementRect(QStyle::SE_CheckBoxContents, &option, &button).width();
	const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
	return button.width() - 2 * frame;
}

// The room a line edit leaves for its text: inside its frame and margins,
// less the two pixels Qt keeps clear on either side of the text.
int lineEditTextRoom(const QLineEdit &edit)
{
	QStyleOptionFrame option;
	option.initFrom(&edit);
	option.lineWidth =
		edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
	const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
	return contents.marginsRemoved(edit.textMargins()).width() - 2 * 2;
}

int comboTextRoom(const QComboBox &combo)
{
	QStyleOptionComboBox option;
	option.initFrom(&combo);
	option.editable = false;
	option.frame = combo.hasFrame();
	return combo.style()
		->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
		.width();
}

// Why the text of w does not fit, or "" when it does.
std::string clipping(const QWidget &w)
{
	const QFontMetrics metrics(w.font());
	if (const auto *label = qobject_cast<const QLabel *>(&w)) {
		// A label draws its mnemonic only when it has a buddy.
		const QString text = label->buddy() ? withoutMnemonics(label->text()) : label->text();
		if (text.isEmpty())
			return {};
		const QRect room = label->contentsRect();
		const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
		const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX / 2), flags, text);
		if (needed.width() > room.width())
			return "text needs " + std::to_string(needed.width()) + " px, has " +
			       std::to_string(room.width());
		if (needed.height() > room.height()) {
			const int line = std::max(1, metrics.lineSpacing());
			return "text needs " + std::to_string((needed.height() + line - 1) / line) +
			       " lines, has room for " + std::to_string(room.height() / line);
		}
		return {};
	}
	const auto tooWide = [&](const QString &text, int room) -> std::string {
		const int width = metrics.horizontalAdvance(text);
		if (text.isEmpty() || width <= room)
			return {};
		return "text needs " + std::to_string(width) + " px, has " + std::to_string(room);
	};
	if (const auto *button = qobject_cast<const QAbstractButton *>(&w))
		return tooWide(withoutMnemonics(button->text()), buttonTextRoom(*button));
	if (const auto *edit = qobject_cast<const QLineEdit *>(&w))
		return tooWide(edit->text(), lineEditTextRoom(*edit));
	if (const auto *combo = qobject_cast<const QComboBox *>(&w); combo && !combo->isEditable())
		return tooWide(combo->currentText(), comboTextRoom(*combo));
	return {};
}

// The part of w its parents show, in w's coordinates: each widget is cut
// off where its parent ends, up to the window.
QRect shownPart(const QWidget &w, QRect area)
{
	for (const QWidget *up = &w; !up->isWindow() && up->parentWidget();) {
		up = up->parentWidget();
		area &= QRect(w.mapFrom(up, QPoint(0, 0)), up->size());
	}
	return area;
}

struct Placed {
	const ControlTemplate *control;
	const QWidget *widget;
	QRect geometry; // in the surface's coordinates
};

// The widget of each control of dialog, or nullptr where none is found.
std::vector<Placed> findWidgets(const QWidget &surface, const DialogTemplate &dialog)
{
	const QList<QWidget *> unnamed =
		surface.findChildren<QWidget *>(QString::number(kNoId), Qt::FindDirectChildrenOnly);
	qsizetype nextUnnamed = 0;
	std::vector<Placed> placed;
	for (const ControlTemplate &c : dialog.controls) {
		const QWidget *w = nullptr;
		if (c.id != kNoId)
			w = surface.findChild<QWidget *>(QString::number(c.id));
		else if (nextUnnamed < unnamed.size())
			w = unnamed[nextUnnamed++];
		placed.push_back({ &c, w, w ? QRect(w->mapTo(&surface, QPoint(0, 0)), w->size()) : QRect() });
	}
	return placed;
}

// How a window's problems name a widget: its object name, else its class
// and text.
std::string nameOf(const QWidget &w)
{
	if (!w.objectName().isEmpty())
		return w.objectName().toStdString();
	QString text;
	if (const auto *label = qobject_cast<const QLabel *>(&w))
		text = label->text();
	else if (const auto *button = qobject_cast<const QAbstractButton *>(&w))
		text = button->text();
	return std::string(w.metaObject()->className()) + " \"" + text.left(40).toStdString() + '"';
}

// The cells and header sections of a table whose text does not fit.
void addClippedCells(const QTableView &view, std::vector<std::string> &problems)
{
	const QAbstractItemModel *model = view.model();
	if (!model)
		return;
	const std::string name = nameOf(view);
	for (const QHeaderView *header : { view.horizontalHeader(), view.verticalHeader() }) {
		const bool columns = header->orientation() == Qt::Horizontal;
		for (int section = 0; section < header->count(); ++section) {
			if (header->sectionSizeHint(section) > header->sectionSize(section))
				problems.push_back(
					name + (columns ? " column " : " row ") + std::to_string(section) +
					" heading \"" +
					model->headerData(section, header->orientation()).toString().toStdString() +
					"\" is clipped");
		}
	}
	const QAbstractItemDelegate *delegate = view.itemDelegate();
	for (int row = 0; row < model->rowCount(); ++row) {
		for (int column = 0; column < model->columnCount(); ++column) {
			const QModelIndex index = model->index(row, column);
			QStyleOptionViewItem option;
			option.initFrom(&view);
			option.rect = QRect(0, 0, view.columnWidth(column), view.rowHeight(row));
			const QSize needed = delegate->sizeHint(option, index);
			if (needed.width() > view.columnWidth(column) || needed.height() > view.rowHeight(row))
				problems.push_back(name + " cell " + std::to_string(row) + "," +
						   std::to_string(column) + " \"" +
						   index.data().toString().toStdString() + "\" is clipped");
		}
	}
}

} // namespace

std::vector<std::string> windowLayoutProblems(const QWidget &window)
{
	std::vector<std::string> problems;
	const QList<const QWidget *> widgets = window.findChildren<const QWidget *>();
	const auto shown = [&](const QWidget *w) { return w->isVisibleTo(&window) && !w->isWindow(); };
	const auto scrolled = [](const QWidget *w) {
		// What lies in a scroll area's viewport is reached by scrolling.
		for (const QWidget *up = w->parentWidget(); up && up->parentWidget(); up = up->parentWidget()) {
			const auto *area = qobject_cast<const QAbstractScrollArea *>(up->parentWidget());
			if (area && area->viewport() == up)
				return true;
		}
		return false;
	};
	for (qsizetype i = 0; i < widgets.size(); ++i) {
		const QWidget *w = widgets[i];
		if (!shown(w) || scrolled(w))
			continue;
		const std::string name = nameOf(*w);
		if (const std::string why = clipping(*w); !why.empty())
			problems.push_back(name + " is clipped: " + why);
		if (!w->parentWidget()->rect().contains(w->geometry()))
			problems.push_back(name + " reaches past " + nameOf(*w->parentWidget()));
		for (qsizetype j = i + 1; j < widgets.size(); ++j) {
			const QWidget *sibling = widgets[j];
			if (sibling->parentWidget() == w->parentWidget() && shown(sibling) &&
			    w->geometry().intersects(sibling->geometry()))
				problems.push_back(name + " overlaps " + nameOf(*sibling));
		}
		if (const auto *table = qobject_cast<const QTableView *>(w))
			addClippedCells(*table, problems);
		if (const auto *tabs = qobject_cast<const QTabBar *>(w))
			std::ranges::move(tabRowProblems(*tabs), std::back_inserter(problems));
	}
	return problems;
}

std::vector<std::string> tabRowProblems(const QTabBar &tabs)
{
	std::vector<std::string> problems;
	const QRect shown = shownPart(tabs, tabs.rect());
	for (int tab = 0; tab < tabs.count(); ++tab) {
		if (tabs.isTabVisible(tab) && !shown.contains(tabs.tabRect(tab)))
			problems.push_back(nameOf(tabs) + " tab \"" + tabs.tabText(tab).toStdString() +
					   "\" reaches past the window");
	}
	return problems;
}

std::vector<std::string> layoutProblems(const QWidget &surface, const DialogTemplate &dialog)
{
	std::vector<std::string> problems;
	const auto *controls = qobject_cast<const QtControls *>(&surface);
	const DialogUnits units = controls ? controls->units() : DialogUnits(surface.font());
	// A host may grow the window past its template (the light table covers
	// the screen): what lies inside the grown window is shown, as far as the
	// widgets that hold it (a page's tab in the main window) show it.
	const QRect window = shownPart(
		surface, QRect(QPoint(0, 0), units.toPixels(dialog.width, dialog.height).expandedTo(surface.size())));
	const std::vector<Placed> placed = findWidgets(surface, dialog);

	for (const Placed &p : placed) {
		const std::string name = describe(*p.control);
		if (!p.widget) {
			problems.push_back(name + " is missing");
			continue;
		}
		if (!hasKind(p.widget, p.control->kind)) {
			problems.push_back(name + " is a " + p.widget->metaObject()->className());
			continue;
		}
		if (const std::string why = clipping(*p.widget); !why.empty())
			problems.push_back(name + " is clipped: " + why);
		if (!window.contains(p.geometry))
			problems.push_back(name + " reaches past the window");
	}

	// Drop-downs are placed at their closed height, so their geometry is
	// what the overlap test wants.
	for (std::size_t i = 0; i < placed.size(); ++i) {
		const Placed &a = placed[i];
		if (!a.widget || a.control->kind == ControlKind::Frame)
			continue;
		for (std::size_t j = i + 1; j < placed.size(); ++j) {
			const Placed &b = placed[j];
			if (!b.widget || b.control->kind == ControlKind::Frame)
				continue;
			if (a.geometry.intersects(b.geometry))
				problems.push_back(describe(*a.control) + " overlaps " + describe(*b.control));
		}
	}
	return problems;
}

std::string listed(const std::vector<std::string> &problems)
{
	std::string lines;
	for (const std::string &problem : problems)
		lines += "\n  " + problem;
	return lines;
}

} // namespace mirel::ui
