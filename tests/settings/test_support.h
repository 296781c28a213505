#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "settings/message_box.h"
#include "settings/reg_file.h"

namespace mirel {

inline void PrintTo(const RegValue &value, std::ostream *out)
{
	*out << '"' << value.name << "\" type " << value.type << " data ";
	for (const char c : value.data)
		*out << (c >= ' ' && c <= '~' ? std::string(1, c) : "\\x" + std::to_string(static_cast<unsigned char>(c)));
}

} // namespace mirel

namespace mirel::testing_support {

// A fresh folder below the system's temporary folder, removed with all it
// holds at the end of the test.
class TempDir
{
public:
	TempDir()
	{
		std::string pattern = (std::filesystem::temp_directory_path() / "mirel-test-XXXXXX").string();
		if (!::mkdtemp(pattern.data()))
			throw std::runtime_error("mkdtemp failed");
		path_ = pattern;
	}
	~TempDir()
	{
		std::error_code ignored;
		std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
		std::filesystem::remove_all(path_, ignored);
	}
	TempDir(const TempDir &) = delete;
	TempDir &operator=(const TempDir &) = delete;

	const std::string &path() const { return path_; }
	std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
	std::string path_;
};

inline std::string readFile(const std::string &path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

inline void writeFile(const std::string &path, std::string_view text)
{
	std::ofstream out(path, std::ios::binary | std::ios::trunc);
	out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

inline std::vector<std::string> filesIn(const std::string &folder)
{
	std::vector<std::string> names;
	for (const auto &entry : std::filesystem::directory_iterator(folder))
		names.push_back(entry.path().filename().string());
	std::sort(names.begin(), names.end());
	return names;
}

struct Message {
	std::string caption;
	std::string text;
};

// Records every message box shown while it exists.
class MessageRecorder
{
public:
	MessageRecorder()
		: previous_(setMessageBoxHandler([this](std::string_view caption, std::string_view text) {
			  messages.push_back({ std::string(caption), std::string(text) });
		  }))
	{
	}
	~MessageRecorder() { setMessageBoxHandler(std::move(previous_)); }
	MessageRecorder(const MessageRecorder &) = delete;
	MessageRecorder &operator=(const MessageRecorder &) = delete;

	std::vector<Message> messages;

private:
	MessageBoxHandler previous_;
};

} // namespace mirel::testing_support
