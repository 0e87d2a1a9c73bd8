#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

struct RunSettings;
class MainWindowElements;
class Transfer;
class Pause;
class DownloadAttempt;
struct AttemptReport;

// A download run: one attempt after another at the address composed from the counter,
// as an event-driven state machine (the transfer's finished() continues an attempt, the
// pause's elapsed() steps the counter and starts the next one). Every setting is read
// from RunSettings at its use, so changes made during a run apply from their next use.
//
// With `parallel` above 1 the run keeps that many lanes: each takes the next counter value
// no lane has taken, fetches it and pauses, while the attempts commit (save, preview, log,
// report, count, step the counter shown) strictly in the order of the series, so that
// everything a person or a script sees is what a run of one lane shows. The end of a
// series is decided at commit, and whatever is in flight past it is dropped unseen.
// The number of lanes is read when a run starts.
class DownloadRun : public QObject
{
    Q_OBJECT
public:
    DownloadRun(RunSettings &settings, MainWindowElements &window, Transfer &transfer,
                QObject *parent = nullptr);
    ~DownloadRun() override;

    // Get / Start Engine: switches to running and starts the first attempt; returns at once.
    void cmdGet_Click();
    // Stop / Stop Engine: the attempt in progress ends (its pause included), then the run.
    void cmdStop_Click();
    // The window is being closed during a run: end after the attempt in progress,
    // without marking it stopped (the counter still advances once).
    void closeDuringRun();

    void setRunningState();
    void setIdleState();
    bool isRunning() const;

    qint16 attempt_count = 0;
    bool stop_requested = false;

    // The first lane's pause and attempt (the only ones of a run of one lane); the other
    // lanes take their lengths and clock from these when a run starts.
    Pause &pause();
    DownloadAttempt &attempt();
    // Ends every pause that is waiting now (Ctrl+C does not wait them out).
    void endPauses();
    // Attempts taken and not yet committed.
    int inFlight() const;
    // Attempts fetched that wait for an earlier one to commit.
    int fetchedAhead() const;

    // The attempts the run will make at most, as the settings and a range say now.
    int plannedAttempts() const;

Q_SIGNALS:
    // One attempt has ended, its pause included.
    void attemptFinished();
    // The run has ended and announced it ("downloading completed (...)"); emitted before the
    // window is closed for exit_ifover.
    void runFinished();

private:
    void startAttempt();
    void onAttemptDone();
    void continueRun();
    bool account(int ordinal, const AttemptReport &report, const QString &attemptedCounter);
    QString advanceCounter(bool *ended);
    void finish();

    struct Private;
    Private *d;
};
