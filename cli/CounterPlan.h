#pragma once

#include <QString>
#include <QtGlobal>

// Where a run's counter starts and how many attempts it plans, from the counter as the
// command line gives it: a single value ("017", "A") or a range "FROM-TO" ("01-20", "A-F",
// "20-01" with a negative increment, "-5-5" from minus five to five).
struct CounterPlan
{
    QString first; // the counter of the first attempt
    bool isRange = false;
    int rangeCount = 0; // attempts up to and including TO; only for a range
    QString problem;    // why the range can never be run; empty when it can
};

namespace CounterPlanning {

// The counter's mode when none is asked for: letters when it begins with a letter.
bool looksNumeric(const QString &counter);

// The plan for counter in the given mode and increment. A range that the increment can
// never reach (wrong direction, a zero step between different ends, letters of different
// case, letters in number mode or numbers in letter mode) gives a problem.
CounterPlan plan(const QString &counter, bool numberMode, qint16 increment);

} // namespace CounterPlanning
