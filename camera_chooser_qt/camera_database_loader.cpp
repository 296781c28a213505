#include "camera_chooser_qt/camera_database_loader.h"

#include <QCoreApplication>
#include <QPointer>

namespace mirel {

CameraDatabaseLoader::CameraDatabaseLoader(QObject *application) : QObject(application)
{
	reader_ = std::thread([this] {
		installedCameraDatabase();
		done_ = true;
		// This object outlives the thread: its destructor waits for it.
		QMetaObject::invokeMethod(this, &CameraDatabaseLoader::loaded, Qt::QueuedConnection);
	});
}

CameraDatabaseLoader::~CameraDatabaseLoader()
{
	reader_.join();
}

void CameraDatabaseLoader::whenLoaded(QObject *context, std::function<void(const CameraDatabaseLoad &)> arrived)
{
	// One for the application, ended with it.
	static QPointer<CameraDatabaseLoader> loader;
	if (!loader)
		loader = new CameraDatabaseLoader(QCoreApplication::instance());
	if (loader->done_) {
		arrived(installedCameraDatabase());
		return;
	}
	connect(
		loader, &CameraDatabaseLoader::loaded, context,
		[arrived = std::move(arrived)] { arrived(installedCameraDatabase()); }, Qt::SingleShotConnection);
}

} // namespace mirel
