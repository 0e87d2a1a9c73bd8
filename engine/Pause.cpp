#include "Pause.h"

#include <QTimer>

#include <algorithm>
#include <limits>

Pause::Pause(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    // Pauses are short and counted in whole units: a coarse timer could end them early.
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &Pause::elapsed);
}

void Pause::setUnitMs(int ms)
{
    m_unitMs = std::max(ms, 0);
}

int Pause::unitMs() const
{
    return m_unitMs;
}

void Pause::pauseFor(int count)
{
    // A count below 1 still waits for the event loop, so whoever armed the pause never
    // sees elapsed() from inside its own call. A length past what a timer holds is cut
    // to the longest one rather than wrapping round to a short or negative wait.
    const qint64 wanted = qint64(std::max(count, 0)) * m_unitMs;
    const qint64 ms = std::min<qint64>(wanted, std::numeric_limits<int>::max());
    // Restarting moves the due time of a pause already waiting: both end together.
    m_timer->start(static_cast<int>(ms));
}

bool Pause::isWaiting() const
{
    return m_timer->isActive();
}

void Pause::abandon()
{
    m_timer->stop();
}
