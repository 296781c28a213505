#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "resources/menu.h"
#include "resources/pages.h"

namespace mirel::resources {
namespace {

namespace cmd = ids::command;

TEST(MainMenu, ShowItemsAndCtrlDigitsShowThePagesInOrder)
{
	const auto show = std::ranges::find_if(mainMenu(), [](const Menu &m) {
		return !m.items.empty() && m.items.front().command == cmd::ShowFirstPage;
	});
	ASSERT_NE(show, mainMenu().end());
	ASSERT_EQ(std::ssize(show->items), kPageCount);
	ASSERT_GE(std::ssize(accelerators()), kPageCount);
	for (int page = 0; page < kPageCount; ++page) {
		const MenuItem &item = show->items[static_cast<std::size_t>(page)];
		const Accelerator &key = accelerators()[static_cast<std::size_t>(page)];
		EXPECT_EQ(item.command, cmd::ShowFirstPage + page) << item.text;
		EXPECT_EQ(key.command, cmd::ShowFirstPage + page) << key.key;
		EXPECT_EQ(key.key, '1' + page);
		EXPECT_FALSE(key.shift);
	}
}

TEST(MainMenu, EachItemHasItsOwnCommandAndMnemonic)
{
	std::set<int> commands;
	for (const Menu &menu : mainMenu()) {
		std::set<char> letters;
		for (const MenuItem &item : menu.items) {
			if (item.isSeparator())
				continue;
			EXPECT_TRUE(commands.insert(item.command).second) << item.text;
			// One '&', before the letter that is unique in its menu.
			const auto amp = item.text.find('&');
			ASSERT_LT(amp + 1, item.text.size()) << item.text;
			EXPECT_EQ(item.text.find('&', amp + 1), std::string::npos) << item.text;
			EXPECT_TRUE(letters.insert(static_cast<char>(std::tolower(item.text[amp + 1]))).second)
				<< item.text << " in " << menu.title;
		}
	}
}

TEST(PageTable, EachPageHasItsOwnHelpTopic)
{
	std::set<int> topics = { ids::help::License, ids::help::RoundingRules, ids::help::Defaults,
				 ids::help::StartupPreferences };
	for (int page = 0; page < kPageCount; ++page)
		EXPECT_TRUE(topics.insert(pageHelpTopic(page)).second) << page << " shares a help topic";
	for (int outside : { -1, kPageCount })
		EXPECT_EQ(pageHelpTopic(outside), 0) << outside;
}

} // namespace
} // namespace mirel::resources
