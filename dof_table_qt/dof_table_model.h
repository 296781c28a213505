#pragma once

#include <optional>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "dof_table/dof_table.h"

namespace mirel {

// The depth of field table for a Qt view: a column per distance, then the
// hyperfocal distances; the current aperture's cell at the distance
// nearest the focus drawn as selected, its row and column tinted, cells
// where diffraction costs sharpness tinted with the reason as tooltip; in
// the colours of the application's palette, whichever it is at the time.
// Assistive technology reads why a cell or a row is marked as its
// description. (The view shows the highlighted row's and column's headings
// in bold: no heading data changes when the highlight moves.)
//
// The model keeps the texts it shows. A new table announces the cells and
// headings whose text or marking differ from those shown, and nothing else;
// rows and columns are inserted or removed only when their number changes.
class DofTableModel : public QAbstractTableModel
{
	Q_OBJECT

public:
	using QAbstractTableModel::QAbstractTableModel;

	void setTable(const DofTable &table);

	// The text of column with the most characters, which in digits of one
	// width is the widest.
	const QString &longestText(int column) const;

	int rowCount(const QModelIndex &parent = {}) const override;
	int columnCount(const QModelIndex &parent = {}) const override;
	QVariant data(const QModelIndex &index, int role) const override;
	QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
	// What the view shows of a table.
	struct Shown {
		std::vector<QString> rowHeadings;
		std::vector<QString> columnHeadings; // the distances, then "Hyperfocal"
		std::vector<QString> notes;          // a row's diffraction, empty where none
		std::vector<std::vector<QString>> cells;
		int currentRow = -1;
		int nearestColumn = -1;

		int rows() const { return static_cast<int>(rowHeadings.size()); }
		int columns() const { return static_cast<int>(columnHeadings.size()); }
		// What marks a cell, spoken to assistive technology.
		QString cellDescription(int row, int column) const;
	};
	static Shown shownOf(const DofTable &table);
	void reshape(int rows, int columns);
	void announceChanges(const Shown &before);

	Shown shown_;
	// The table shown: a new one whose cells read alike needs no new texts.
	std::optional<DofTable> table_;
};

} // namespace mirel
