#include "dof_table_qt/dof_table_model.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include "dof_table_qt/shared_drawing.h"
#include "ui/text_contexts.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

template <typename T>
const T &element(const std::vector<T> &items, int index)
{
	return items[static_cast<std::size_t>(index)];
}

// Calls announce(first, last) for each run of indices below count where
// changed holds.
template <typename Changed, typename Announce>
void forEachRun(int count, Changed changed, Announce announce)
{
	for (int first = 0; first < count; ++first) {
		if (!changed(first))
			continue;
		int last = first;
		while (last + 1 < count && changed(last + 1))
			++last;
		announce(first, last);
		first = last;
	}
}

// Sentences, one after the other.
QString joined(const QString &a, const QString &b)
{
	return a.isEmpty() || b.isEmpty() ? a + b : a + QLatin1Char(' ') + b;
}

QString sentence(const QString &text)
{
	return text.isEmpty() || text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

// Looked up as the cell is read, in the language loaded by then.
QString atApertureText()
{
	return QCoreApplication::translate("DofTableModel", "The aperture on the pages.");
}

QString atFocusText()
{
	return QCoreApplication::translate("DofTableModel", "The distance nearest the focus on the pages.");
}

} // namespace

QString DofTableModel::Shown::cellDescription(int row, int column) const
{
	const bool hyperfocal = column == columns() - 1;
	return joined(joined(row == currentRow ? atApertureText() : QString(),
			     column == nearestColumn ? atFocusText() : QString()),
		      hyperfocal ? QString() : sentence(element(notes, row)));
}

DofTableModel::Shown DofTableModel::shownOf(const DofTable &table)
{
	Shown shown;
	const int distances = table.columnCount();
	for (int column = 0; column < distances; ++column)
		shown.columnHeadings.push_back(qText(table.columnHeading(column)));
	shown.columnHeadings.push_back(QCoreApplication::translate("DofTableModel", "Hyperfocal"));
	for (int row = 0; row < table.rowCount(); ++row) {
		shown.rowHeadings.push_back(qText(table.rowHeading(row)));
		shown.notes.push_back(ui::translated(ui::kStatusBarContext, table.diffractionNoteSentence(row)));
		std::vector<QString> &cells = shown.cells.emplace_back();
		cells.reserve(static_cast<std::size_t>(distances) + 1);
		for (int column = 0; column < distances; ++column)
			cells.push_back(qText(table.cellText(row, column)));
		cells.push_back(qText(table.hyperfocalText(row)));
	}
	shown.currentRow = table.currentRow();
	shown.nearestColumn = table.nearestColumn();
	return shown;
}

void DofTableModel::setTable(const DofTable &table)
{
	// The highlight moved, or nothing changed: the texts are those shown.
	Shown next = table_ && table_->sameCells(table) ? shown_ : shownOf(table);
	next.currentRow = table.currentRow();
	next.nearestColumn = table.nearestColumn();
	table_ = table;
	reshape(next.rows(), next.columns());
	const Shown before = std::exchange(shown_, std::move(next));
	announceChanges(before);
}

void DofTableModel::reshape(int rows, int columns)
{
	// Distance columns come and go before the hyperfocal column, which
	// stays last; the rows of apertures end at the last aperture.
	const int oldColumns = shown_.columns();
	const auto at = [](auto &cells, int column) { return cells.begin() + column; };
	if (columns < oldColumns) {
		const int first = columns - 1, end = oldColumns - 1;
		beginRemoveColumns({}, first, end - 1);
		shown_.columnHeadings.erase(at(shown_.columnHeadings, first), at(shown_.columnHeadings, end));
		for (std::vector<QString> &cells : shown_.cells)
			cells.erase(at(cells, first), at(cells, end));
		endRemoveColumns();
	} else if (columns > oldColumns) {
		const int first = std::max(oldColumns - 1, 0), count = columns - oldColumns;
		beginInsertColumns({}, first, first + count - 1);
		shown_.columnHeadings.insert(at(shown_.columnHeadings, first), static_cast<std::size_t>(count), {});
		for (std::vector<QString> &cells : shown_.cells)
			cells.insert(at(cells, first), static_cast<std::size_t>(count), {});
		endInsertColumns();
	}
	const int oldRows = shown_.rows();
	if (rows == oldRows)
		return;
	if (rows < oldRows)
		beginRemoveRows({}, rows, oldRows - 1);
	else
		beginInsertRows({}, oldRows, rows - 1);
	const auto count = static_cast<std::size_t>(rows);
	shown_.rowHeadings.resize(count);
	shown_.notes.resize(count);
	shown_.cells.resize(count, std::vector<QString>(static_cast<std::size_t>(columns)));
	if (rows < oldRows)
		endRemoveRows();
	else
		endInsertRows();
}

void DofTableModel::announceChanges(const Shown &before)
{
	const Shown &now = shown_;
	// What marks a row, a column and a cell, in each.
	const auto rowMarked = [&](int row) {
		return (row == before.currentRow) != (row == now.currentRow) ||
		       element(before.notes, row) != element(now.notes, row);
	};
	const auto columnMarked = [&](int column) {
		return (column == before.nearestColumn) != (column == now.nearestColumn);
	};
	for (int row = 0; row < now.rows(); ++row) {
		const std::vector<QString> &was = element(before.cells, row);
		const std::vector<QString> &is = element(now.cells, row);
		const bool marked = rowMarked(row);
		forEachRun(
			now.columns(),
			[&](int column) {
				return marked || columnMarked(column) || element(was, column) != element(is, column);
			},
			[&](int first, int last) { emit dataChanged(index(row, first), index(row, last)); });
	}
	forEachRun(
		now.rows(),
		[&](int row) {
			return element(before.notes, row) != element(now.notes, row) ||
			       element(before.rowHeadings, row) != element(now.rowHeadings, row);
		},
		[&](int first, int last) { emit headerDataChanged(Qt::Vertical, first, last); });
	forEachRun(
		now.columns(),
		[&](int column) {
			return element(before.columnHeadings, column) != element(now.columnHeadings, column);
		},
		[&](int first, int last) { emit headerDataChanged(Qt::Horizontal, first, last); });
}

const QString &DofTableModel::longestText(int column) const
{
	static const QString none;
	const QString *longest = &none;
	for (const std::vector<QString> &cells : shown_.cells) {
		const QString &text = element(cells, column);
		if (text.size() > longest->size())
			longest = &text;
	}
	return *longest;
}

int DofTableModel::rowCount(const QModelIndex &parent) const
{
	return parent.isValid() ? 0 : shown_.rows();
}

int DofTableModel::columnCount(const QModelIndex &parent) const
{
	return parent.isValid() ? 0 : shown_.columns();
}

QVariant DofTableModel::data(const QModelIndex &index, int role) const
{
	if (!checkIndex(index, CheckIndexOption::IndexIsValid))
		return {};
	const int row = index.row();
	const int column = index.column();
	const bool currentRow = row == shown_.currentRow;
	const bool nearestColumn = column == shown_.nearestColumn;
	const QString &note = element(shown_.notes, row);
	const bool diffraction = !note.isEmpty() && column < shown_.columns() - 1;
	switch (role) {
	case Qt::DisplayRole:
		return element(element(shown_.cells, row), column);
	case Qt::TextAlignmentRole:
		return Qt::AlignCenter;
	case Qt::ToolTipRole:
		return diffraction ? note : QVariant();
	case Qt::AccessibleDescriptionRole:
		return shown_.cellDescription(row, column);
	case Qt::BackgroundRole: {
		const QPalette palette = QGuiApplication::palette();
		const QColor base = palette.color(QPalette::Base);
		if (currentRow && nearestColumn)
			return palette.color(QPalette::Highlight);
		if (currentRow || nearestColumn)
			return mixed(base, palette.color(QPalette::Highlight), 0.22f);
		if (diffraction)
			return mixed(base, QColor(255, 150, 0), 0.25f);
		return {};
	}
	case Qt::ForegroundRole:
		return currentRow && nearestColumn ? QGuiApplication::palette().color(QPalette::HighlightedText)
						   : QVariant();
	case Qt::FontRole: {
		if (!diffraction && !(currentRow && nearestColumn))
			return {};
		QFont font;
		font.setItalic(diffraction);
		font.setBold(currentRow && nearestColumn);
		return font;
	}
	default:
		return {};
	}
}

QVariant DofTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
	const bool across = orientation == Qt::Horizontal;
	if (section < 0 || section >= (across ? shown_.columns() : shown_.rows()))
		return {};
	if (role == Qt::DisplayRole)
		return element(across ? shown_.columnHeadings : shown_.rowHeadings, section);
	if (role == Qt::AccessibleDescriptionRole && !across)
		return sentence(element(shown_.notes, section));
	return {};
}

} // namespace mirel
