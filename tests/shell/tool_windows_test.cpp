// The tool windows' table in the running program: their items in the Tools
// menu among its own, none built before it is asked for, all closed with the
// main window.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "shell/tool_windows.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/tool_window.h"

namespace mirel::testing {
namespace {

TEST(ToolWindows, TheToolsMenuShowsThemAmongItsItemsAndTheyCloseWithTheMainWindow)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	const QMenu *tools = window->menuBar()->actions().at(3)->menu();
	ASSERT_EQ(tools->title(), "&Tools");
	QStringList shown;
	for (const QAction *item : tools->actions())
		shown << item->text() + " = " + item->shortcut().toString();
	EXPECT_EQ(shown.join('\n').toStdString(), "Depth of Field &Table...\tCtrl+T = Ctrl+T\n"
						  "&Copy Page Results\tCtrl+Shift+C = Ctrl+Shift+C\n"
						  "Focus &Planner...\tCtrl+Shift+P = Ctrl+Shift+P");

	EXPECT_TRUE(window->findChildren<ui::ToolWindow *>().isEmpty()) << "built before it was asked for";
	for (const ToolWindowRow &row : toolWindowRows())
		menuAction(*window, row.command).trigger();
	const QList<ui::ToolWindow *> opened = window->findChildren<ui::ToolWindow *>();
	EXPECT_EQ(opened.size(), std::ssize(toolWindowRows()));
	window->close();
	for (const ui::ToolWindow *tool : opened)
		EXPECT_FALSE(tool->isVisible()) << tool->windowTitle().toStdString();
}

} // namespace
} // namespace mirel::testing
