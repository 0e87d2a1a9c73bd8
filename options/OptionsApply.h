#pragma once

#include "ChangeMarks.h"

#include <QString>

struct RunSettings;
class MainWindowElements;

// What the dialog's controls show at the moment of applying, read by the dialog so that
// the apply step itself needs no widget.
struct OptionsValues
{
    QString maxFiles;        // txtMaxFiles
    bool numberMode = false; // optNumber selected
    QString increment;       // txtIncrement
    QString pause;           // txtPause
    bool save = false;       // optSave selected
    QString addText;         // txtAdd
    bool header = false;     // optHead selected
    QString savePath;        // txtSavPath
    bool skip = false;       // optSkip selected
    bool overwrite = false;  // optOver selected
    bool prompt = false;     // optPrompt selected
    bool proxy = false;      // optYes selected
    QString proxyName;       // txtProxy
    QString proxyPort;       // txtPort
    bool log = false;        // optLogYes selected
    QString logDir;          // the log directory as txtLogDir names it
    bool socks5 = false;     // optProxySocks5 selected
    QString proxyUser;       // txtProxyUser
    QString proxyPassword;   // txtProxyPassword
    QString referer;         // "", "auto" or txtReferer, by optRefNone/optRefAuto/optRefCustom
    QString userAgent;       // txtUserAgent
    QString cookieFile;      // txtCookieFile
    QString caFile;          // txtCaFile
    QString misses;          // txtMisses
    QString retries;         // txtRetries
};

// Writes every marked setting, in the fixed order of the keys, into settings and the store;
// a change of the counter mode first restarts the counter of the main window. A marked
// number whose text is not accepted is skipped rather than stored with a stale value.
void applyOptions(const OptionsValues &values, const ChangeMarks &marks, RunSettings &settings,
                  MainWindowElements &mainWindow);
