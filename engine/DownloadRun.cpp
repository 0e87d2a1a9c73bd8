#include "DownloadRun.h"

#include "AddressSplit.h"
#include "DownloadAttempt.h"
#include "MainWindowElements.h"
#include "Pause.h"
#include "RunSettings.h"
#include "SequenceCounter.h"
#include "ShownTexts.h"
#include "Transfer.h"

#include <QTimer>

#include <algorithm>

struct DownloadRun::Private
{
    Private(RunSettings &s, MainWindowElements &w, Transfer &t)
        : settings(s), window(w), transfer(t)
    {
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
    bool numberMode = true;           // what the counter counts in this run
};

DownloadRun::DownloadRun(RunSettings &settings, MainWindowElements &window, Transfer &transfer,
                         QObject *parent)
    : QObject(parent), d(new Private(settings, window, transfer))
{
    d->attempt = new DownloadAttempt(settings, window, transfer, this);
    connect(d->attempt, &DownloadAttempt::done, this, &DownloadRun::onAttemptDone);
}

DownloadRun::~DownloadRun()
{
    // The attempt cancels its own transfer; it must go while the references it holds live.
    delete d->attempt;
    delete d;
}

Pause &DownloadRun::pause()
{
    return d->attempt->pause();
}

DownloadAttempt &DownloadRun::attempt()
{
    return *d->attempt;
}

bool DownloadRun::isRunning() const
{
    return d->running;
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
    startAttempt();
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
    attempt_count = d->settings.max_downloads;
    d->transfer.cancel();
    d->attempt->cancelWait();
}

void DownloadRun::closeDuringRun()
{
    attempt_count = d->settings.max_downloads;
    d->transfer.cancel();
    d->attempt->cancelWait();
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
    d->attempt->start();
}

void DownloadRun::onAttemptDone()
{
    Q_EMIT attemptFinished();
    // A counter that cannot step only ends a run that would have gone on.
    const bool lastPlanned = !d->settings.isMultiple || attempt_count >= d->settings.max_downloads;
    const AttemptReport &report = d->attempt->report();
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
        attempt_count = d->settings.max_downloads;
    } else if (report.endsRun && !stop_requested) {
        d->endReason = report.reason;
        attempt_count = d->settings.max_downloads;
    }
    const QString stepReason = stop_requested ? QString() : advanceCounter();
    const bool rangeEnded =
        !d->rangeEnd.isEmpty() &&
        SequenceCounter::endsRange(d->attemptedCounter, d->window.url2Text(), d->rangeEnd,
                                   d->numberMode, d->settings.increment);
    if (rangeEnded)
        attempt_count = d->settings.max_downloads;
    if (!stepReason.isEmpty() && !lastPlanned && !rangeEnded && d->endReason.isEmpty())
        d->endReason = stepReason;
    if (!d->settings.isMultiple)
        attempt_count = d->settings.max_downloads;
    if (d->settings.max_downloads > attempt_count) {
        // From the event loop, so that runs of many attempts never stack up calls.
        QTimer::singleShot(0, this, &DownloadRun::continueRun);
    } else {
        finish();
    }
}

void DownloadRun::continueRun()
{
    // Stop or the close of the window may have come in since the test was made.
    if (d->running && d->settings.max_downloads > attempt_count)
        startAttempt();
    else if (d->running)
        finish();
}

QString DownloadRun::advanceCounter()
{
    MainWindowElements &w = d->window;
    const SequenceCounter::Step step =
        SequenceCounter::advanceCounter(w.url2Text(), d->numberMode, d->settings.increment);
    switch (step.outcome) {
    case SequenceCounter::Step::Stepped:
        w.setUrl2Text(step.newText);
        break;
    case SequenceCounter::Step::Unsteppable:
        attempt_count = d->settings.max_downloads;
        return step.reason;
    case SequenceCounter::Step::LetterEnd:
        attempt_count = d->settings.max_downloads;
        break;
    }
    return {};
}

void DownloadRun::finish()
{
    MainWindowElements &w = d->window;
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
