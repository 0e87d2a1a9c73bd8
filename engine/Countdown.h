#pragma once

#include <QObject>

class QTimer;

// Waits a whole number of seconds and says, once a second, how many are left. start() returns
// at once; tick() comes first from the event loop with the full count, then after every
// second; finished() follows when none are left. abandon() ends a wait without a word.
class Countdown : public QObject
{
    Q_OBJECT
public:
    explicit Countdown(QObject *parent = nullptr);

    // The length of one second in milliseconds; tests shorten it.
    void setUnitMs(int ms);
    int unitMs() const { return m_unitMs; }

    void start(int seconds);
    void abandon();
    bool isWaiting() const;

Q_SIGNALS:
    void tick(int remaining);
    void finished();

private:
    void onTimeout();

    QTimer *m_timer;
    int m_unitMs = 1000;
    int m_remaining = 0;
    bool m_announced = false;
};
