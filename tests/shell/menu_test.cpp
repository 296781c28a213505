// The main window's menus from the keyboard, by real key events, and as a
// screen reader is told them.

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "shell/application_style.h"
#include "testing_qt/shell_fixture.h"

namespace mirel::testing {
namespace {

// The title of the menu that is open; "" when none is.
std::string openMenu()
{
	const auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
	return menu ? menu->title().toStdString() : "";
}

// Keys pressed where the keyboard is, the open menu or else window, as a
// user does: "Alt+H" is Alt down, H, Alt up; "Alt down" holds it for the
// keys after it.
class Keyboard
{
public:
	explicit Keyboard(QWidget &window) : window_(window) {}

	void press(const std::string &keys)
	{
		if (keys == "Alt down" || keys == "Alt up") {
			alt_ = keys == "Alt down";
			send(Qt::Key_Alt, alt_);
		} else if (keys.starts_with("Alt+")) {
			press("Alt down");
			press(keys.substr(4));
			press("Alt up");
		} else {
			const auto key = QKeySequence::fromString(QString::fromStdString(keys))[0].key();
			send(key, true);
			send(key, false);
		}
	}

private:
	void send(Qt::Key key, bool down)
	{
		QWidget *popup = QApplication::activePopupWidget();
		const char ascii = QTest::keyToAscii(key);
		QTest::simulateEvent((popup ? popup : &window_)->windowHandle(), down, key,
				     alt_ || (key == Qt::Key_Alt && !down) ? Qt::AltModifier : Qt::NoModifier,
				     ascii ? QString(QChar::fromLatin1(ascii)) : QString(), false);
	}

	QWidget &window_;
	bool alt_ = false;
};

// "S&how" and "&Help" share Alt+H: it opens Show; pressed again, Help,
// then Show again, whether Alt is let go in between or held; the letter
// alone does it too where no item of the open menu has it.
TEST(Menus, ALetterTwoMenusShareOpensTheFirstAndPressedAgainTheNext)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	QWidget *typingIn = QApplication::focusWidget();
	Keyboard keyboard(*window);
	const std::pair<const char *, const char *> steps[] = {
		{ "Alt+H", "S&how" },  { "Alt+H", "&Help" },
		{ "Alt+H", "S&how" },  { "H", "&Help" },
		{ "H", "S&how" },      { "Esc", "" },
		{ "Alt+H", "S&how" },  { "Esc", "" },
		{ "Alt down", "" },    { "H", "S&how" },
		{ "H", "&Help" },      { "H", "S&how" },
		{ "Alt up", "S&how" }, { "Alt+S", "&Settings" },
		{ "Alt+H", "S&how" },  { "Alt+P", "&Program" },
		{ "Alt+H", "S&how" },  { "Alt down", "S&how" },
		{ "Alt up", "" },      { "Alt+H", "S&how" },
	};
	std::string pressed;
	for (const auto &[keys, open] : steps) {
		keyboard.press(keys);
		pressed += std::string(pressed.empty() ? "" : ", ") + keys;
		EXPECT_EQ(openMenu(), open) << pressed;
	}
	// Esc closes the menu, Esc again leaves the menu bar: typing goes on
	// where it was.
	keyboard.press("Esc");
	keyboard.press("Esc");
	EXPECT_TRUE(window->isVisible());
	EXPECT_EQ(QApplication::focusWidget(), typingIn);
}

// A screen reader names each item by its text without the shortcut shown
// beside it, and tells the shortcut as its key (the mnemonic where there is
// none).
TEST(Menus, ItemsAreNamedWithoutTheirShortcutText)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	QStringList spoken;
	for (const QAction *title : window->menuBar()->actions()) {
		QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(title->menu());
		ASSERT_TRUE(menu);
		for (int i = 0; i < menu->childCount(); ++i) {
			const QAccessibleInterface *item = menu->child(i);
			if (item->role() == QAccessible::Separator)
				continue;
			const QString key = item->text(QAccessible::Accelerator);
			spoken << item->text(QAccessible::Name) + (key.isEmpty() ? "" : " = " + key);
		}
	}
	EXPECT_EQ(spoken.join(u'\n').toStdString(), "Exit = Ctrl+Q\n"
						    "f Numbers Page = Ctrl+1\n"
						    "Depth of Field Page = Ctrl+2\n"
						    "Hyperfocal Page = Ctrl+3\n"
						    "Field of View Page = Ctrl+4\n"
						    "Angle of View Page = Ctrl+5\n"
						    "Magnification Page = Ctrl+6\n"
						    "Spot Meter Page = Ctrl+7\n"
						    "Rounding Rules... = Alt+R\n"
						    "Defaults... = Alt+D\n"
						    "Startup Preferences... = Alt+S\n"
						    "Film Formats... = Alt+F\n"
						    "Depth of Field Table... = Ctrl+T\n"
						    "Copy Page Results = Ctrl+Shift+C\n"
						    "Focus Planner... = Ctrl+Shift+P\n"
						    "Camera... = Ctrl+Shift+M\n"
						    "Circle of Confusion... = Ctrl+Shift+I\n"
						    "Focus Stack... = Ctrl+Shift+K\n"
						    "Contents = Alt+C\n"
						    "Context = F1\n"
						    "About... = Alt+A");
}

// The application style makes the menu bar's overflow arrow when it is
// drawn: the same picture as the desktop's style, at every size.
TEST(Menus, TheOverflowArrowIsTheDesktopStylesOnceDrawn)
{
	const ApplicationStyle style;
	const QIcon arrow = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
	const QIcon desktops = style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
	ASSERT_FALSE(desktops.availableSizes().isEmpty());
	EXPECT_EQ(arrow.availableSizes(), desktops.availableSizes());
	for (const QSize &size : desktops.availableSizes())
		EXPECT_EQ(arrow.pixmap(size).toImage(), desktops.pixmap(size).toImage()) << size.width();
}

} // namespace
} // namespace mirel::testing
