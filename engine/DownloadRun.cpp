#include "DownloadRun.h"

#include "DownloadAttempt.h"
#include "MainWindowElements.h"
#include "Pause.h"
#include "RunSettings.h"
#include "SequenceCounter.h"
#include "Transfer.h"

#include <QTimer>

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
    // Why the counter could not be stepped, when that ended the run; shown at the end.
    QString endReason;
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
    attempt_count = 0;
    startAttempt();
}

void DownloadRun::cmdStop_Click()
{
    stop_requested = true;
    attempt_count = d->settings.max_downloads;
    d->transfer.cancel();
}

void DownloadRun::closeDuringRun()
{
    attempt_count = d->settings.max_downloads;
    d->transfer.cancel();
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
    d->attempt->start();
}

void DownloadRun::onAttemptDone()
{
    Q_EMIT attemptFinished();
    if (!stop_requested)
        advanceCounter();
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

void DownloadRun::advanceCounter()
{
    MainWindowElements &w = d->window;
    const SequenceCounter::Step step = SequenceCounter::advanceCounter(
        w.url2Text(), d->settings.is_number_mode, d->settings.increment);
    switch (step.outcome) {
    case SequenceCounter::Step::Stepped:
        w.setUrl2Text(step.newText);
        break;
    case SequenceCounter::Step::Unsteppable:
        d->endReason = step.reason;
        attempt_count = d->settings.max_downloads;
        break;
    case SequenceCounter::Step::LetterEnd:
        attempt_count = d->settings.max_downloads;
        break;
    }
}

void DownloadRun::finish()
{
    MainWindowElements &w = d->window;
    setIdleState();
    w.trayIcon = ImageKey::Stopped;
    w.trayTip = MainWindowElements::idleTrayTip();
    w.setTip(w.trayTip);
    w.setIcon(w.trayIcon);
    QString status = QStringLiteral("downloading completed");
    if (!d->endReason.isEmpty())
        status += QStringLiteral(" (") + d->endReason + QLatin1Char(')');
    w.setStatusText(status);
    d->running = false;
    Q_EMIT runFinished();
    if (d->settings.exit_ifover)
        w.closeWindow();
}
