#pragma once

#include "MainMenus.h"
#include "MainWindowElements.h"
#include "RunSettings.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QTimer>

class AddressEntry;
class QDialog;
class QShortcut;
class AddressInputs;
class DownloadRun;
class MainControls;
class ProgressPanel;
class StatusBar;
class Transfer;
class TrayIcon;

// The main window: the three address inputs, Get and Stop, the preview, the status bar,
// the menus and the tray icon. It owns the run settings, the transfer and the run, and is
// the window the engine drives through MainWindowElements.
class FrmMain : public QMainWindow, public MainWindowElements
{
    Q_OBJECT
public:
    explicit FrmMain(QWidget *parent = nullptr);
    ~FrmMain() override;

    // The start-up sequence; shows the window at its end.
    void start();

    // MainWindowElements
    QString url1Text() const override;
    QString url2Text() const override;
    QString url3Text() const override;
    void setUrl1Text(const QString &text) override;
    void setUrl2Text(const QString &text) override;
    void setUrl3Text(const QString &text) override;
    void setGetEnabled(bool enabled) override;
    void setStopEnabled(bool enabled) override;
    void setStartMenuEnabled(bool enabled) override;
    void setStopMenuEnabled(bool enabled) override;
    bool isGetEnabled() const override;
    bool isStopEnabled() const override;
    void setModeChecks(bool isMultiple) override;
    void setExitCheck(bool exitIfOver) override;
    void setStatusText(const QString &text) override;
    QString statusText() const override;
    void setStatePicture(ImageKey key) override;
    bool loadPreview(const QString &path) override;
    void loadPlaceholder() override;
    void setPreviewVisible(bool visible) override;
    void arrangeControls() override;
    bool isMinimized() const override;
    void closeWindow() override;
    void setTip(const QString &tip) override;
    void setIcon(ImageKey key) override;
    void setTrayRecordIcon(ImageKey key) override;
    void showMessage(const QString &text, const QString &title) override;
    bool promptForName(const QString &title, const QString &prompt, QString *answer) override;
    void beep() override;
    void setRunProgress(int attempt, int planned) override;
    void setFileProgress(qint64 received, qint64 total) override;
    void reportRunEnd(const RunCounts &counts, const QString &summary) override;

    RunSettings &settings() { return m_settings; }
    DownloadRun &run() { return *m_run; }
    Transfer &transfer() { return *m_transfer; }
    TrayIcon &tray() { return *m_tray; }
    const MainMenus &menus() const { return m_menus; }
    StatusBar &statusBarPanels() { return *statbar; }
    ProgressPanel &progressPanel();
    int beepCount() const { return m_beeps; }
    // The image list picture panel p_con shows.
    ImageKey statePicture() const { return m_statePicture; }
    // The delay between a resize and its layout (500 ms).
    QTimer &layoutTimer() { return m_timer1; }

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    double twipsPerPixel() const;
    void connectCommands();

    void Form_Activate();
    void restoreInputs();
    void restoreWindow();
    void Timer1_Timer();
    void iconizeToTray();
    void restoreFromTray();
    void correctFrameSize();
    void onRunFinished();

    void m_set_Click();
    void cmdGet_Click();
    // A question the run needs answered must not wait behind a minimized or hidden window.
    void bringBackForQuestion();
    // The window a question opens over: the options dialog while it is open.
    QWidget *questionParent();
    void parkFocus(QWidget *button);

    RunSettings m_settings;
    Transfer *m_transfer;
    DownloadRun *m_run;
    TrayIcon *m_tray;
    MainMenus m_menus;
    AddressInputs *m_inputs;
    AddressEntry *m_entry;
    QTimer m_timer1;
    QShortcut *m_escape;         // presses Stop during a run
    QPointer<QDialog> m_options; // the options dialog while it is open

    MainControls *m_controls;
    StatusBar *statbar;

    ImageKey m_statePicture = ImageKey::On;
    int m_beeps = 0;
    bool m_loadingSettings = false;
    bool m_waitingForRun = false; // a close waits for the run to become idle
    bool m_inBusyMessage = false;
    bool m_closeAccepted = false;
    bool m_previewHidden = false; // hidden by the engine, not only around a layout
    bool m_focusParked = false;   // a run's button gave up the focus; the other one takes it
    QSize m_arrangedSize;         // the size of the last full layout
    QSize m_wantedFrameSize;      // outer size asked for before the frame was known
};
