#pragma once

#include <QString>

// The pictures of the main window's image list, by their index.
enum class ImageKey {
    On = 1,      // "on": idle state picture
    Off = 2,     // "off": running state picture
    Spare = 3,   // not shown anywhere
    Stopped = 4, // "stopped": tray picture while no run is going
    IsImage = 5, // "is_image": tray picture after an image arrived
    NoImage = 6, // "no_image": tray picture after anything else
};

// The image list key of a picture ("on", "off", "stopped", ...); empty for the spare one.
QString imageKeyName(ImageKey key);

// What became of one attempt: for the run's counts and for front ends that show each one.
struct AttemptReport
{
    enum class Outcome { Saved, Skipped, NotImage, Failed };
    Outcome outcome = Outcome::Failed;
    QString url;
    QString targetPath; // where the picture went, or would have gone; empty when none
    int httpStatus = 0; // 0 when no response arrived
    qint64 bytes = 0;   // body bytes received
    QString reason;     // why it failed or was not kept; empty for a saved picture
    QString logText;    // the attempt's line in the daily log
    int tries = 1;      // fetches made for it (retries of passing failures included)
};

// The outcomes of a run's attempts, counted.
struct RunCounts
{
    int saved = 0;
    int skipped = 0;
    int notImages = 0;
    int failed = 0;
};

// Everything the engine does to the main window goes through this interface. The real
// window implements it; tests and the headless benchmark runner use their own versions.
class MainWindowElements
{
public:
    static QString idleTrayTip() { return QStringLiteral("current file : None"); }

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
    QString trayTip = idleTrayTip();
    ImageKey trayIcon = ImageKey::Stopped;
};
