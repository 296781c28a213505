#include "core/cp1252.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(Cp1252, TextFromElsewhereKeepsWhatTheCodePageHasAndMarksTheRest)
{
	struct Row {
		const char *utf8, *cp1252;
	};
	for (const Row row : {
		     Row{ "Canon EOS 7D", "Canon EOS 7D" }, Row{ "\xC2\xB5-mini Digital", "\xB5-mini Digital" }, // µ
		     Row{ "\xE2\x82\xAC 5", "\x80 5" },                                                          // €
		     Row{ "\xD0\x97\xD0\xB5\xD0\xBD\xD0\xB8\xD1\x82 122", "????? 122" }, // Зенит
		     Row{ "a\xFF"
			  "b",
			  "a?b" },              // no UTF-8
		     Row{ "c\xE2\x82", "c??" }, // cut short
	     }) {
		EXPECT_EQ(cp1252Replacing(row.utf8), row.cp1252) << row.utf8;
	}
}

} // namespace
} // namespace mirel
