#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include <QObject>

#include "cameras/camera_database.h"

namespace mirel {

// The installed camera database, read on first use off the user interface
// thread: lensfun's files take a while to read, and the window that asked
// for them stays usable meanwhile. Nothing of it is read at start.
//
// While lensfun reads, it sets the C library's LC_NUMERIC to "C" for the
// whole process and back (camera_database.h). Mirel sets no locale after
// start and formats its numbers without the C library's locale, so the
// user interface thread may go on working meanwhile.
class CameraDatabaseLoader : public QObject
{
	Q_OBJECT

public:
	// Calls arrived with the database, or why there is none: at once when
	// it is there, else from the event loop when the reading ends, as long
	// as context lives. The first call starts the reading.
	static void whenLoaded(QObject *context, std::function<void(const CameraDatabaseLoad &)> arrived);

	// Waits for a reading under way: the application ends no sooner.
	~CameraDatabaseLoader() override;

signals:
	void loaded();

private:
	explicit CameraDatabaseLoader(QObject *application);

	std::thread reader_;
	std::atomic<bool> done_ = false;
};

} // namespace mirel
