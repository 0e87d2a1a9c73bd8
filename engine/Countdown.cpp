#include "Countdown.h"

#include <QTimer>

#include <algorithm>

Countdown::Countdown(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Countdown::onTimeout);
}

void Countdown::setUnitMs(int ms)
{
    m_unitMs = std::max(ms, 0);
}

void Countdown::start(int seconds)
{
    m_remaining = std::max(seconds, 0);
    m_announced = false;
    // The first tick comes from the event loop, never from inside start().
    m_timer->start(0);
}

void Countdown::abandon()
{
    m_timer->stop();
}

bool Countdown::isWaiting() const
{
    return m_timer->isActive();
}

void Countdown::onTimeout()
{
    if (m_announced)
        --m_remaining;
    m_announced = true;
    if (m_remaining <= 0) {
        m_timer->stop();
        Q_EMIT finished();
        return;
    }
    m_timer->start(m_unitMs);
    Q_EMIT tick(m_remaining);
}
