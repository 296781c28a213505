#pragma once

#include <functional>
#include <span>
#include <vector>

#include <QKeyCombination>

#include "resources/menu.h"

class QWidget;

namespace mirel {

enum class PageIndex : int;
namespace ui {
class ToolWindow;
}

// What the main window lends a tool window it builds.
struct ToolWindowNeeds {
	// The main window: the tool window's parent.
	QWidget *owner;
	// Shows the window's help topic.
	std::function<void()> help;
	// Shows the help topic of a context number: that of a dialog the
	// window opens.
	std::function<void(int topic)> showHelp;
	// Makes page the active page, showing the settings afresh, and brings
	// the main window to the front.
	std::function<void(PageIndex page)> showPage;
};

// A tool window. Its row in tool_windows.cpp is all the main window needs:
// the menu item, the key, F1 in the window, building it the first time it
// is asked for and closing it at exit.
struct ToolWindowRow {
	int command;
	// The item's text in Windows-1252, '&' before its mnemonic; the menu
	// shows the shortcut after it.
	const char *menuText;
	QKeyCombination shortcut;
	// The topic of F1 in the window and of its Help button; 0 for the
	// contents.
	int helpTopic;
	ui::ToolWindow *(*build)(const ToolWindowNeeds &needs);
	// The menu its item joins (resources::ToolWindowMenu).
	resources::ToolWindowMenu menu = resources::ToolWindowMenu::Tools;
};

// The rows of every tool window.
std::span<const ToolWindowRow> toolWindowRows();

// The row of the window command opens; nullptr when it opens none.
const ToolWindowRow *toolWindowRow(int command);

// The items menu shows: its own and, when the tool windows join it, theirs,
// each at its command's place.
std::vector<resources::MenuItem> menuItemsWithToolWindows(const resources::Menu &menu);

} // namespace mirel
