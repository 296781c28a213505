#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "dof_table/dof_table.h"
#include "ui_qt/tool_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace mirel {

class DofChart;
class DofTableView;

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

	std::function<void()> help_;
	DofTableOptions options_;
	std::unique_ptr<DofTable> table_;
	QString distanceProblem_;
	QString exportFolder_;

	QLabel *header_;
	QLineEdit *distances_;
	QCheckBox *thirdStops_;
	DofTableView *view_;
	DofChart *chart_;
	QLabel *notes_;
};

} // namespace mirel
