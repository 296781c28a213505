#pragma once

#include <QLineEdit>

namespace mirel::ui {

// A one-line box that shows a result: its text can be read, selected and
// copied, never typed over. Screen readers are told so: its accessible state
// is read-only, not editable, and it offers the text interface of a field
// without the editing one (a plain read-only QLineEdit claims both states
// and can be edited through the accessibility interface).
class ResultField : public QLineEdit
{
	Q_OBJECT

public:
	explicit ResultField(const QString &text, QWidget *parent = nullptr);

	// The place of the character at offset, in the field's coordinates.
	QRect characterRect(int offset) const;
};

} // namespace mirel::ui
