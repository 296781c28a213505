#include "shell/menu_item_names.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QPointer>

#include "ui_qt/mnemonics.h"

namespace mirel {

namespace {

// An item of a menu whose text shows a shortcut after a tab.
class ItemWithShortcutText : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
	ItemWithShortcutText(QMenu *menu, QAction *item) : menu_(menu), item_(item) {}

	bool isValid() const override { return menu_ && item_; }
	QObject *object() const override { return item_; }
	QWindow *window() const override { return menu_->windowHandle(); }

	QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
	QAccessibleInterface *child(int) const override { return nullptr; }
	int childCount() const override { return 0; }
	int indexOfChild(const QAccessibleInterface *) const override { return -1; }
	QAccessibleInterface *childAt(int, int) const override { return nullptr; }
	QAccessibleInterface *focusChild() const override { return nullptr; }

	QString text(QAccessible::Text t) const override
	{
		if (t == QAccessible::Name)
			return ui::withoutMnemonics(item_->text().section(u'\t', 0, 0));
		if (t == QAccessible::Accelerator)
			return item_->shortcut().isEmpty() ? ui::withoutMnemonics(item_->text().section(u'\t', 1))
							   : item_->shortcut().toString(QKeySequence::NativeText);
		return {};
	}
	void setText(QAccessible::Text, const QString &) override {}

	QRect rect() const override
	{
		const QRect place = menu_->actionGeometry(item_);
		return QRect(menu_->mapToGlobal(place.topLeft()), place.size());
	}
	QAccessible::Role role() const override { return QAccessible::MenuItem; }
	QAccessible::State state() const override
	{
		QAccessible::State state;
		state.invisible = !menu_->isVisible() || !item_->isVisible();
		state.focused = menu_->activeAction() == item_;
		state.disabled = !item_->isEnabled();
		state.checkable = item_->isCheckable();
		state.checked = item_->isChecked();
		return state;
	}

	void *interface_cast(QAccessible::InterfaceType type) override
	{
		return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
	}
	QStringList actionNames() const override { return { pressAction() }; }
	void doAction(const QString &name) override
	{
		if (name == pressAction() && item_->isEnabled())
			item_->trigger();
	}
	QStringList keyBindingsForAction(const QString &) const override
	{
		const QString key = text(QAccessible::Accelerator);
		return key.isEmpty() ? QStringList() : QStringList{ key };
	}

private:
	QPointer<QMenu> menu_;
	QPointer<QAction> item_;
};

QAccessibleInterface *accessibleMenuItem(const QString &className, QObject *object)
{
	auto *item = className == QLatin1String("QAction") ? qobject_cast<QAction *>(object) : nullptr;
	if (!item || item->menu() || !item->text().contains(u'\t'))
		return nullptr;
	for (QObject *holder : item->associatedObjects()) {
		if (auto *menu = qobject_cast<QMenu *>(holder))
			return new ItemWithShortcutText(menu, item);
	}
	return nullptr;
}

} // namespace

void nameMenuItemsWithoutShortcutText()
{
	static const bool installed = (QAccessible::installFactory(accessibleMenuItem), true);
	(void)installed;
}

} // namespace mirel
