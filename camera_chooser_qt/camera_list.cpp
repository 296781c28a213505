#include "camera_chooser_qt/camera_list.h"

#include <utility>

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "camera_chooser_qt/camera_database_loader.h"
#include "settings/model/remembered.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

enum Column { Name, Frame, Crop, Circle };

// The row's camera, kept with its first cell.
constexpr int kCameraRole = Qt::UserRole;

} // namespace

CameraList::CameraList(QWidget *parent)
	: QWidget(parent), search_(new QLineEdit(this)), message_(new QLabel(this)), list_(new QTreeWidget(this))
{
	search_->setObjectName(QStringLiteral("cameraSearch"));
	search_->setPlaceholderText(
		QCoreApplication::translate("CameraChooserWindow", "maker and model: 7d, z6, x-t3, rx100"));
	search_->setAccessibleName(QCoreApplication::translate("CameraChooserWindow", "Search cameras"));
	search_->setClearButtonEnabled(true);
	search_->installEventFilter(this);
	message_->setObjectName(QStringLiteral("cameraMessage"));
	message_->setWordWrap(true);
	message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
	list_->setObjectName(QStringLiteral("cameraList"));
	list_->setAccessibleName(QCoreApplication::translate("CameraChooserWindow", "Cameras"));
	list_->setRootIsDecorated(false);
	list_->setUniformRowHeights(true);
	list_->setAllColumnsShowFocus(true);
	list_->setHeaderLabels({ QCoreApplication::translate("CameraChooserWindow", "Camera"),
				 QCoreApplication::translate("CameraChooserWindow", "Frame"),
				 QCoreApplication::translate("CameraChooserWindow", "Crop"),
				 QCoreApplication::translate("CameraChooserWindow", "Circle") });
	list_->headerItem()->setToolTip(
		Crop,
		QCoreApplication::translate("CameraChooserWindow", "Crop factor: the 36 \u00d7 24 mm diagonal over the "
								   "frame's"));
	list_->headerItem()->setToolTip(
		Circle, QCoreApplication::translate("CameraChooserWindow", "Circle of confusion by the rule chosen"));
	// Widths the longest texts need, so that typing does not measure the
	// rows again and again.
	const QFontMetrics metrics = list_->fontMetrics();
	const int margin = 3 * metrics.averageCharWidth();
	list_->header()->setStretchLastSection(false);
	list_->header()->setSectionResizeMode(Name, QHeaderView::Stretch);
	list_->setColumnWidth(Frame, metrics.horizontalAdvance(QStringLiteral("88.88 \u00d7 88.88 mm")) + margin);
	list_->setColumnWidth(Crop, metrics.horizontalAdvance(QStringLiteral("88.888")) + margin);
	list_->setColumnWidth(Circle, metrics.horizontalAdvance(QStringLiteral("0.888888 mm")) + margin);

	connect(search_, &QLineEdit::textChanged, this, [this](const QString &text) {
		chooser_.search(ui::toCp1252(text));
		fill(false);
	});
	connect(list_, &QTreeWidget::itemActivated, this, &CameraList::choose);
	connect(list_, &QTreeWidget::currentItemChanged, this, &CameraList::currentChanged);

	// The list's room, which a sentence in its place keeps: a dozen rows.
	auto *room = new QWidget(this);
	room->setMinimumSize(metrics.averageCharWidth() * 36 + list_->columnWidth(Frame) + list_->columnWidth(Crop) +
				     list_->columnWidth(Circle),
			     metrics.height() * 14);
	auto *roomLayout = new QVBoxLayout(room);
	roomLayout->setContentsMargins(0, 0, 0, 0);
	roomLayout->addWidget(message_);
	roomLayout->addWidget(list_, 1);
	roomLayout->addStretch(0);
	auto *layout = new QVBoxLayout(this);
	layout->setContentsMargins(0, 0, 0, 0);
	layout->addWidget(search_);
	layout->addWidget(room, 1);

	fill(false);
	CameraDatabaseLoader::whenLoaded(this, [this](const CameraDatabaseLoad &load) { arrive(load); });
}

const Camera *CameraList::current() const
{
	const QTreeWidgetItem *item = list_->currentItem();
	return item ? static_cast<const Camera *>(item->data(Name, kCameraRole).value<const void *>()) : nullptr;
}

void CameraList::setRule(DiagonalRule rule)
{
	rule_ = rule;
	fill(true);
}

void CameraList::arrive(const CameraDatabaseLoad &load)
{
	chooser_.arrive(load);
	fill(false);
	if (std::exchange(chooseOnArrival_, false))
		choose();
}

void CameraList::fill(bool keepCurrent)
{
	const Camera *before = keepCurrent ? current() : nullptr;
	list_->setUpdatesEnabled(false);
	list_->clear();
	QList<QTreeWidgetItem *> rows;
	QTreeWidgetItem *again = nullptr;
	for (const Camera *camera : chooser_.cameras()) {
		const CameraEntry entry = cameraEntry(*camera, rule_);
		auto *row = new QTreeWidgetItem({ ui::fromCp1252(entry.name), ui::fromCp1252(entry.frame),
						  ui::fromCp1252(entry.cropFactor), ui::fromCp1252(entry.circle) });
		row->setData(Name, kCameraRole, QVariant::fromValue(static_cast<const void *>(camera)));
		for (const Column right : { Crop, Circle })
			row->setTextAlignment(right, Qt::AlignRight | Qt::AlignVCenter);
		if (camera == before)
			again = row;
		rows << row;
	}
	list_->addTopLevelItems(rows);
	list_->setCurrentItem(again ? again : rows.value(0));
	list_->setUpdatesEnabled(true);
	list_->setVisible(!rows.isEmpty());
	const QString message = ui::translated("CameraChooserWindow", chooser_.messageSentence());
	message_->setText(message);
	message_->setVisible(!message.isEmpty());
	emit currentChanged();
}

void CameraList::choose()
{
	// Enter typed ahead of the database chooses as soon as it is there.
	chooseOnArrival_ = loading();
	if (const Camera *camera = current())
		emit chosen(*camera);
}

bool CameraList::eventFilter(QObject *watched, QEvent *event)
{
	if (watched == search_ && event->type() == QEvent::KeyPress) {
		switch (static_cast<QKeyEvent *>(event)->key()) {
		case Qt::Key_Up:
		case Qt::Key_Down:
		case Qt::Key_PageUp:
		case Qt::Key_PageDown:
			QCoreApplication::sendEvent(list_, event);
			return true;
		case Qt::Key_Return:
		case Qt::Key_Enter:
			choose();
			return true;
		default:
			break;
		}
	}
	return QWidget::eventFilter(watched, event);
}

QComboBox *ruleBox(QWidget *parent)
{
	auto *box = new QComboBox(parent);
	box->setObjectName(QStringLiteral("cameraRule"));
	box->setToolTip(QCoreApplication::translate(
		"CameraChooserWindow", "The circle of confusion the row takes: the frame's diagonal over 1730, as "
				       "the pages suggest, or over 1500 or 1440 for larger circles"));
	for (const DiagonalRuleName &rule : kDiagonalRuleNames) {
		box->addItem(ui::translated("CameraChooserWindow", rule.name), static_cast<int>(rule.rule));
		if (rule.rule == diagonalRuleOf(remembered().cameraRule))
			box->setCurrentIndex(box->count() - 1);
	}
	QObject::connect(box, &QComboBox::currentIndexChanged, box,
			 [box] { remembered().cameraRule = static_cast<double>(ruleOf(*box)); });
	return box;
}

DiagonalRule ruleOf(const QComboBox &box)
{
	return static_cast<DiagonalRule>(box.currentData().toInt());
}

} // namespace mirel
