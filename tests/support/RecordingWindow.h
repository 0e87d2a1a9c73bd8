#pragma once

#include "MainWindowElements.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

// A window for engine tests: holds the state a real window would show and records every
// call the engine makes, in order, as "operation:argument" lines.
class RecordingWindow : public MainWindowElements
{
public:
    // clang-format off
    QString url1Text() const override { return url1; }
    QString url2Text() const override { return url2; }
    QString url3Text() const override { return url3; }
    void setUrl1Text(const QString &t) override { url1 = t; record("setUrl1Text", t); }
    void setUrl2Text(const QString &t) override { url2 = t; record("setUrl2Text", t); }
    void setUrl3Text(const QString &t) override { url3 = t; record("setUrl3Text", t); }
    void setGetEnabled(bool on) override { getEnabled = on; record("setGetEnabled", on); }
    void setStopEnabled(bool on) override { stopEnabled = on; record("setStopEnabled", on); }
    void setStartMenuEnabled(bool on) override { record("setStartMenuEnabled", on); }
    void setStopMenuEnabled(bool on) override { record("setStopMenuEnabled", on); }
    bool isGetEnabled() const override { return getEnabled; }
    bool isStopEnabled() const override { return stopEnabled; }
    void setModeChecks(bool multiple) override { record("setModeChecks", multiple); }
    void setExitCheck(bool exit) override { record("setExitCheck", exit); }
    void setStatusText(const QString &t) override { status = t; record("setStatusText", t); }
    QString statusText() const override { return status; }
    void setStatePicture(ImageKey key) override { record("setStatePicture", key); }
    bool loadPreview(const QString &path) override { record("loadPreview", path); return previewDecodes; }
    void loadPlaceholder() override { record("loadPlaceholder"); }
    void setPreviewVisible(bool on) override { record("setPreviewVisible", on); }
    void arrangeControls() override { record("arrangeControls"); }
    bool isMinimized() const override { return minimized; }
    void closeWindow() override { record("closeWindow"); }
    void setTip(const QString &tip) override { record("setTip", tip); }
    void setIcon(ImageKey key) override { record("setIcon", key); }
    void setTrayRecordIcon(ImageKey key) override { record("setTrayRecordIcon", key); }
    void showMessage(const QString &text, const QString &title) override { messages.append({text, title}); record("showMessage", text); }
    bool promptForName(const QString &title, const QString &prompt, QString *answer) override;
    void beep() override { ++beeps; record("beep"); }
    // Progress and reports are kept apart from the calls, so that the order of what the
    // window shows can be compared on its own.
    void setRunProgress(int attempt, int planned) override { runProgress.append({attempt, planned}); }
    void setFileProgress(qint64 received, qint64 total) override { fileProgress.append({received, total}); }
    void reportAttempt(const AttemptReport &report) override { reports.append(report); }
    void reportRunEnd(const RunCounts &c, const QString &summary) override { runEnds.append({c, summary}); }
    // clang-format on

    // Calls whose name starts with prefix ("setStatusText", "setTip", ...), arguments only.
    QStringList callsOf(const QString &operation) const;

    QString url1, url2 = QStringLiteral("01"), url3;
    // The state the engine reads back; the rest is in the calls.
    bool getEnabled = true, stopEnabled = false, minimized = false;
    QString status = QStringLiteral("Engine Stopped");
    int beeps = 0;
    // What loadPreview answers; by default every file decodes.
    bool previewDecodes = true;

    // Answers for promptForName, taken in order; nullopt means Cancel.
    QList<std::optional<QString>> promptAnswers;
    struct Prompt
    {
        QString title, text;
    };
    QList<Prompt> prompts;
    struct Message
    {
        QString text, title;
    };
    QList<Message> messages;
    QStringList calls;
    QList<QPair<qint64, qint64>> runProgress, fileProgress;
    QList<AttemptReport> reports;
    QList<QPair<RunCounts, QString>> runEnds;

private:
    void record(const char *operation, const QString &argument = QString());
    void record(const char *operation, bool on);
    void record(const char *operation, ImageKey key) { record(operation, imageKeyName(key)); }
};
