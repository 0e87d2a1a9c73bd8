#include "AddressInputs.h"

#include "SettingsStore.h"

#include <QComboBox>
#include <QFocusEvent>

AddressInputs::AddressInputs(QComboBox *url1, QComboBox *url3, QObject *parent)
    : QObject(parent), url1(url1), url3(url3)
{
    url1->installEventFilter(this);
    // Only a choice from the list counts, not typing.
    connect(url3, &QComboBox::activated, this, &AddressInputs::url3_Click);
}

QStringList AddressInputs::suffixes()
{
    return {QStringLiteral(".jpg"), QStringLiteral(".jpeg"), QStringLiteral(".gif"),
            QStringLiteral(".wmf"), QStringLiteral(".emf"),  QStringLiteral(".bmp"),
            QStringLiteral(".JPG"), QStringLiteral(".JPEG"), QStringLiteral(".GIF"),
            QStringLiteral(".WMF"), QStringLiteral(".EMF"),  QStringLiteral(".BMP")};
}

void AddressInputs::restoreInputs()
{
    url3->clear();
    url3->addItems(suffixes());
    for (int i = 0; i < RecentPrefixes::Count; ++i)
        m_prefixes.setSlot(i, SettingsStore::read(RecentPrefixes::keyOf(i)));
    url1->clear();
    url1->addItems(m_prefixes.all());
    url1->setCurrentIndex(0);
    url1->setEditText(m_prefixes.slot(0));

    const QString suffix = SettingsStore::read(QStringLiteral("url3"));
    url3->setCurrentIndex(url3->findText(suffix, Qt::MatchExactly));
    url3->setEditText(suffix);
}

bool AddressInputs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == url1 && event->type() == QEvent::FocusOut) {
        // Opening the list or switching to another program does not leave the input.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            url1_LostFocus();
    }
    return QObject::eventFilter(watched, event);
}

void AddressInputs::url1_LostFocus()
{
    const QString text = url1->currentText();
    if (!m_prefixes.remember(text))
        return;
    storePrefixes();

    // The list shows the text as typed; what is typed stays in the field.
    const QSignalBlocker blocker(url1);
    url1->insertItem(0, text);
    while (url1->count() > RecentPrefixes::Count)
        url1->removeItem(url1->count() - 1);
    url1->setEditText(text);
}

void AddressInputs::storePrefixes()
{
    for (int i = RecentPrefixes::Count - 1; i >= 0; --i)
        SettingsStore::write(RecentPrefixes::keyOf(i), m_prefixes.slot(i));
}

void AddressInputs::prefixCompleted(const QString &before, const QString &after)
{
    if (!m_prefixes.replace(before, after))
        return;
    storePrefixes();
    // The list follows the slots; the field keeps what it shows.
    const QSignalBlocker blocker(url1);
    const QString shown = url1->currentText();
    url1->clear();
    url1->addItems(m_prefixes.all());
    url1->setEditText(shown);
}

void AddressInputs::url3_Click(int index)
{
    SettingsStore::write(QStringLiteral("url3"), url3->itemText(index).trimmed());
}
