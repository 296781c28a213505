#pragma once

#include <string>
#include <vector>

// The main window's menu bar and keyboard accelerators (resource 133 both).
// Texts are Windows-1252; '&' marks the mnemonic and "\t" starts the
// shortcut shown at the right of an item.

namespace mirel::resources {

struct MenuItem {
	std::string text;
	int command = 0;

	// A separator has neither text nor command.
	bool isSeparator() const { return command == 0 && text.empty(); }
};

// Which of the application's tool windows join a menu's items, and where:
// the Program menu's, windows that open files, before its own items and set
// apart from them by a separator; the Tools menu's each at its command's
// place among its items (commands are numbered in the order their items
// came).
enum class ToolWindowMenu { None, Program, Tools };

struct Menu {
	std::string title;
	std::vector<MenuItem> items;
	ToolWindowMenu toolWindows = ToolWindowMenu::None;
};

// The drop-down menus, left to right.
const std::vector<Menu> &mainMenu();

// A key pressed with Ctrl held (and Shift, when shift is set) and the
// command it sends. The tool windows' keys are the application's.
struct Accelerator {
	char key;
	int command;
	bool shift = false;
};

const std::vector<Accelerator> &accelerators();

} // namespace mirel::resources
