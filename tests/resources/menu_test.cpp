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

const Menu *menuHolding(int command)
{
	for (const Menu &menu : mainMenu()) {
		for (const MenuItem &item : menu.items) {
			if (item.command == command)
				return &menu;
		}
	}
	return nullptr;
}

TEST(MainMenu, ItemsHaveDistinctCommandsAndOneMnemonicUniqueInTheirMenu)
{
	std::set<int> commands;
	for (const Menu &menu : mainMenu()) {
		std::set<char> letters;
		for (const MenuItem &item : menu.items) {
			if (item.isSeparator())
				continue;
			EXPECT_TRUE(item.command != 0 && !item.text.empty()) << item.text << " " << item.command;
			EXPECT_TRUE(commands.insert(item.command).second) << item.command;
			const auto amp = item.text.find('&');
			ASSERT_LT(amp + 1, item.text.size()) << item.text;
			EXPECT_EQ(item.text.find('&', amp + 1), std::string::npos) << item.text;
			EXPECT_TRUE(letters.insert(static_cast<char>(std::tolower(item.text[amp + 1]))).second)
				<< item.text << " in " << menu.title;
		}
	}
	for (int command : { cmd::Exit, cmd::About, cmd::Contents, cmd::RoundingRules, cmd::Defaults,
			     cmd::StartupPreferences, cmd::Context })
		EXPECT_NE(menuHolding(command), nullptr) << command;
	EXPECT_EQ(menuHolding(cmd::RoundingRules), menuHolding(cmd::StartupPreferences));
	EXPECT_EQ(menuHolding(cmd::Contents), menuHolding(cmd::About));
}

TEST(MainMenu, ShowItemsShowThePagesInOrder)
{
	const Menu *show = menuHolding(cmd::ShowFirstPage);
	ASSERT_NE(show, nullptr);
	ASSERT_EQ(std::ssize(show->items), kCalculatorPageCount);
	for (int page = 0; page < kCalculatorPageCount; ++page) {
		const MenuItem &item = show->items[static_cast<std::size_t>(page)];
		EXPECT_EQ(item.command, cmd::ShowFirstPage + page) << item.text;
		// Named by the first word of the page's tab title.
		const std::string &caption = pageTemplate(page)->caption;
		EXPECT_EQ(item.text.rfind(caption.substr(0, caption.find(' ')), 0), 0u) << item.text << ", " << caption;
	}
}

TEST(Accelerators, CtrlDigitShowsThePageOfThatNumber)
{
	std::set<char> keys;
	for (const Accelerator &a : accelerators()) {
		EXPECT_TRUE(keys.insert(a.key).second) << a.key;
		EXPECT_EQ(a.command, cmd::ShowFirstPage + (a.key - '1')) << a.key;
	}
	EXPECT_EQ(keys.size(), static_cast<std::size_t>(kCalculatorPageCount));
	EXPECT_EQ(*keys.begin(), '1');
}

TEST(Accelerators, MatchTheShortcutsTheMenuShows)
{
	// A shortcut after the tab reads "Ctrl-" and the accelerator's key.
	for (const Menu &menu : mainMenu()) {
		for (const MenuItem &item : menu.items) {
			const auto tab = item.text.find('\t');
			const auto key = std::find_if(accelerators().begin(), accelerators().end(),
						      [&](const Accelerator &a) { return a.command == item.command; });
			ASSERT_EQ(tab == std::string::npos, key == accelerators().end()) << item.text;
			if (tab == std::string::npos)
				continue;
			std::string shortcut = item.text.substr(tab + 1);
			std::erase(shortcut, '&');
			EXPECT_EQ(shortcut, std::string("Ctrl-") + key->key) << item.text;
		}
	}
}

TEST(PageTable, EachPageHasItsOwnTemplateAndHelpTopic)
{
	std::set<const ui::DialogTemplate *> templates;
	std::set<int> topics = { ids::help::License, ids::help::RoundingRules, ids::help::Defaults,
				 ids::help::StartupPreferences };
	for (int page = 0; page < kCalculatorPageCount; ++page) {
		EXPECT_TRUE(templates.insert(pageTemplate(page)).second) << page;
		EXPECT_NE(pageTemplate(page), nullptr) << page;
		EXPECT_TRUE(topics.insert(pageHelpTopic(page)).second) << page << " shares a help topic";
	}
	for (int outside : { -1, kCalculatorPageCount }) {
		EXPECT_EQ(pageTemplate(outside), nullptr) << outside;
		EXPECT_EQ(pageHelpTopic(outside), 0) << outside;
	}
}

} // namespace
} // namespace mirel::resources
