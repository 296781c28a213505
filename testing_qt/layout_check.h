#pragma once

#include <string>
#include <vector>

#include "ui/dialog_template.h"

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
//   reaching past the window.
std::vector<std::string> layoutProblems(const QWidget &surface, const DialogTemplate &dialog);

} // namespace mirel::ui
