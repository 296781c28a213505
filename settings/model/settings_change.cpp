#include "settings/model/settings_change.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace mirel {

namespace {

// The user-interface thread is the only one that touches the settings.
int openChanges = 0;

std::vector<SettingsSubscription *> &subscriptions()
{
	static std::vector<SettingsSubscription *> all;
	return all;
}

} // namespace

SettingsChange::SettingsChange()
{
	++openChanges;
}

SettingsChange::~SettingsChange()
{
	if (--openChanges > 0)
		return;
	// A subscriber may subscribe or end subscriptions as it runs: call those
	// there were when the change ended, as long as they still exist.
	const std::vector<SettingsSubscription *> called = subscriptions();
	for (SettingsSubscription *subscription : called) {
		if (std::ranges::find(subscriptions(), subscription) == subscriptions().end())
			continue;
		// A copy: the subscription may end while its own function runs.
		const std::function<void()> changed = subscription->changed_;
		changed();
	}
}

SettingsSubscription::SettingsSubscription(std::function<void()> changed) : changed_(std::move(changed))
{
	subscriptions().push_back(this);
}

SettingsSubscription::~SettingsSubscription()
{
	std::erase(subscriptions(), this);
}

} // namespace mirel
