#include "dof_table_qt/dof_table_model.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include "dof_table_qt/shared_drawing.h"

namespace mirel {

void DofTableModel::setTable(const DofTable &table)
{
	beginResetModel();
	table_ = &table;
	endResetModel();
}

int DofTableModel::rowCount(const QModelIndex &parent) const
{
	return table_ && !parent.isValid() ? table_->rowCount() : 0;
}

int DofTableModel::columnCount(const QModelIndex &parent) const
{
	return table_ && !parent.isValid() ? table_->columnCount() + 1 : 0;
}

QVariant DofTableModel::data(const QModelIndex &index, int role) const
{
	if (!table_ || !index.isValid())
		return {};
	const int row = index.row();
	const int column = index.column();
	const bool hyperfocal = column == table_->columnCount();
	const bool currentRow = row == table_->currentRow();
	const bool nearestColumn = column == table_->nearestColumn();
	const bool diffraction = table_->diffractionLimited(row) && !hyperfocal;
	switch (role) {
	case Qt::DisplayRole:
		return qText(hyperfocal ? table_->hyperfocalText(row) : table_->cellText(row, column));
	case Qt::TextAlignmentRole:
		return Qt::AlignCenter;
	case Qt::ToolTipRole:
		return diffraction ? qText(table_->diffractionNote(row)) : QVariant();
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
	if (!table_)
		return {};
	const bool across = orientation == Qt::Horizontal;
	if (role == Qt::DisplayRole) {
		if (!across)
			return qText(table_->rowHeading(section));
		return section < table_->columnCount() ? qText(table_->columnHeading(section))
						       : QStringLiteral("Hyperfocal");
	}
	if (role == Qt::FontRole && section == (across ? table_->nearestColumn() : table_->currentRow())) {
		QFont font;
		font.setBold(true);
		return font;
	}
	return {};
}

} // namespace mirel
