#pragma once

#include <QString>

struct RunSettings;

// The day's log: one line per attempt, appended to log_file_path when is_log is set.
// A line that cannot be written is lost without a word; the run must not stop for it.
void appendLogLine(const RunSettings &settings, const QString &logText);
