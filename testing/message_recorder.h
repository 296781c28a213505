#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/messages/message_box.h"

namespace mirel::testing {

// Records every message box shown while it exists, as "caption: text".
class MessageRecorder
{
public:
	MessageRecorder()
		: previous_(setMessageBoxHandler([this](std::string_view caption, std::string_view text) {
			  shown.push_back(std::string(caption) + ": " + std::string(text));
		  }))
	{
	}
	~MessageRecorder() { setMessageBoxHandler(std::move(previous_)); }
	MessageRecorder(const MessageRecorder &) = delete;

	std::vector<std::string> shown;

private:
	MessageBoxHandler previous_;
};

} // namespace mirel::testing
