#include "DownloadRun.h"

#include "Countdown.h"
#include "DownloadAttempt.h"
#include "MainWindowElements.h"
#include "Pause.h"
#include "RunSettings.h"
#include "SequenceCounter.h"
#include "ShownTexts.h"
#include "Transfer.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr int maxLanes = 16;

// One place where pictures are fetched. The first lane uses the run's own transfer.
struct Lane
{
    DownloadAttempt *attempt = nullptr;
    Transfer *transfer = nullptr;
    int ordinal = 0; // the attempt's number in the run; 0 while the lane is idle
    QString counter; // the counter value it fetches
};

} // namespace

struct DownloadRun::Private
{
    Private(RunSettings &s, MainWindowElements &w, Transfer &t)
        : settings(s), window(w), transfer(t)
    {
    }

    bool parallel() const { return lanes.size() > 1; }
    Lane *laneOf(int ordinal)
    {
        for (Lane &lane : lanes) {
            if (lane.ordinal == ordinal && ordinal > 0)
                return &lane;
        }
        return nullptr;
    }
    bool uncommitted(const Lane &lane) const
    {
        const auto phase = lane.attempt->phase();
        return lane.ordinal > 0 && phase != DownloadAttempt::Phase::Pausing &&
               phase != DownloadAttempt::Phase::Idle;
    }

    RunSettings &settings;
    MainWindowElements &window;
    Transfer &transfer;
    DownloadAttempt *attempt = nullptr;
    bool running = false;
    // Why the run ended early (the counter could not be stepped, misses in a row, a range
    // that cannot be walked); shown at the end.
    QString endReason;
    RunCounts counts;
    QList<AttemptOutcome> missStreak; // the misses in a row up to the last attempt
    QString rangeEnd;                 // TO of a range in url2; empty without a range
    int rangeCount = 0;               // values in that range
    QString attemptedCounter;         // url2 as the attempt in progress found it

    // Lanes, when more than one picture may be in flight.
    std::vector<Lane> lanes;
    int head = 1;                 // the ordinal that commits next
    QString nextCounter;          // the value the next lane takes
    bool valuesLeft = true;       // the counter gives a value after the last one taken
    bool ending = false;          // nothing more is taken; what is taken past the end is dropped
    bool oneLane = false;         // a server asked to slow down: one lane to the end of the run
    bool asking = false;          // a prompt is open: no new request
    QDeadlineTimer quietUntil{0}; // no request before this
    QTimer *quietTimer = nullptr;
    bool pumping = false, pumpAgain = false;
    int shownInFlight = -1;

    void addLane(DownloadRun *run, Transfer *transfer, DownloadAttempt *attempt);
    void pump(DownloadRun *run);
    void commitHeads(DownloadRun *run);
    bool mayTake(const DownloadRun *run) const;
    void take(DownloadRun *run, Lane &lane);
    void dropUncommitted();
    void showInFlight(const DownloadRun *run);
};

DownloadRun::DownloadRun(RunSettings &settings, MainWindowElements &window, Transfer &transfer,
                         QObject *parent)
    : QObject(parent), d(new Private(settings, window, transfer))
{
    d->attempt = new DownloadAttempt(settings, window, transfer, this);
    d->quietTimer = new QTimer(this);
    d->quietTimer->setSingleShot(true);
    connect(d->quietTimer, &QTimer::timeout, this, [this] { d->pump(this); });
    d->addLane(this, &transfer, d->attempt);
}

DownloadRun::~DownloadRun()
{
    // An attempt cancels its own transfer; it must go while the references it holds live.
    for (Lane &lane : d->lanes) {
        delete lane.attempt;
        if (lane.transfer != &d->transfer)
            delete lane.transfer;
    }
    delete d;
}

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

Pause &DownloadRun::pause()
{
    return d->attempt->pause();
}

void DownloadRun::endPauses()
{
    for (Lane &lane : d->lanes) {
        if (lane.attempt->pause().isWaiting())
            lane.attempt->pause().pauseFor(0);
    }
}

int DownloadRun::inFlight() const
{
    return int(std::count_if(d->lanes.begin(), d->lanes.end(),
                             [this](const Lane &lane) { return d->uncommitted(lane); }));
}

DownloadAttempt &DownloadRun::attempt()
{
    return *d->attempt;
}

bool DownloadRun::isRunning() const
{
    return d->running;
}

int DownloadRun::fetchedAhead() const
{
    return int(std::count_if(d->lanes.begin(), d->lanes.end(), [](const Lane &lane) {
        return lane.attempt->phase() == DownloadAttempt::Phase::Ready;
    }));
}

void DownloadRun::cmdGet_Click()
{
    // Get is disabled while a run is going; a second run inside the first would share
    // the one attempt and the one transfer.
    if (d->running)
        return;
    setRunningState();
    d->running = true;
    d->endReason.clear();
    d->counts = RunCounts();
    d->missStreak.clear();
    d->rangeEnd.clear();
    attempt_count = 0;
    d->transfer.startSession();
    const std::size_t wanted = std::clamp<int>(d->settings.parallel, 1, maxLanes);
    while (d->lanes.size() > wanted) {
        delete d->lanes.back().attempt;
        delete d->lanes.back().transfer;
        d->lanes.pop_back();
    }
    while (d->lanes.size() < wanted) {
        auto *t = new Transfer(this);
        auto *a = new DownloadAttempt(d->settings, d->window, *t, this);
        d->addLane(this, t, a);
    }
    for (Lane &lane : d->lanes) {
        lane.ordinal = 0;
        lane.attempt->setHead(true);
        if (lane.transfer != &d->transfer) {
            lane.attempt->copyTimingFrom(*d->attempt);
            lane.transfer->startSession();
        }
        lane.attempt->setInFlight(
            d->parallel() ? std::function<int()>([this] { return inFlight(); }) : nullptr);
    }
    d->head = 1;
    d->valuesLeft = true;
    d->ending = d->oneLane = d->asking = false;
    d->quietUntil = QDeadlineTimer(0);
    d->shownInFlight = -1;
    const RunSettings &s = d->settings;
    const SequenceCounter::Range range =
        SequenceCounter::parseRange(d->window.url2Text(), s.is_number_mode, s.increment);
    if (range.kind == SequenceCounter::Range::Unreachable) {
        // Nothing is fetched; the end comes from the event loop, as after any attempt.
        d->endReason = range.reason;
        QTimer::singleShot(0, this, &DownloadRun::finish);
        return;
    }
    if (range.kind == SequenceCounter::Range::Walkable) {
        d->window.setUrl2Text(range.from);
        d->rangeEnd = range.to;
        d->rangeCount = range.count;
    }
    if (!d->parallel()) {
        startAttempt();
        return;
    }
    d->nextCounter = d->window.url2Text();
    d->pump(this);
}

int DownloadRun::plannedAttempts() const
{
    const RunSettings &s = d->settings;
    int planned = s.isMultiple ? std::max<int>(s.max_downloads, 1) : 1;
    if (!d->rangeEnd.isEmpty())
        planned = std::min(planned, d->rangeCount);
    return planned;
}

void DownloadRun::cmdStop_Click()
{
    stop_requested = true;
    closeDuringRun();
}

void DownloadRun::closeDuringRun()
{
    attempt_count = d->settings.max_downloads;
    if (!d->parallel()) {
        d->transfer.cancel();
        d->attempt->cancelWait();
        return;
    }
    // The head ends as the one attempt of a sequential run would; what follows it is dropped.
    d->ending = true;
    Lane *head = d->laneOf(d->head);
    for (Lane &lane : d->lanes) {
        if (&lane != head && d->uncommitted(lane)) {
            lane.attempt->abandon();
            lane.ordinal = 0;
        }
    }
    if (head && d->uncommitted(*head)) {
        head->transfer->cancel();
        head->attempt->cancelWait();
    }
    d->pump(this);
}

void DownloadRun::setRunningState()
{
    MainWindowElements &w = d->window;
    w.setGetEnabled(false);
    w.setStopEnabled(true);
    w.setStartMenuEnabled(false);
    w.setStopMenuEnabled(true);
    w.setStatePicture(ImageKey::Off);
    w.setTrayRecordIcon(ImageKey::Off);
}

void DownloadRun::setIdleState()
{
    MainWindowElements &w = d->window;
    w.setGetEnabled(true);
    w.setStopEnabled(false);
    w.setStartMenuEnabled(true);
    w.setStopMenuEnabled(false);
    w.setStatePicture(ImageKey::On);
    w.setTrayRecordIcon(ImageKey::On);
}

void DownloadRun::startAttempt()
{
    stop_requested = false;
    ++attempt_count;
    d->attemptedCounter = d->window.url2Text();
    d->window.setRunProgress(attempt_count, plannedAttempts());
    MainWindowElements &w = d->window;
    d->attempt->start(SequenceCounter::composeUrl(w.url1Text(), w.url2Text(), w.url3Text()));
}

void DownloadRun::onAttemptDone()
{
    Q_EMIT attemptFinished();
    account(attempt_count, d->attempt->report(), d->attemptedCounter);
    if (d->settings.max_downloads > attempt_count) {
        // From the event loop, so that runs of many attempts never stack up calls.
        QTimer::singleShot(0, this, &DownloadRun::continueRun);
    } else {
        finish();
    }
}

// Counts the attempt numbered ordinal, steps the counter shown and applies the end tests;
// true when the run ends with it.
bool DownloadRun::account(int ordinal, const AttemptReport &report, const QString &attemptedCounter)
{
    // A counter that cannot step only ends a run that would have gone on.
    const bool lastPlanned = !d->settings.isMultiple || ordinal >= d->settings.max_downloads;
    bool ends = stop_requested;
    const auto endHere = [this, &ends] {
        attempt_count = d->settings.max_downloads;
        ends = true;
    };
    ++d->counts[report.outcome];
    if (outcomeRow(report.outcome).miss)
        d->missStreak.append(report.outcome);
    else
        d->missStreak.clear();
    const int allowed = d->settings.stop_after_misses;
    if (allowed > 0 && d->missStreak.size() >= allowed && !stop_requested) {
        // The misses that end a series are where it ends, not failures of the run.
        for (AttemptOutcome miss : std::as_const(d->missStreak))
            --d->counts[miss];
        d->endReason = ShownTexts::seriesEnded(int(d->missStreak.size()));
        endHere();
    } else if (report.endsRun && !stop_requested) {
        d->endReason = report.reason;
        endHere();
    }
    bool counterEnded = false;
    const QString stepReason = stop_requested ? QString() : advanceCounter(&counterEnded);
    if (counterEnded)
        endHere();
    const bool rangeEnded =
        !d->rangeEnd.isEmpty() &&
        SequenceCounter::endsRange(attemptedCounter, d->window.url2Text(), d->rangeEnd,
                                   d->settings.is_number_mode, d->settings.increment);
    if (rangeEnded)
        endHere();
    if (!stepReason.isEmpty() && !lastPlanned && !rangeEnded && d->endReason.isEmpty())
        d->endReason = stepReason;
    if (!d->settings.isMultiple)
        endHere();
    return ends;
}

void DownloadRun::continueRun()
{
    // Stop or the close of the window may have come in since the test was made.
    if (d->running && d->settings.max_downloads > attempt_count)
        startAttempt();
    else if (d->running)
        finish();
}

QString DownloadRun::advanceCounter(bool *ended)
{
    MainWindowElements &w = d->window;
    const SequenceCounter::Step step = SequenceCounter::advanceCounter(
        w.url2Text(), d->settings.is_number_mode, d->settings.increment);
    switch (step.outcome) {
    case SequenceCounter::Step::Stepped:
        w.setUrl2Text(step.newText);
        break;
    case SequenceCounter::Step::Unsteppable:
        *ended = true;
        return step.reason;
    case SequenceCounter::Step::LetterEnd:
        *ended = true;
        break;
    }
    return {};
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
    if (!busy && (ending || !mayTake(run)) && quietUntil.hasExpired())
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
        SequenceCounter::advanceCounter(nextCounter, settings.is_number_mode, settings.increment);
    if (step.outcome != SequenceCounter::Step::Stepped ||
        (!rangeEnd.isEmpty() &&
         SequenceCounter::endsRange(lane.counter, step.newText, rangeEnd, settings.is_number_mode,
                                    settings.increment)))
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

void DownloadRun::finish()
{
    MainWindowElements &w = d->window;
    d->quietTimer->stop();
    setIdleState();
    w.trayIcon = ImageKey::Stopped;
    w.trayTip = ShownTexts::idleTrayTip();
    w.setTip(w.trayTip);
    w.setIcon(w.trayIcon);
    const QString status = ShownTexts::summary(d->counts, d->endReason);
    w.setStatusText(status);
    w.reportRunEnd(d->counts, status);
    d->running = false;
    Q_EMIT runFinished();
    if (d->settings.exit_ifover)
        w.closeWindow();
}
