#include "DownloadAttempt.h"

#include "DownloadLog.h"
#include "FileOps.h"
#include "ImageSaver.h"
#include "MainWindowElements.h"
#include "Pause.h"
#include "RunSettings.h"
#include "SaveNaming.h"
#include "SequenceCounter.h"
#include "Transfer.h"

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
    Phase phase = Phase::Idle;
    QString url;
};

DownloadAttempt::DownloadAttempt(RunSettings &settings, MainWindowElements &window,
                                 Transfer &transfer, QObject *parent)
    : QObject(parent), d(new Private(settings, window, transfer))
{
    d->pause = new Pause(this);
    connect(&transfer, &Transfer::finished, this, &DownloadAttempt::onTransferFinished);
    connect(d->pause, &Pause::elapsed, this, &DownloadAttempt::onPauseElapsed);
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

Pause &DownloadAttempt::pause()
{
    return *d->pause;
}

ImageSaver &DownloadAttempt::saver()
{
    return d->saver;
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
    w.setStatusText(QStringLiteral("Opening : ") + d->url);
    d->phase = Phase::Fetching;
    d->transfer.openUrl(d->url, d->saver.beginBody());
}

void DownloadAttempt::onTransferFinished(bool ok, const QString &reason)
{
    // Only the fetch this attempt is waiting for may carry it on; a finished() that comes
    // after the attempt has moved on belongs to nobody.
    if (d->phase != Phase::Fetching)
        return;
    d->phase = Phase::Pausing;
    if (ok)
        finishFetched();
    else
        finishFailed(reason);
}

void DownloadAttempt::finishFetched()
{
    MainWindowElements &w = d->window;
    w.setStatusText(QStringLiteral("Opened  : ") + d->url);
    const QString contentType = d->transfer.getHeader(QStringLiteral("Content-type"));
    QString logText;
    if (isImageType(contentType)) {
        const ImageSaver::Outcome outcome = d->saver.saveImage(d->url);
        logText = outcome.logText;
        if (outcome.previewPath.isEmpty() || !w.loadPreview(outcome.previewPath))
            w.loadPlaceholder();
        w.trayIcon = ImageKey::IsImage;
    } else {
        d->saver.discardBody();
        w.loadPlaceholder();
        w.trayIcon = ImageKey::NoImage;
        const QString shown =
            contentType.isEmpty() ? QStringLiteral("no content type") : contentType;
        logText = d->url + QStringLiteral(" ---> not an image (") + shown +
                  QStringLiteral("), did not save");
    }
    showAndLog(logText);
}

void DownloadAttempt::finishFailed(const QString &reason)
{
    MainWindowElements &w = d->window;
    d->saver.discardBody();
    QString logText;
    if (d->transfer.sinkFailed()) {
        // The bytes arrived but could not be kept: a save failure, logged like the saver
        // logs its own, with the name the file would have had.
        const RunSettings &s = d->settings;
        const QString target = SaveNaming::targetInDir(
            s.save_dir, SaveNaming::composeName(d->url, s.append_str, s.is_header));
        w.setStatusText(QStringLiteral("could not save to ") + target + QStringLiteral(": ") +
                        reason);
        logText = d->url + QStringLiteral("---> could not save to  ") + target +
                  QStringLiteral(": ") + reason;
    } else {
        w.setStatusText(QStringLiteral("Failed   : ") + d->url + QStringLiteral(" (") + reason +
                        QLatin1Char(')'));
        logText = d->url + QStringLiteral("---> failed: ") + reason;
    }
    w.loadPlaceholder();
    w.trayIcon = ImageKey::NoImage;
    showAndLog(logText);
}

void DownloadAttempt::showAndLog(const QString &logText)
{
    MainWindowElements &w = d->window;
    w.trayTip = QStringLiteral("current file : ") + FileOps::GetFileName(d->url);
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
    d->pause->pauseFor(d->settings.pause_time);
}

void DownloadAttempt::onPauseElapsed()
{
    if (d->phase != Phase::Pausing)
        return;
    d->phase = Phase::Idle;
    Q_EMIT done();
}
