#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace mirel::testing {

// A fresh folder below the system's temporary folder, removed at the end of the test.
class TempDir
{
public:
	TempDir() : path_((std::filesystem::temp_directory_path() / "mirel-test-XXXXXX").string())
	{
		if (!::mkdtemp(path_.data()))
			throw std::runtime_error("mkdtemp failed");
	}
	~TempDir() { std::filesystem::remove_all(path_, ignored_); }
	TempDir(const TempDir &) = delete;

	const std::string &path() const { return path_; }

private:
	std::string path_;
	std::error_code ignored_;
};

inline std::string readFile(const std::string &path) // "" when there is none
{
	std::ostringstream text;
	text << std::ifstream(path, std::ios::binary).rdbuf();
	return text.str();
}

inline void writeFile(const std::string &path, std::string_view text)
{
	std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<std::string> filesIn(const std::string &folder) // by name
{
	std::vector<std::string> names;
	for (const auto &entry : std::filesystem::directory_iterator(folder))
		names.push_back(entry.path().filename().string());
	std::ranges::sort(names);
	return names;
}

} // namespace mirel::testing
