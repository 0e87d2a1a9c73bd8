#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What both benchmark programs need around the engine: a settings store of their own and
// the measurements they print.
namespace BenchEnvironment {

// Points HOME and the XDG directories into a fresh temporary directory (removed at exit)
// and drops proxy variables, so that a benchmark never reads or writes the user's
// settings and fetches straight from the local server. Call before the application
// object exists.
void isolate();

// Writes the settings of a download run into the (isolated) store, as texts the way the
// options dialog stores them: pause_time 0, overwrite on collision, logging into logDir.
void storeRunSettings(int count, const QString &saveDir, const QString &logDir);
void storeValue(const QString &key, const QString &text);

// The peak resident set size of this process so far, in KiB (VmHWM); -1 when unknown.
qint64 peakRssKiB();

// The value of "--name value" in args, or fallback.
QString option(const QStringList &args, const QString &name, const QString &fallback = {});

// Prints one "key=value" line on standard output; run.sh reads these.
void report(const char *key, const QString &value);

} // namespace BenchEnvironment
