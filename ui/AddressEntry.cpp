#include "AddressEntry.h"

#include "AddressLineEdit.h"
#include "AddressSplit.h"
#include "MainControls.h"

#include <QComboBox>
#include <QLineEdit>

AddressEntry::AddressEntry(MainControls *controls, QObject *parent)
    : QObject(parent), m_controls(controls)
{
    connect(controls->url1Edit, &AddressLineEdit::wholeAddressPasted, this, &AddressEntry::fill);
    for (QLineEdit *edit :
         {static_cast<QLineEdit *>(controls->url1Edit), controls->url2, controls->url3->lineEdit()})
        connect(edit, &QLineEdit::returnPressed, this, &AddressEntry::getRequested);
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
