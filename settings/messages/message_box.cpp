#include "settings/messages/message_box.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace mirel {

namespace {

MessageBoxHandler &installedHandler()
{
	static MessageBoxHandler handler;
	return handler;
}

struct HeldBoxes {
	int holds = 0;
	std::vector<std::pair<std::string, std::string>> boxes; // caption and text
};

HeldBoxes &held()
{
	static HeldBoxes boxes;
	return boxes;
}

} // namespace

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
	return std::exchange(installedHandler(), std::move(handler));
}

void showMessageBox(std::string_view caption, std::string_view text)
{
	if (held().holds > 0) {
		held().boxes.emplace_back(caption, text);
		return;
	}
	if (const MessageBoxHandler &handler = installedHandler()) {
		handler(caption, text);
		return;
	}
	std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
		     static_cast<int>(text.size()), text.data());
}

MessageHold::MessageHold()
{
	++held().holds;
}

MessageHold::~MessageHold()
{
	if (--held().holds > 0)
		return;
	for (const auto &[caption, text] : std::exchange(held().boxes, {}))
		showMessageBox(caption, text);
}

} // namespace mirel
