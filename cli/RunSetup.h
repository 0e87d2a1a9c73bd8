#pragma once

#include "RunSettings.h"

#include <QDate>
#include <QString>
#include <QStringList>

struct GetOptions;

// The settings of one `quillop get` run: the stored settings, read without writing
// anything back, with the command line's overrides on top, and the three inputs as the run
// starts with them (url2 may hold a range "FROM-TO", which the run itself walks).
struct RunSetup
{
    RunSettings settings;
    QString url1, url2, url3;
    QString problem;   // why the run cannot start (a usage error); empty when it can
    QStringList notes; // what was done to make the run possible (a folder created)
};

namespace RunSetupBuilder {

// The counter's mode when none is asked for: letters when it begins with a letter.
bool looksNumeric(const QString &counter);

// Reads the store (never writes it: a stored directory that no longer exists is a problem
// to report, not a value to replace) and applies options.
RunSetup build(const GetOptions &options, const QDate &today = QDate::currentDate());

} // namespace RunSetupBuilder
