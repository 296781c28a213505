#include "circle_rules_qt/circle_of_confusion_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "camera_chooser_qt/camera_dialog.h"
#include "resources/control_ids.h"
#include "resources/pages.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"
#include "ui/text_contexts.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

using Rule = CircleRules::Rule;
using Input = CircleRules::Input;

struct RuleRow {
	Rule rule;
	const char *name; // of the radio, '&' before its mnemonic
	const char *tip;
};

constexpr RuleRow kRuleRows[] = {
	{ Rule::Classic, QT_TRANSLATE_NOOP("CircleOfConfusionWindow", "&Classic: diagonal / 1730"),
	  QT_TRANSLATE_NOOP("CircleOfConfusionWindow",
			    "The frame's diagonal over 1730: the circle the pages suggest for every format") },
	{ Rule::Diagonal1500, QT_TRANSLATE_NOOP("CircleOfConfusionWindow", "Diagonal / 1&500"),
	  QT_TRANSLATE_NOOP("CircleOfConfusionWindow",
			    "The frame's diagonal over 1500: a larger circle, of other tables") },
	{ Rule::Diagonal1440, QT_TRANSLATE_NOOP("CircleOfConfusionWindow", "Diagonal / 1&440"),
	  QT_TRANSLATE_NOOP("CircleOfConfusionWindow",
			    "The frame's diagonal over 1440: a larger circle, of other tables") },
	{ Rule::Print, QT_TRANSLATE_NOOP("CircleOfConfusionWindow", "From a p&rint"),
	  QT_TRANSLATE_NOOP(
		  "CircleOfConfusionWindow",
		  "The blur the eye accepts on the print, seen from its distance, brought back to the frame") },
	{ Rule::Pixels, QT_TRANSLATE_NOOP("CircleOfConfusionWindow", "From pi&xels"),
	  QT_TRANSLATE_NOOP("CircleOfConfusionWindow",
			    "As many pixels as the circle spans, at the pixels across the frame") },
};

std::size_t at(Rule rule)
{
	return static_cast<std::size_t>(rule);
}

QLineEdit *figureField(QWidget *parent, Rule rule)
{
	auto *field = new QLineEdit(parent);
	field->setObjectName(QStringLiteral("circleFigure%1").arg(static_cast<int>(rule)));
	field->setReadOnly(true);
	return field;
}

QLabel *labelFor(QWidget *field, const QString &text)
{
	auto *label = new QLabel(text, field->parentWidget());
	label->setBuddy(field);
	return label;
}

} // namespace

CircleOfConfusionWindow::CircleOfConfusionWindow(std::function<void(int)> help, std::function<void(PageIndex)> showPage,
						 QWidget *parent)
	: ToolWindow(parent), help_(std::move(help)), showPage_(std::move(showPage)), frame_(new QLabel(this)),
	  pagesFormat_(new QPushButton(QCoreApplication::translate("CircleOfConfusionWindow", "Pa&ges' format"), this)),
	  ruleGroup_(new QButtonGroup(this)), print_(new QComboBox(this)), viewing_(new QLineEdit(this)),
	  viewingUnit_(new QLabel(this)), eyeBlur_(new QLineEdit(this)), pixels_(new QLineEdit(this)),
	  pixelFactor_(new QLineEdit(this)),
	  use_(new QPushButton(QCoreApplication::translate("CircleOfConfusionWindow", "&Use on the pages"), this))
{
	setObjectName(QStringLiteral("circleOfConfusionWindow"));
	setWindowTitle(QCoreApplication::translate("CircleOfConfusionWindow", "Circle of Confusion"));

	// The frame: the pages' format, or a camera.
	frame_->setObjectName(QStringLiteral("circleFrame"));
	frame_->setWordWrap(true);
	QFont bold = frame_->font();
	bold.setBold(true);
	frame_->setFont(bold);
	auto *camera = new QPushButton(QCoreApplication::translate("CircleOfConfusionWindow", "Ca&mera..."), this);
	camera->setObjectName(QStringLiteral("circleCamera"));
	camera->setToolTip(QCoreApplication::translate(
		"CircleOfConfusionWindow", "Work out the circles for a camera's frame instead of the pages' format"));
	pagesFormat_->setObjectName(QStringLiteral("circlePagesFormat"));
	pagesFormat_->setToolTip(QCoreApplication::translate("CircleOfConfusionWindow",
							     "Work out the circles for the pages' format again"));
	connect(camera, &QPushButton::clicked, this, &CircleOfConfusionWindow::chooseCamera);
	connect(pagesFormat_, &QPushButton::clicked, this, [this] { useCamera(nullptr); });
	auto *frameRow = new QHBoxLayout;
	frameRow->addWidget(frame_, 1);
	frameRow->addWidget(camera);
	frameRow->addWidget(pagesFormat_);

	// Each rule with its figure, or n/a and why; the print's and the
	// pixels' inputs under theirs.
	print_->setObjectName(QStringLiteral("circlePrint"));
	print_->setEditable(true);
	print_->setInsertPolicy(QComboBox::NoInsert);
	for (const PrintSize &size : kPrintSizes)
		print_->addItem(ui::fromCp1252(size.name));
	print_->setToolTip(QCoreApplication::translate(
		"CircleOfConfusionWindow", "A print size from the list, or typed as width x height with its unit: "
					   "20 x 30 cm, 11 x 14 in"));
	print_->setEditText(ui::fromCp1252(rules_.text(Input::Print)));
	viewing_->setObjectName(QStringLiteral("circleViewing"));
	eyeBlur_->setObjectName(QStringLiteral("circleEyeBlur"));
	eyeBlur_->setToolTip(QCoreApplication::translate(
		"CircleOfConfusionWindow", "The blur the eye accepts on a print seen from 25 cm; 0.2 mm is usual"));
	pixels_->setObjectName(QStringLiteral("circlePixels"));
	pixels_->setToolTip(QCoreApplication::translate(
		"CircleOfConfusionWindow", "The width of the camera's pictures in pixels: 6000 for 24 megapixels "
					   "at 3:2"));
	pixelFactor_->setObjectName(QStringLiteral("circlePixelFactor"));
	pixelFactor_->setToolTip(QCoreApplication::translate(
		"CircleOfConfusionWindow", "How many pixels the circle spans: 2, a line and its gap, is the "
					   "finest detail the sensor holds"));
	const std::pair<QLineEdit *, Input> inputs[] = { { viewing_, Input::Viewing },
							 { eyeBlur_, Input::EyeBlur },
							 { pixels_, Input::Pixels },
							 { pixelFactor_, Input::PixelFactor } };
	for (const auto &[edit, input] : inputs) {
		edit->setText(ui::fromCp1252(rules_.text(input)));
		connect(edit, &QLineEdit::textEdited, this, [this, input](const QString &text) {
			rules_.setText(input, ui::toCp1252(text));
			refresh();
		});
	}
	connect(print_, &QComboBox::editTextChanged, this, [this](const QString &text) {
		rules_.setText(Input::Print, ui::toCp1252(text));
		refresh();
	});

	auto *rules = new QGroupBox(
		QCoreApplication::translate("CircleOfConfusionWindow", "Circle of confusion by each rule"), this);
	auto *grid = new QGridLayout(rules);
	grid->setColumnStretch(2, 1);
	// An input under its rule: its label indented below the rule's name,
	// the field in the figures' column, its unit beside.
	const int indent = 3 * fontMetrics().averageCharWidth();
	const auto addInput = [&](int line, const QString &text, QWidget *field, QWidget *after) {
		QLabel *label = labelFor(field, text);
		label->setIndent(indent);
		grid->addWidget(label, line, 0);
		grid->addWidget(field, line, 1);
		if (after)
			grid->addWidget(after, line, 2);
	};
	int line = 0;
	for (const RuleRow &row : kRuleRows) {
		auto *radio = new QRadioButton(QCoreApplication::translate("CircleOfConfusionWindow", row.name), rules);
		radio->setObjectName(QStringLiteral("circleRule%1").arg(static_cast<int>(row.rule)));
		radio->setToolTip(QCoreApplication::translate("CircleOfConfusionWindow", row.tip));
		ruleGroup_->addButton(radio, static_cast<int>(row.rule));
		QLineEdit *figure = figureField(rules, row.rule);
		figure->setAccessibleName(radio->text().remove(QLatin1Char('&')));
		auto *reason = new QLabel(rules);
		reason->setObjectName(QStringLiteral("circleReason%1").arg(static_cast<int>(row.rule)));
		reason->setWordWrap(true);
		figures_[at(row.rule)] = figure;
		reasons_[at(row.rule)] = reason;
		grid->addWidget(radio, line, 0);
		grid->addWidget(figure, line, 1);
		grid->addWidget(reason, line, 2);
		++line;
		if (row.rule == Rule::Print) {
			addInput(line++, QCoreApplication::translate("CircleOfConfusionWindow", "Print si&ze:"), print_,
				 nullptr);
			addInput(line++, QCoreApplication::translate("CircleOfConfusionWindow", "Seen &from:"),
				 viewing_, viewingUnit_);
			addInput(line++, QCoreApplication::translate("CircleOfConfusionWindow", "&Eye blur at 25 cm:"),
				 eyeBlur_, new QLabel(QStringLiteral("mm"), rules));
		} else if (row.rule == Rule::Pixels) {
			addInput(line++, QCoreApplication::translate("CircleOfConfusionWindow", "Pixels &across:"),
				 pixels_, nullptr);
			addInput(line++, QCoreApplication::translate("CircleOfConfusionWindow", "Circle &spans:"),
				 pixelFactor_,
				 new QLabel(QCoreApplication::translate("CircleOfConfusionWindow", "pixels"), rules));
			auto *note = new QLabel(
				QCoreApplication::translate("CircleOfConfusionWindow",
							    "The camera database has no pixel counts: type the width "
							    "of the camera's pictures in pixels."),
				rules);
			note->setWordWrap(true);
			note->setIndent(indent);
			grid->addWidget(note, line++, 0, 1, 3);
		}
	}
	ruleGroup_->button(static_cast<int>(Rule::Classic))->setChecked(true);
	connect(ruleGroup_, &QButtonGroup::idToggled, this, [this] { refresh(); });

	use_->setObjectName(QStringLiteral("circleUse"));
	use_->setToolTip(QCoreApplication::translate("CircleOfConfusionWindow",
						     "Make the chosen rule's circle the pages' circle of confusion"));
	connect(use_, &QPushButton::clicked, this, &CircleOfConfusionWindow::useOnPages);
	auto *helpButton = new QPushButton(QCoreApplication::translate("CircleOfConfusionWindow", "&Help"), this);
	helpButton->setObjectName(QStringLiteral("circleHelp"));
	auto *closeButton = new QPushButton(QCoreApplication::translate("CircleOfConfusionWindow", "Close"), this);
	closeButton->setObjectName(QStringLiteral("circleClose"));
	closeButton->setToolTip(QCoreApplication::translate("CircleOfConfusionWindow", "Close the window (Esc)"));
	connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
	connect(helpButton, &QPushButton::clicked, this, [this] {
		if (help_)
			help_(ids::help::CircleOfConfusion);
	});
	for (QPushButton *button : { camera, pagesFormat_, use_, helpButton, closeButton })
		button->setAutoDefault(false);
	auto *buttons = new QHBoxLayout;
	buttons->addWidget(use_);
	buttons->addStretch(1);
	buttons->addWidget(helpButton);
	buttons->addWidget(closeButton);

	auto *layout = new QVBoxLayout(this);
	layout->addLayout(frameRow);
	layout->addWidget(rules);
	layout->addStretch(1);
	layout->addLayout(buttons);

	refresh();
	// Room for a reason beside its figure.
	place(QSize(std::max(sizeHint().width(), fontMetrics().averageCharWidth() * 96), sizeHint().height()),
	      remembered().circlePlace);
}

void CircleOfConfusionWindow::useCamera(const Camera *camera)
{
	rules_.useCamera(camera);
	refresh();
}

void CircleOfConfusionWindow::chooseCamera()
{
	CameraDialog dialog(
		QCoreApplication::translate("CircleOfConfusionWindow",
					    "The circles are worked out for the camera chosen."),
		CameraDialog::Rule::NotAsked,
		[this] {
			if (help_)
				help_(ids::help::CameraChooser);
		},
		this);
	if (dialog.exec() == QDialog::Accepted)
		useCamera(dialog.camera());
}

CircleRules::Rule CircleOfConfusionWindow::chosenRule() const
{
	return static_cast<Rule>(ruleGroup_->checkedId());
}

CircleOfConfusionWindow::Inputs CircleOfConfusionWindow::currentInputs()
{
	return { currentSettings().LengthUnit, selectedFilmFormat() };
}

bool CircleOfConfusionWindow::showsCurrentSettings() const
{
	return shown_ == currentInputs();
}

void CircleOfConfusionWindow::refresh()
{
	shown_ = currentInputs();
	// A unit chosen on a page: the same distance, written in it.
	if (rules_.followUnit())
		viewing_->setText(ui::fromCp1252(rules_.text(Input::Viewing)));
	viewingUnit_->setText(
		ui::fromCp1252(unitAbbreviation(currentSettings().LengthUnit)) +
		QCoreApplication::translate("CircleOfConfusionWindow", "   (empty: the print's diagonal)"));
	viewing_->setPlaceholderText(ui::fromCp1252(rules_.printDiagonalText()));
	viewing_->setToolTip(QCoreApplication::translate(
		"CircleOfConfusionWindow", "The distance the print is seen from, in the unit of the pages; left "
					   "empty, the print's diagonal"));
	frame_->setText(ui::fromCp1252(rules_.frameText()) +
			(rules_.camera()
				 ? QString()
				 : QCoreApplication::translate("CircleOfConfusionWindow", " (the pages' format)")));
	pagesFormat_->setEnabled(rules_.camera() != nullptr);
	for (const Rule rule : CircleRules::kRules) {
		const CoCResult result = rules_.circle(rule);
		figures_[at(rule)]->setText(ui::fromCp1252(result.coc.text));
		QString reason = result.unusable.empty()
					 ? QString()
					 : QCoreApplication::translate("CircleOfConfusionWindow", "The %1.")
						   .arg(ui::translated(ui::kReasonsContext, result.unusable));
		// A sentence begins with a capital, in a language with no "The".
		if (!reason.isEmpty())
			reason[0] = reason[0].toUpper();
		reasons_[at(rule)]->setText(reason);
		figures_[at(rule)]->setAccessibleDescription(reason);
	}
	use_->setEnabled(rules_.circle(chosenRule()).unusable.empty());
}

void CircleOfConfusionWindow::useOnPages()
{
	if (rules_.use(chosenRule()) && showPage_)
		showPage_(resources::pageShowing(ids::page::CircleOfConfusion));
}

} // namespace mirel
