#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "dof_table/dof_table.h"
#include "ui_qt/tool_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace mirel {

class DofChart;
class DofTableModel;

// The Depth of Field Table window: the table and its chart for the lens,
// film format and unit of the pages, following every change of the
// settings while it is shown. The user picks whole or third stops and the
// distances, and takes the table away: copied for a spreadsheet, exported
// as PDF or CSV, or printed as a one-page card.
class DofTableWindow : public ui::ToolWindow
{
	Q_OBJECT

public:
	// help shows the window's help topic.
	explicit DofTableWindow(std::function<void()> help, QWidget *parent = nullptr);
	~DofTableWindow() override;

	const DofTable &table() const { return *table_; }

	// The table as tab-separated text on the clipboard.
	void copy();
	// Asks for a file with the desktop's file dialog and saves the table
	// there, as PDF or CSV by the file's type.
	void exportFile();
	// The desktop's print dialog, then the card on the printer chosen.
	void print();

protected:
	bool eventFilter(QObject *watched, QEvent *event) override;

private:
	void refresh() override;
	bool showsCurrentSettings() const override;
	void applyDistances();
	void fitColumns();

	std::function<void()> help_;
	DofTableOptions options_;
	std::unique_ptr<DofTable> table_;
	QString distanceProblem_;
	QString exportFolder_;
	// What each column's width was measured for: its heading and the length
	// of its longest text; the rule the texts were rounded by.
	struct FittedColumn {
		QString heading;
		qsizetype length = 0;
	};
	std::vector<FittedColumn> fitted_;
	int fittedRounding_ = -1;

	QLabel *header_;
	QLineEdit *distances_;
	QCheckBox *thirdStops_;
	QTableView *view_;
	DofTableModel *model_;
	DofChart *chart_;
	QLabel *notes_;
};

} // namespace mirel
