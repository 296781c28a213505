#pragma once

#include <QAbstractTableModel>

#include "dof_table/dof_table.h"

namespace mirel {

// The depth of field table for a Qt view: a column per distance, then the
// hyperfocal distances; the current aperture's cell at the distance
// nearest the focus drawn as selected, its row and column tinted, cells
// where diffraction costs sharpness tinted with the reason as tooltip; in
// the colours of the application's palette, whichever it is at the time.
class DofTableModel : public QAbstractTableModel
{
	Q_OBJECT

public:
	using QAbstractTableModel::QAbstractTableModel;

	// Shows table, which must outlive the model or be replaced first.
	void setTable(const DofTable &table);

	int rowCount(const QModelIndex &parent = {}) const override;
	int columnCount(const QModelIndex &parent = {}) const override;
	QVariant data(const QModelIndex &index, int role) const override;
	QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
	const DofTable *table_ = nullptr;
};

} // namespace mirel
