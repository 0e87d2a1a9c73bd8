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

// One attempt of a run (downloadFile): fetch an address, keep the body when it is an image,
// show the preview or the tray state, log one line, pause. start() returns at once; the
// transfer's finished() carries the attempt on to ready(), the run then has it commit() in
// the order of the series, and done() follows once the pause has elapsed. A failed fetch
// still makes a whole attempt (status, log, pause).
//
// Within one attempt the same address may be fetched more than once: a server that asks to
// slow down (429, or 503 with Retry-After) is waited for up to three times, and a passing
// failure is tried again `retries` times. A file that is already there under the policy
// skip is not fetched at all.
//
// Only the head of the series (the attempt the run commits next) speaks to the window while
// it fetches; an attempt that is not the head keeps quiet until the run makes it the head,
// and one whose name is taken under skip or prompt waits for its turn before it decides.
class DownloadAttempt : public QObject
{
    Q_OBJECT
public:
    enum class Phase { Idle, AwaitingTurn, Fetching, Waiting, Ready, Pausing };

    DownloadAttempt(RunSettings &settings, MainWindowElements &window, Transfer &transfer,
                    QObject *parent = nullptr);
    ~DownloadAttempt() override;

    // downloadFile at url: ignored while an attempt is under way.
    void start(const QString &url);
    // The run makes this attempt the head of the series (or no longer; an attempt starts as
    // the head unless told otherwise).
    void setHead(bool head);
    bool isHead() const;
    // Ready: names, saves, shows, logs and reports the attempt, then pauses.
    void commit();
    // The run has ended past this attempt: its request is cancelled, its body removed, and
    // nothing is shown, logged or reported; no signal follows.
    void abandon();
    // Asked by the run before any request of this attempt goes out: milliseconds every
    // request must still wait (a server asked another attempt to slow down).
    void setHold(std::function<qint64()> msLeft);
    // How many attempts of the run are in flight, for the head's status; unset: one.
    void setInFlight(std::function<int()> count);
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
    // Pause and countdown lengths and the clock as another attempt has them.
    void copyTimingFrom(DownloadAttempt &other);

    // The image rule: "image" anywhere in the Content-type value, without regard to case.
    static bool isImageType(const QString &contentType);

Q_SIGNALS:
    // The outcome is known; commit() makes it seen. Emitted from the transfer's finished()
    // or from start() (a skip), so a head that commits at once acts as it always did.
    void ready();
    // The server asked this attempt to wait `seconds` before asking again.
    void slowDownAsked(int seconds);
    void done();

private:
    void settle();
    void fetch();
    void conclude();
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
