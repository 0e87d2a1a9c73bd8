#pragma once

#include "SettingsStore.h"

#include <QDate>
#include <QList>

struct RunSettings;
class MainWindowElements;
class Transfer;

// Every stored setting into settings, as it is stored: no message, no fallback for a
// directory that is gone, nothing written back, no derived field.
void readStoredSettings(RunSettings &settings);

// A stored User-Agent or Referer holding a control character could smuggle another header
// into every request: such a value is replaced by its default in settings. Returns what to
// tell the user (empty when both are sound).
QString dropUnsafeHeaders(RunSettings &settings, QList<SettingsStore::Key> *dropped = nullptr);

// Fills the run settings from the store (readStoredSettings), then: may set url2 (only when
// it is exactly empty), may show up to two messages (save directory, then log directory) and
// store the fallback directories, replaces (in the store too, with a message) a User-Agent or
// Referer that is no header value, configures the transfer's access type and proxy, and
// derives today's log file name and path. Called at start-up and whenever the main window
// is activated.
void loadSettings(RunSettings &settings, MainWindowElements &window, Transfer &transfer,
                  const QDate &today = QDate::currentDate());

// "yyyy-mm-dd.log" for the given day.
QString logFileNameFor(const QDate &day);

// Access type, proxy and connection options of the transfer from the run settings: the one
// place where the settings become the transfer's. When no proxy is used the proxy text is
// left as it was.
void configureTransfer(const RunSettings &settings, Transfer &transfer);
