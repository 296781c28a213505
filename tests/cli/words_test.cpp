#include "cli/words.h"

#include <gtest/gtest.h>

#include "cli/option_text.h"

namespace mirel::cli {
namespace {

TEST(Words, ALineSplitsAsAShellSplitsIt)
{
	struct Row {
		const char *line;
		std::vector<std::string> words;
	};
	for (const Row &row : std::initializer_list<Row>{
		     { "dof --focal 50", { "dof", "--focal", "50" } },
		     { " \ta\t b  ", { "a", "b" } },
		     { "", {} },
		     { "aov --format \"6 \xC3\x97 7\"", { "aov", "--format", "6 \xC3\x97 7" } },
		     { "--format '6 x 7'", { "--format", "6 x 7" } },
		     { "a\"b c\"d 'e'f", { "ab cd", "ef" } },
		     { R"("a \"b\" \\ \x")", { R"(a "b" \ \x)" } },
		     { R"('a \b' 6\'6\" 5\ m)", { R"(a \b)", "6'6\"", "5 m" } },
		     { "'' \"\"", { "", "" } },
	     }) {
		EXPECT_EQ(splitWords(row.line), row.words) << row.line;
	}
	for (const char *bad : { "dof --format \"6 x 7", "'open", "end\\" })
		EXPECT_THROW(splitWords(bad), UsageError) << bad;
}

} // namespace
} // namespace mirel::cli
