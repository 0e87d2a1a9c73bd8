#pragma once

#include "CounterPlan.h"
#include "RunSettings.h"

#include <QDate>
#include <QString>

struct GetOptions;

// The settings of one `quillop get` run: the stored settings, read without writing
// anything back, with the command line's overrides on top, and the counter's plan.
struct RunSetup
{
    RunSettings settings;
    QString url1, url3;
    CounterPlan plan;
    int planned = -1; // attempts planned: the range, max_downloads, or 1 for a single fetch
    QString endText;  // how the run ends, as far as it is known before it starts
    QString problem;  // why the run cannot start (a usage error); empty when it can
};

namespace RunSetupBuilder {

// Reads the store (never writes it: a stored directory that no longer exists is a problem
// to report, not a value to replace) and applies options.
RunSetup build(const GetOptions &options, const QDate &today = QDate::currentDate());

} // namespace RunSetupBuilder
