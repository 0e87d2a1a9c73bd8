#include "DownloadAttempt.h"

#include "Countdown.h"
#include "DownloadLog.h"
#include "FileOps.h"
#include "ImageSaver.h"
#include "MainWindowElements.h"
#include "Pause.h"
#include "RetryPolicy.h"
#include "RunSettings.h"
#include "SaveNaming.h"
#include "SequenceCounter.h"
#include "ShownTexts.h"
#include "Transfer.h"
#include "TransferRules.h"

struct DownloadAttempt::Private
{
    Private(RunSettings &s, MainWindowElements &w, Transfer &t)
        : settings(s), window(w), transfer(t), saver(s, w)
    {
    }

    RunSettings &settings;
    MainWindowElements &window;
    Transfer &transfer;
    ImageSaver saver;
    Pause *pause = nullptr;
    Countdown *countdown = nullptr;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    Phase phase = Phase::Idle;
    QString url;
    QString shownUrl; // url with any password hidden: what the status, log and report show
    AttemptReport report;
    int slowDownWaits = 0;  // waits the server asked for in this attempt
    int retriesDone = 0;    // fetches made again after a passing failure
    bool showWait = false;  // the countdown is shown in the status
    bool cancelled = false; // Stop came: no more waits or fetches in this attempt
};

DownloadAttempt::DownloadAttempt(RunSettings &settings, MainWindowElements &window,
                                 Transfer &transfer, QObject *parent)
    : QObject(parent), d(new Private(settings, window, transfer))
{
    d->pause = new Pause(this);
    d->countdown = new Countdown(this);
    connect(&transfer, &Transfer::finished, this, &DownloadAttempt::onTransferFinished);
    connect(&transfer, &Transfer::progress, this, [this](qint64 received, qint64 total) {
        if (d->phase == Phase::Fetching)
            d->window.setFileProgress(received, total);
    });
    connect(d->pause, &Pause::elapsed, this, &DownloadAttempt::onPauseElapsed);
    connect(d->countdown, &Countdown::tick, this, &DownloadAttempt::onCountdownTick);
    connect(d->countdown, &Countdown::finished, this, [this] {
        if (d->phase == Phase::Waiting)
            fetch();
    });
}

DownloadAttempt::~DownloadAttempt()
{
    // The transfer writes into the saver's file: it must stop before the saver goes.
    if (d->phase == Phase::Fetching)
        d->transfer.cancel();
    delete d;
}

DownloadAttempt::Phase DownloadAttempt::phase() const
{
    return d->phase;
}

QString DownloadAttempt::url() const
{
    return d->url;
}

const AttemptReport &DownloadAttempt::report() const
{
    return d->report;
}

Pause &DownloadAttempt::pause()
{
    return *d->pause;
}

Countdown &DownloadAttempt::countdown()
{
    return *d->countdown;
}

ImageSaver &DownloadAttempt::saver()
{
    return d->saver;
}

void DownloadAttempt::setClock(std::function<QDateTime()> now)
{
    d->now = std::move(now);
}

bool DownloadAttempt::isImageType(const QString &contentType)
{
    return contentType.contains(QLatin1String("image"), Qt::CaseInsensitive);
}

void DownloadAttempt::start()
{
    if (d->phase != Phase::Idle)
        return;
    MainWindowElements &w = d->window;
    d->url = SequenceCounter::composeUrl(w.url1Text(), w.url2Text(), w.url3Text());
    d->shownUrl = TransferRules::hideCredentials(d->url);
    d->report = AttemptReport();
    d->report.url = d->shownUrl;
    d->report.tries = 0;
    d->slowDownWaits = d->retriesDone = 0;
    d->cancelled = false;
    ImageSaver::Outcome settled;
    if (d->saver.settleBeforeFetch(d->url, &settled)) {
        // The file is there already: no request at all.
        d->phase = Phase::Pausing;
        d->report.outcome = AttemptOutcome::Skipped;
        d->report.targetPath = settled.target;
        d->report.reason = ShownTexts::fileExists();
        if (settled.previewPath.isEmpty() || !w.loadPreview(settled.previewPath))
            w.loadPlaceholder();
        showAndLog(settled.logText);
        return;
    }
    fetch();
}

void DownloadAttempt::fetch()
{
    QIODevice *sink = d->saver.beginBody();
    const QString problem = d->saver.bodyProblem();
    if (d->settings.is_save && !problem.isEmpty()) {
        // No picture could be kept: the request would only cost the server and the time,
        // and every later address of the run would meet the same folder.
        d->phase = Phase::Pausing;
        d->report.endsRun = true;
        finishFailed(AttemptOutcome::SaveFailed, problem);
        return;
    }
    d->window.setStatusText(ShownTexts::opening(d->shownUrl));
    d->phase = Phase::Fetching;
    ++d->report.tries;
    d->transfer.openUrl(d->url, sink);
}

void DownloadAttempt::onTransferFinished(bool ok, const QString &reason)
{
    // Only the fetch this attempt is waiting for may carry it on; a finished() that comes
    // after the attempt has moved on belongs to nobody.
    if (d->phase != Phase::Fetching)
        return;
    d->window.setFileProgress(-1, -1);
    d->report.httpStatus = d->transfer.statusCode();
    d->report.bytes = d->transfer.bytesReceived();
    // A Stop that came just before this finished() must not start another wait.
    if (!d->cancelled && ((ok && waitIfAsked()) || retryIfPassing(ok, reason)))
        return;
    d->phase = Phase::Pausing;
    const int status = d->transfer.statusCode();
    if (!ok) {
        // Bytes that arrived but could not be kept are a failed save, not a failed fetch.
        const AttemptOutcome outcome = d->transfer.failure() == Transfer::Failure::Cancelled
                                           ? AttemptOutcome::Cancelled
                                       : d->transfer.sinkFailed() ? AttemptOutcome::SaveFailed
                                                                  : AttemptOutcome::FetchFailed;
        d->report.endsRun = RetryPolicy::meetsEveryAddress(d->transfer.failure());
        finishFailed(outcome, reason);
    } else if (status >= 400) { // an error page is never saved, whatever its type says
        finishFailed(AttemptOutcome::FetchFailed,
                     RetryPolicy::httpErrorText(status, d->transfer.reasonPhrase()));
    } else if (d->transfer.bytesReceived() == 0) { // a 204, or a 304 typed as a picture
        finishFailed(AttemptOutcome::FetchFailed,
                     ShownTexts::emptyResponse(
                         RetryPolicy::httpErrorText(status, d->transfer.reasonPhrase())));
    } else
        finishFetched();
}

// A server that asks to slow down is waited for, and then asked again.
bool DownloadAttempt::waitIfAsked()
{
    const Transfer &t = d->transfer;
    const bool hasRetryAfter = t.hasHeader(QStringLiteral("Retry-After"));
    if (!RetryPolicy::asksToSlowDown(t.statusCode(), hasRetryAfter) ||
        d->slowDownWaits >= RetryPolicy::maxSlowDownWaits)
        return false;
    ++d->slowDownWaits;
    const int asked =
        hasRetryAfter
            ? RetryPolicy::retryAfterSeconds(t.getHeader(QStringLiteral("Retry-After")), d->now())
            : -1;
    d->saver.discardBody();
    d->phase = Phase::Waiting;
    d->showWait = true;
    const int seconds = RetryPolicy::slowDownSeconds(d->slowDownWaits, asked);
    d->window.reportWait(seconds);
    d->countdown->start(seconds);
    return true;
}

bool DownloadAttempt::retryIfPassing(bool ok, const QString &reason)
{
    const Transfer::Failure failure = ok ? Transfer::Failure::None : d->transfer.failure();
    if (!RetryPolicy::isPassing(failure, d->transfer.statusCode()) ||
        d->retriesDone >= d->settings.retries)
        return false;
    ++d->retriesDone;
    d->saver.discardBody();
    d->phase = Phase::Waiting;
    d->showWait = false;
    const int status = d->transfer.statusCode();
    d->window.reportRetry(FileOps::GetFileName(d->url),
                          status >= 400 ? QStringLiteral("HTTP %1").arg(status) : reason,
                          d->retriesDone + 1, d->settings.retries + 1);
    d->countdown->start(RetryPolicy::retryDelaySeconds(d->retriesDone));
    return true;
}

void DownloadAttempt::onCountdownTick(int remaining)
{
    if (d->phase == Phase::Waiting && d->showWait)
        d->window.setStatusText(ShownTexts::waiting(remaining));
}

void DownloadAttempt::cancelWait()
{
    d->cancelled = d->phase != Phase::Idle;
    if (d->phase != Phase::Waiting)
        return;
    d->countdown->abandon();
    d->phase = Phase::Pausing;
    finishFailed(AttemptOutcome::Cancelled, ShownTexts::cancelled());
}

void DownloadAttempt::finishFetched()
{
    MainWindowElements &w = d->window;
    w.setStatusText(ShownTexts::opened(d->shownUrl));
    const QString contentType = d->transfer.getHeader(QStringLiteral("Content-type"));
    QString logText;
    AttemptReport &r = d->report;
    if (isImageType(contentType)) {
        const ImageSaver::Outcome outcome = d->saver.saveImage(d->url);
        logText = outcome.logText;
        r.targetPath = outcome.target;
        r.reason = outcome.reason;
        r.outcome = outcome.wrote    ? AttemptOutcome::Saved
                    : outcome.failed ? AttemptOutcome::SaveFailed
                                     : AttemptOutcome::Skipped;
        if (!outcome.wrote && !outcome.failed && outcome.reason.isEmpty())
            r.reason = d->settings.is_save ? ShownTexts::fileExists() : ShownTexts::savingOff();
        if (outcome.previewPath.isEmpty() || !w.loadPreview(outcome.previewPath))
            w.loadPlaceholder();
    } else {
        d->saver.discardBody();
        w.loadPlaceholder();
        logText = LogLines::notImage(d->url, contentType);
        r.outcome = AttemptOutcome::NotImage;
        r.reason = ShownTexts::notImage(contentType);
    }
    showAndLog(logText);
}

void DownloadAttempt::finishFailed(AttemptOutcome outcome, const QString &reason)
{
    MainWindowElements &w = d->window;
    d->saver.discardBody();
    QString logText;
    d->report.outcome = outcome;
    d->report.reason = reason;
    if (outcome == AttemptOutcome::SaveFailed) {
        // Logged like the saver logs its own, with the name the file would have had.
        const RunSettings &s = d->settings;
        const QString target = SaveNaming::targetInDir(
            s.save_dir, SaveNaming::composeName(d->url, s.append_str, s.is_header));
        d->report.targetPath = target;
        w.setStatusText(ShownTexts::couldNotSave(target, reason));
        logText = LogLines::couldNotSave(d->url, target, reason);
    } else {
        w.setStatusText(ShownTexts::failed(d->shownUrl, reason));
        logText = LogLines::failed(d->url, reason);
    }
    if (d->retriesDone > 0)
        logText += LogLines::triedTimes(d->report.tries);
    w.loadPlaceholder();
    showAndLog(logText);
}

void DownloadAttempt::showAndLog(QString logText)
{
    MainWindowElements &w = d->window;
    // The lines are built from the address as fetched; a password in it goes no further.
    if (d->shownUrl != d->url)
        logText.replace(d->url, d->shownUrl);
    w.trayIcon = outcomeRow(d->report.outcome).trayPicture;
    w.trayTip = ShownTexts::trayTip(FileOps::GetFileName(d->url));
    if (w.isMinimized()) {
        w.setTip(w.trayTip);
        w.setIcon(w.trayIcon);
    } else {
        // Hidden while the layout fits the new picture, so it never shows at a stale size.
        w.setPreviewVisible(false);
        w.arrangeControls();
        w.setPreviewVisible(true);
    }
    appendLogLine(d->settings, logText);
    d->report.logText = logText;
    w.reportAttempt(d->report);
    // The pause spares the server; an attempt that asked it nothing goes on at once.
    d->pause->pauseFor(d->report.tries > 0 ? d->settings.pause_time : 0);
}

void DownloadAttempt::onPauseElapsed()
{
    if (d->phase != Phase::Pausing)
        return;
    d->phase = Phase::Idle;
    Q_EMIT done();
}
