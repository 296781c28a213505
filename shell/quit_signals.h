#pragma once

#include <QObject>

class QSocketNotifier;

namespace mirel {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop, so
// that a kill or a closed terminal ends Mirel the orderly way, settings
// saved, instead of in the middle of anything.
class QuitSignals : public QObject
{
	Q_OBJECT

public:
	explicit QuitSignals(QObject *parent = nullptr);
	~QuitSignals() override;

signals:
	void quitRequested();

private:
	QSocketNotifier *notifier_ = nullptr;
};

} // namespace mirel
