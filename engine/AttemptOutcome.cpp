#include "AttemptOutcome.h"

int RunCounts::failingRun() const
{
    int n = 0;
    for (AttemptOutcome outcome : AttemptOutcomes::all()) {
        if (outcomeRow(outcome).failsRun)
            n += (*this)[outcome];
    }
    return n;
}
