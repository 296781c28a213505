// The tool windows' table in the running program: their items in the Tools
// menu among its own, each built once, when first asked for, F1 in each
// showing its help, all closed with the main window.

#include <map>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
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
						  "Focus &Planner...\tCtrl+Shift+P = Ctrl+Shift+P\n"
						  "Ca&mera...\tCtrl+Shift+M = Ctrl+Shift+M\n"
						  "C&ircle of Confusion...\tCtrl+Shift+I = Ctrl+Shift+I\n"
						  "Focus &Stack...\tCtrl+Shift+K = Ctrl+Shift+K");

	// Each by its key, then its menu item again; F1 in it shows its topic.
	const std::map<int, int> topics = { { ids::command::DepthOfFieldTable, ids::help::DepthOfFieldTable },
					    { ids::command::FocusPlanner, ids::help::FocusPlanner },
					    { ids::command::Camera, ids::help::CameraChooser },
					    { ids::command::CircleOfConfusion, ids::help::CircleOfConfusion },
					    { ids::command::FocusStack, ids::help::FocusStackLandscape } };
	EXPECT_TRUE(window->findChildren<ui::ToolWindow *>().isEmpty()) << "built before it was asked for";
	QList<ui::ToolWindow *> opened;
	for (const ToolWindowRow &row : toolWindowRows()) {
		SCOPED_TRACE(row.menuText);
		ASSERT_TRUE(activate(*window));
		QTest::keySequence(window.get(), QKeySequence(row.shortcut));
		ASSERT_EQ(window->findChildren<ui::ToolWindow *>().size(), opened.size() + 1);
		menuAction(*window, row.command).trigger();
		ASSERT_EQ(window->findChildren<ui::ToolWindow *>().size(), opened.size() + 1) << "built twice";
		ui::ToolWindow &tool = window->toolWindow(row.command);
		ASSERT_TRUE(activate(tool));
		QTest::keyClick(&tool, Qt::Key_F1);
		EXPECT_EQ(shownTopic(window->help()), HelpWindow::topicUrl(topics.at(row.command)));
		opened << &tool;
	}
	window->close();
	for (const ui::ToolWindow *tool : opened)
		EXPECT_FALSE(tool->isVisible()) << tool->windowTitle().toStdString();
}

} // namespace
} // namespace mirel::testing
