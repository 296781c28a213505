#include "settings/message_box.h"

#include <cstdio>
#include <utility>

namespace mirel {

namespace {

MessageBoxHandler &installedHandler()
{
	static MessageBoxHandler handler;
	return handler;
}

} // namespace

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
	return std::exchange(installedHandler(), std::move(handler));
}

void showMessageBox(std::string_view caption, std::string_view text)
{
	if (const MessageBoxHandler &handler = installedHandler()) {
		handler(caption, text);
		return;
	}
	std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
		     static_cast<int>(text.size()), text.data());
}

} // namespace mirel
