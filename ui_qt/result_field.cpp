#include "ui_qt/result_field.h"

#include <algorithm>

#include <QAccessibleWidget>

namespace mirel::ui {

namespace {

class AccessibleResultField : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
	explicit AccessibleResultField(ResultField *field) : QAccessibleWidget(field, QAccessible::EditableText) {}

	QString text(QAccessible::Text t) const override
	{
		return t == QAccessible::Value ? field()->text() : QAccessibleWidget::text(t);
	}

	QAccessible::State state() const override
	{
		QAccessible::State state = QAccessibleWidget::state();
		state.readOnly = true;
		state.editable = false;
		state.selectableText = true;
		return state;
	}

	void *interface_cast(QAccessible::InterfaceType type) override
	{
		if (type == QAccessible::TextInterface)
			return static_cast<QAccessibleTextInterface *>(this);
		return QAccessibleWidget::interface_cast(type);
	}

	void selection(int index, int *start, int *end) const override
	{
		*start = *end = 0;
		if (index == 0 && field()->hasSelectedText()) {
			*start = field()->selectionStart();
			*end = *start + field()->selectionLength();
		}
	}
	int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
	void addSelection(int start, int end) override { setSelection(0, start, end); }
	void removeSelection(int index) override
	{
		if (index == 0)
			field()->deselect();
	}
	void setSelection(int index, int start, int end) override
	{
		if (index == 0)
			field()->setSelection(start, end - start);
	}

	int cursorPosition() const override { return field()->cursorPosition(); }
	void setCursorPosition(int position) override { field()->setCursorPosition(position); }

	QString text(int start, int end) const override { return field()->text().mid(start, end - start); }
	int characterCount() const override { return static_cast<int>(field()->text().size()); }

	QRect characterRect(int offset) const override
	{
		const QRect place = field()->characterRect(offset);
		return QRect(field()->mapToGlobal(place.topLeft()), place.size());
	}
	int offsetAtPoint(const QPoint &point) const override
	{
		return field()->cursorPositionAt(field()->mapFromGlobal(point));
	}
	void scrollToSubstring(int start, int end) override
	{
		field()->setCursorPosition(end);
		field()->setCursorPosition(start);
	}
	QString attributes(int, int *start, int *end) const override
	{
		*start = 0;
		*end = characterCount();
		return {};
	}

private:
	ResultField *field() const { return static_cast<ResultField *>(widget()); }
};

QAccessibleInterface *accessibleResultField(const QString &className, QObject *object)
{
	if (className != QLatin1String(ResultField::staticMetaObject.className()))
		return nullptr;
	return new AccessibleResultField(static_cast<ResultField *>(object));
}

} // namespace

ResultField::ResultField(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
	setReadOnly(true);
	static const bool installed = (QAccessible::installFactory(accessibleResultField), true);
	(void)installed;
	// Built as a plain line edit first, the box may have been made known
	// to assistive technology as one on the way (Qt keeps the interface it
	// made then): that one goes, ours comes with the next question.
	QAccessibleInterface *known = QAccessible::queryAccessibleInterface(this);
	if (known && !dynamic_cast<AccessibleResultField *>(known))
		QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

QRect ResultField::characterRect(int offset) const
{
	// From the cursor, whose place the line edit knows, by the widths of
	// the characters between.
	const QString shown = text();
	offset = std::clamp(offset, 0, static_cast<int>(shown.size()));
	const QRect cursor = cursorRect();
	const int x = cursor.center().x() + fontMetrics().horizontalAdvance(shown.left(offset)) -
		      fontMetrics().horizontalAdvance(shown.left(cursorPosition()));
	const int width = offset < shown.size() ? fontMetrics().horizontalAdvance(shown.at(offset)) : 0;
	return QRect(x, cursor.top(), width, cursor.height());
}

} // namespace mirel::ui
