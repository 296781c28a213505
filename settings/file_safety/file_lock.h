#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "settings/messages/message_box.h"

namespace mirel {

// The clock a save waits by: the steady clock in the program, and in tests
// one that moves on as it is waited for, so that they need not wait.
class SaveClock
{
public:
	using TimePoint = std::chrono::steady_clock::time_point;

	virtual ~SaveClock() = default;
	virtual TimePoint now() = 0;
	virtual void sleepFor(std::chrono::milliseconds span) = 0;
};

// The program's clock.
SaveClock &steadyClock();

// An advisory lock on "<file>.lock" that keeps two Mirel processes from
// saving the same file at the same time. While it is held, message boxes
// are held back (see MessageHold): a box waits for the user, and nobody may
// wait for that.
//
// The lock file is there only while a save holds it: the holder removes it
// before letting go. flock locks a file, not its name, so whoever takes the
// lock checks afterwards that the file it locked is still the one at the
// name, and takes it again when not; a lock on a removed file keeps nobody
// out.
class FileLock
{
public:
	enum class State {
		Held,
		Busy,        // another process held it until the deadline
		Unavailable, // there is no lock to be had here (see take)
	};

	FileLock() = default;
	~FileLock() { release(); }

	FileLock(const FileLock &) = delete;
	FileLock &operator=(const FileLock &) = delete;

	// Creates the file's folder, as the first step of every write, and takes
	// the lock, waiting on clock until deadline while another process holds
	// it. Unavailable when the folder or the lock file cannot be made, or
	// the file system keeps no locks.
	State take(const std::string &file, SaveClock &clock, SaveClock::TimePoint deadline);
	// Removes the lock file and releases the lock, if held, and shows the
	// boxes held back meanwhile.
	void release();

private:
	int fd_ = -1;
	std::string path_;                     // of the lock file
	std::optional<MessageHold> heldBoxes_; // while the lock is held
};

} // namespace mirel
