#include "focus_stack_qt/focus_stack_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "focus_stack/stack_sheet.h"
#include "focus_stack_qt/stack_page.h"
#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/remembered.h"
#include "ui/text_contexts.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/paper.h"
#include "ui_qt/translation.h"
#include "ui_qt/whole_file.h"

namespace mirel {

namespace {

using Input = StackInputs::Input;
using Mode = StackInputs::Mode;

// Looked up as the window is built, in the language loaded by then.
QString title()
{
	return QCoreApplication::translate("FocusStackWindow", "Focus Stack");
}

QLineEdit *resultField(QWidget *parent, const QString &name)
{
	auto *field = new QLineEdit(parent);
	field->setObjectName(name);
	field->setReadOnly(true);
	return field;
}

QLabel *labelFor(QWidget *field, const QString &text)
{
	auto *label = new QLabel(text, field->parentWidget());
	label->setBuddy(field);
	return label;
}

// A line of plain text that may grow to several: a reason, diffraction.
QLabel *sentence(QWidget *parent, const QString &name)
{
	auto *label = new QLabel(parent);
	label->setObjectName(name);
	label->setTextFormat(Qt::PlainText);
	label->setWordWrap(true);
	return label;
}

// A field and what follows it on its line: its unit, a choice.
QHBoxLayout *fieldRow(std::initializer_list<QWidget *> widgets)
{
	auto *row = new QHBoxLayout;
	for (QWidget *widget : widgets)
		row->addWidget(widget);
	row->addStretch(1);
	return row;
}

// Labels and fields given the text they have do nothing; a field would
// repaint.
void showText(QLineEdit *field, const QString &text)
{
	if (field->text() != text)
		field->setText(text);
}

void showText(QLineEdit *field, const std::string &cp1252)
{
	showText(field, ui::fromCp1252(cp1252));
}

// A count of shots translated; "n/a" when there is no plan.
QString countText(const Sentence &sentence, const std::string &text)
{
	return sentence.pattern.empty() ? ui::translated("FocusStackWindow", text)
					: ui::translated("FocusStackWindow", sentence);
}

void showReason(QLabel *label, std::string_view reason)
{
	label->setText(reason.empty() ? QString()
				      : QCoreApplication::translate("FocusStackWindow", "No plan: %1.")
						.arg(ui::translated(ui::kReasonsContext, reason)));
	label->setVisible(!reason.empty());
}

} // namespace

FocusStackWindow::FocusStackWindow(std::function<void(int)> help, QWidget *parent)
	: ToolWindow(parent), help_(std::move(help)), header_(new QLabel(this)), tabs_(new QTabWidget(this))
{
	setObjectName(QStringLiteral("focusStackWindow"));
	setWindowTitle(title());
	header_->setObjectName(QStringLiteral("stackHeader"));
	// The film format's name is the user's: shown as it is, never as markup.
	header_->setTextFormat(Qt::PlainText);
	header_->setWordWrap(true);
	QFont bold = header_->font();
	bold.setBold(true);
	header_->setFont(bold);

	tabs_->setObjectName(QStringLiteral("stackModes"));
	tabs_->addTab(landscapeTab(), QCoreApplication::translate("FocusStackWindow", "&Landscape"));
	tabs_->addTab(macroTab(), QCoreApplication::translate("FocusStackWindow", "&Macro"));
	tabs_->setCurrentIndex(inputs_.mode() == Mode::Macro ? 1 : 0);
	connect(tabs_, &QTabWidget::currentChanged, this,
		[this](int index) { inputs_.setMode(index == 1 ? Mode::Macro : Mode::Landscape); });

	struct ButtonRow {
		QString text, name, tip;
		QKeySequence key;
		void (FocusStackWindow::*act)();
	};
	const ButtonRow rows[] = {
		{ QCoreApplication::translate("FocusStackWindow", "&Copy"),
		  QStringLiteral("stackCopy"),
		  QCoreApplication::translate("FocusStackWindow", "Copy the plan shown as text"),
		  {},
		  &FocusStackWindow::copy },
		{ QCoreApplication::translate("FocusStackWindow", "&Save CSV..."), QStringLiteral("stackSave"),
		  QCoreApplication::translate("FocusStackWindow", "Save the plan shown as CSV for a spreadsheet"),
		  QKeySequence::Save, &FocusStackWindow::saveCsv },
		{ QCoreApplication::translate("FocusStackWindow", "P&rint..."), QStringLiteral("stackPrint"),
		  QCoreApplication::translate("FocusStackWindow", "Print the plan shown on one page"),
		  QKeySequence::Print, &FocusStackWindow::print },
	};
	auto *buttons = new QHBoxLayout;
	for (const ButtonRow &row : rows) {
		auto *button = new QPushButton(row.text, this);
		button->setObjectName(row.name);
		button->setAutoDefault(false);
		button->setToolTip(row.key.isEmpty() ? row.tip
						     : QStringLiteral("%1 (%2)").arg(
							       row.tip, row.key.toString(QKeySequence::NativeText)));
		if (!row.key.isEmpty()) {
			auto *action = new QAction(this);
			action->setShortcut(row.key);
			addAction(action);
			connect(action, &QAction::triggered, button, &QPushButton::click);
		}
		connect(button, &QPushButton::clicked, this, row.act);
		buttons->addWidget(button);
	}
	auto *helpButton = new QPushButton(QCoreApplication::translate("FocusStackWindow", "&Help"), this);
	helpButton->setObjectName(QStringLiteral("stackHelp"));
	auto *closeButton = new QPushButton(QCoreApplication::translate("FocusStackWindow", "Close"), this);
	closeButton->setObjectName(QStringLiteral("stackClose"));
	closeButton->setToolTip(QCoreApplication::translate("FocusStackWindow", "Close the window (Esc)"));
	connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
	connect(helpButton, &QPushButton::clicked, this, [this] {
		if (help_)
			help_(contextHelpTopic());
	});
	for (QPushButton *button : { helpButton, closeButton })
		button->setAutoDefault(false);
	buttons->addStretch(1);
	buttons->addWidget(helpButton);
	buttons->addWidget(closeButton);

	auto *layout = new QVBoxLayout(this);
	layout->addWidget(header_);
	layout->addWidget(tabs_, 1);
	layout->addLayout(buttons);

	// Styled before it is measured, so the layout worked out for its size
	// holds when it is shown.
	ensurePolished();
	refresh();
	place(QSize(std::max(sizeHint().width(), fontMetrics().averageCharWidth() * 84), sizeHint().height()),
	      remembered().stackPlace);
}

QLineEdit *FocusStackWindow::inputField(Input input, const char *name, const QString &tip)
{
	auto *edit = new QLineEdit(ui::fromCp1252(inputs_.text(input)));
	edit->setObjectName(QString::fromLatin1(name));
	edit->setToolTip(tip);
	connect(edit, &QLineEdit::textEdited, this, [this, input](const QString &text) {
		inputs_.setText(input, ui::toCp1252(text));
		refresh();
	});
	return edit;
}

QWidget *FocusStackWindow::landscapeTab()
{
	auto *tab = new QWidget;
	near_ = inputField(
		Input::Near, "stackNear",
		QCoreApplication::translate("FocusStackWindow",
					    "The nearest distance that must be sharp, in the unit of the pages"));
	far_ = inputField(
		Input::Far, "stackFar",
		QCoreApplication::translate("FocusStackWindow",
					    "The farthest distance that must be sharp, in the unit of the pages; inf "
					    "for infinity"));
	QLineEdit *overlap =
		inputField(Input::Overlap, "stackOverlap",
			   QCoreApplication::translate("FocusStackWindow",
						       "How far each shot's zone reaches into the one before, in "
						       "percent of its depth; 0: the zones just meet"));
	nearUnit_ = new QLabel;
	farUnit_ = new QLabel;
	auto *scene = new QGroupBox(QCoreApplication::translate("FocusStackWindow", "Sharp from"), tab);
	auto *sceneForm = new QFormLayout(scene);
	for (QWidget *widget :
	     { static_cast<QWidget *>(near_), static_cast<QWidget *>(far_), static_cast<QWidget *>(overlap) })
		widget->setParent(scene);
	sceneForm->addRow(labelFor(near_, QCoreApplication::translate("FocusStackWindow", "&Nearest distance:")),
			  fieldRow({ near_, nearUnit_ }));
	sceneForm->addRow(
		labelFor(far_, QCoreApplication::translate("FocusStackWindow", "&Farthest distance:")),
		fieldRow({ far_, farUnit_,
			   new QLabel(QCoreApplication::translate("FocusStackWindow", "(inf: to infinity)"), scene) }));
	sceneForm->addRow(
		labelFor(overlap, QCoreApplication::translate("FocusStackWindow", "&Overlap:")),
		fieldRow({ overlap, new QLabel(QCoreApplication::translate("FocusStackWindow", "% of a shot's depth"),
					       scene) }));

	auto *plan = new QGroupBox(QCoreApplication::translate("FocusStackWindow", "Shots"), tab);
	count_ = resultField(plan, QStringLiteral("stackCount"));
	count_->setAccessibleName(QCoreApplication::translate("FocusStackWindow", "Number of shots"));
	shots_ = new QTableWidget(0, 3, plan);
	shots_->setObjectName(QStringLiteral("stackShots"));
	shots_->setAccessibleName(QCoreApplication::translate(
		"FocusStackWindow", "Shots: each one's focus distance and the zone it keeps sharp"));
	shots_->setHorizontalHeaderLabels({ QCoreApplication::translate("FocusStackWindow", "Focus at"),
					    QCoreApplication::translate("FocusStackWindow", "Sharp from"),
					    QCoreApplication::translate("FocusStackWindow", "Sharp to") });
	shots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
	shots_->setTabKeyNavigation(false); // Tab leaves it; the arrows move within
	shots_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
	shots_->setMinimumHeight(shots_->horizontalHeader()->sizeHint().height() +
				 6 * shots_->verticalHeader()->defaultSectionSize() + 2 * shots_->frameWidth());
	landscapeReason_ = sentence(plan, QStringLiteral("stackLandscapeReason"));
	auto *planLayout = new QFormLayout(plan);
	planLayout->addRow(labelFor(count_, QCoreApplication::translate("FocusStackWindow", "Shots:")), count_);
	planLayout->addRow(shots_);
	planLayout->addRow(landscapeReason_);

	auto *layout = new QVBoxLayout(tab);
	layout->addWidget(scene);
	layout->addWidget(plan, 1);
	return tab;
}

QWidget *FocusStackWindow::macroTab()
{
	auto *tab = new QWidget;
	auto *subject = new QGroupBox(QCoreApplication::translate("FocusStackWindow", "Subject"), tab);
	magnification_ = inputField(
		Input::Magnification, "stackMagnification",
		QCoreApplication::translate("FocusStackWindow",
					    "The magnification on the sensor: 1 for life size (1:1), 0.5 for 1:2"));
	QLineEdit *pupil =
		inputField(Input::Pupil, "stackPupil",
			   QCoreApplication::translate("FocusStackWindow",
						       "The lens's exit over its entrance pupil diameter; 1 for a "
						       "symmetric lens, as most macro lenses nearly are"));
	QLineEdit *depth =
		inputField(Input::Depth, "stackDepth",
			   QCoreApplication::translate("FocusStackWindow",
						       "The depth of the subject that must be sharp, front to back"));
	QLineEdit *overlap =
		inputField(Input::MacroOverlap, "stackMacroOverlap",
			   QCoreApplication::translate("FocusStackWindow",
						       "How far each shot's depth reaches into the one before, in "
						       "percent of its depth"));
	for (QLineEdit *edit : { magnification_, pupil, depth, overlap })
		edit->setParent(subject);
	fromPages_ = new QCheckBox(
		QCoreApplication::translate("FocusStackWindow", "&the pages' lens at their focus distance"), subject);
	fromPages_->setObjectName(QStringLiteral("stackFromPages"));
	fromPages_->setToolTip(QCoreApplication::translate(
		"FocusStackWindow", "The magnification f / (s - f) of the pages' focal length f at their "
				    "focus distance s"));
	fromPages_->setChecked(inputs_.magnificationFromPages());
	connect(fromPages_, &QCheckBox::toggled, this, [this](bool fromPages) {
		inputs_.setMagnificationFromPages(fromPages);
		if (!fromPages)
			magnification_->setText(ui::fromCp1252(inputs_.text(Input::Magnification)));
		refresh();
	});
	auto *form = new QFormLayout(subject);
	form->addRow(labelFor(magnification_, QCoreApplication::translate("FocusStackWindow", "Ma&gnification:")),
		     fieldRow({ magnification_, fromPages_ }));
	form->addRow(labelFor(pupil, QCoreApplication::translate("FocusStackWindow", "P&upil magnification:")),
		     fieldRow({ pupil }));
	form->addRow(labelFor(depth, QCoreApplication::translate("FocusStackWindow", "Subject &depth:")),
		     fieldRow({ depth, new QLabel(QStringLiteral("mm"), subject) }));
	form->addRow(
		labelFor(overlap, QCoreApplication::translate("FocusStackWindow", "O&verlap:")),
		fieldRow({ overlap, new QLabel(QCoreApplication::translate("FocusStackWindow", "% of a shot's depth"),
					       subject) }));

	auto *plan = new QGroupBox(QCoreApplication::translate("FocusStackWindow", "Shots"), tab);
	effectiveAperture_ = resultField(plan, QStringLiteral("stackEffectiveAperture"));
	depthPerShot_ = resultField(plan, QStringLiteral("stackDepthPerShot"));
	step_ = resultField(plan, QStringLiteral("stackStep"));
	macroCount_ = resultField(plan, QStringLiteral("stackMacroCount"));
	diffraction_ = sentence(plan, QStringLiteral("stackDiffraction"));
	macroReason_ = sentence(plan, QStringLiteral("stackMacroReason"));
	auto *results = new QFormLayout(plan);
	results->addRow(
		labelFor(effectiveAperture_, QCoreApplication::translate("FocusStackWindow", "Effective aperture:")),
		effectiveAperture_);
	results->addRow(labelFor(depthPerShot_, QCoreApplication::translate("FocusStackWindow", "Depth per shot:")),
			depthPerShot_);
	results->addRow(labelFor(step_, QCoreApplication::translate("FocusStackWindow", "Rail step:")), step_);
	results->addRow(labelFor(macroCount_, QCoreApplication::translate("FocusStackWindow", "Shots:")), macroCount_);
	results->addRow(diffraction_);
	results->addRow(macroReason_);

	auto *layout = new QVBoxLayout(tab);
	layout->addWidget(subject);
	layout->addWidget(plan);
	layout->addStretch(1);
	return tab;
}

int FocusStackWindow::contextHelpTopic() const
{
	return inputs_.mode() == Mode::Macro ? ids::help::FocusStackMacro : ids::help::FocusStackLandscape;
}

FocusStackWindow::Inputs FocusStackWindow::currentInputs()
{
	const CalcSettings &settings = currentSettings();
	return { .focalLength = settings.FocalLength,
		 .aperture = settings.Aperture,
		 .coc = settings.filmCoC,
		 .focus = settings.FocusDistance,
		 .unit = settings.LengthUnit,
		 .rounding = settings.RoundOtherMethod,
		 .filmName = selectedFilmFormat().Name };
}

bool FocusStackWindow::showsCurrentSettings() const
{
	return shown_ == currentInputs();
}

void FocusStackWindow::refresh()
{
	shown_ = currentInputs();
	header_->setText(ui::translated("FocusStackWindow", stackLensSentence()));
	showLandscape();
	showMacro();
}

void FocusStackWindow::showLandscape()
{
	// A unit chosen on a page: the same distances, written in it.
	if (inputs_.followUnit()) {
		near_->setText(ui::fromCp1252(inputs_.text(Input::Near)));
		far_->setText(ui::fromCp1252(inputs_.text(Input::Far)));
	}
	const QString unit = ui::fromCp1252(std::string(unitAbbreviation(currentSettings().LengthUnit)));
	nearUnit_->setText(unit);
	farUnit_->setText(unit);
	const StackInputs::Landscape plan = inputs_.landscape();
	showText(count_, countText(plan.texts.countSentence, plan.texts.count));
	shots_->setRowCount(static_cast<int>(plan.texts.shots.size()));
	for (int row = 0; row < shots_->rowCount(); ++row) {
		const StackShotTexts &shot = plan.texts.shots[static_cast<std::size_t>(row)];
		int column = 0;
		for (const std::string *text : { &shot.focus, &shot.near, &shot.far })
			shots_->setItem(row, column++, new QTableWidgetItem(ui::translated("FocusStackWindow", *text)));
	}
	showReason(landscapeReason_, plan.unusable);
}

void FocusStackWindow::showMacro()
{
	magnification_->setEnabled(!inputs_.magnificationFromPages());
	if (inputs_.magnificationFromPages())
		showText(magnification_, inputs_.pagesMagnificationText());
	const StackInputs::Macro plan = inputs_.macro();
	showText(effectiveAperture_, plan.texts.effectiveAperture);
	showText(depthPerShot_, plan.texts.depthPerShot);
	showText(step_, plan.texts.step);
	showText(macroCount_, countText(plan.texts.countSentence, plan.texts.count));
	diffraction_->setText(ui::translated(ui::kStatusBarContext, plan.texts.diffractionSentence));
	diffraction_->setVisible(!plan.texts.diffraction.empty());
	showReason(macroReason_, plan.unusable);
}

void FocusStackWindow::copy()
{
	QGuiApplication::clipboard()->setText(ui::fromCp1252(copyText(stackSheet(inputs_))));
}

void FocusStackWindow::saveCsv()
{
	if (saveFolder_.isEmpty())
		saveFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
	const QString name = QString::fromStdString(stackFileName(inputs_.mode())) + QStringLiteral(".csv");
	QString path = QFileDialog::getSaveFileName(
		this, QCoreApplication::translate("FocusStackWindow", "Save %1 as CSV").arg(title()),
		QDir(saveFolder_).filePath(name), QCoreApplication::translate("FocusStackWindow", "CSV table (*.csv)"));
	if (path.isEmpty())
		return;
	if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
		path += QStringLiteral(".csv");
	saveFolder_ = QFileInfo(path).absolutePath();
	if (const QString reason = ui::saveWholeFile(path, QByteArray::fromStdString(stackCsv(inputs_)));
	    !reason.isEmpty())
		QMessageBox::warning(
			this, QCoreApplication::translate("FocusStackWindow", "Mirel"),
			QCoreApplication::translate("FocusStackWindow",
						    "The focus stack could not be saved as \u201c%1\u201d: %2.")
				.arg(QDir::toNativeSeparators(path), reason));
}

void FocusStackWindow::print()
{
	QPrinter printer(QPrinter::HighResolution);
	printer.setDocName(title());
	printer.setPageLayout(ui::printPageLayout());
	QPrintDialog dialog(&printer, this);
	dialog.setWindowTitle(QCoreApplication::translate("FocusStackWindow", "Print %1").arg(title()));
	if (dialog.exec() != QDialog::Accepted)
		return;
	if (!printStackPage(printer, stackSheet(inputs_)))
		QMessageBox::warning(
			this, QCoreApplication::translate("FocusStackWindow", "Mirel"),
			QCoreApplication::translate("FocusStackWindow",
						    "The focus stack could not be printed: the printer \u201c%1\u201d "
						    "did not accept it.")
				.arg(printer.printerName()));
}

} // namespace mirel
