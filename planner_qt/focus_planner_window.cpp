#include "planner_qt/focus_planner_window.h"

#include <cmath>
#include <limits>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/cp1252.h"
#include "core/number_text.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"
#include "ui/text_contexts.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

// A read-only field of a result, selectable for copying.
QLineEdit *resultField(QWidget *parent, const QString &name)
{
	auto *field = new QLineEdit(parent);
	field->setObjectName(name);
	field->setReadOnly(true);
	return field;
}

// The sharpest aperture as the field shows it: "f/12.01, blur 22.8 µm, 1.40 ×
// the circle of confusion"; its figures are Windows-1252.
QString sharpestLine(const std::string &fNumber, const std::string &blur, const std::string &ratio)
{
	return QCoreApplication::translate("FocusPlannerWindow", "%1, blur %2, %3 × the circle of confusion")
		.arg(ui::fromCp1252(fNumber), ui::fromCp1252(blur), ui::fromCp1252(ratio));
}

// A label in the form that names field, for the keyboard and screen readers.
QLabel *labelFor(QWidget *field, const QString &text)
{
	auto *label = new QLabel(text, field->parentWidget());
	label->setBuddy(field);
	return label;
}

} // namespace

FocusPlannerWindow::FocusPlannerWindow(std::function<void()> help, std::function<void()> showDepthOfField,
				       QWidget *parent)
	: ToolWindow(parent), help_(std::move(help)), showDepthOfField_(std::move(showDepthOfField)),
	  shownUnit_(currentSettings().LengthUnit), header_(new QLabel(this)), nearEdit_(new QLineEdit(this)),
	  farEdit_(new QLineEdit(this)), nearUnit_(new QLabel(this)), farUnit_(new QLabel(this)),
	  farInfinity_(new QCheckBox(QCoreApplication::translate("FocusPlannerWindow", "to &infinity"), this)),
	  focus_(resultField(this, "plannerFocus")), aperture_(resultField(this, "plannerAperture")),
	  wholeStop_(new QRadioButton(this)), thirdStop_(new QRadioButton(this)), diffraction_(new QLabel(this)),
	  sharpest_(resultField(this, "plannerSharpest")), reason_(new QLabel(this)),
	  use_(new QPushButton(QCoreApplication::translate("FocusPlannerWindow", "&Use on Depth of Field page"), this))
{
	setObjectName(QStringLiteral("focusPlannerWindow"));
	setWindowTitle(QCoreApplication::translate("FocusPlannerWindow", "Focus Planner"));

	header_->setObjectName(QStringLiteral("plannerHeader"));
	// The film format's name is the user's: shown as it is, never as markup.
	header_->setTextFormat(Qt::PlainText);
	header_->setWordWrap(true);
	QFont bold = header_->font();
	bold.setBold(true);
	header_->setFont(bold);
	nearEdit_->setObjectName(QStringLiteral("plannerNear"));
	farEdit_->setObjectName(QStringLiteral("plannerFar"));
	farInfinity_->setObjectName(QStringLiteral("plannerFarInfinity"));
	wholeStop_->setObjectName(QStringLiteral("plannerWholeStop"));
	thirdStop_->setObjectName(QStringLiteral("plannerThirdStop"));
	diffraction_->setObjectName(QStringLiteral("plannerDiffraction"));
	reason_->setObjectName(QStringLiteral("plannerReason"));
	use_->setObjectName(QStringLiteral("plannerUse"));
	// Not selectable: a label that is measures itself as a rich-text document,
	// several times at every new text, which cost more than the rest of a
	// keystroke's work in the window. mirel-calc prints the same lines.
	for (QLabel *label : { diffraction_, reason_ }) {
		label->setTextFormat(Qt::PlainText);
		label->setWordWrap(true);
	}
	nearEdit_->setToolTip(QCoreApplication::translate(
		"FocusPlannerWindow", "The nearest distance that must be sharp, in the unit of the pages"));
	farEdit_->setToolTip(QCoreApplication::translate(
		"FocusPlannerWindow", "The farthest distance that must be sharp, in the unit of the pages"));
	wholeStop_->setToolTip(QCoreApplication::translate(
		"FocusPlannerWindow", "The next whole stop at or above the smallest aperture, and the zone "
				      "it keeps sharp at the focus distance"));
	thirdStop_->setToolTip(QCoreApplication::translate(
		"FocusPlannerWindow", "The next third of a stop at or above the smallest aperture, and the "
				      "zone it keeps sharp at the focus distance"));
	sharpest_->setToolTip(QCoreApplication::translate(
		"FocusPlannerWindow", "The f-number at which the blur at the nearest and farthest distance, "
				      "defocus and diffraction together, is least; that blur, and against "
				      "the circle of confusion"));
	// Room for a usual line in the desktop's language, the frame's and
	// the text's margins aside.
	sharpest_->setMinimumWidth(
		sharpest_->fontMetrics().horizontalAdvance(sharpestLine("f/12.01", "22.8 \xB5m", "1.40")) +
		sharpest_->fontMetrics().averageCharWidth() * 2);
	use_->setToolTip(QCoreApplication::translate(
		"FocusPlannerWindow", "Put the focus distance and the chosen stop on the Depth of Field page"));
	thirdStop_->setChecked(true); // the closest fit; whole stops are a click away
	farInfinity_->setChecked(remembered().plannerToInfinity);

	for (QLineEdit *edit : { nearEdit_, farEdit_ })
		connect(edit, &QLineEdit::textEdited, this, [this] {
			readDistances();
			refresh();
		});
	connect(farInfinity_, &QCheckBox::toggled, this, [this](bool toInfinity) {
		remembered().plannerToInfinity = toInfinity;
		refresh();
	});
	for (QRadioButton *stop : { wholeStop_, thirdStop_ })
		connect(stop, &QRadioButton::toggled, this, [this] { use_->setEnabled(chosenStop().has_value()); });
	connect(use_, &QPushButton::clicked, this, &FocusPlannerWindow::useOnDepthOfFieldPage);

	auto *scene = new QGroupBox(QCoreApplication::translate("FocusPlannerWindow", "Sharp from"), this);
	auto *sceneForm = new QFormLayout(scene);
	auto *nearRow = new QHBoxLayout;
	nearRow->addWidget(nearEdit_);
	nearRow->addWidget(nearUnit_);
	nearRow->addStretch(1);
	auto *farRow = new QHBoxLayout;
	farRow->addWidget(farEdit_);
	farRow->addWidget(farUnit_);
	farRow->addWidget(farInfinity_);
	farRow->addStretch(1);
	sceneForm->addRow(labelFor(nearEdit_, QCoreApplication::translate("FocusPlannerWindow", "&Nearest distance:")),
			  nearRow);
	sceneForm->addRow(labelFor(farEdit_, QCoreApplication::translate("FocusPlannerWindow", "&Farthest distance:")),
			  farRow);

	auto *answer = new QGroupBox(QCoreApplication::translate("FocusPlannerWindow", "Focus and aperture"), this);
	auto *answerForm = new QFormLayout(answer);
	answerForm->addRow(labelFor(focus_, QCoreApplication::translate("FocusPlannerWindow", "F&ocus at:")), focus_);
	answerForm->addRow(
		labelFor(aperture_, QCoreApplication::translate("FocusPlannerWindow", "&Smallest aperture:")),
		aperture_);
	answerForm->addRow(labelFor(wholeStop_, QCoreApplication::translate("FocusPlannerWindow", "&Whole stop:")),
			   wholeStop_);
	answerForm->addRow(labelFor(thirdStop_, QCoreApplication::translate("FocusPlannerWindow", "&Third stop:")),
			   thirdStop_);
	answerForm->addRow(diffraction_);
	answerForm->addRow(labelFor(sharpest_, QCoreApplication::translate("FocusPlannerWindow", "Sh&arpest at:")),
			   sharpest_);
	answerForm->addRow(reason_);

	auto *helpButton = new QPushButton(QCoreApplication::translate("FocusPlannerWindow", "&Help"), this);
	helpButton->setObjectName(QStringLiteral("plannerHelp"));
	auto *closeButton = new QPushButton(QCoreApplication::translate("FocusPlannerWindow", "Close"), this);
	closeButton->setObjectName(QStringLiteral("plannerClose"));
	closeButton->setToolTip(QCoreApplication::translate("FocusPlannerWindow", "Close the window (Esc)"));
	connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
	connect(helpButton, &QPushButton::clicked, this, [this] {
		if (help_)
			help_();
	});
	for (QPushButton *button : { use_, helpButton, closeButton })
		button->setAutoDefault(false);
	auto *buttons = new QHBoxLayout;
	buttons->addWidget(use_);
	buttons->addStretch(1);
	buttons->addWidget(helpButton);
	buttons->addWidget(closeButton);

	auto *layout = new QVBoxLayout(this);
	layout->addWidget(header_);
	layout->addWidget(scene);
	layout->addWidget(answer);
	layout->addStretch(1);
	layout->addLayout(buttons);

	// Styled before it is measured, so the layout worked out for its size
	// holds when it is shown.
	ensurePolished();
	showDistances();
	refresh();
	// Room for the longer texts: the header, a zone in feet, diffraction.
	place(QSize(std::max(sizeHint().width(), fontMetrics().averageCharWidth() * 84), sizeHint().height()),
	      remembered().plannerPlace);
}

void FocusPlannerWindow::readDistances()
{
	// As on the pages: the leading number of the text, in the display unit.
	const LengthUnit unit = currentSettings().LengthUnit;
	remembered().plannerNear = toMillimetres(parseNumber(nearEdit_->text().toStdString()), unit);
	remembered().plannerFar = toMillimetres(parseNumber(farEdit_->text().toStdString()), unit);
}

void FocusPlannerWindow::showDistances()
{
	shownUnit_ = currentSettings().LengthUnit;
	nearEdit_->setText(
		QString::fromStdString(formatTrimmed(fromMillimetres(remembered().plannerNear, shownUnit_))));
	farEdit_->setText(QString::fromStdString(formatTrimmed(fromMillimetres(remembered().plannerFar, shownUnit_))));
	const QString unit = QString::fromStdString(std::string(unitAbbreviation(shownUnit_)));
	nearUnit_->setText(unit);
	farUnit_->setText(unit);
}

FocusPlannerWindow::Inputs FocusPlannerWindow::currentInputs()
{
	const CalcSettings &settings = currentSettings();
	return { .focalLength = settings.FocalLength,
		 .coc = settings.filmCoC,
		 .unit = settings.LengthUnit,
		 .rounding = settings.RoundOtherMethod,
		 .filmName = selectedFilmFormat().Name };
}

bool FocusPlannerWindow::showsCurrentSettings() const
{
	return shown_ == currentInputs();
}

void FocusPlannerWindow::refresh()
{
	const CalcSettings &settings = currentSettings();
	shown_ = currentInputs();
	// A unit chosen on a page: the same distances, written in it.
	if (settings.LengthUnit != shownUnit_)
		showDistances();
	header_->setText(
		QCoreApplication::translate("FocusPlannerWindow",
					    "For a %1 mm lens on %2, circle of confusion %3 mm, as on the pages")
			.arg(QString::fromStdString(formatTrimmed(settings.FocalLength)),
			     QString::fromStdString(utf8FromCp1252(filmName(shown_.filmName))),
			     QString::fromStdString(formatTrimmed(settings.filmCoC))));
	farEdit_->setEnabled(!farInfinity_->isChecked());
	const double far =
		farInfinity_->isChecked() ? std::numeric_limits<double>::infinity() : remembered().plannerFar;
	plan_ = planFocus({ settings.FocalLength, settings.filmCoC, remembered().plannerNear, far });
	const FocusPlanTexts texts =
		focusPlanTexts(plan_, settings.filmCoC, settings.LengthUnit, settings.RoundOtherMethod);
	// Labels and buttons given the text they have do nothing; a field would
	// repaint.
	const auto show = [](QLineEdit *field, const QString &text) {
		if (field->text() != text)
			field->setText(text);
	};
	show(focus_, QString::fromStdString(texts.focus));
	show(aperture_, QString::fromStdString(texts.fNumber));
	// A stop's sentence translated; "n/a" when there is no plan.
	const auto stop = [](const Sentence &sentence, const std::string &text) {
		return sentence.pattern.empty() ? ui::translated("FocusPlannerWindow", text)
						: ui::translated("FocusPlannerWindow", sentence);
	};
	wholeStop_->setText(stop(texts.wholeStopSentence, texts.wholeStop));
	thirdStop_->setText(stop(texts.thirdStopSentence, texts.thirdStop));
	wholeStop_->setEnabled(plan_.wholeStop.has_value());
	thirdStop_->setEnabled(plan_.thirdStop.has_value());
	const SharpestApertureTexts &sharpest = texts.sharpest;
	show(sharpest_, plan_.sharpest.fNumber > 0.0 ? sharpestLine(sharpest.fNumber, sharpest.blur, sharpest.ratio)
						     : ui::translated("FocusPlannerWindow", sharpest.fNumber));
	// The status bar's sentences, translated alike.
	QStringList diffraction;
	for (const Sentence &line : texts.diffractionSentences)
		diffraction << ui::translated(ui::kStatusBarContext, line);
	diffraction_->setText(diffraction.join(u'\n'));
	diffraction_->setVisible(!texts.diffraction.empty());
	QString reason = ui::translated(ui::kReasonsContext, plan_.unusable);
	if (!reason.isEmpty())
		reason = QCoreApplication::translate("FocusPlannerWindow", "No plan: the %1.").arg(reason);
	reason_->setText(reason);
	reason_->setVisible(!reason.isEmpty());
	use_->setEnabled(chosenStop().has_value());
}

const std::optional<StopZone> &FocusPlannerWindow::chosenStop() const
{
	return wholeStop_->isChecked() ? plan_.wholeStop : plan_.thirdStop;
}

void FocusPlannerWindow::useOnDepthOfFieldPage()
{
	const std::optional<StopZone> &stop = chosenStop();
	if (!stop)
		return;
	const SettingsChange change;
	CalcSettings &settings = currentSettings();
	settings.FocusDistance = plan_.focus;
	settings.Aperture = stop->aperture.fNumber;
	if (showDepthOfField_)
		showDepthOfField_();
}

} // namespace mirel
