#include "testing_qt/qt_user_actions.h"

#include <cassert>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include "ui_qt/cp1252.h"

namespace mirel::ui {

void typeInto(QLineEdit &edit, const QString &text)
{
	QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
	if (text.isEmpty())
		QTest::keyClick(&edit, Qt::Key_Delete);
	for (const QChar c : text) {
		if (c.unicode() < 0x80)
			QTest::keyClick(&edit, c.toLatin1());
		else
			QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
	}
}

void pickFrom(QComboBox &list, int index)
{
	QTest::keyClick(&list, Qt::Key_F4);
	QAbstractItemView *view = list.view();
	if (!view->isVisible())
		return;
	QTest::keyClick(view, Qt::Key_Home);
	for (int i = 0; i < index; ++i)
		QTest::keyClick(view, Qt::Key_Down);
	QTest::keyClick(view, Qt::Key_Return);
}

void QtUserActions::type(int id, std::string_view text)
{
	QWidget *w = surface_.widget(id);
	QLineEdit *edit = qobject_cast<QLineEdit *>(w);
	if (auto *combo = qobject_cast<QComboBox *>(w))
		edit = combo->lineEdit();
	assert(edit && "typing into a control without text input");
	if (edit)
		typeInto(*edit, fromCp1252(text));
}

void QtUserActions::pick(int id, int index)
{
	auto *combo = qobject_cast<QComboBox *>(surface_.widget(id));
	assert(combo && "picking from a control without a list");
	if (combo && index >= 0 && index < combo->count())
		pickFrom(*combo, index);
}

void QtUserActions::click(int id)
{
	auto *button = qobject_cast<QAbstractButton *>(surface_.widget(id));
	assert(button && "clicking a control that is no button");
	if (!button)
		return;
	QPoint where = button->rect().center();
	QStyleOptionButton option;
	option.initFrom(button);
	if (qobject_cast<QRadioButton *>(button))
		where = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button).center();
	else if (qobject_cast<QCheckBox *>(button))
		where = button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button).center();
	QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

} // namespace mirel::ui
