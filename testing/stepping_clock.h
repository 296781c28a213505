#pragma once

#include <chrono>
#include <functional>
#include <map>

#include "settings/file_safety/file_lock.h"

namespace mirel::testing {

// A save's clock that moves on only as it is waited on, so that a test
// plays out seconds of another program's work at once: what the test sets
// to happen at a moment happens when the clock passes it.
class SteppingClock : public SaveClock
{
public:
	TimePoint now() override { return now_; }

	void sleepFor(std::chrono::milliseconds span) override
	{
		now_ += span;
		while (!due_.empty() && due_.begin()->first <= now_) {
			const auto action = std::move(due_.begin()->second);
			due_.erase(due_.begin());
			action();
		}
	}

	// Runs action once the clock has moved on by span from now.
	void after(std::chrono::milliseconds span, std::function<void()> action)
	{
		due_.emplace(now_ + span, std::move(action));
	}

private:
	TimePoint now_{};
	std::multimap<TimePoint, std::function<void()>> due_;
};

} // namespace mirel::testing
