#pragma once

#include <QObject>
#include <QtGlobal>

struct RunSettings;
class MainWindowElements;
class Transfer;
class Pause;
class DownloadAttempt;

// A download run: one attempt after another at the address composed from the counter,
// as an event-driven state machine (the transfer's finished() continues an attempt, the
// pause's elapsed() steps the counter and starts the next one). Every setting is read
// from RunSettings at its use, so changes made during a run apply from their next use.
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

    Pause &pause();
    DownloadAttempt &attempt();

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
    QString advanceCounter();
    void finish();

    struct Private;
    Private *d;
};
