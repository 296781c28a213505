#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "settings/messages/message_box.h"

namespace mirel {

// An advisory lock on "<file>.lock" that keeps two Mirel processes from
// saving the same file at the same time. It is waited for at most kWait:
// another Mirel holds it for the moments of a save, and one that holds it
// longer has hung. While it is held, message boxes are held back (see
// MessageHold): a box waits for the user, and nobody may wait for that.
class FileLock
{
public:
	static constexpr std::chrono::milliseconds kWait{ 3000 };

	FileLock() = default;
	~FileLock() { release(); }

	FileLock(const FileLock &) = delete;
	FileLock &operator=(const FileLock &) = delete;

	// Creates the file's folder, as the first step of every write, and takes
	// the lock; whether it is held.
	bool take(const std::string &file);
	// Releases the lock, if held, and shows the boxes held back meanwhile.
	void release();

private:
	int fd_ = -1;
	std::optional<MessageHold> heldBoxes_; // while the lock is held
};

} // namespace mirel
