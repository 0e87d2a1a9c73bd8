#pragma once

#include "MainWindowElements.h"

class TerminalOutput;

// The window contract on a terminal: the three inputs are plain values, the buttons and
// pictures are nothing, each reported attempt becomes a line (or a JSON object), progress
// goes to the terminal output, and the run's end gives the summary and the exit status.
class TerminalWindow : public MainWindowElements
{
public:
    explicit TerminalWindow(TerminalOutput &output) : m_output(output) {}

    QString url1Text() const override { return m_url[0]; }
    QString url2Text() const override { return m_url[1]; }
    QString url3Text() const override { return m_url[2]; }
    void setUrl1Text(const QString &text) override { m_url[0] = text; }
    void setUrl2Text(const QString &text) override { m_url[1] = text; }
    void setUrl3Text(const QString &text) override { m_url[2] = text; }

    void setGetEnabled(bool) override {}
    void setStopEnabled(bool) override {}
    void setStartMenuEnabled(bool) override {}
    void setStopMenuEnabled(bool) override {}
    bool isGetEnabled() const override { return true; }
    bool isStopEnabled() const override { return false; }
    void setModeChecks(bool) override {}
    void setExitCheck(bool) override {}

    void setStatusText(const QString &text) override { m_status = text; }
    QString statusText() const override { return m_status; }
    void setStatePicture(ImageKey) override {}

    bool loadPreview(const QString &) override { return true; }
    void loadPlaceholder() override {}
    void setPreviewVisible(bool) override {}
    void arrangeControls() override {}
    bool isMinimized() const override { return false; }
    void closeWindow() override {}
    void setTip(const QString &) override {}
    void setIcon(ImageKey) override {}
    void setTrayRecordIcon(ImageKey) override {}

    void showMessage(const QString &text, const QString &title) override;
    // There is no one to ask: the answer is Cancel, which skips the picture.
    bool promptForName(const QString &, const QString &, QString *) override { return false; }
    void beep() override {}

    void setRunProgress(int attempt, int planned) override;
    void setFileProgress(qint64 received, qint64 total) override;
    void setInFlight(int count) override;
    void reportWait(int seconds) override;
    void reportRetry(const QString &name, const QString &reason, int attempt, int of) override;
    void reportAttempt(const AttemptReport &report) override;
    void reportRunEnd(const RunCounts &counts, const QString &summary) override;

    // The run is over: writes the summary it reported (none when it never began).
    void finishRun();
    // 0 when every attempt saved or skipped a picture, else 1 (also for a run that never
    // reported its end).
    int exitStatus() const;

private:
    TerminalOutput &m_output;
    QString m_url[3];
    QString m_status;
    bool m_ended = false;
    RunCounts m_counts;
    QString m_summary;
};
