#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

// What the notification area is asked to do. The program uses the system tray; tests put
// a recording version in its place to see what the tray got and to click on it.
class TrayBackend : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~TrayBackend() override;

    virtual bool isAvailable() const = 0;
    virtual void add(const QIcon &icon, const QString &tip) = 0;
    virtual void modify(const QIcon &icon, const QString &tip) = 0;
    virtual void remove() = 0;
    // A desktop notification from the shown icon.
    virtual void notify(const QString &title, const QString &text) = 0;

Q_SIGNALS:
    void activated(QSystemTrayIcon::ActivationReason reason);
};
