#include "testing_qt/layout_check.h"

#include <algorithm>
#include <climits>
#include <cstddef>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "ui_qt/dialog_units.h"
#include "ui_qt/mnemonics.h"
#include "ui_qt/qt_controls.h"

namespace mirel::ui {
namespace {

const char *kindName(ControlKind kind)
{
	switch (kind) {
	case ControlKind::Static:
		return "label";
	case ControlKind::Edit:
		return "edit box";
	case ControlKind::ComboBox:
		return "combo box";
	case ControlKind::DropDownList:
		return "drop-down list";
	case ControlKind::RadioButton:
		return "radio button";
	case ControlKind::CheckBox:
		return "check box";
	case ControlKind::PushButton:
		return "push button";
	case ControlKind::Frame:
		return "frame";
	case ControlKind::Icon:
		return "icon";
	}
	return "control";
}

bool hasKind(const QWidget *w, ControlKind kind)
{
	switch (kind) {
	case ControlKind::Static:
	case ControlKind::Icon:
		return qobject_cast<const QLabel *>(w);
	case ControlKind::Edit:
		return qobject_cast<const QLineEdit *>(w);
	case ControlKind::ComboBox:
	case ControlKind::DropDownList: {
		const auto *combo = qobject_cast<const QComboBox *>(w);
		return combo && combo->isEditable() == (kind == ControlKind::ComboBox);
	}
	case ControlKind::RadioButton:
		return qobject_cast<const QRadioButton *>(w);
	case ControlKind::CheckBox:
		return qobject_cast<const QCheckBox *>(w);
	case ControlKind::PushButton:
		return qobject_cast<const QPushButton *>(w);
	case ControlKind::Frame:
		return qobject_cast<const QFrame *>(w) && !qobject_cast<const QLabel *>(w);
	}
	return false;
}

std::string describe(const ControlTemplate &c)
{
	std::string name = kindName(c.kind);
	if (c.id != kNoId)
		return name + ' ' + std::to_string(c.id);
	return name + " \"" + c.text + '"';
}

// The room a button leaves for its text, and the text as drawn.
int buttonTextRoom(const QAbstractButton &button)
{
	QStyleOptionButton option;
	option.initFrom(&button);
	const QStyle *style = button.style();
	if (qobject_cast<const QRadioButton *>(&button))
		return style->subElementRect(QStyle::SE_RadioButtonContents, &option, &button).width();
	if (qobject_cast<const QCheckBox *>(&button))
		return style->subElementRect(QStyle::SE_CheckBoxContents, &option, &button).width();
	const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
	return button.width() - 2 * frame;
}

// Why the text of w does not fit, or "" when it does.
std::string clipping(const QWidget &w)
{
	const QFontMetrics metrics(w.font());
	if (const auto *label = qobject_cast<const QLabel *>(&w)) {
		// A label draws its mnemonic only when it has a buddy.
		const QString text = label->buddy() ? withoutMnemonics(label->text()) : label->text();
		if (text.isEmpty())
			return {};
		const QRect room = label->contentsRect();
		const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
		const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX / 2), flags, text);
		if (needed.width() > room.width())
			return "text needs " + std::to_string(needed.width()) + " px, has " +
			       std::to_string(room.width());
		if (needed.height() > room.height()) {
			const int line = std::max(1, metrics.lineSpacing());
			return "text needs " + std::to_string((needed.height() + line - 1) / line) +
			       " lines, has room for " + std::to_string(room.height() / line);
		}
		return {};
	}
	if (const auto *button = qobject_cast<const QAbstractButton *>(&w)) {
		const QString text = withoutMnemonics(button->text());
		const int width = metrics.horizontalAdvance(text);
		const int room = buttonTextRoom(*button);
		if (!text.isEmpty() && width > room)
			return "text needs " + std::to_string(width) + " px, has " + std::to_string(room);
	}
	return {};
}

struct Placed {
	const ControlTemplate *control;
	const QWidget *widget;
	QRect geometry; // in the surface's coordinates
};

// The widget of each control of dialog, or nullptr where none is found.
std::vector<Placed> findWidgets(const QWidget &surface, const DialogTemplate &dialog)
{
	const QList<QWidget *> unnamed =
		surface.findChildren<QWidget *>(QString::number(kNoId), Qt::FindDirectChildrenOnly);
	qsizetype nextUnnamed = 0;
	std::vector<Placed> placed;
	for (const ControlTemplate &c : dialog.controls) {
		const QWidget *w = nullptr;
		if (c.id != kNoId)
			w = surface.findChild<QWidget *>(QString::number(c.id));
		else if (nextUnnamed < unnamed.size())
			w = unnamed[nextUnnamed++];
		placed.push_back({ &c, w, w ? QRect(w->mapTo(&surface, QPoint(0, 0)), w->size()) : QRect() });
	}
	return placed;
}

} // namespace

std::vector<std::string> layoutProblems(const QWidget &surface, const DialogTemplate &dialog)
{
	std::vector<std::string> problems;
	const auto *controls = qobject_cast<const QtControls *>(&surface);
	const DialogUnits units = controls ? controls->units() : DialogUnits(surface.font());
	// A host may grow the window past its template (the light table covers
	// the screen): what lies inside the grown window is shown.
	const QRect window(QPoint(0, 0), units.toPixels(dialog.width, dialog.height).expandedTo(surface.size()));
	const std::vector<Placed> placed = findWidgets(surface, dialog);

	for (const Placed &p : placed) {
		const std::string name = describe(*p.control);
		if (!p.widget) {
			problems.push_back(name + " is missing");
			continue;
		}
		if (!hasKind(p.widget, p.control->kind)) {
			problems.push_back(name + " is a " + p.widget->metaObject()->className());
			continue;
		}
		if (const std::string why = clipping(*p.widget); !why.empty())
			problems.push_back(name + " is clipped: " + why);
		if (!window.contains(p.geometry))
			problems.push_back(name + " reaches past the window");
	}

	// Drop-downs are placed at their closed height, so their geometry is
	// what the overlap test wants.
	for (std::size_t i = 0; i < placed.size(); ++i) {
		const Placed &a = placed[i];
		if (!a.widget || a.control->kind == ControlKind::Frame)
			continue;
		for (std::size_t j = i + 1; j < placed.size(); ++j) {
			const Placed &b = placed[j];
			if (!b.widget || b.control->kind == ControlKind::Frame)
				continue;
			if (a.geometry.intersects(b.geometry))
				problems.push_back(describe(*a.control) + " overlaps " + describe(*b.control));
		}
	}
	return problems;
}

} // namespace mirel::ui
