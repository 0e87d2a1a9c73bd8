#include "TrayIcon.h"

#include "ImageList.h"
#include "SystemTrayBackend.h"

TrayIcon::TrayIcon(QObject *parent) : QObject(parent)
{
    setBackend(std::make_unique<SystemTrayBackend>());
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::setBackend(std::unique_ptr<TrayBackend> backend)
{
    m_backend = std::move(backend);
    // Only a plain click restores; a press, a double click, the context or middle
    // button do nothing, and there is no tray menu.
    connect(m_backend.get(), &TrayBackend::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger && m_record.shown)
                    Q_EMIT restoreRequested();
            });
}

bool TrayIcon::isAvailable() const
{
    return m_backend->isAvailable();
}

QString TrayIcon::cutTip(const QString &tip)
{
    if (tip.size() <= MaxTipLength)
        return tip;
    int length = MaxTipLength;
    // Never leave half of a surrogate pair at the end.
    if (tip.at(length - 1).isHighSurrogate())
        --length;
    return tip.left(length);
}

void TrayIcon::addTrayIcon(ImageKey icon, const QString &tip)
{
    m_record.icon = icon;
    m_record.tip = cutTip(tip);
    m_record.shown = true;
    m_backend->add(ImageList::icon(m_record.icon), m_record.tip);
}

void TrayIcon::removeTrayIcon()
{
    if (m_record.shown)
        m_backend->remove();
    m_record.shown = false;
}

void TrayIcon::setTip(const QString &tip)
{
    m_record.tip = cutTip(tip);
    push();
}

void TrayIcon::setIcon(ImageKey icon)
{
    m_record.icon = icon;
    push();
}

void TrayIcon::setRecordIcon(ImageKey icon)
{
    m_record.icon = icon;
}

void TrayIcon::notify(const QString &title, const QString &text)
{
    if (m_record.shown)
        m_backend->notify(title, text);
}

void TrayIcon::push()
{
    if (m_record.shown)
        m_backend->modify(ImageList::icon(m_record.icon), m_record.tip);
}
