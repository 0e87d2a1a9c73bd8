#pragma once

#include "AttemptOutcome.h"
#include "ImageKey.h"
#include "ShownTexts.h"

#include <QString>

// Everything the engine does to the main window goes through this interface. The real
// window implements it; tests and the headless benchmark runner use their own versions.
class MainWindowElements
{
public:
    virtual ~MainWindowElements();

    // The three address inputs: url1 (prefix), url2 (counter), url3 (suffix).
    virtual QString url1Text() const = 0;
    virtual QString url2Text() const = 0;
    virtual QString url3Text() const = 0;
    virtual void setUrl1Text(const QString &text) = 0;
    virtual void setUrl2Text(const QString &text) = 0;
    virtual void setUrl3Text(const QString &text) = 0;

    // Running and idle appearance: cmdGet, cmdStop, m_start, m_stop.
    virtual void setGetEnabled(bool enabled) = 0;
    virtual void setStopEnabled(bool enabled) = 0;
    virtual void setStartMenuEnabled(bool enabled) = 0;
    virtual void setStopMenuEnabled(bool enabled) = 0;
    virtual bool isGetEnabled() const = 0;
    virtual bool isStopEnabled() const = 0;

    // Check marks of m_mul/m_single (isMultiple) and m_exit (exit_ifover).
    virtual void setModeChecks(bool isMultiple) = 0;
    virtual void setExitCheck(bool exitIfOver) = 0;

    // Status bar: panel p_sat (text) and panel p_con (state picture).
    virtual void setStatusText(const QString &text) = 0;
    virtual QString statusText() const = 0;
    virtual void setStatePicture(ImageKey key) = 0;

    // Preview img1. loadPreview returns false when the file cannot be decoded;
    // the preview is then left as it was.
    virtual bool loadPreview(const QString &path) = 0;
    virtual void loadPlaceholder() = 0;
    virtual void setPreviewVisible(bool visible) = 0;
    virtual void arrangeControls() = 0;

    // Window state and closing (the close sequence of the window follows).
    virtual bool isMinimized() const = 0;
    virtual void closeWindow() = 0;

    // Tray: setTip and setIcon update the shown icon; setTrayRecordIcon only writes the
    // picture into the tray record, to be shown at the next update.
    virtual void setTip(const QString &tip) = 0;
    virtual void setIcon(ImageKey key) = 0;
    virtual void setTrayRecordIcon(ImageKey key) = 0;

    // A message box with a single OK button.
    virtual void showMessage(const QString &text, const QString &title) = 0;
    // The modal input box for a new file name. Returns false on Cancel; the entry field
    // starts empty.
    virtual bool promptForName(const QString &title, const QString &prompt, QString *answer) = 0;
    virtual void beep() = 0;

    // Progress, for front ends that show it; none of it changes a status text.
    // The run is at attempt number `attempt` of `planned` (-1 when the end is not known).
    virtual void setRunProgress(int attempt, int planned);
    // Bytes of the file arriving now and its announced length (-1 when not announced);
    // received -1: no file is arriving.
    virtual void setFileProgress(qint64 received, qint64 total);
    // Pictures fetched at the same time now, when more than one may be (0 when none is).
    virtual void setInFlight(int count);
    // The attempt waits seconds before it asks again, as the server asked it to slow down.
    virtual void reportWait(int seconds);
    // The picture named name is tried again after a passing failure (reason): try number
    // `attempt` of `of`.
    virtual void reportRetry(const QString &name, const QString &reason, int attempt, int of);
    // An attempt has ended (its log line written, before its pause).
    virtual void reportAttempt(const AttemptReport &report);
    // The run has ended: its counts and the summary shown in p_sat.
    virtual void reportRunEnd(const RunCounts &counts, const QString &summary);

    // Window-level tray values, shown by setTip/setIcon.
    QString trayTip = ShownTexts::idleTrayTip();
    ImageKey trayIcon = ImageKey::Stopped;
};
