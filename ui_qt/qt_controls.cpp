#include "ui_qt/qt_controls.h"

#include <algorithm>
#include <stdexcept>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui_qt/contrast.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/mnemonics.h"
#include "ui_qt/result_field.h"
#include "ui_qt/translation.h"

namespace mirel::ui {
namespace {

QComboBox *asCombo(QWidget *w)
{
	return qobject_cast<QComboBox *>(w);
}

// Sets one button's check alone: an exclusive group would clear the others,
// or refuse to clear its checked one.
void setCheckAlone(QAbstractButton *button, bool checked)
{
	QButtonGroup *group = button->group();
	const bool exclusive = group && group->exclusive();
	if (exclusive)
		group->setExclusive(false);
	button->setChecked(checked);
	if (exclusive)
		group->setExclusive(true);
}

// As in Windows dialogs, Tab enters a group of radios at its checked radio,
// from where the arrow keys move the check; at its first while none is.
void keepTabStopOnCheck(QButtonGroup *group)
{
	const QList<QAbstractButton *> radios = group->buttons();
	const auto checked = std::ranges::find_if(radios, &QAbstractButton::isChecked);
	const QAbstractButton *stop = checked != radios.end() ? *checked : radios.front();
	for (QAbstractButton *radio : radios)
		radio->setFocusPolicy(radio == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

// One empty completer, lent to each editable box's line edit on its way in.
QCompleter *emptyCompleter()
{
	static QCompleter *const completer = new QCompleter(qApp);
	return completer;
}

bool isList(ControlKind kind)
{
	return kind == ControlKind::ComboBox || kind == ControlKind::DropDownList;
}

bool isButton(ControlKind kind)
{
	return kind == ControlKind::RadioButton || kind == ControlKind::CheckBox || kind == ControlKind::PushButton;
}

Qt::FocusPolicy tabPolicy(const ControlTemplate &c)
{
	// Controls that are no tab stop still take focus from a click.
	return (c.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

QLineEdit *lineEditOf(QWidget *w)
{
	if (auto *combo = asCombo(w))
		return combo->lineEdit();
	return qobject_cast<QLineEdit *>(w);
}

// A label's text as a name: without the colon that ends it on screen.
QString nameOf(const QString &label)
{
	QString name = label.trimmed();
	if (name.endsWith(u':'))
		name.chop(1);
	return name.trimmed();
}

// Holds the radios of a group so that assistive technology reads the
// group's name with them; it draws nothing of its own.
class RadioGroupBox final : public QGroupBox
{
public:
	using QGroupBox::QGroupBox;

protected:
	void paintEvent(QPaintEvent *) override {}
};

} // namespace

QtControls::QtControls(const DialogTemplate &dialog, NotificationSink &sink, QWidget *parent)
	: QWidget(parent), dialog_(dialog), sink_(sink), context_(templateContext(dialog)),
	  units_(DialogUnits::fitting(dialog, DialogUnits::dialogFont(dialog.fontPoints)))
{
	setFont(DialogUnits::dialogFont(dialog.fontPoints));
	setWindowTitle(translated(context_, dialog_.caption));
	controls_.reserve(dialog_.controls.size());
	for (const ControlTemplate &c : dialog_.controls) {
		QWidget *w = build(c);
		w->setObjectName(QString::number(c.id));
		QRect geometry = units_.toPixels(c.rect);
		// A drop-down's height in the template includes its open list; the
		// closed box is as tall as the style makes it (build() took it).
		if (isList(c.kind))
			geometry.setHeight(w->height());
		w->setGeometry(geometry);
		if (c.kind == ControlKind::Icon) {
			const int side = std::min(geometry.width(), geometry.height());
			static_cast<QLabel *>(w)->setPixmap(QApplication::windowIcon().pixmap(side, side));
		}
		if (c.id != kNoId)
			indexById_.emplace(c.id, controls_.size());
		controls_.push_back({ &c, w, isList(c.kind) ? std::string() : c.text });
	}
	linkBuddies();
	for (Control &c : controls_)
		showText(c);
	nameForAssistiveTechnology();
	widenButtonsToTheirText();
	groupRadios();
	chainTabOrder();
	keepDisabledTextLegible();
	resize(templateSize());
}

QtControls::~QtControls()
{
	// The children go first, while the handlers they are connected to can
	// still find their controls.
	for (const Control &c : controls_)
		delete c.widget;
}

QWidget *QtControls::build(const ControlTemplate &c)
{
	const int id = c.id;
	switch (c.kind) {
	case ControlKind::Static:
	case ControlKind::Icon: {
		auto *label = new QLabel(this);
		label->setTextFormat(Qt::PlainText);
		label->setAlignment(((c.style & kRightAligned) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
		label->setWordWrap(c.style & kWordWrap);
		return label;
	}
	case ControlKind::Edit: {
		QLineEdit *edit = (c.style & kReadOnly) ? new ResultField(fromCp1252(c.text), this)
							: new QLineEdit(fromCp1252(c.text), this);
		edit->setFrame(c.style & kBorder);
		if (c.style & kRightAligned)
			edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
		edit->setCursorPosition(0);
		edit->setFocusPolicy(tabPolicy(c));
		// textEdited is the user's typing only; program writes notify in setText.
		connect(edit, &QLineEdit::textEdited, this, [this, id] { sink_.notify(id, Notification::Changed); });
		return edit;
	}
	case ControlKind::ComboBox:
	case ControlKind::DropDownList: {
		auto *combo = new QComboBox(this);
		if (c.kind == ControlKind::ComboBox) {
			// The edit part holds what the user typed: no completion, and
			// neither Enter nor leaving the box turns a typed text that
			// matches an item into a pick. Its line edit comes lent an empty
			// completer, so that the box makes none: setEditable would make
			// a completer over the list and the list's popup at once, the
			// larger part of building a page with such a box.
			auto *edit = new QLineEdit(combo);
			edit->setCompleter(emptyCompleter());
			combo->setLineEdit(edit);
			combo->setInsertPolicy(QComboBox::NoInsert);
			combo->setCompleter(nullptr);
			disconnect(edit, &QLineEdit::returnPressed, combo, nullptr);
			disconnect(edit, &QLineEdit::editingFinished, combo, nullptr);
			connect(edit, &QLineEdit::textEdited, this,
				[this, id] { sink_.notify(id, Notification::EditChanged); });
		}
		// The closed box's height, taken before the items are in: the size
		// hint then measures none of them.
		combo->resize(combo->width(), combo->sizeHint().height());
		// A pick list's items are the template's words, shown translated;
		// the model reads back the English it wrote.
		for (const std::string &item : c.items)
			if (c.kind == ControlKind::DropDownList)
				combo->addItem(translated(context_, item), fromCp1252(item));
			else
				combo->addItem(fromCp1252(item));
		combo->setCurrentIndex(-1);
		combo->setFocusPolicy(tabPolicy(c));
		// activated comes from the user's pick, after the selection and the
		// edit text are updated; setCurrentIndex does not raise it.
		connect(combo, &QComboBox::activated, this,
			[this, id] { sink_.notify(id, Notification::SelectionChanged); });
		// Closed, the list says what its item says.
		connect(combo, &QComboBox::currentIndexChanged, combo,
			[combo] { combo->setToolTip(combo->currentData(Qt::ToolTipRole).toString()); });
		return combo;
	}
	case ControlKind::RadioButton:
	case ControlKind::CheckBox:
	case ControlKind::PushButton: {
		QAbstractButton *button = nullptr;
		if (c.kind == ControlKind::RadioButton) {
			button = new QRadioButton(this);
			// The group moves the check with the arrow keys, as clicks.
			radioGroup(c.group)->addButton(button);
		} else if (c.kind == ControlKind::CheckBox) {
			button = new QCheckBox(this);
		} else {
			auto *push = new QPushButton(this);
			push->setDefault(c.style & kDefaultButton);
			button = push;
		}
		button->setFocusPolicy(tabPolicy(c));
		// clicked is the user's; setChecked does not raise it. A click leaves
		// its radio the only checked one of the group.
		connect(button, &QAbstractButton::clicked, this, [this, id, button] {
			if (QButtonGroup *group = button->group()) {
				for (QAbstractButton *other : group->buttons()) {
					if (other != button && other->isChecked())
						setCheckAlone(other, false);
				}
				keepTabStopOnCheck(group);
			}
			sink_.notify(id, Notification::Clicked);
		});
		return button;
	}
	case ControlKind::Frame: {
		auto *frame = new QFrame(this);
		frame->setFrameStyle(QFrame::Box | QFrame::Plain);
		return frame;
	}
	}
	throw std::invalid_argument("unknown control kind");
}

QButtonGroup *QtControls::radioGroup(int group)
{
	// A radio outside any group is exclusive on its own, as a click on it
	// then never clears it.
	const int key = group != 0 ? group : nextLoneRadioGroup_--;
	QButtonGroup *&buttons = radioGroups_[key];
	if (!buttons) {
		buttons = new QButtonGroup(this);
		buttons->setExclusive(true);
	}
	return buttons;
}

void QtControls::linkBuddies()
{
	for (const Control &c : controls_) {
		if (c.control->kind != ControlKind::Static || c.control->buddy == kNoId)
			continue;
		const auto it = indexById_.find(c.control->buddy);
		if (it != indexById_.end())
			static_cast<QLabel *>(c.widget)->setBuddy(controls_[it->second].widget);
	}
}

void QtControls::showText(Control &c)
{
	const QString text = translated(context_, c.text);
	const bool noPrefix = c.control->style & kNoPrefix;
	switch (c.control->kind) {
	case ControlKind::Static: {
		auto *label = static_cast<QLabel *>(c.widget);
		// A label draws '&' as a mnemonic only when it has a buddy.
		if (QWidget *buddy = label->buddy()) {
			label->setText(noPrefix ? escapeMnemonics(text) : text);
			// Screen readers announce the field by its label, as shown but
			// for the colon; on Linux they read a list's name from its
			// label, a list's own name being its value.
			const QString name = nameOf(noPrefix ? text : withoutMnemonics(text));
			buddy->setAccessibleName(name);
			label->setAccessibleName(name);
		} else {
			label->setText(noPrefix ? text : withoutMnemonics(text));
		}
		break;
	}
	case ControlKind::RadioButton:
	case ControlKind::CheckBox:
	case ControlKind::PushButton:
		static_cast<QAbstractButton *>(c.widget)->setText(noPrefix ? escapeMnemonics(text) : text);
		break;
	default:
		break;
	}
}

void QtControls::nameForAssistiveTechnology()
{
	// A page is named by its tab title and described by its heading.
	if (!dialog_.caption.empty())
		setAccessibleName(translated(context_, dialog_.caption));
	for (const Control &c : controls_) {
		if (!c.control->accessibleName.empty())
			c.widget->setAccessibleName(translated(context_, c.control->accessibleName));
		if (c.control->style & kHeading)
			setAccessibleDescription(nameOf(static_cast<QLabel *>(c.widget)->text()));
	}
}

void QtControls::widenButtonsToTheirText()
{
	// The style's radio and check indicators are wider than the ones the
	// templates were laid out for; a label that no longer fits takes the
	// free room to its right, up to the next control or the window's edge.
	for (const Control &c : controls_) {
		const ControlKind kind = c.control->kind;
		if (kind != ControlKind::RadioButton && kind != ControlKind::CheckBox)
			continue;
		QRect geometry = c.widget->geometry();
		const int wanted = c.widget->sizeHint().width();
		if (wanted <= geometry.width())
			continue;
		int limit = templateSize().width();
		for (const Control &other : controls_) {
			const QRect r = other.widget->geometry();
			if (&other == &c || other.control->kind == ControlKind::Frame)
				continue;
			if (r.left() > geometry.left() && r.top() <= geometry.bottom() && r.bottom() >= geometry.top())
				limit = std::min(limit, r.left());
		}
		geometry.setWidth(std::max(geometry.width(), std::min(wanted, limit - geometry.left())));
		c.widget->setGeometry(geometry);
	}
}

void QtControls::groupRadios()
{
	// The box spans its radios and takes them in, keeping their places.
	for (const Control &first : controls_) {
		if (first.control->kind != ControlKind::RadioButton || first.control->groupName.empty())
			continue;
		const QList<QAbstractButton *> radios =
			static_cast<QAbstractButton *>(first.widget)->group()->buttons();
		QRect area;
		for (const QAbstractButton *radio : radios)
			area |= radio->geometry();
		auto *box = new RadioGroupBox(this);
		box->setAccessibleName(translated(context_, first.control->groupName));
		box->setGeometry(area);
		for (QAbstractButton *radio : radios) {
			const QPoint place = radio->pos() - area.topLeft();
			radio->setParent(box);
			radio->move(place);
		}
	}
}

void QtControls::chainTabOrder()
{
	// In template order; the radios of a group one after the other, where
	// the group's first radio stands, whichever of them is the Tab stop.
	QWidget *previous = nullptr;
	for (const Control &c : controls_) {
		QList<QWidget *> chain = { c.widget };
		if (c.control->kind == ControlKind::RadioButton) {
			const QList<QAbstractButton *> radios =
				static_cast<QAbstractButton *>(c.widget)->group()->buttons();
			if (radios.front() != c.widget)
				continue;
			chain = QList<QWidget *>(radios.begin(), radios.end());
		}
		for (QWidget *w : chain) {
			if (w->focusPolicy() == Qt::NoFocus)
				continue;
			if (previous)
				setTabOrder(previous, w);
			previous = w;
		}
	}
}

void QtControls::focusFirstInput()
{
	for (const Control &c : controls_) {
		if (!(c.control->style & kTabStop) || !c.widget->isEnabled())
			continue;
		c.widget->setFocus(Qt::TabFocusReason);
		if (QLineEdit *edit = lineEditOf(c.widget))
			edit->selectAll();
		return;
	}
}

void QtControls::changeEvent(QEvent *event)
{
	QWidget::changeEvent(event);
	if (event->type() == QEvent::PaletteChange)
		keepDisabledTextLegible();
}

void QtControls::keepDisabledTextLegible()
{
	// The f Numbers page disables the box whose value it computes: the box
	// takes no input, but its value is there to be read, so its text keeps
	// the contrast of normal text against the disabled box. Only that one
	// colour is the boxes' own; the rest follows the window's palette.
	const QPalette inherited = palette();
	QPalette legible;
	legible.setColor(QPalette::Disabled, QPalette::Text,
			 legibleColor(inherited.color(QPalette::Disabled, QPalette::Text),
				      inherited.color(QPalette::Active, QPalette::Text),
				      inherited.color(QPalette::Disabled, QPalette::Base), kTextContrast));
	for (const Control &c : controls_) {
		if (c.control->kind == ControlKind::Edit || c.control->kind == ControlKind::ComboBox)
			c.widget->setPalette(legible);
	}
}

QtControls::Control &QtControls::byId(int id)
{
	const auto it = indexById_.find(id);
	if (it == indexById_.end())
		throw std::out_of_range("no control with id " + std::to_string(id));
	return controls_[it->second];
}

const QtControls::Control &QtControls::byId(int id) const
{
	return const_cast<QtControls *>(this)->byId(id);
}

QWidget *QtControls::widget(int id) const
{
	const auto it = indexById_.find(id);
	return it == indexById_.end() ? nullptr : controls_[it->second].widget;
}

QSize QtControls::templateSize() const
{
	return units_.toPixels(dialog_.width, dialog_.height);
}

QSize QtControls::sizeHint() const
{
	return templateSize();
}

void QtControls::setText(int id, std::string_view text)
{
	Control &c = byId(id);
	switch (c.control->kind) {
	case ControlKind::Edit:
	case ControlKind::ComboBox: {
		// A written text shows from its start, as a Windows edit shows it;
		// Qt would scroll to its end.
		QLineEdit *edit = c.control->kind == ControlKind::Edit ? static_cast<QLineEdit *>(c.widget)
								       : asCombo(c.widget)->lineEdit();
		const QString shown = fromCp1252(text);
		edit->setText(shown);
		edit->setCursorPosition(0);
		// A result too long for its box shows its start, and all of it in
		// the tooltip.
		if (c.control->style & kReadOnly) {
			const bool whole = DialogUnits::editWidthFor(edit->fontMetrics().horizontalAdvance(shown),
								     edit->hasFrame()) <= edit->width();
			edit->setToolTip(whole ? QString() : shown);
		}
		// QLineEdit stays silent when the text is unchanged; the contract
		// wants a notice for every edit write, and none for a combo's.
		if (c.control->kind == ControlKind::Edit)
			sink_.notify(id, Notification::Changed);
		break;
	}
	case ControlKind::DropDownList:
		break; // shows its selection only
	default:
		c.text = text;
		showText(c);
		break;
	}
}

std::string QtControls::text(int id) const
{
	const Control &c = byId(id);
	switch (c.control->kind) {
	case ControlKind::Edit:
		return toCp1252(static_cast<QLineEdit *>(c.widget)->text());
	case ControlKind::ComboBox:
		return toCp1252(asCombo(c.widget)->lineEdit()->text());
	case ControlKind::DropDownList: {
		const QComboBox *combo = asCombo(c.widget);
		return combo->currentIndex() >= 0 ? itemText(id, combo->currentIndex()) : std::string();
	}
	default:
		return c.text;
	}
}

void QtControls::enable(int id, bool enabled)
{
	byId(id).widget->setEnabled(enabled);
}

bool QtControls::isEnabled(int id) const
{
	return byId(id).widget->isEnabledTo(this);
}

void QtControls::setCheck(int id, bool checked)
{
	const Control &c = byId(id);
	// Like a Windows button's check, a write changes this button only.
	if (!isButton(c.control->kind))
		return;
	auto *button = static_cast<QAbstractButton *>(c.widget);
	setCheckAlone(button, checked);
	if (QButtonGroup *group = button->group())
		keepTabStopOnCheck(group);
}

bool QtControls::isChecked(int id) const
{
	const Control &c = byId(id);
	return isButton(c.control->kind) && static_cast<const QAbstractButton *>(c.widget)->isChecked();
}

void QtControls::addItem(int id, std::string_view text)
{
	QComboBox *combo = asCombo(byId(id).widget);
	if (!combo)
		return;
	// QComboBox selects the first item added to an empty list; a list here
	// keeps its selection and edit text until the program or user sets them.
	const int selected = combo->currentIndex();
	const QString editText = combo->isEditable() ? combo->lineEdit()->text() : QString();
	combo->addItem(fromCp1252(text));
	if (combo->currentIndex() != selected) {
		combo->setCurrentIndex(selected);
		if (combo->isEditable())
			combo->setEditText(editText);
	}
}

void QtControls::clearItems(int id)
{
	if (QComboBox *combo = asCombo(byId(id).widget))
		combo->clear();
}

int QtControls::itemCount(int id) const
{
	const QComboBox *combo = asCombo(byId(id).widget);
	return combo ? combo->count() : 0;
}

std::string QtControls::itemText(int id, int index) const
{
	const QComboBox *combo = asCombo(byId(id).widget);
	if (!combo || index < 0 || index >= combo->count())
		return {};
	// A template's item as the model wrote it, in English.
	const QVariant source = combo->itemData(index);
	return toCp1252(source.isValid() ? source.toString() : combo->itemText(index));
}

void QtControls::setItemToolTip(int id, int index, std::string_view text)
{
	QComboBox *combo = asCombo(byId(id).widget);
	if (!combo || index < 0 || index >= combo->count())
		return;
	combo->setItemData(index, text.empty() ? QVariant() : QVariant(fromCp1252(text)), Qt::ToolTipRole);
	if (index == combo->currentIndex())
		combo->setToolTip(fromCp1252(text));
}

std::string QtControls::itemToolTip(int id, int index) const
{
	const QComboBox *combo = asCombo(byId(id).widget);
	return combo ? toCp1252(combo->itemData(index, Qt::ToolTipRole).toString()) : std::string();
}

void QtControls::setSelection(int id, int index)
{
	QComboBox *combo = asCombo(byId(id).widget);
	if (!combo)
		return;
	// Out of range clears the selection; a combo's edit part shows the item.
	combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int QtControls::selection(int id) const
{
	const QComboBox *combo = asCombo(byId(id).widget);
	return combo ? combo->currentIndex() : -1;
}

void QtControls::setDropDownHeight(int id, int multiple)
{
	// The open list, box included, is multiple closed boxes tall: one box
	// height goes to the box, the rest shows about one item per box height.
	if (QComboBox *combo = asCombo(byId(id).widget))
		combo->setMaxVisibleItems(std::max(1, multiple - 1));
}

} // namespace mirel::ui
