#include "ValidationGate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

ValidationGate::ValidationGate(QWidget *dialog, QWidget *exempt)
    : QObject(dialog), m_dialog(dialog), m_exempt(exempt)
{
    connect(qApp, &QApplication::focusChanged, this, &ValidationGate::onFocusChanged);
    qApp->installEventFilter(this);
}

void ValidationGate::guard(QWidget *control, Validator validate)
{
    m_validators.insert(control, std::move(validate));
}

bool ValidationGate::isExempt(const QWidget *widget) const
{
    return m_exempt && widget && (widget == m_exempt || m_exempt->isAncestorOf(widget));
}

void ValidationGate::onFocusChanged(QWidget *old, QWidget *now)
{
    if (m_restoring || !now || now->window() != m_dialog)
        return;

    QWidget *source = nullptr;
    if (old && m_validators.contains(old))
        source = old;
    else if (isExempt(old) && m_pending)
        source = m_pending;
    if (!source)
        return;
    if (now == source) {
        m_pending = nullptr;
        return;
    }
    if (isExempt(now)) {
        m_pending = source;
        return;
    }
    m_pending = nullptr;

    const QPointer<QWidget> guarded(source);
    if (m_validators.value(source)())
        return;
    if (!guarded)
        return;
    m_restoring = true;
    guarded->setFocus(Qt::OtherFocusReason);
    m_restoring = false;
    // The click being delivered (if a click moved the focus) must not reach its target.
    m_refusedTarget = now;
    QTimer::singleShot(0, this, [this] { m_refusedTarget = nullptr; });
}

bool ValidationGate::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_dialog)
        return false;

    const bool onRefused =
        m_refusedTarget && (widget == m_refusedTarget || m_refusedTarget->isAncestorOf(widget));
    switch (type) {
    case QEvent::MouseButtonPress:
        m_eatUntilRelease = onRefused;
        m_refusedTarget = nullptr;
        return onRefused;
    case QEvent::MouseButtonDblClick:
        if (onRefused)
            m_eatUntilRelease = true;
        m_refusedTarget = nullptr;
        return m_eatUntilRelease;
    default:
        if (!m_eatUntilRelease)
            return false;
        m_eatUntilRelease = false;
        return true;
    }
}
