#pragma once

#include <functional>

namespace mirel {

// Windows beside the pages follow currentSettings by subscribing here
// instead of polling. Whoever changes the settings holds a SettingsChange
// while doing so (the pages' handlers, a dialog's OK); when the outermost
// one ends, every subscriber is called once. So a keystroke on a page that
// makes the page write its own fields, each write a change of its own, is
// still announced once, with the settings complete.
class SettingsChange
{
public:
	SettingsChange();
	// The outermost change calls the subscribers, which must not throw.
	~SettingsChange();
	SettingsChange(const SettingsChange &) = delete;
	SettingsChange &operator=(const SettingsChange &) = delete;
};

// Calls changed after every change of the settings for as long as it lives.
// Subscribing or ending subscriptions (its own too) from within changed is
// allowed: a subscription that has ended is not called again.
class SettingsSubscription
{
public:
	explicit SettingsSubscription(std::function<void()> changed);
	~SettingsSubscription();
	SettingsSubscription(const SettingsSubscription &) = delete;
	SettingsSubscription &operator=(const SettingsSubscription &) = delete;

private:
	friend class SettingsChange;
	std::function<void()> changed_;
};

} // namespace mirel
