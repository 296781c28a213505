#pragma once

#include <functional>
#include <string_view>

namespace mirel {

// The settings layer reports to the user through this one call; the shell
// installs a handler that shows a modal box with an OK button, owned by the
// main window when there is one.
using MessageBoxHandler = std::function<void(std::string_view caption, std::string_view text)>;

// The caption of the boxes that report a settings error.
inline constexpr std::string_view kErrorCaption = "Mirel Error";
// What the boxes say when there is no home folder for the settings file.
inline constexpr std::string_view kNoHomeFolder =
	"Mirel found no home folder to keep its settings in: HOME is not an absolute path, and the system names "
	"none for this user. The built-in settings are used, and nothing is saved.";

// Installs handler and returns the one it replaces. An empty handler restores
// the fallback, which writes "caption: text" to stderr.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

// Shows text in a box captioned caption; returns when it is dismissed, or
// at once while a MessageHold lives.
void showMessageBox(std::string_view caption, std::string_view text);

// Holds back the boxes shown while it lives and shows them, in order, when
// the last hold ends: a box waits for the user, and nothing that others
// wait for (the settings file's lock) may be held meanwhile.
class MessageHold
{
public:
	MessageHold();
	~MessageHold();

	MessageHold(const MessageHold &) = delete;
	MessageHold &operator=(const MessageHold &) = delete;
};

} // namespace mirel
