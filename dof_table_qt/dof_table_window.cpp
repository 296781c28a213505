#include "dof_table_qt/dof_table_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "dof_table/distance_list.h"
#include "dof_table/table_text.h"
#include "dof_table_qt/dof_card.h"
#include "dof_table_qt/dof_chart.h"
#include "dof_table_qt/dof_table_view.h"
#include "dof_table_qt/shared_drawing.h"
#include "dof_table_qt/table_files.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"
#include "ui_qt/paper.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

// Looked up as the window is built, in the language loaded by then.
QString title()
{
	return QCoreApplication::translate("DofTableWindow", "Depth of Field Table");
}

// The choices the table was left with in the last run; distances that no
// longer make a list give the set around the focus distance.
DofTableOptions rememberedOptions()
{
	const Remembered &last = remembered();
	const DistanceList distances = parseDistanceList(distanceListText(last.tableDistances, LengthUnit::Millimetres),
							 LengthUnit::Millimetres);
	return { last.tableThirdStops, distances.millimetres };
}

// A button of the window with its shortcut, named for tests and assistive
// technology by objectName.
QPushButton *button(QWidget *window, const QString &text, const QString &name, const QKeySequence &shortcut,
		    const QString &tip)
{
	auto *pushButton = new QPushButton(text, window);
	pushButton->setObjectName(name);
	pushButton->setAutoDefault(false);
	if (!shortcut.isEmpty()) {
		auto *action = new QAction(window);
		action->setShortcut(shortcut);
		window->addAction(action);
		QObject::connect(action, &QAction::triggered, pushButton, &QPushButton::click);
		pushButton->setToolTip(QStringLiteral("%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
	} else {
		pushButton->setToolTip(tip);
	}
	return pushButton;
}

} // namespace

DofTableWindow::DofTableWindow(std::function<void()> help, QWidget *parent)
	: ToolWindow(parent), help_(std::move(help)), header_(new QLabel(this)), distances_(new QLineEdit(this)),
	  thirdStops_(new QCheckBox(QCoreApplication::translate("DofTableWindow", "&Third stops"), this)),
	  view_(new DofTableView(this)), chart_(new DofChart(this)), notes_(new QLabel(this))
{
	options_ = rememberedOptions();
	setObjectName(QStringLiteral("dofTableWindow"));
	setWindowTitle(title());

	header_->setObjectName(QStringLiteral("dofHeader"));
	// The film format's name is the user's: shown as it is, never as markup.
	header_->setTextFormat(Qt::PlainText);
	// Not selectable, so it is measured as plain text, not as a rich-text
	// document at every keystroke; Copy takes it with the table.
	header_->setWordWrap(true);
	QFont bold = header_->font();
	bold.setBold(true);
	header_->setFont(bold);

	distances_->setObjectName(QStringLiteral("dofDistances"));
	distances_->setPlaceholderText(
		QCoreApplication::translate("DofTableWindow", "empty: around the focus distance"));
	distances_->setToolTip(QCoreApplication::translate(
		"DofTableWindow", "Subject distances of the columns, separated by commas, in the unit of "
				  "the pages. Empty the field for a set around the focus distance."));
	auto *distancesLabel = new QLabel(QCoreApplication::translate("DofTableWindow", "&Distances:"), this);
	distancesLabel->setBuddy(distances_);
	connect(distances_, &QLineEdit::editingFinished, this, &DofTableWindow::applyDistances);
	thirdStops_->setObjectName(QStringLiteral("dofThirdStops"));
	thirdStops_->setToolTip(QCoreApplication::translate(
		"DofTableWindow", "A row for every third of a stop, not only the whole stops"));
	thirdStops_->setChecked(options_.thirdStops);
	connect(thirdStops_, &QCheckBox::toggled, this, [this](bool thirds) {
		options_.thirdStops = remembered().tableThirdStops = thirds;
		refresh();
	});

	view_->setObjectName(QStringLiteral("dofTableView"));
	view_->installEventFilter(this);
	view_->setAccessibleName(QCoreApplication::translate(
		"DofTableWindow", "Depth of field table: near and far limits by aperture and distance"));
	notes_->setObjectName(QStringLiteral("dofNotes"));
	notes_->setTextFormat(Qt::PlainText); // it may quote what the user typed
	notes_->setWordWrap(true);

	auto *splitter = new QSplitter(Qt::Vertical, this);
	splitter->addWidget(view_);
	splitter->addWidget(chart_);
	splitter->setChildrenCollapsible(false);
	splitter->setStretchFactor(1, 1); // room to spare goes to the chart

	auto *copyButton =
		button(this, QCoreApplication::translate("DofTableWindow", "&Copy"), QStringLiteral("dofCopy"),
		       QKeySequence::Copy,
		       QCoreApplication::translate("DofTableWindow", "Copy the table as text for a spreadsheet"));
	auto *exportButton = button(this, QCoreApplication::translate("DofTableWindow", "&Export..."),
				    QStringLiteral("dofExport"), QKeySequence(Qt::CTRL | Qt::Key_E),
				    QCoreApplication::translate("DofTableWindow", "Save the table as PDF or CSV"));
	auto *printButton =
		button(this, QCoreApplication::translate("DofTableWindow", "&Print..."), QStringLiteral("dofPrint"),
		       QKeySequence::Print,
		       QCoreApplication::translate("DofTableWindow", "Print the table and chart on one page"));
	auto *helpButton =
		button(this, QCoreApplication::translate("DofTableWindow", "&Help"), QStringLiteral("dofHelp"), {},
		       QCoreApplication::translate("DofTableWindow", "How to read and print the table"));
	auto *closeButton =
		button(this, QCoreApplication::translate("DofTableWindow", "Close"), QStringLiteral("dofClose"), {},
		       QCoreApplication::translate("DofTableWindow", "Close the window (Esc)"));
	connect(copyButton, &QPushButton::clicked, this, &DofTableWindow::copy);
	connect(exportButton, &QPushButton::clicked, this, &DofTableWindow::exportFile);
	connect(printButton, &QPushButton::clicked, this, &DofTableWindow::print);
	connect(helpButton, &QPushButton::clicked, this, [this] {
		if (help_)
			help_();
	});
	connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

	auto *choices = new QHBoxLayout;
	choices->addWidget(distancesLabel);
	choices->addWidget(distances_, 1);
	choices->addWidget(thirdStops_);
	auto *buttons = new QHBoxLayout;
	for (QPushButton *b : { copyButton, exportButton, printButton })
		buttons->addWidget(b);
	buttons->addStretch(1);
	buttons->addWidget(helpButton);
	buttons->addWidget(closeButton);
	auto *layout = new QVBoxLayout(this);
	layout->addWidget(header_);
	layout->addLayout(choices);
	layout->addWidget(splitter, 1);
	layout->addWidget(notes_);
	layout->addLayout(buttons);

	// Styled before it is filled and measured, so the sizes worked out
	// hold when it is shown.
	ensurePolished();
	refresh();
	// The whole table and the chart below it, as far as the screen allows.
	const QSize table(view_->verticalHeader()->width() + view_->horizontalHeader()->length() +
				  2 * view_->frameWidth(),
			  view_->horizontalHeader()->height() + view_->verticalHeader()->length() +
				  2 * view_->frameWidth() + view_->horizontalScrollBar()->sizeHint().height());
	splitter->setSizes({ table.height(), chart_->sizeHint().height() });
	const QSize margins(layout->contentsMargins().left() + layout->contentsMargins().right(),
			    layout->contentsMargins().top() + layout->contentsMargins().bottom());
	place(QSize(std::max(table.width() + margins.width(), sizeHint().width()),
		    sizeHint().height() - view_->sizeHint().height() + table.height()),
	      remembered().tablePlace);
	view_->setFocus();
}

bool DofTableWindow::eventFilter(QObject *watched, QEvent *event)
{
	// The view would copy its current cell; Ctrl+C copies the whole table.
	if (watched == view_ && event->type() == QEvent::ShortcutOverride &&
	    static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy))
		return true;
	return QWidget::eventFilter(watched, event);
}

void DofTableWindow::refresh()
{
	auto table = std::make_unique<DofTable>(tableInputs(currentSettings()), options_);
	view_->setTable(*table);
	chart_->setTable(*table);
	table_ = std::move(table);
	// A label or a field given the text it has does nothing.
	header_->setText(ui::translated("DofTableWindow", table_->headerSentence()));
	notes_->setText(distanceProblem_.isEmpty() ? ui::translated("DofTableWindow", table_->diffractionLineSentence())
						   : distanceProblem_);
	const QString distances = qText(distanceListText(table_->columnDistances(), table_->unit()));
	if (!distances_->isModified() && distances_->text() != distances)
		distances_->setText(distances);
}

bool DofTableWindow::showsCurrentSettings() const
{
	return table_ && table_->inputs() == tableInputs(currentSettings());
}

void DofTableWindow::applyDistances()
{
	const DistanceList list = parseDistanceList(distances_->text().toStdString(), table_->unit());
	distanceProblem_ = qText(list.problem);
	if (list.problem.empty()) {
		// The set around the focus distance, typed back, stays automatic.
		const std::vector<double> automatic = defaultDistances(currentSettings().FocusDistance,
								       currentSettings().FocalLength, table_->unit());
		options_.distances = list.millimetres == automatic ? std::vector<double>() : list.millimetres;
		remembered().tableDistances = options_.distances;
		distances_->setModified(false);
	}
	refresh();
}

void DofTableWindow::copy()
{
	QGuiApplication::clipboard()->setText(qText(tabSeparatedText(*table_)));
}

void DofTableWindow::exportFile()
{
	const QString pdf = QCoreApplication::translate("DofTableWindow", "PDF document (*.pdf)");
	const QString csv = QCoreApplication::translate("DofTableWindow", "CSV table (*.csv)");
	if (exportFolder_.isEmpty())
		exportFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
	const QString name = qText(exportName(table_->inputs().focalLength)) + QStringLiteral(".pdf");
	QString filter = pdf;
	QString path = QFileDialog::getSaveFileName(
		this, QCoreApplication::translate("DofTableWindow", "Export %1").arg(title()),
		QDir(exportFolder_).filePath(name), pdf + QStringLiteral(";;") + csv, &filter);
	if (path.isEmpty())
		return;
	if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) &&
	    !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
		path += filter == csv ? QStringLiteral(".csv") : QStringLiteral(".pdf");
	exportFolder_ = QFileInfo(path).absolutePath();
	if (const QString problem = saveDofTable(*table_, path); !problem.isEmpty())
		QMessageBox::warning(this, QCoreApplication::translate("DofTableWindow", "Mirel"), problem);
}

void DofTableWindow::print()
{
	QPrinter printer(QPrinter::HighResolution);
	printer.setDocName(title());
	printer.setPageLayout(ui::printPageLayout());
	QPrintDialog dialog(&printer, this);
	dialog.setWindowTitle(QCoreApplication::translate("DofTableWindow", "Print %1").arg(title()));
	if (dialog.exec() != QDialog::Accepted)
		return;
	if (!printDofCard(printer, *table_))
		QMessageBox::warning(
			this, QCoreApplication::translate("DofTableWindow", "Mirel"),
			QCoreApplication::translate("DofTableWindow",
						    "The depth of field table could not be printed: the printer "
						    "\u201c%1\u201d did not accept it.")
				.arg(printer.printerName()));
}

} // namespace mirel
