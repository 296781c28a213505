#pragma once

#include <string>
#include <string_view>

#include "ui/dialog_template.h"

// The contexts a translation looks the model's texts up in: one per window
// and one per menu, so that a text is translated where it stands and the
// mnemonics of one menu or dialog can be told apart. The program and the
// extraction of its texts (tools/mirel_texts) name them alike from here.

namespace mirel::ui {

// A page's, dialog's or window's template: its caption without the '&',
// or "Window <id>" when it has none.
std::string templateContext(const DialogTemplate &dialog);

// A drop-down menu of the menu bar, by its title: "Menu Show".
std::string menuContext(std::string_view title);

// The menu bar's titles.
inline constexpr const char *kMenuBarContext = "Menu bar";
// Message boxes, their captions and texts.
inline constexpr const char *kMessagesContext = "Messages";
// Why a figure cannot be worked out ("focal length is not greater than
// 0"), alike in every window that says so.
inline constexpr const char *kReasonsContext = "Reasons";
// The Photo window: its own texts and its model's.
inline constexpr const char *kPhotoWindowContext = "PhotoWindow";
// The main window's status bar.
inline constexpr const char *kStatusBarContext = "Status bar";

} // namespace mirel::ui
