#pragma once

#include <vector>

#include <QTableView>

#include "dof_table_qt/text_cache.h"

namespace mirel {

class DofTable;
class DofTableModel;

// The depth of field table's grid: one stop of Tab, the arrows moving
// within it. It follows a new table in place: the cells that changed are
// repainted, the heading of the aperture and of the distance nearest the
// focus is bold without the headings being measured again, and each column
// is as wide as its widest text, which is measured when the columns are new
// and when a longer text comes, never at every change.
class DofTableView : public QTableView
{
	Q_OBJECT

public:
	explicit DofTableView(QWidget *parent = nullptr);

	void setTable(const DofTable &table);

private:
	void fitColumns(int rounding);

	DofTableModel *model_;
	// What each column's width was measured for: its heading and the length
	// of its longest text; and the rule the texts were rounded by.
	struct FittedColumn {
		QString heading;
		qsizetype length = 0;
	};
	std::vector<FittedColumn> fitted_;
	int fittedRounding_ = -1;
};

} // namespace mirel
