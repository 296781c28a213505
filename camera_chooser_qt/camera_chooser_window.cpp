#include "camera_chooser_qt/camera_chooser_window.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "camera_chooser/camera_chooser.h"
#include "camera_chooser_qt/camera_list.h"
#include "resources/control_ids.h"
#include "resources/pages.h"
#include "settings/model/remembered.h"
#include "ui_qt/cp1252.h"

namespace mirel {

CameraChooserWindow::CameraChooserWindow(std::function<void()> help, std::function<void(PageIndex)> showPage,
					 QWidget *parent)
	: ToolWindow(parent), help_(std::move(help)), showPage_(std::move(showPage)), header_(new QLabel(this)),
	  cameras_(new CameraList(this)), rule_(ruleBox(this)),
	  use_(new QPushButton(QCoreApplication::translate("CameraChooserWindow", "&Use for the pages"), this))
{
	setObjectName(QStringLiteral("cameraChooserWindow"));
	setWindowTitle(QCoreApplication::translate("CameraChooserWindow", "Camera"));
	header_->setObjectName(QStringLiteral("cameraHeader"));
	header_->setWordWrap(true);
	use_->setObjectName(QStringLiteral("cameraUse"));
	use_->setToolTip(QCoreApplication::translate(
		"CameraChooserWindow", "Fill the pages' format with the camera chosen and compute with it (Enter)"));

	connect(cameras_, &CameraList::chosen, this, &CameraChooserWindow::useCurrent);
	connect(cameras_, &CameraList::currentChanged, this, [this] { use_->setEnabled(cameras_->current()); });
	connect(rule_, &QComboBox::currentIndexChanged, this, [this] { cameras_->setRule(ruleOf(*rule_)); });
	cameras_->setRule(ruleOf(*rule_));
	connect(use_, &QPushButton::clicked, this, &CameraChooserWindow::useCurrent);

	auto *searchLabel = new QLabel(QCoreApplication::translate("CameraChooserWindow", "&Search:"), this);
	searchLabel->setBuddy(&cameras_->searchField());
	auto *ruleLabel = new QLabel(QCoreApplication::translate("CameraChooserWindow", "Ci&rcle of confusion:"), this);
	ruleLabel->setBuddy(rule_);
	auto *form = new QFormLayout;
	form->addRow(ruleLabel, rule_);

	auto *helpButton = new QPushButton(QCoreApplication::translate("CameraChooserWindow", "&Help"), this);
	helpButton->setObjectName(QStringLiteral("cameraHelp"));
	auto *closeButton = new QPushButton(QCoreApplication::translate("CameraChooserWindow", "Close"), this);
	closeButton->setObjectName(QStringLiteral("cameraClose"));
	closeButton->setToolTip(QCoreApplication::translate("CameraChooserWindow", "Close the window (Esc)"));
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
	layout->addWidget(searchLabel);
	layout->addWidget(cameras_, 1);
	layout->addLayout(form);
	layout->addLayout(buttons);

	refresh();
	place(sizeHint(), remembered().cameraPlace);
}

void CameraChooserWindow::refresh()
{
	shownFormat_ = pagesFormatText();
	header_->setText(QCoreApplication::translate("CameraChooserWindow",
						     "The camera chosen takes the place of %1, in the film table and "
						     "becomes the pages' format.")
				 .arg(ui::fromCp1252(shownFormat_)));
}

bool CameraChooserWindow::showsCurrentSettings() const
{
	return shownFormat_ == pagesFormatText();
}

void CameraChooserWindow::showEvent(QShowEvent *event)
{
	ToolWindow::showEvent(event);
	// Typing replaces what was searched last.
	cameras_->searchField().setFocus();
	cameras_->searchField().selectAll();
}

void CameraChooserWindow::useCurrent()
{
	const Camera *camera = cameras_->current();
	if (!camera)
		return;
	chooseCameraForPages(*camera, ruleOf(*rule_));
	close();
	if (showPage_)
		showPage_(resources::pageShowing(ids::page::FilmFormat));
}

} // namespace mirel
