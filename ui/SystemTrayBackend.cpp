#include "SystemTrayBackend.h"

SystemTrayBackend::SystemTrayBackend(QObject *parent) : TrayBackend(parent) {}

bool SystemTrayBackend::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayBackend::add(const QIcon &icon, const QString &tip)
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this, &TrayBackend::activated);
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
}

void SystemTrayBackend::modify(const QIcon &icon, const QString &tip)
{
    if (!m_icon)
        return;
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
}

void SystemTrayBackend::remove()
{
    if (m_icon)
        m_icon->hide();
}

void SystemTrayBackend::notify(const QString &title, const QString &text)
{
    if (m_icon && m_icon->isVisible())
        m_icon->showMessage(title, text, QSystemTrayIcon::Information);
}
