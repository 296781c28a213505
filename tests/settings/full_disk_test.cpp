// A save on a file system that is full, a real one: run by
// scripts/with-small-disk, which mounts it at $MIREL_SMALL_DISK. Every
// write and the final rename are checked; the old file stays as it was and
// the user is told.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "testing/settings_file_test.h"

namespace mirel {
namespace {

using namespace testing;

class FullDisk : public ::testing::Test
{
protected:
	void SetUp() override
	{
		const char *disk = std::getenv("MIREL_SMALL_DISK");
		if (!disk)
			GTEST_SKIP() << "run by scripts/with-small-disk, on a file system of its own";
		config = std::string(disk) + "/.config";
		folder = config + "/Talvern";
		path = folder + "/Mirel.reg";
		filler = std::string(disk) + "/filler";
	}
	void TearDown() override
	{
		std::filesystem::remove_all(config);
		std::filesystem::remove(filler);
	}

	void run(const std::function<void()> &use)
	{
		RegFileStore store(path);
		const RegistryBinding binding(settingsKey, store);
		RegistrySettingsStorage storage(settingsKey, store);
		loadSettingsAtStartup(&storage);
		use();
		saveSettingsAtExit(&storage);
	}
	// Writes to the filler file until the file system has no room left.
	void fill()
	{
		const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
		const std::string block(4096, 'x');
		while (::write(fd, block.data(), block.size()) > 0) {
		}
		const int error = errno;
		::close(fd);
		ASSERT_EQ(error, ENOSPC);
	}

	std::string config, folder, path, filler;
	MessageRecorder recorder;
};

TEST_F(FullDisk, ASaveThatCannotBeWrittenKeepsTheOldFileAndSaysSo)
{
	run([] { defaultSettings().FocalLength = 35.0; });
	const std::string before = readFile(path);
	ASSERT_FALSE(before.empty());
	fill();
	run([] { defaultSettings().FocalLength = 85.0; });
	EXPECT_EQ(recorder.shown, std::vector<std::string>{ "Mirel Error: Could not write registry value "
							    "RoundStopsMethod\r\n\r\n(There is not enough space "
							    "on the disk.)\r\n\r\nThe settings file " +
							    path + " was not changed." });
	EXPECT_TRUE(readFile(path) == before);
	EXPECT_EQ(filesIn(folder), std::vector<std::string>{ "Mirel.reg" }); // no half-written file left

	// With room again, the change is saved.
	std::filesystem::remove(filler);
	recorder.shown.clear();
	run([] { defaultSettings().FocalLength = 85.0; });
	EXPECT_TRUE(recorder.shown.empty());
	EXPECT_NE(readFile(path).find("\"FocalLength\"=\"85.000000\""), std::string::npos);
}

TEST_F(FullDisk, ADamagedFileThatCannotBeCopiedAsideIsNotReplaced)
{
	run([] {});
	const std::string damaged = readFile(path) + "garbage\r\n";
	writeFile(path, damaged);
	fill();
	run([] { defaultSettings().FocalLength = 85.0; });
	ASSERT_FALSE(recorder.shown.empty());
	EXPECT_EQ(recorder.shown[0],
		  "Mirel Error: The settings file " + path +
			  " could not be read in full; what could be read is used.\r\n\r\nIt could "
			  "not be copied to " +
			  path + ".bad (There is not enough space on the disk.), so it will not be replaced.");
	EXPECT_TRUE(readFile(path) == damaged);
	EXPECT_FALSE(std::filesystem::exists(path + ".bad"));
}

} // namespace
} // namespace mirel
