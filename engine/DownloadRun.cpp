#include "DownloadRun.h"

#include "AddressSplit.h"
#include "Countdown.h"
#include "DownloadAttempt.h"
#include "DownloadRunPrivate.h"
#include "MainWindowElements.h"
#include "Pause.h"
#include "RunSettings.h"
#include "SequenceCounter.h"
#include "ShownTexts.h"
#include "Transfer.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <algorithm>

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
    for (Private::Lane &lane : d->lanes) {
        delete lane.attempt;
        if (lane.transfer != &d->transfer)
            delete lane.transfer;
    }
    delete d;
}

Pause &DownloadRun::pause()
{
    return d->attempt->pause();
}

void DownloadRun::endPauses()
{
    for (Private::Lane &lane : d->lanes) {
        if (lane.attempt->pause().isWaiting())
            lane.attempt->pause().pauseFor(0);
    }
}

int DownloadRun::inFlight() const
{
    return int(std::count_if(d->lanes.begin(), d->lanes.end(),
                             [this](const Private::Lane &lane) { return d->uncommitted(lane); }));
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
    return int(std::count_if(d->lanes.begin(), d->lanes.end(), [](const Private::Lane &lane) {
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
    const std::size_t wanted = std::clamp<int>(d->settings.parallel, 1, Private::maxLanes);
    while (d->lanes.size() > wanted) {
        delete d->lanes.back().attempt;
        delete d->lanes.back().transfer;
        d->lanes.pop_back();
    }
    while (d->lanes.size() < wanted) {
        auto *t = new Transfer(this);
        t->shareConnectionsOf(d->transfer);
        auto *a = new DownloadAttempt(d->settings, d->window, *t, this);
        d->addLane(this, t, a);
    }
    for (Private::Lane &lane : d->lanes) {
        lane.ordinal = 0;
        lane.attempt->setHead(true);
        if (lane.transfer != &d->transfer) // its session is the run's transfer's
            lane.attempt->copyTimingFrom(*d->attempt);
        lane.attempt->setInFlight(
            d->parallel() ? std::function<int()>([this] { return inFlight(); }) : nullptr);
    }
    d->head = 1;
    d->valuesLeft = true;
    d->ending = d->oneLane = d->asking = false;
    d->quietUntil = QDeadlineTimer(0);
    d->shownInFlight = -1;
    const RunSettings &s = d->settings;
    // The counter says what it counts; the setting only decides a counter of another form.
    d->numberMode = SequenceCounter::numberModeOf(d->window.url2Text()).value_or(s.is_number_mode);
    const SequenceCounter::Range range =
        SequenceCounter::parseRange(d->window.url2Text(), d->numberMode, s.increment);
    // A bracket pair that is no range would be fetched literally, attempt after attempt.
    const QString bracketProblem = AddressSplit::bracketProblem(SequenceCounter::composeUrl(
        d->window.url1Text(), d->window.url2Text(), d->window.url3Text()));
    if (range.kind == SequenceCounter::Range::Unreachable || !bracketProblem.isEmpty()) {
        // Nothing is fetched; the end comes from the event loop, as after any attempt.
        d->endReason = bracketProblem.isEmpty() ? range.reason : bracketProblem;
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
    Private::Lane *head = d->laneOf(d->head);
    for (Private::Lane &lane : d->lanes) {
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
    // An attempt is done only when its pause elapses, from the event loop: the next one
    // starts from there, and runs of many attempts never stack up calls.
    if (d->settings.max_downloads > attempt_count)
        continueRun();
    else
        finish();
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
        // After a hit, the misses that end a series are where it ends, not failures of the
        // run. A run that never found a picture did not find its series: those misses are
        // failures (a wrong address, a server that refuses us).
        const int misses = int(d->missStreak.size());
        if (ordinal > misses) {
            for (AttemptOutcome miss : std::as_const(d->missStreak))
                --d->counts[miss];
            d->endReason = ShownTexts::seriesEnded(misses);
        } else {
            d->endReason = ShownTexts::missesInRow(misses);
        }
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
                                   d->numberMode, d->settings.increment);
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
    const SequenceCounter::Step step =
        SequenceCounter::advanceCounter(w.url2Text(), d->numberMode, d->settings.increment);
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
