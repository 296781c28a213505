#include "shell/menu_mnemonics.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>

namespace mirel {

namespace {

// The key of text's mnemonic, Qt::Key_unknown when it has none.
Qt::Key mnemonicKey(const QString &text)
{
	const QKeySequence mnemonic = QKeySequence::mnemonic(text);
	return mnemonic.isEmpty() ? Qt::Key_unknown : mnemonic[0].key();
}

bool anyItemHas(const QMenu &menu, Qt::Key key)
{
	for (const QAction *item : menu.actions()) {
		if (item->isVisible() && mnemonicKey(item->text()) == key)
			return true;
	}
	return false;
}

class MenuMnemonics : public QObject
{
public:
	explicit MenuMnemonics(QMenuBar &bar) : QObject(&bar), bar_(bar)
	{
		bar.installEventFilter(this);
		for (const QAction *title : bar.actions()) {
			if (QMenu *menu = title->menu())
				menu->installEventFilter(this);
		}
	}

protected:
	bool eventFilter(QObject *watched, QEvent *event) override
	{
		// Qt takes a letter that several menus share as an ambiguous
		// shortcut and hands it to each in turn, whatever is open.
		if (watched == &bar_ && event->type() == QEvent::Shortcut) {
			const QKeySequence sequence = static_cast<QShortcutEvent *>(event)->key();
			return !sequence.isEmpty() && openNext(sequence[0].key(), openMenu());
		}
		auto *open = qobject_cast<QMenu *>(watched);
		if (!open || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
			return false;
		const auto *key = static_cast<QKeyEvent *>(event);
		if (key->key() == Qt::Key_Alt)
			return altKey(*open, event->type() == QEvent::KeyPress);
		if (event->type() != QEvent::KeyPress)
			return false;
		altAlone_ = false;
		const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
		const auto letter = Qt::Key(key->key());
		if (modifiers == Qt::AltModifier)
			return openNext(letter, open);
		return modifiers == Qt::NoModifier && !anyItemHas(*open, letter) && openNext(letter, open);
	}

private:
	// The bar's menu that is open, if any.
	const QMenu *openMenu() const
	{
		const QAction *active = bar_.activeAction();
		return active && active->menu() && active->menu()->isVisible() ? active->menu() : nullptr;
	}

	// Alt held down keeps the menu open, so that a letter pressed with it
	// goes on from this menu; Alt pressed and released alone closes it.
	bool altKey(QMenu &open, bool pressed)
	{
		if (!pressed && altAlone_)
			open.hide();
		altAlone_ = pressed;
		return true;
	}

	// Opens the menu with mnemonic key that comes after open in the bar
	// (the first when open is none or the last), its first item
	// highlighted as when a menu opens from the keyboard. False when no
	// menu has the mnemonic.
	bool openNext(Qt::Key key, const QMenu *open)
	{
		QList<QAction *> having;
		for (QAction *title : bar_.actions()) {
			if (title->menu() && title->isVisible() && title->isEnabled() &&
			    mnemonicKey(title->text()) == key)
				having.append(title);
		}
		if (having.isEmpty())
			return false;
		qsizetype next = 0;
		for (qsizetype i = 0; i < having.size(); ++i) {
			if (having[i]->menu() == open)
				next = (i + 1) % having.size();
		}
		altAlone_ = false;
		bar_.setActiveAction(having[next]);
		QMenu *menu = having[next]->menu();
		for (QAction *item : menu->actions()) {
			if (!item->isSeparator() && item->isVisible() && item->isEnabled()) {
				menu->setActiveAction(item);
				break;
			}
		}
		return true;
	}

	QMenuBar &bar_;
	bool altAlone_ = false;
};

} // namespace

void followMenuMnemonics(QMenuBar &bar)
{
	new MenuMnemonics(bar);
}

} // namespace mirel
