// Where the settings file is, from the environment: only absolute paths
// count, as the XDG rules say; a relative one would put the settings in
// whatever folder Mirel was started from.
#include "settings/storage/settings_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "testing/settings_file_test.h"

namespace mirel {
namespace {

// Sets or unsets an environment variable for as long as it lives.
class Variable
{
public:
	Variable(const char *name, const char *value) : name_(name)
	{
		if (const char *old = std::getenv(name))
			old_ = old;
		value ? ::setenv(name, value, 1) : ::unsetenv(name);
	}
	~Variable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
	Variable(const Variable &) = delete;

private:
	const char *name_;
	std::optional<std::string> old_;
};

TEST(SettingsPath, OnlyAnAbsoluteFolderFromTheEnvironmentIsUsed)
{
	const passwd *user = ::getpwuid(::getuid());
	ASSERT_TRUE(user && user->pw_dir && user->pw_dir[0] == '/')
		<< "the test needs a home folder in the password database";
	const std::string system = std::string(user->pw_dir) + "/.config/Talvern/Mirel.reg";
	struct Row {
		const char *config, *home; // XDG_CONFIG_HOME and HOME, unset when null
		std::string path;
	};
	const Row rows[] = {
		{ "/xdg", "/home/ann", "/xdg/Talvern/Mirel.reg" },
		{ nullptr, "/home/ann", "/home/ann/.config/Talvern/Mirel.reg" },
		{ "", "/home/ann", "/home/ann/.config/Talvern/Mirel.reg" },
		{ "xdg", "/home/ann", "/home/ann/.config/Talvern/Mirel.reg" },
		{ "./xdg", "home/ann", system },
		{ nullptr, "home", system },
		{ nullptr, "", system },
		{ nullptr, nullptr, system },
	};
	for (const Row &row : rows) {
		const Variable config("XDG_CONFIG_HOME", row.config), home("HOME", row.home);
		EXPECT_EQ(defaultSettingsPath(), row.path)
			<< (row.config ? row.config : "(unset)") << ", " << (row.home ? row.home : "(unset)");
	}
}

TEST(SettingsPath, WithoutAPlaceForTheFileNothingIsReadOrWrittenAndTheUserIsTold)
{
	// Started in a folder of its own, where a relative path would land.
	const testing::TempDir dir;
	const std::filesystem::path started = std::filesystem::current_path();
	std::filesystem::current_path(dir.path());
	testing::MessageRecorder recorder;
	{
		RegFileStore store("");
		const RegistryBinding binding(settingsKey, store);
		RegistrySettingsStorage storage(settingsKey, store);
		loadSettingsAtStartup(&storage);
		defaultSettings().FocalLength = 35.0;
		saveSettingsAtExit(&storage);
	}
	std::filesystem::current_path(started);
	EXPECT_TRUE(testing::filesIn(dir.path()).empty());
	ASSERT_FALSE(recorder.shown.empty());
	EXPECT_EQ(recorder.shown[0],
		  "Mirel Error: Mirel found no home folder to keep its settings in: HOME is not an "
		  "absolute path, and the system names none for this user. The built-in settings are "
		  "used, and nothing is saved.");
}

} // namespace
} // namespace mirel
