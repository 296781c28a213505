#include "dof_table_qt/dof_table_view.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "dof_table/dof_table.h"
#include "dof_table_qt/dof_table_model.h"

namespace mirel {

namespace {

// A heading with one section in bold, the aperture's or the distance's the
// table highlights: moving it repaints two sections, where a change of the
// model's heading data would measure every heading again and repaint the
// whole grid.
class MarkedHeader : public QHeaderView
{
public:
	MarkedHeader(Qt::Orientation orientation, QWidget *parent) : QHeaderView(orientation, parent)
	{
		setSectionResizeMode(QHeaderView::Fixed);
	}

	void mark(int section)
	{
		const int before = std::exchange(marked_, section);
		if (before == section)
			return;
		for (const int changed : { before, section })
			if (changed >= 0 && changed < count())
				updateSection(changed);
	}

protected:
	void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
	{
		if (logicalIndex == marked_) {
			QFont bold = painter->font();
			bold.setBold(true);
			painter->setFont(bold);
		}
		QHeaderView::paintSection(painter, rect, logicalIndex);
	}

	QSize sectionSizeFromContents(int logicalIndex) const override
	{
		// Room for the heading in bold, wherever the mark goes.
		const QString text = model()->headerData(logicalIndex, orientation()).toString();
		QFont bold = font();
		bold.setBold(true);
		const int extra = QFontMetrics(bold).horizontalAdvance(text) - fontMetrics().horizontalAdvance(text);
		return QHeaderView::sectionSizeFromContents(logicalIndex) + QSize(std::max(extra, 0), 0);
	}

private:
	int marked_ = -1;
};

// A cell: its tint, its text centred, and the focus frame where the arrows
// are, without the style's general text layout, which costs more than the
// rest of a repaint together.
class CellDelegate : public QStyledItemDelegate
{
public:
	using QStyledItemDelegate::QStyledItemDelegate;

	void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
	{
		painter->save();
		if (const QVariant tint = index.data(Qt::BackgroundRole); tint.isValid())
			painter->fillRect(option.rect, tint.value<QColor>());
		const QVariant font = index.data(Qt::FontRole);
		painter->setFont(font.isValid() ? font.value<QFont>().resolve(option.font) : option.font);
		const QVariant ink = index.data(Qt::ForegroundRole);
		painter->setPen(ink.isValid() ? ink.value<QColor>() : option.palette.color(QPalette::Text));
		texts_.draw(*painter, option.rect, Qt::AlignCenter, index.data().toString());
		if (option.state & QStyle::State_HasFocus) {
			QStyleOptionFocusRect frame;
			frame.QStyleOption::operator=(option);
			frame.backgroundColor = option.palette.color(QPalette::Base);
			const QWidget *widget = option.widget;
			(widget ? widget->style() : QApplication::style())
				->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, widget);
		}
		painter->restore();
	}

private:
	mutable TextCache texts_;
};

} // namespace

DofTableView::DofTableView(QWidget *parent) : QTableView(parent), model_(new DofTableModel(this))
{
	setHorizontalHeader(new MarkedHeader(Qt::Horizontal, this));
	setVerticalHeader(new MarkedHeader(Qt::Vertical, this));
	setItemDelegate(new CellDelegate(this));
	setModel(model_);
	setSelectionMode(QAbstractItemView::NoSelection);
	setWordWrap(false);
	// One stop of Tab: the arrows move within the grid, Tab leaves it.
	setTabKeyNavigation(false);
}

void DofTableView::setTable(const DofTable &table)
{
	const bool first = model_->rowCount() == 0;
	model_->setTable(table);
	static_cast<MarkedHeader *>(verticalHeader())->mark(table.currentRow());
	static_cast<MarkedHeader *>(horizontalHeader())->mark(table.nearestColumn());
	if (first) // rows as tall as the first one's cells need
		verticalHeader()->setDefaultSectionSize(
			std::max(sizeHintForRow(0), verticalHeader()->sectionSizeHint(0)));
	fitColumns(table.inputs().rounding);
}

// Each column as wide as its widest text. New columns, or texts rounded
// afresh, are measured anew; after that a column only widens, when a longer
// text comes, so the table keeps still while the user types.
void DofTableView::fitColumns(int rounding)
{
	const int columns = model_->columnCount();
	const bool afresh = std::ssize(fitted_) != columns || fittedRounding_ != rounding;
	if (afresh)
		fitted_.assign(static_cast<std::size_t>(columns), {});
	fittedRounding_ = rounding;
	QHeaderView *header = horizontalHeader();
	// The cell of the aperture and focus is bold: the widest face.
	QFont bold = font();
	bold.setBold(true);
	const QFontMetrics metrics(bold);
	const int padding = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) +
			    metrics.averageCharWidth();
	for (int column = 0; column < columns; ++column) {
		FittedColumn &fitted = fitted_[static_cast<std::size_t>(column)];
		const QString heading = model_->headerData(column, Qt::Horizontal).toString();
		const QString &longest = model_->longestText(column);
		const bool newColumn = afresh || heading != fitted.heading;
		if (!newColumn && longest.size() <= fitted.length)
			continue;
		fitted = { heading, longest.size() };
		const int width =
			std::max(header->sectionSizeHint(column), metrics.horizontalAdvance(longest) + padding);
		header->resizeSection(column, newColumn ? width : std::max(width, header->sectionSize(column)));
	}
}

} // namespace mirel
