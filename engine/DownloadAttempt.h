#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>

struct RunSettings;
struct AttemptReport;
enum class AttemptOutcome;
class MainWindowElements;
class Transfer;
class Pause;
class Countdown;
class ImageSaver;

// One attempt of a run (downloadFile): compose the address, fetch it, keep the body when
// it is an image, show the preview or the tray state, log one line, pause. start() returns
// at once; the transfer's finished() carries the attempt on, and done() follows once the
// pause has elapsed. A failed fetch still makes a whole attempt (status, log, pause).
//
// Within one attempt the same address may be fetched more than once: a server that asks to
// slow down (429, or 503 with Retry-After) is waited for up to three times, and a passing
// failure is tried again `retries` times. A file that is already there under the policy
// skip is not fetched at all.
class DownloadAttempt : public QObject
{
    Q_OBJECT
public:
    enum class Phase { Idle, Fetching, Waiting, Pausing };

    DownloadAttempt(RunSettings &settings, MainWindowElements &window, Transfer &transfer,
                    QObject *parent = nullptr);
    ~DownloadAttempt() override;

    // downloadFile: ignored while an attempt is under way.
    void start();
    Phase phase() const;
    bool isActive() const { return phase() != Phase::Idle; }
    // The address of the attempt in progress, or of the last one.
    QString url() const;
    // Stop or the close of the window: a wait between fetches ends at once, and the attempt
    // ends as a cancelled fetch does; no further wait or fetch is started for it.
    void cancelWait();

    // What became of the last attempt.
    const AttemptReport &report() const;

    Pause &pause();
    Countdown &countdown();
    ImageSaver &saver();
    // The clock that a Retry-After date is compared with; tests fix it.
    void setClock(std::function<QDateTime()> now);

    // The image rule: "image" anywhere in the Content-type value, without regard to case.
    static bool isImageType(const QString &contentType);

Q_SIGNALS:
    void done();

private:
    void fetch();
    void onTransferFinished(bool ok, const QString &reason);
    bool waitIfAsked();
    bool retryIfPassing(bool ok, const QString &reason);
    void onCountdownTick(int remaining);
    void onPauseElapsed();
    void finishFetched();
    void finishFailed(AttemptOutcome outcome, const QString &reason);
    void showAndLog(QString logText);

    struct Private;
    Private *d;
};
