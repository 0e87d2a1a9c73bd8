#include "AddressEntry.h"

#include "AddressLineEdit.h"
#include "AddressSplit.h"
#include "MainControls.h"

#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

AddressEntry::AddressEntry(MainControls *controls, QObject *parent)
    : QObject(parent), m_controls(controls)
{
    connect(controls->url1Edit, &AddressLineEdit::wholeAddressPasted, this, &AddressEntry::fill);
    for (QLineEdit *edit :
         {static_cast<QLineEdit *>(controls->url1Edit), controls->url2, controls->url3->lineEdit()})
        connect(edit, &QLineEdit::returnPressed, this, &AddressEntry::getRequested);
    for (QLineEdit *edit : {controls->url2, controls->url3->lineEdit()})
        edit->installEventFilter(this);

    connect(controls->cmdCounter, &QToolButton::clicked, this, [this] { moveCounter(1); });
    // Keys that no text field and no list of the window takes for itself.
    const auto key = [this, controls](Qt::Key k, int direction) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | k), controls);
        connect(shortcut, &QShortcut::activated, this,
                [this, direction] { moveCounter(direction); });
    };
    key(Qt::Key_Right, 1);
    key(Qt::Key_Left, -1);
}

void AddressEntry::moveCounter(int direction)
{
    MainControls *c = m_controls;
    if (!c->cmdGet->isEnabled())
        return;
    const AddressParts now{c->url1->currentText(), c->url2->text(), c->url3->currentText()};
    const AddressParts moved = AddressSplit::step(now, direction);
    c->url1->setEditText(moved.url1);
    c->url2->setText(moved.url2);
    c->url3->setEditText(moved.url3);
}

bool AddressEntry::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString address = AddressLineEdit::addressIn(drop->mimeData());
    // During a run the inputs are the run's; a drop there is only text, as typing is.
    if (!m_controls->cmdGet->isEnabled() || !AddressLineEdit::looksLikeWholeAddress(address))
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        fill(address.trimmed());
    return true;
}

void AddressEntry::fill(const QString &address)
{
    const AddressParts parts = AddressSplit::split(address);
    m_controls->url1->setEditText(parts.url1);
    m_controls->url2->setText(parts.url2);
    m_controls->url3->setEditText(parts.url3);
}

bool AddressEntry::completeScheme()
{
    const QString text = m_controls->url1->currentText();
    const QString address = text.trimmed();
    if (address.isEmpty() || AddressSplit::hasScheme(address))
        return false;
    // Blanks in front would end up inside the address.
    m_controls->url1->setEditText(QStringLiteral("https://") + address +
                                  text.mid(text.indexOf(address) + address.size()));
    return true;
}
