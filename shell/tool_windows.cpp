#include "shell/tool_windows.h"

#include <algorithm>

#include <QCoreApplication>
#include <QKeySequence>

#include "camera_chooser_qt/camera_chooser_window.h"
#include "circle_rules_qt/circle_of_confusion_window.h"
#include "dof_table_qt/dof_table_window.h"
#include "focus_stack_qt/focus_stack_window.h"
#include "photo_tool_qt/photo_window.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "settings/model/records.h"

namespace mirel {

namespace {

constexpr ToolWindowRow kRows[] = {
	{ ids::command::DepthOfFieldTable, QT_TRANSLATE_NOOP("Menu Tools", "Depth of Field &Table..."),
	  Qt::CTRL | Qt::Key_T, ids::help::DepthOfFieldTable,
	  [](const ToolWindowNeeds &needs) -> ui::ToolWindow * {
		  return new DofTableWindow(needs.help, needs.owner);
	  } },
	{ ids::command::FocusPlanner, QT_TRANSLATE_NOOP("Menu Tools", "Focus &Planner..."),
	  Qt::CTRL | Qt::SHIFT | Qt::Key_P, ids::help::FocusPlanner,
	  [](const ToolWindowNeeds &needs) -> ui::ToolWindow * {
		  return new FocusPlannerWindow(
			  needs.help, [showPage = needs.showPage] { showPage(PageIndex::DepthOfField); }, needs.owner);
	  } },
	{ ids::command::Camera, QT_TRANSLATE_NOOP("Menu Tools", "Ca&mera..."), Qt::CTRL | Qt::SHIFT | Qt::Key_M,
	  ids::help::CameraChooser,
	  [](const ToolWindowNeeds &needs) -> ui::ToolWindow * {
		  return new CameraChooserWindow(needs.help, needs.showPage, needs.owner);
	  } },
	{ ids::command::CircleOfConfusion, QT_TRANSLATE_NOOP("Menu Tools", "C&ircle of Confusion..."),
	  Qt::CTRL | Qt::SHIFT | Qt::Key_I, ids::help::CircleOfConfusion,
	  [](const ToolWindowNeeds &needs) -> ui::ToolWindow * {
		  return new CircleOfConfusionWindow(needs.showHelp, needs.showPage, needs.owner);
	  } },
	{ ids::command::FocusStack, QT_TRANSLATE_NOOP("Menu Tools", "Focus &Stack..."),
	  Qt::CTRL | Qt::SHIFT | Qt::Key_K, ids::help::FocusStackLandscape,
	  [](const ToolWindowNeeds &needs) -> ui::ToolWindow * {
		  return new FocusStackWindow(needs.showHelp, needs.owner);
	  } },
	{ ids::command::OpenPhoto, QT_TRANSLATE_NOOP("Menu Program", "&Open Photo..."), Qt::CTRL | Qt::Key_O,
	  ids::help::Photo,
	  [](const ToolWindowNeeds &needs) -> ui::ToolWindow * {
		  return new PhotoWindow(needs.help, needs.showPage, needs.owner);
	  },
	  resources::ToolWindowMenu::Program },
};

} // namespace

std::span<const ToolWindowRow> toolWindowRows()
{
	return kRows;
}

const ToolWindowRow *toolWindowRow(int command)
{
	const auto row = std::ranges::find(kRows, command, &ToolWindowRow::command);
	return row == std::end(kRows) ? nullptr : row;
}

std::vector<resources::MenuItem> menuItemsWithToolWindows(const resources::Menu &menu)
{
	std::vector<resources::MenuItem> items = menu.items;
	std::vector<resources::MenuItem> first;
	for (const ToolWindowRow &row : kRows) {
		if (row.menu != menu.toolWindows)
			continue;
		const resources::MenuItem item{
			std::string(row.menuText) + '\t' +
				QKeySequence(row.shortcut).toString(QKeySequence::PortableText).toStdString(),
			row.command
		};
		if (row.menu == resources::ToolWindowMenu::Program)
			first.push_back(item);
		else
			items.insert(std::ranges::upper_bound(items, row.command, {}, &resources::MenuItem::command),
				     item);
	}
	if (!first.empty()) {
		first.emplace_back(); // a separator
		items.insert(items.begin(), first.begin(), first.end());
	}
	return items;
}

} // namespace mirel
