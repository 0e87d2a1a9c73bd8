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

#include <QTimer>

#include <utility>

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
    bool head = true;       // the attempt the run commits next: it may speak to the window
    QTimer *holdTimer = nullptr;
    std::function<qint64()> hold;
    std::function<int()> inFlight;
    // How the attempt ended, kept from ready() to commit().
    enum class Ending { Fetched, Failed, Settled } ending = Ending::Fetched;
    AttemptOutcome failedAs = AttemptOutcome::FetchFailed;
    QString failedWhy;
    ImageSaver::Outcome settled;

    QString openingText() const
    {
        const int n = inFlight ? inFlight() : 1;
        return n > 1 ? ShownTexts::openingInFlight(shownUrl, n) : ShownTexts::opening(shownUrl);
    }
};

DownloadAttempt::DownloadAttempt(RunSettings &settings, MainWindowElements &window,
                                 Transfer &transfer, QObject *parent)
    : QObject(parent), d(new Private(settings, window, transfer))
{
    d->pause = new Pause(this);
    d->countdown = new Countdown(this);
    d->holdTimer = new QTimer(this);
    d->holdTimer->setSingleShot(true);
    connect(d->holdTimer, &QTimer::timeout, this, [this] {
        if (d->phase == Phase::Waiting)
            fetch();
    });
    connect(&transfer, &Transfer::finished, this, &DownloadAttempt::onTransferFinished);
    connect(&transfer, &Transfer::progress, this, [this](qint64 received, qint64 total) {
        if (d->phase == Phase::Fetching && d->head)
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

void DownloadAttempt::copyTimingFrom(DownloadAttempt &other)
{
    d->pause->setUnitMs(other.d->pause->unitMs());
    d->countdown->setUnitMs(other.d->countdown->unitMs());
    d->now = other.d->now;
}

void DownloadAttempt::setHold(std::function<qint64()> msLeft)
{
    d->hold = std::move(msLeft);
}

void DownloadAttempt::setInFlight(std::function<int()> count)
{
    d->inFlight = std::move(count);
}

bool DownloadAttempt::isHead() const
{
    return d->head;
}

void DownloadAttempt::setHead(bool head)
{
    d->head = head;
    if (!head)
        return;
    if (d->phase == Phase::AwaitingTurn)
        settle();
    else if (d->phase == Phase::Fetching)
        d->window.setStatusText(d->openingText());
}

bool DownloadAttempt::isImageType(const QString &contentType)
{
    return contentType.contains(QLatin1String("image"), Qt::CaseInsensitive);
}

void DownloadAttempt::start(const QString &url)
{
    if (d->phase != Phase::Idle)
        return;
    d->url = url;
    d->shownUrl = TransferRules::hideCredentials(d->url);
    d->report = AttemptReport();
    d->report.url = d->shownUrl;
    d->report.tries = 0;
    d->slowDownWaits = d->retriesDone = 0;
    d->cancelled = false;
    if (!d->head && d->saver.settlesBeforeFetch(url)) {
        // What the saver shows or asks belongs between the earlier pictures and this one.
        d->phase = Phase::AwaitingTurn;
        return;
    }
    settle();
}

void DownloadAttempt::settle()
{
    if (d->saver.settleBeforeFetch(d->url, &d->settled)) {
        // The file is there already: no request at all.
        d->ending = Private::Ending::Settled;
        conclude();
        return;
    }
    fetch();
}

void DownloadAttempt::conclude()
{
    d->phase = Phase::Ready;
    Q_EMIT ready();
}

void DownloadAttempt::commit()
{
    if (d->phase != Phase::Ready)
        return;
    d->phase = Phase::Pausing;
    switch (d->ending) {
    case Private::Ending::Settled: {
        MainWindowElements &w = d->window;
        d->report.outcome = AttemptOutcome::Skipped;
        d->report.targetPath = d->settled.target;
        d->report.reason = ShownTexts::fileExists();
        if (d->settled.previewPath.isEmpty() || !w.loadPreview(d->settled.previewPath))
            w.loadPlaceholder();
        showAndLog(d->settled.logText);
        break;
    }
    case Private::Ending::Failed:
        finishFailed(d->failedAs, d->failedWhy);
        break;
    case Private::Ending::Fetched:
        finishFetched();
        break;
    }
}

void DownloadAttempt::abandon()
{
    const Phase was = std::exchange(d->phase, Phase::Idle);
    d->countdown->abandon();
    d->holdTimer->stop();
    d->pause->abandon();
    // The late finished() of the cancelled request finds the attempt idle and is dropped.
    if (was == Phase::Fetching)
        d->transfer.cancel();
    d->saver.discardBody();
}

void DownloadAttempt::fetch()
{
    const qint64 held = d->hold ? d->hold() : 0;
    if (held > 0) { // another attempt's server asked for quiet: no request before it ends
        d->phase = Phase::Waiting;
        d->showWait = false;
        d->holdTimer->start(int(qMin<qint64>(held, 24LL * 3600 * 1000)));
        return;
    }
    QIODevice *sink = d->saver.beginBody();
    const QString problem = d->saver.bodyProblem();
    if (d->settings.is_save && !problem.isEmpty()) {
        // No picture could be kept: the request would only cost the server and the time,
        // and every later address of the run would meet the same folder.
        d->report.endsRun = true;
        d->ending = Private::Ending::Failed;
        d->failedAs = AttemptOutcome::SaveFailed;
        d->failedWhy = problem;
        conclude();
        return;
    }
    d->phase = Phase::Fetching; // counted in flight from here
    if (d->head)
        d->window.setStatusText(d->openingText());
    ++d->report.tries;
    d->transfer.openUrl(d->url, sink);
}

void DownloadAttempt::onTransferFinished(bool ok, const QString &reason)
{
    // Only the fetch this attempt is waiting for may carry it on; a finished() that comes
    // after the attempt has moved on belongs to nobody.
    if (d->phase != Phase::Fetching)
        return;
    if (d->head)
        d->window.setFileProgress(-1, -1);
    d->report.httpStatus = d->transfer.statusCode();
    d->report.bytes = d->transfer.bytesReceived();
    // A Stop that came just before this finished() must not start another wait.
    if (!d->cancelled && ((ok && waitIfAsked()) || retryIfPassing(ok, reason)))
        return;
    const int status = d->transfer.statusCode();
    d->ending = Private::Ending::Failed;
    if (!ok) {
        // Bytes that arrived but could not be kept are a failed save, not a failed fetch.
        d->failedAs = d->transfer.failure() == Transfer::Failure::Cancelled
                          ? AttemptOutcome::Cancelled
                      : d->transfer.sinkFailed() ? AttemptOutcome::SaveFailed
                                                 : AttemptOutcome::FetchFailed;
        d->failedWhy = reason;
        d->report.endsRun = RetryPolicy::meetsEveryAddress(d->transfer.failure());
    } else if (status >= 400) { // an error page is never saved, whatever its type says
        d->failedAs = AttemptOutcome::FetchFailed;
        d->failedWhy = RetryPolicy::httpErrorText(status, d->transfer.reasonPhrase());
    } else if (d->transfer.bytesReceived() == 0) { // a 204, or a 304 typed as a picture
        d->failedAs = AttemptOutcome::FetchFailed;
        d->failedWhy = ShownTexts::emptyResponse(
            RetryPolicy::httpErrorText(status, d->transfer.reasonPhrase()));
    } else {
        d->ending = Private::Ending::Fetched;
    }
    conclude();
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
    if (d->head)
        d->window.reportWait(seconds);
    d->countdown->start(seconds);
    Q_EMIT slowDownAsked(seconds);
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
    if (d->head) // a lane behind the head keeps its retries to itself
        d->window.reportRetry(FileOps::GetFileName(d->url),
                              status >= 400 ? QStringLiteral("HTTP %1").arg(status) : reason,
                              d->retriesDone + 1, d->settings.retries + 1);
    d->countdown->start(RetryPolicy::retryDelaySeconds(d->retriesDone));
    return true;
}

void DownloadAttempt::onCountdownTick(int remaining)
{
    if (d->phase == Phase::Waiting && d->showWait && d->head)
        d->window.setStatusText(ShownTexts::waiting(remaining));
}

void DownloadAttempt::cancelWait()
{
    d->cancelled = d->phase != Phase::Idle;
    if (d->phase != Phase::Waiting)
        return;
    d->countdown->abandon();
    d->holdTimer->stop();
    d->ending = Private::Ending::Failed;
    d->failedAs = AttemptOutcome::Cancelled;
    d->failedWhy = ShownTexts::cancelled();
    conclude();
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
