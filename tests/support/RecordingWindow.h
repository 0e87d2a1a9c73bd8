#pragma once

#include "MainWindowElements.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A window for engine tests: holds the state a real window would show and records every
// call the engine makes, in order, as "operation:argument" lines.
class RecordingWindow : public MainWindowElements
{
public:
    RecordingWindow();

    QString url1Text() const override { return url1; }
    QString url2Text() const override { return url2; }
    QString url3Text() const override { return url3; }
    void setUrl1Text(const QString &text) override;
    void setUrl2Text(const QString &text) override;
    void setUrl3Text(const QString &text) override;

    void setGetEnabled(bool enabled) override;
    void setStopEnabled(bool enabled) override;
    void setStartMenuEnabled(bool enabled) override;
    void setStopMenuEnabled(bool enabled) override;
    bool isGetEnabled() const override { return getEnabled; }
    bool isStopEnabled() const override { return stopEnabled; }
    void setModeChecks(bool isMultiple) override;
    void setExitCheck(bool exitIfOver) override;

    void setStatusText(const QString &text) override;
    QString statusText() const override { return status; }
    void setStatePicture(ImageKey key) override;

    bool loadPreview(const QString &path) override;
    void loadPlaceholder() override;
    void setPreviewVisible(bool visible) override;
    void arrangeControls() override;

    bool isMinimized() const override { return minimized; }
    void closeWindow() override;

    void setTip(const QString &tip) override;
    void setIcon(ImageKey key) override;
    void setTrayRecordIcon(ImageKey key) override;

    void showMessage(const QString &text, const QString &title) override;
    bool promptForName(const QString &title, const QString &prompt, QString *answer) override;
    void beep() override;

    // Calls whose name starts with prefix ("setStatusText", "setTip", ...), arguments only.
    QStringList callsOf(const QString &operation) const;

    QString url1, url2 = QStringLiteral("01"), url3;
    bool getEnabled = true, stopEnabled = false, startMenuEnabled = true, stopMenuEnabled = false;
    bool multipleChecked = false, exitChecked = false;
    QString status = QStringLiteral("Engine Stopped");
    ImageKey statePicture = ImageKey::On;
    ImageKey trayRecordIcon = ImageKey::On;
    QString previewPath; // the last file shown, or "placeholder"
    bool previewVisible = true;
    bool minimized = false;
    bool closed = false;
    int beeps = 0;
    // What loadPreview answers for a path not decodable; by default every file decodes.
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

private:
    void record(const QString &operation, const QString &argument = QString());
};
