#pragma once

// The run's state, shared by DownloadRun.cpp (the run of one lane and the run's end tests)
// and DownloadRunLanes.cpp (several lanes and their commit in order).

#include "AttemptOutcome.h"
#include "DownloadAttempt.h"
#include "DownloadRun.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>

#include <vector>

class QTimer;

struct DownloadRun::Private
{
    Private(RunSettings &s, MainWindowElements &w, Transfer &t)
        : settings(s), window(w), transfer(t)
    {
    }

    static constexpr int maxLanes = 16;

    // One place where pictures are fetched. The first lane uses the run's own transfer.
    struct Lane
    {
        DownloadAttempt *attempt = nullptr;
        Transfer *transfer = nullptr;
        int ordinal = 0; // the attempt's number in the run; 0 while the lane is idle
        QString counter; // the counter value it fetches
    };

    bool parallel() const { return lanes.size() > 1; }
    Lane *laneOf(int ordinal)
    {
        for (Lane &lane : lanes) {
            if (lane.ordinal == ordinal && ordinal > 0)
                return &lane;
        }
        return nullptr;
    }
    bool uncommitted(const Lane &lane) const
    {
        const auto phase = lane.attempt->phase();
        return lane.ordinal > 0 && phase != DownloadAttempt::Phase::Pausing &&
               phase != DownloadAttempt::Phase::Idle;
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

    // Lanes, when more than one picture may be in flight.
    std::vector<Lane> lanes;
    int head = 1;                 // the ordinal that commits next
    QString nextCounter;          // the value the next lane takes
    bool valuesLeft = true;       // the counter gives a value after the last one taken
    bool ending = false;          // nothing more is taken; what is taken past the end is dropped
    bool oneLane = false;         // a server asked to slow down: one lane to the end of the run
    bool asking = false;          // a prompt is open: no new request
    QDeadlineTimer quietUntil{0}; // no request before this
    QTimer *quietTimer = nullptr;
    bool pumping = false, pumpAgain = false;
    int shownInFlight = -1;

    void addLane(DownloadRun *run, Transfer *transfer, DownloadAttempt *attempt);
    void pump(DownloadRun *run);
    void commitHeads(DownloadRun *run);
    bool mayTake(const DownloadRun *run) const;
    void take(DownloadRun *run, Lane &lane);
    void dropUncommitted();
    void showInFlight(const DownloadRun *run);
};
