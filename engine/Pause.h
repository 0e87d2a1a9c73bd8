#pragma once

#include <QObject>

class QTimer;

// The pause after every attempt. pauseFor() arms a timer and returns at once; elapsed()
// is emitted at the due time, from the event loop, so the window keeps working meanwhile.
// Arming again while a pause waits moves its due time to that of the new arming (both
// end together). Each copy of the program has its own timer. A count below 1 waits not
// at all, but elapsed() still comes from the event loop.
class Pause : public QObject
{
    Q_OBJECT
public:
    explicit Pause(QObject *parent = nullptr);

    // The length of one unit of the count, in milliseconds (1000: the count is in seconds).
    // Tests shorten it.
    void setUnitMs(int ms);
    int unitMs() const;

    void pauseFor(int count);
    bool isWaiting() const;
    // Drops a waiting pause without emitting elapsed().
    void abandon();

Q_SIGNALS:
    void elapsed();

private:
    QTimer *m_timer;
    int m_unitMs = 1000;
};
