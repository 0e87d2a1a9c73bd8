#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl+C (SIGINT) and SIGTERM turned into a signal of the event loop: the handler only
// writes a byte into a pipe, whose reading end a QSocketNotifier watches. After the first
// one the default action is back, so that a second Ctrl+C ends the program at once; a second
// one before the loop read the first (the loop is blocked) ends it at once as well.
class StopSignals : public QObject
{
    Q_OBJECT
public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

    bool received() const { return m_received; }

Q_SIGNALS:
    void stopRequested();

private:
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
    bool m_received = false;
};
