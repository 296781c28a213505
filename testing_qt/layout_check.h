#pragma once

#include <string>
#include <vector>

#include "ui/dialog_template.h"

class QTabBar;
class QWidget;

namespace mirel::ui {

// What is wrong with a window rendered from dialog, one line a problem;
// empty when nothing is. Looked for among surface's children, where each
// control's widget is named by its id (labels without one by "-1", direct
// children in template order):
// - a control missing, or of the wrong widget kind;
// - a text wider than its control at the control's font, or a wrapped label
//   whose text needs more lines than fit;
// - two controls overlapping (frames may hold others), or a control
//   reaching past the window or past the widgets that hold surface in it
//   (a page's tab, its sheet).
std::vector<std::string> layoutProblems(const QWidget &surface, const DialogTemplate &dialog);

// What is wrong with a window laid out by Qt's layouts, one line a problem,
// each widget named by its object name: of every widget shown and not
// reached by scrolling,
// - a text wider than its label, button, line edit or closed list, or a
//   wrapped label whose text needs more lines than fit;
// - a widget reaching past its parent, or overlapping a sibling, as widgets
//   squeezed below their smallest size do;
// - in a table, a cell or heading whose text needs more than its size;
// - in a tab bar, the tab row's problems below.
std::vector<std::string> windowLayoutProblems(const QWidget &window);

// The tabs of tabs that reach past the part of the window that shows the
// tab bar, one line each: a row wider than its window is cut off.
std::vector<std::string> tabRowProblems(const QTabBar &tabs);

// Problems as a test reports them: a line each, indented; empty when none.
std::string listed(const std::vector<std::string> &problems);

} // namespace mirel::ui
