#pragma once

#include "MainWindowElements.h"

#include <QObject>
#include <QString>
#include <memory>

class TrayBackend;

// The one tray record of the program and the operations on it. The record keeps its last
// picture and tip after the icon is removed; a change while no icon is shown only changes
// the record.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    // The longest tip the tray is given; longer ones are cut.
    static constexpr int MaxTipLength = 63;

    struct Record
    {
        ImageKey icon = ImageKey::Stopped;
        QString tip;
        bool shown = false;
    };

    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    // Replaces the notification area (tests); the tray takes ownership.
    void setBackend(std::unique_ptr<TrayBackend> backend);
    bool isAvailable() const;

    void addTrayIcon(ImageKey icon, const QString &tip);
    void removeTrayIcon();
    void setTip(const QString &tip);
    void setIcon(ImageKey icon);
    // Writes the picture into the record only; it shows with the next update.
    void setRecordIcon(ImageKey icon);
    // A desktop notification; only while the icon is shown.
    void notify(const QString &title, const QString &text);

    const Record &record() const { return m_record; }

    static QString cutTip(const QString &tip);

Q_SIGNALS:
    // A single click on the icon: the window is to come back.
    void restoreRequested();

private:
    void push();

    Record m_record;
    std::unique_ptr<TrayBackend> m_backend;
};
