#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// The moment before the focus leaves a control for another control of the dialog. A
// guarded control's validator runs then; when it refuses, the focus goes back to the
// control and the mouse click that moved it is swallowed, so the clicked button, tab or
// list does nothing. One control is exempt (Cancel): moving to it validates nothing, and
// the control left for it is validated at the next move from it instead.
//
// Qt gives the focus to a clicked widget before any event filter sees the click, so the
// gate watches focus changes and swallows the click afterwards; keyboard moves (Tab,
// arrow keys in an option group) need no swallowing.
class ValidationGate : public QObject
{
    Q_OBJECT
public:
    using Validator = std::function<bool()>;

    ValidationGate(QWidget *dialog, QWidget *exempt);

    void guard(QWidget *control, Validator validate);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFocusChanged(QWidget *old, QWidget *now);
    bool isExempt(const QWidget *widget) const;

    QWidget *m_dialog;
    QPointer<QWidget> m_exempt;
    QHash<const QWidget *, Validator> m_validators;
    QPointer<QWidget> m_pending;       // left for the exempt control, validated later
    QPointer<QWidget> m_refusedTarget; // the widget the focus was refused to
    bool m_eatUntilRelease = false;
    bool m_restoring = false;
};
