#pragma once

#include "MainWindowElements.h"

#include <QSize>
#include <QString>

// The window contract without a screen, for the benchmark runner. It keeps what a window
// would show as plain values. With a preview size set, loadPreview decodes each picture
// into an image that fits that size, as the main window's preview does; otherwise the
// preview costs nothing, which isolates the engine's own cost.
class HeadlessWindow : public MainWindowElements
{
public:
    explicit HeadlessWindow(QSize previewSize = {});

    QString url1Text() const override { return m_url1; }
    QString url2Text() const override { return m_url2; }
    QString url3Text() const override { return m_url3; }
    void setUrl1Text(const QString &text) override { m_url1 = text; }
    void setUrl2Text(const QString &text) override { m_url2 = text; }
    void setUrl3Text(const QString &text) override { m_url3 = text; }

    void setGetEnabled(bool enabled) override { m_getEnabled = enabled; }
    void setStopEnabled(bool enabled) override { m_stopEnabled = enabled; }
    void setStartMenuEnabled(bool) override {}
    void setStopMenuEnabled(bool) override {}
    bool isGetEnabled() const override { return m_getEnabled; }
    bool isStopEnabled() const override { return m_stopEnabled; }
    void setModeChecks(bool) override {}
    void setExitCheck(bool) override {}

    void setStatusText(const QString &text) override { m_status = text; }
    QString statusText() const override { return m_status; }
    void setStatePicture(ImageKey) override {}

    bool loadPreview(const QString &path) override;
    void loadPlaceholder() override {}
    void setPreviewVisible(bool) override {}
    void arrangeControls() override {}

    bool isMinimized() const override { return false; }
    void closeWindow() override {}

    void setTip(const QString &) override {}
    void setIcon(ImageKey) override {}
    void setTrayRecordIcon(ImageKey) override {}

    // Messages would need a person: they go to standard error and count as problems.
    void showMessage(const QString &text, const QString &title) override;
    bool promptForName(const QString &title, const QString &prompt, QString *answer) override;
    void beep() override {}

    int previewsShown() const { return m_previews; }
    int previewFailures() const { return m_previewFailures; }
    int messages() const { return m_messages; }

private:
    QSize m_previewSize;
    QString m_url1, m_url2, m_url3, m_status;
    bool m_getEnabled = true, m_stopEnabled = false;
    int m_previews = 0, m_previewFailures = 0, m_messages = 0;
};
