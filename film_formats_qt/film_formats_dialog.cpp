#include "film_formats_qt/film_formats_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "camera_chooser_qt/camera_dialog.h"
#include "cameras/camera_film_format.h"
#include "dialogs/film_presets.h"
#include "resources/control_ids.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

using Column = FilmTableEditor::Column;

struct ColumnHeading {
	Column column;
	const char *name;    // of the field's object, before the row
	const char *heading; // over the column
	const char *what;    // for screen readers, before the row's number
};

constexpr std::array<ColumnHeading, FilmTableEditor::kColumnCount> kColumns = { {
	{ FilmTableEditor::Name, "formatName", QT_TRANSLATE_NOOP("FilmFormatsDialog", "&Name"),
	  QT_TRANSLATE_NOOP("FilmFormatsDialog", "Name of format") },
	{ FilmTableEditor::Width, "formatWidth", QT_TRANSLATE_NOOP("FilmFormatsDialog", "Width (mm)"),
	  QT_TRANSLATE_NOOP("FilmFormatsDialog", "Width in mm of format") },
	{ FilmTableEditor::Height, "formatHeight", QT_TRANSLATE_NOOP("FilmFormatsDialog", "Height (mm)"),
	  QT_TRANSLATE_NOOP("FilmFormatsDialog", "Height in mm of format") },
	{ FilmTableEditor::CoC, "formatCoC", QT_TRANSLATE_NOOP("FilmFormatsDialog", "CoC (mm)"),
	  QT_TRANSLATE_NOOP("FilmFormatsDialog", "Circle of confusion in mm of format") },
} };

} // namespace

FilmFormatsDialog::FilmFormatsDialog(std::function<void(int)> help, QWidget *parent)
	: QDialog(parent), help_(std::move(help)), problem_(new QLabel(this)), ok_(nullptr)
{
	setObjectName(QStringLiteral("filmFormatsDialog"));
	setWindowTitle(QCoreApplication::translate("FilmFormatsDialog", "Film Formats"));

	auto *intro = new QLabel(
		QCoreApplication::translate("FilmFormatsDialog",
					    "The film formats the pages list. A name holds at most 15 "
					    "characters. A circle of confusion of 0 takes the suggested one, the "
					    "frame's diagonal / 1730."),
		this);
	intro->setWordWrap(true);

	auto *grid = new QGridLayout;
	for (const ColumnHeading &column : kColumns)
		grid->addWidget(new QLabel(QCoreApplication::translate("FilmFormatsDialog", column.heading), this), 0,
				column.column + 1);
	grid->addWidget(new QLabel(QCoreApplication::translate("FilmFormatsDialog", "Suggested"), this), 0, 5);
	grid->addWidget(new QLabel(QCoreApplication::translate("FilmFormatsDialog", "Preset"), this), 0, 6);
	grid->addWidget(new QLabel(QCoreApplication::translate("FilmFormatsDialog", "Camera"), this), 0, 7);
	for (int row = 0; row < kFilmFormatCount; ++row) {
		const int line = row + 1;
		grid->addWidget(new QLabel(QString::number(line), this), line, 0, Qt::AlignRight);
		for (const ColumnHeading &column : kColumns) {
			auto *edit = new QLineEdit(this);
			edit->setObjectName(QString::fromUtf8(column.name) + QString::number(row));
			edit->setAccessibleName(QCoreApplication::translate("FilmFormatsDialog", column.what) +
						QStringLiteral(" %1").arg(line));
			// Room for a full name, or a number with six decimals.
			edit->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) *
						    (column.column == FilmTableEditor::Name ? 17 : 10) +
					    2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
			const FilmTableEditor::Field field{ row, column.column };
			connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &text) {
				editor_.setText(field, text.toStdString());
				suggested_[static_cast<std::size_t>(field.row)]->setText(
					QString::fromStdString(editor_.suggestedCoC(field.row)));
				check();
			});
			fields_[static_cast<std::size_t>(row)][column.column] = edit;
			grid->addWidget(edit, line, column.column + 1);
		}
		auto *suggested = new QLabel(this);
		suggested->setObjectName(QStringLiteral("formatSuggested%1").arg(row));
		suggested_[static_cast<std::size_t>(row)] = suggested;
		grid->addWidget(suggested, line, 5);

		auto *picker = new QComboBox(this);
		picker->setObjectName(QStringLiteral("formatPreset%1").arg(row));
		const QString pickerName =
			QCoreApplication::translate("FilmFormatsDialog", "Preset for format %1").arg(line);
		picker->setAccessibleName(pickerName);
		// On Linux screen readers name a list by the label whose buddy it
		// is, its own name being its value: a label of its own, not shown,
		// as the row's number alone would say nothing.
		auto *spokenName = new QLabel(pickerName, this);
		spokenName->setBuddy(picker);
		spokenName->hide();
		picker->addItem(QCoreApplication::translate("FilmFormatsDialog", "Choose..."));
		for (const FilmPreset &preset : filmPresets())
			picker->addItem(QString::fromStdString(presetLabel(preset)));
		// Closed, it says "Choose..."; open, the list is as wide as its
		// longest preset.
		picker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
		picker->setMinimumContentsLength(10);
		connect(picker, &QComboBox::activated, this, [this, row, picker](int index) {
			if (index <= 0)
				return;
			editor_.applyPreset(row, index - 1);
			picker->setCurrentIndex(0);
			showRow(row);
			check();
		});
		presets_[static_cast<std::size_t>(row)] = picker;
		grid->addWidget(picker, line, 6);

		auto *camera = new QPushButton(QCoreApplication::translate("FilmFormatsDialog", "Camera..."), this);
		camera->setObjectName(QStringLiteral("formatCamera%1").arg(row));
		camera->setAccessibleName(
			QCoreApplication::translate("FilmFormatsDialog", "Camera for format %1").arg(line));
		camera->setToolTip(QCoreApplication::translate(
			"FilmFormatsDialog", "Fill the row from a camera: its name, frame and circle of confusion"));
		camera->setAutoDefault(false);
		connect(camera, &QPushButton::clicked, this, [this, row] { chooseCamera(row); });
		cameras_[static_cast<std::size_t>(row)] = camera;
		grid->addWidget(camera, line, 7);
	}
	// Alt+N goes to the first name.
	static_cast<QLabel *>(grid->itemAtPosition(0, 1)->widget())->setBuddy(field({ 0, FilmTableEditor::Name }));

	problem_->setObjectName(QStringLiteral("formatsProblem"));
	problem_->setWordWrap(true);
	problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);

	auto *buttons =
		new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
	ok_ = buttons->button(QDialogButtonBox::Ok);
	auto *restore = buttons->addButton(QCoreApplication::translate("FilmFormatsDialog", "&Restore Built-in Table"),
					   QDialogButtonBox::ResetRole);
	restore->setObjectName(QStringLiteral("formatsRestore"));
	restore->setToolTip(
		QCoreApplication::translate("FilmFormatsDialog", "Every row back to the formats Mirel comes with"));
	connect(restore, &QPushButton::clicked, this, [this] {
		editor_.restoreBuiltIn();
		for (int row = 0; row < kFilmFormatCount; ++row)
			showRow(row);
		check();
	});
	connect(buttons, &QDialogButtonBox::accepted, this, &FilmFormatsDialog::accept);
	connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
	connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
		if (help_)
			help_(ids::help::FilmFormats);
	});

	auto *layout = new QVBoxLayout(this);
	layout->addWidget(intro);
	layout->addLayout(grid);
	layout->addWidget(problem_);
	layout->addWidget(buttons);
	layout->setSizeConstraint(QLayout::SetFixedSize);

	for (int row = 0; row < kFilmFormatCount; ++row)
		showRow(row);
	check();
}

QLineEdit *FilmFormatsDialog::field(FilmTableEditor::Field field) const
{
	return fields_[static_cast<std::size_t>(field.row)][field.column];
}

QComboBox *FilmFormatsDialog::presetPicker(int row) const
{
	return presets_[static_cast<std::size_t>(row)];
}

QPushButton *FilmFormatsDialog::cameraButton(int row) const
{
	return cameras_[static_cast<std::size_t>(row)];
}

void FilmFormatsDialog::chooseCamera(int row)
{
	CameraDialog chooser(
		QCoreApplication::translate("FilmFormatsDialog", "The camera chosen fills format %1 of the table.")
			.arg(row + 1),
		CameraDialog::Rule::Asked,
		[this] {
			if (help_)
				help_(ids::help::CameraChooser);
		},
		this);
	if (chooser.exec() != QDialog::Accepted)
		return;
	editor_.fillFromCamera(row, cameraFilmFormat(*chooser.camera(), chooser.rule()), chooser.camera()->fullName);
	showRow(row);
	check();
}

void FilmFormatsDialog::showRow(int row)
{
	for (const ColumnHeading &column : kColumns) {
		const FilmTableEditor::Field shown{ row, column.column };
		field(shown)->setText(QString::fromStdString(editor_.text(shown)));
		field(shown)->setCursorPosition(0);
	}
	suggested_[static_cast<std::size_t>(row)]->setText(QString::fromStdString(editor_.suggestedCoC(row)));
}

void FilmFormatsDialog::check()
{
	// Every field that cannot be stored is marked, in a tint of red that
	// reads on light and dark themes alike; the first one says why.
	const QColor base = palette().color(QPalette::Base);
	const QColor red(220, 50, 50);
	QPalette marked = palette();
	marked.setColor(QPalette::Base, QColor::fromRgbF(base.redF() * 0.65f + red.redF() * 0.35f,
							 base.greenF() * 0.65f + red.greenF() * 0.35f,
							 base.blueF() * 0.65f + red.blueF() * 0.35f));
	QString first;
	for (int row = 0; row < kFilmFormatCount; ++row) {
		for (const ColumnHeading &column : kColumns) {
			const FilmTableEditor::Field checked{ row, column.column };
			const QString problem =
				ui::translatedUtf8("FilmFormatsDialog", editor_.problemSentence(checked));
			QLineEdit *edit = field(checked);
			// A name without a problem says which camera it is.
			const std::string camera = editor_.cameraName(row);
			const QString says =
				problem.isEmpty() && column.column == FilmTableEditor::Name && !camera.empty()
					? QCoreApplication::translate("FilmFormatsDialog", "Camera: ") +
						  ui::fromCp1252(camera)
					: problem;
			edit->setToolTip(says);
			edit->setAccessibleDescription(says);
			edit->setPalette(problem.isEmpty() ? QPalette() : marked);
			if (first.isEmpty() && !problem.isEmpty())
				first = QCoreApplication::translate("FilmFormatsDialog", "Format %1: %2")
						.arg(row + 1)
						.arg(problem);
		}
	}
	problem_->setText(first);
	problem_->setVisible(!first.isEmpty());
	ok_->setEnabled(first.isEmpty());
}

void FilmFormatsDialog::changeEvent(QEvent *event)
{
	QDialog::changeEvent(event);
	// A theme changed while the dialog is open: the marks take its colours.
	if (event->type() == QEvent::PaletteChange)
		check();
}

void FilmFormatsDialog::accept()
{
	if (editor_.accept())
		QDialog::accept();
}

} // namespace mirel
