#include "camera_chooser_qt/camera_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "camera_chooser_qt/camera_list.h"

namespace mirel {

CameraDialog::CameraDialog(const QString &purpose, Rule rule, std::function<void()> help, QWidget *parent)
	: QDialog(parent), cameras_(new CameraList(this))
{
	setObjectName(QStringLiteral("cameraDialog"));
	setWindowTitle(QCoreApplication::translate("CameraDialog", "Camera"));
	auto *header = new QLabel(purpose, this);
	header->setWordWrap(true);
	auto *searchLabel = new QLabel(QCoreApplication::translate("CameraDialog", "&Search:"), this);
	searchLabel->setBuddy(&cameras_->searchField());

	auto *buttons =
		new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
	QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
	connect(cameras_, &CameraList::chosen, this, &CameraDialog::accept);
	connect(cameras_, &CameraList::currentChanged, this, [this, ok] { ok->setEnabled(cameras_->current()); });
	ok->setEnabled(cameras_->current());
	connect(buttons, &QDialogButtonBox::accepted, this, &CameraDialog::accept);
	connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
	connect(buttons, &QDialogButtonBox::helpRequested, this, [help = std::move(help)] {
		if (help)
			help();
	});

	auto *layout = new QVBoxLayout(this);
	layout->addWidget(header);
	layout->addWidget(searchLabel);
	layout->addWidget(cameras_, 1);
	if (rule == Rule::Asked) {
		rule_ = ruleBox(this);
		connect(rule_, &QComboBox::currentIndexChanged, this, [this] { cameras_->setRule(this->rule()); });
		cameras_->setRule(this->rule());
		auto *ruleLabel =
			new QLabel(QCoreApplication::translate("CameraDialog", "Ci&rcle of confusion:"), this);
		ruleLabel->setBuddy(rule_);
		auto *form = new QFormLayout;
		form->addRow(ruleLabel, rule_);
		layout->addLayout(form);
	}
	layout->addWidget(buttons);
	cameras_->searchField().setFocus();
}

DiagonalRule CameraDialog::rule() const
{
	return rule_ ? ruleOf(*rule_) : DiagonalRule::Classic;
}

void CameraDialog::accept()
{
	chosen_ = cameras_->current();
	if (chosen_)
		QDialog::accept();
}

} // namespace mirel
