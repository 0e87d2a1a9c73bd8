#include "Countdown.h"
#include "DownloadRunPrivate.h"
#include "MainWindowElements.h"
#include "Pause.h"
#include "RunSettings.h"
#include "SequenceCounter.h"
#include "Transfer.h"

#include <QTimer>

#include <algorithm>

void DownloadRun::Private::addLane(DownloadRun *run, Transfer *t, DownloadAttempt *a)
{
    const std::size_t index = lanes.size();
    lanes.push_back({a, t, 0, {}});
    QObject::connect(a, &DownloadAttempt::ready, run, [this, run] {
        if (parallel())
            pump(run);
        else
            attempt->commit(); // one lane is always the head
    });
    QObject::connect(a, &DownloadAttempt::done, run, [this, run, index] {
        if (!parallel()) {
            run->onAttemptDone();
            return;
        }
        lanes[index].ordinal = 0;
        Q_EMIT run->attemptFinished();
        pump(run);
    });
    QObject::connect(a, &DownloadAttempt::slowDownAsked, run, [this, run](int seconds) {
        if (!parallel())
            return;
        // Every lane keeps the quiet the server asked for, and the run goes on with one.
        oneLane = true;
        const qint64 ms = qint64(seconds) * attempt->countdown().unitMs();
        if (quietUntil.remainingTime() < ms)
            quietUntil.setRemainingTime(ms);
        quietTimer->start(int(qMin<qint64>(ms, 24LL * 3600 * 1000)));
        Q_UNUSED(run);
    });
    a->setHold([this, a]() -> qint64 {
        if (asking && !a->isHead())
            return 100; // looked at again until the prompt has closed
        return quietUntil.remainingTime();
    });
}

// The lanes' state machine: commit what is ready at the head, take further values, and end
// the run once it is over and no lane is busy. Signals that arrive while it works (an attempt
// ready at once, a prompt's own event loop) only ask it to go round once more.
void DownloadRun::Private::pump(DownloadRun *run)
{
    if (pumping) {
        pumpAgain = true;
        return;
    }
    pumping = true;
    do {
        pumpAgain = false;
        if (!running)
            break;
        commitHeads(run);
        while (!ending && mayTake(run)) {
            const auto idle = std::find_if(lanes.begin(), lanes.end(), [](const Lane &lane) {
                return lane.ordinal == 0 && lane.attempt->phase() == DownloadAttempt::Phase::Idle;
            });
            if (idle == lanes.end())
                break;
            take(run, *idle);
        }
    } while (pumpAgain);
    pumping = false;
    if (!running)
        return;
    showInFlight(run);
    const bool busy = std::any_of(lanes.begin(), lanes.end(), [](const Lane &lane) {
        return lane.attempt->phase() != DownloadAttempt::Phase::Idle;
    });
    // A quiet the server asked for holds back the next picture, not the end of a run.
    if (!busy && (ending || (!mayTake(run) && quietUntil.hasExpired())))
        run->finish();
}

void DownloadRun::Private::commitHeads(DownloadRun *run)
{
    for (Lane *lane = laneOf(head); lane; lane = laneOf(head)) {
        if (lane->attempt->phase() != DownloadAttempt::Phase::Ready)
            return;
        asking = true; // saving may ask for a name
        lane->attempt->commit();
        asking = false;
        const bool ends = run->account(lane->ordinal, lane->attempt->report(), lane->counter);
        ++head;
        if (ends) {
            ending = true;
            dropUncommitted();
            return;
        }
        if (Lane *next = laneOf(head)) {
            window.setRunProgress(head, run->plannedAttempts());
            asking = true; // a name taken under the policy prompt is asked now
            next->attempt->setHead(true);
            asking = false;
        }
    }
}

bool DownloadRun::Private::mayTake(const DownloadRun *run) const
{
    if (asking || !valuesLeft || !quietUntil.hasExpired())
        return false;
    if (oneLane && std::any_of(lanes.begin(), lanes.end(), [](const Lane &lane) {
            return lane.attempt->phase() != DownloadAttempt::Phase::Idle;
        }))
        return false;
    // The first attempt is made whatever the limit; a single run makes that one only.
    const int taken = run->attempt_count;
    return taken == 0 || (settings.isMultiple && settings.max_downloads > taken);
}

void DownloadRun::Private::take(DownloadRun *run, Lane &lane)
{
    const int ordinal = ++run->attempt_count;
    lane.ordinal = ordinal;
    lane.counter = nextCounter;
    const SequenceCounter::Step step =
        SequenceCounter::advanceCounter(nextCounter, numberMode, settings.increment);
    if (step.outcome != SequenceCounter::Step::Stepped ||
        (!rangeEnd.isEmpty() && SequenceCounter::endsRange(lane.counter, step.newText, rangeEnd,
                                                           numberMode, settings.increment)))
        valuesLeft = false;
    else
        nextCounter = step.newText;
    if (lane.transfer != &transfer) { // the connection settings as they are now
        lane.transfer->setAccessType(transfer.accessType());
        lane.transfer->setProxy(transfer.proxy());
        lane.transfer->setConnectionOptions(transfer.connectionOptions());
        lane.transfer->setIdleTimeout(transfer.idleTimeout());
    }
    const bool isHead = ordinal == head;
    if (isHead)
        window.setRunProgress(ordinal, run->plannedAttempts());
    lane.attempt->setHead(isHead);
    asking = isHead; // the head may ask for a name before its request
    lane.attempt->start(
        SequenceCounter::composeUrl(window.url1Text(), lane.counter, window.url3Text()));
    asking = false;
}

// The run ends with the attempt just committed: what was taken after it is never seen.
void DownloadRun::Private::dropUncommitted()
{
    for (Lane &lane : lanes) {
        if (uncommitted(lane)) {
            lane.attempt->abandon();
            lane.ordinal = 0;
        }
    }
}

void DownloadRun::Private::showInFlight(const DownloadRun *run)
{
    const int n = run->inFlight();
    if (n != shownInFlight)
        window.setInFlight(n);
    shownInFlight = n;
}
