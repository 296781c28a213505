#include "settings/reg_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace mirel {
namespace {

using namespace std::string_literals;
using testing_support::filesIn;
using testing_support::MessageRecorder;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

constexpr const char *kProductPath = "Software\\Talvern\\Mirel";

class StoreTest : public testing::Test
{
protected:
	TempDir dir;
	const std::string path = dir / "Mirel.reg";
	MessageRecorder recorder;

	static RegKey create(RegFileStore &store, const char *subPath = kProductPath)
	{
		RegKey key = kNoKey;
		EXPECT_EQ(store.createKey(kCurrentUserKey, subPath, key), kRegSuccess);
		return key;
	}

	static RegResult set(RegFileStore &store, RegKey key, std::string_view name, const std::string &data)
	{
		return store.setValue(key, name, kRegSz, data.data(), static_cast<std::uint32_t>(data.size()));
	}

	// The value as a fresh store reads it from the file; nullopt when absent.
	std::optional<std::string> stored(std::string_view name, const char *subPath = kProductPath)
	{
		RegFileStore fresh(path);
		RegKey key = kNoKey;
		if (fresh.openKey(kCurrentUserKey, subPath, key) != kRegSuccess)
			return std::nullopt;
		char data[256];
		std::uint32_t size = sizeof data;
		if (fresh.queryValue(key, name, data, size) != kRegSuccess)
			return std::nullopt;
		return std::string(data, size);
	}
};

TEST_F(StoreTest, ResultCodesAreTheRegistrysOwn)
{
	RegFileStore store(path);
	RegKey key = kNoKey;
	EXPECT_EQ(store.openKey(kCurrentUserKey, kProductPath, key), kRegFileNotFound);
	const RegKey product = create(store);
	ASSERT_EQ(set(store, product, "Text", "12345\0"s), kRegSuccess);

	EXPECT_EQ(store.openKey(kCurrentUserKey, "Software\\Talvern", key), kRegSuccess); // above a key
	EXPECT_EQ(store.openKey(product, "", key), kRegSuccess);
	EXPECT_EQ(store.openKey(product, "a\\\\b", key), kRegInvalidParameter);
	EXPECT_EQ(store.createKey(product, "\\a", key), kRegInvalidParameter);
	EXPECT_EQ(store.openKey(9999, "", key), kRegInvalidHandle);
	EXPECT_EQ(store.setValue(product, "Line\nbreak", kRegSz, "", 0), kRegInvalidParameter);

	char data[4] = { 'k', 'e', 'e', 'p' };
	std::uint32_t size = sizeof data;
	EXPECT_EQ(store.queryValue(product, "Absent", data, size), kRegFileNotFound);
	EXPECT_EQ(store.queryValue(product, "TEXT", data, size), kRegMoreData);
	EXPECT_EQ(size, 6u);
	EXPECT_EQ(std::string(data, 4), "keep");
	size = 0;
	EXPECT_EQ(store.queryValue(product, "Text", nullptr, size), kRegSuccess);
	EXPECT_EQ(size, 6u);

	EXPECT_EQ(store.closeKey(kCurrentUserKey), kRegSuccess);
	EXPECT_EQ(store.closeKey(product), kRegSuccess);
	EXPECT_EQ(store.closeKey(product), kRegInvalidHandle);
}

TEST_F(StoreTest, EachChangeReachesTheFileAtOnce)
{
	RegFileStore store(path);
	const RegKey product = create(store);
	ASSERT_EQ(set(store, product, "A", "1\0"s), kRegSuccess);
	EXPECT_EQ(stored("A"), "1\0"s);
	ASSERT_EQ(set(store, product, "A", "2\0"s), kRegSuccess);
	EXPECT_EQ(stored("a"), "2\0"s);
	EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{ "Mirel.reg", "Mirel.reg.lock" }));
}

TEST_F(StoreTest, ABatchReachesTheFileAtItsCommit)
{
	RegFileStore store(path);
	store.beginBatch();
	const RegKey product = create(store);
	ASSERT_EQ(set(store, product, "A", "1\0"s), kRegSuccess);
	ASSERT_EQ(set(store, product, "B", "2\0"s), kRegSuccess);
	EXPECT_FALSE(std::filesystem::exists(path));
	EXPECT_EQ(store.lastValueSet(), "B");
	EXPECT_EQ(store.commitBatch(), kRegSuccess);
	EXPECT_EQ(stored("A"), "1\0"s);
	EXPECT_EQ(stored("B"), "2\0"s);
	EXPECT_EQ(store.commitBatch(), kRegSuccess); // no batch open: nothing to do
}

TEST_F(StoreTest, SeesAndKeepsWhatAnotherProcessSaved)
{
	RegFileStore mine(path);
	RegFileStore theirs(path);
	const RegKey myKey = create(mine);
	const RegKey theirKey = create(theirs);
	ASSERT_EQ(set(theirs, theirKey, "Theirs", "t\0"s), kRegSuccess);
	ASSERT_EQ(set(mine, myKey, "Mine", "m\0"s), kRegSuccess);
	EXPECT_EQ(stored("Theirs"), "t\0"s);
	EXPECT_EQ(stored("Mine"), "m\0"s);
}

TEST_F(StoreTest, ASymbolicLinkIsWrittenThrough)
{
	std::filesystem::create_directory(dir / "real");
	std::filesystem::create_symlink("real/Target.reg", path); // dangling until the first write
	RegFileStore store(path);
	ASSERT_EQ(set(store, create(store), "A", "1\0"s), kRegSuccess);
	EXPECT_TRUE(std::filesystem::is_symlink(path));
	EXPECT_EQ(stored("A"), "1\0"s);
	EXPECT_NE(readFile(dir / "real/Target.reg").find("\"A\"=\"1\""), std::string::npos);
}

TEST_F(StoreTest, ADamagedFileIsReportedOnceAndCopiedAside)
{
	const std::string damaged = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel]\r\n"
				    "\"A\"=\"1\"\r\n\x01garbage\r\n\"B\"=\"2\"\r\n\"C\"=dword:0000";
	writeFile(path, damaged);
	RegFileStore store(path);
	const RegKey product = create(store);
	char data[8];
	std::uint32_t size = sizeof data;
	EXPECT_EQ(store.queryValue(product, "B", data, size), kRegSuccess);
	EXPECT_EQ(store.queryValue(product, "C", data, size), kRegFileNotFound); // cut off
	ASSERT_EQ(recorder.messages.size(), 1u);
	EXPECT_EQ(recorder.messages[0].caption, "Mirel Error");
	EXPECT_EQ(recorder.messages[0].text, "The settings file " + path +
						     " could not be read in full; what could be read is used.\r\n\r\n"
						     "The file as it was is kept as " + path + ".bad.");
	EXPECT_EQ(readFile(path + ".bad"), damaged);

	// Opened again and saved: the same file, told already.
	ASSERT_EQ(set(store, create(store), "C", "3\0"s), kRegSuccess);
	EXPECT_EQ(recorder.messages.size(), 1u);
	EXPECT_FALSE(parseRegFile(readFile(path)).damaged());
	EXPECT_EQ(stored("A"), "1\0"s);
	EXPECT_EQ(readFile(path + ".bad"), damaged);

	// A later damaged file takes the copy's place.
	writeFile(path, "junk\n");
	EXPECT_EQ(stored("A"), std::nullopt);
	EXPECT_EQ(readFile(path + ".bad"), "junk\n");
}

TEST_F(StoreTest, AFileOverTheCapIsNotRead)
{
	const std::string head = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel]\r\n\"A\"=\"1\"\r\n";
	const std::string pad = "\"Pad\"=\"" + std::string(RegFileStore::kMaxFileSize - head.size() - 10, 'p') + "\"\r\n";
	writeFile(path, head + pad);
	ASSERT_EQ(std::filesystem::file_size(path), RegFileStore::kMaxFileSize);
	EXPECT_EQ(stored("A"), "1\0"s);
	EXPECT_TRUE(recorder.messages.empty());

	writeFile(path, head + pad + "\r\n");
	EXPECT_EQ(stored("A"), std::nullopt);
	ASSERT_EQ(recorder.messages.size(), 1u);
	EXPECT_NE(recorder.messages[0].text.find("is larger than 1 MiB and was not read"), std::string::npos);
	EXPECT_EQ(std::filesystem::file_size(path + ".bad"), RegFileStore::kMaxFileSize + 2);

	RegFileStore store(path);
	ASSERT_EQ(set(store, create(store), "A", "2\0"s), kRegSuccess);
	EXPECT_LT(std::filesystem::file_size(path), 200u);
}

TEST_F(StoreTest, TemporaryFilesOfADeadProcessAreRemoved)
{
	writeFile(path + ".tmp-99999-0", "left by a killed save");
	RegFileStore store(path);
	ASSERT_EQ(set(store, create(store), "A", "1\0"s), kRegSuccess);
	EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{ "Mirel.reg", "Mirel.reg.lock" }));
}

TEST(DefaultSettingsPath, FollowsXdgConfigHomeThenHome)
{
	struct Row {
		const char *config; // nullptr: unset
		const char *expected;
	};
	const Row rows[] = {
		{ "/cfg", "/cfg/Talvern/Mirel.reg" },
		{ "", "/home/ann/.config/Talvern/Mirel.reg" },
		{ "relative/cfg", "/home/ann/.config/Talvern/Mirel.reg" },
		{ nullptr, "/home/ann/.config/Talvern/Mirel.reg" },
	};
	const char *oldConfig = std::getenv("XDG_CONFIG_HOME");
	const char *oldHome = std::getenv("HOME");
	const std::optional<std::string> savedConfig = oldConfig ? std::optional<std::string>(oldConfig) : std::nullopt;
	const std::optional<std::string> savedHome = oldHome ? std::optional<std::string>(oldHome) : std::nullopt;
	::setenv("HOME", "/home/ann", 1);
	for (const Row &row : rows) {
		if (row.config)
			::setenv("XDG_CONFIG_HOME", row.config, 1);
		else
			::unsetenv("XDG_CONFIG_HOME");
		EXPECT_EQ(defaultSettingsPath(), row.expected) << (row.config ? row.config : "(unset)");
	}
	savedConfig ? ::setenv("XDG_CONFIG_HOME", savedConfig->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
	savedHome ? ::setenv("HOME", savedHome->c_str(), 1) : ::unsetenv("HOME");
}

} // namespace
} // namespace mirel
