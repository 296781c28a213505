// Stored values a load cannot take as they are: the load makes of them what
// it always did, says which they are, and keeps the file as it was in
// Mirel.reg.bad. And a film format is saved whole or not at all.
#include <limits>

#include "testing/settings_file_test.h"

namespace mirel {
namespace {

using namespace testing;

class ValuesKeptAside : public SettingsFileTest
{
protected:
	// Replaces the line of the value name in the product key or its
	// subkey (the first of that name from there on) with line.
	void editLine(const std::string &from, const std::string &name, const std::string &line)
	{
		std::string text = readFile(path);
		const std::size_t start = text.find("\"" + name + "\"=", text.find(from));
		text.replace(start, text.find("\r\n", start) - start, line);
		writeFile(path, text);
	}
};

TEST_F(ValuesKeptAside, AValueTheLoadReplacesCutsOrRepairsIsNamedAndItsFileKept)
{
	struct Row {
		const char *stored; // the line, in the product key or film format 3
		const char *name;
		std::function<bool()> loaded; // as the load has always taken it
	};
	const std::string product = "Mirel]", format3 = "FilmSizes\\3]";
	const Row rows[] = {
		// numbers a save cannot store as they read: it stores 1.8
		{ "\"Aperture\"=\"1e22\"", "Aperture", [] { return currentSettings().Aperture == 1e22; } },
		{ "\"Aperture\"=\"1e308\"", "Aperture", [] { return currentSettings().Aperture == 1e308; } },
		// a text with more than a number in it
		{ "\"FocalLength\"=\"85mm\"", "FocalLength", [] { return currentSettings().FocalLength == 85.0; } },
		// a name cut to 15 characters
		{ "\"Name\"=\"Seventeen letters\"", "FilmSizes\\3\\Name",
		  [] { return filmName(currentSettings().FilmSizes[3]) == "Seventeen lette"; } },
		// a unit stored as text, read as the number its bytes make, then
		// put back in range
		{ "\"LengthUnit\"=\"4\"", "LengthUnit",
		  [] { return currentSettings().LengthUnit == LengthUnit::Metres; } },
		// a selection put back in range
		{ "\"FilmSize\"=dword:0000000c", "FilmSize", [] { return currentSettings().FilmSize == 0; } },
	};
	for (const Row &row : rows) {
		SCOPED_TRACE(row.stored);
		std::filesystem::remove_all(folder);
		saveUsersFile();
		const std::string name = row.name;
		editLine(name.starts_with("FilmSizes") ? format3 : product, name.substr(name.rfind('\\') + 1),
			 row.stored);
		const std::string stored = readFile(path);
		recorder.shown.clear();
		run();
		EXPECT_TRUE(row.loaded());
		EXPECT_EQ(recorder.shown, std::vector<std::string>{
						  "Mirel Error: These values in the settings file " + path +
						  " cannot be used as they are stored, and Mirel uses others in "
						  "their place: " +
						  name + ".\r\n\r\nThe file as it was is kept as " + path + ".bad." });
		EXPECT_TRUE(readFile(path + ".bad") == stored);
		EXPECT_TRUE(readFile(path) != stored); // the save put others in their place
	}
}

TEST_F(ValuesKeptAside, ValuesTakenAsTheyAreStoredKeepNoCopy)
{
	saveUsersFile();
	// Written as other tools write them: numbers in other forms, a flag of
	// 2, a name without its terminator.
	editLine("Mirel]", "Aperture", "\"Aperture\"=\"  5.6\"");
	editLine("Mirel]", "FocalLength", "\"FocalLength\"=\"85,0\"");
	editLine("Mirel]", "StartWithLastForm", "\"StartWithLastForm\"=dword:00000002");
	editLine("FilmSizes\\3]", "Name", "\"Name\"=hex(1):41,42");
	run();
	EXPECT_TRUE(recorder.shown.empty());
	EXPECT_FALSE(std::filesystem::exists(path + ".bad"));
}

TEST_F(ValuesKeptAside, AFilmFormatWithAValueTheFileCannotHoldIsNotSavedAtAll)
{
	saveUsersFile();
	load();
	const FilmFormat stored = currentSettings().FilmSizes[4];
	for (const double width : { 1e22, std::numeric_limits<double>::infinity() }) {
		SCOPED_TRACE(width);
		run([&] {
			FilmFormat &format = currentSettings().FilmSizes[4];
			format.Width = width;
			format.Height = 60.0;
			format.CoC = 5780346820809248768.0;
			setFilmName(format, "Huge");
			currentSettings().FilmSizes[5].Height = 61.0; // another format, whole
		});
		load();
		EXPECT_EQ(currentSettings().FilmSizes[4], stored);
		EXPECT_EQ(currentSettings().FilmSizes[5].Height, 61.0);
	}
	EXPECT_TRUE(recorder.shown.empty());
}

} // namespace
} // namespace mirel
