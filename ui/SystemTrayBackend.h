#pragma once

#include "TrayBackend.h"

// The desktop's notification area through QSystemTrayIcon. The icon object is made at the
// first add, so a desktop without a tray never gets one.
class SystemTrayBackend : public TrayBackend
{
    Q_OBJECT
public:
    explicit SystemTrayBackend(QObject *parent = nullptr);

    bool isAvailable() const override;
    void add(const QIcon &icon, const QString &tip) override;
    void modify(const QIcon &icon, const QString &tip) override;
    void remove() override;
    void notify(const QString &title, const QString &text) override;

private:
    QSystemTrayIcon *m_icon = nullptr;
};
