#pragma once

#include "RecentPrefixes.h"

#include <QObject>

class QComboBox;

// The remembered values of the address inputs: the five prefixes of url1, stored as they
// are entered, and the suffix list of url3, whose chosen entry is stored.
class AddressInputs : public QObject
{
    Q_OBJECT
public:
    AddressInputs(QComboBox *url1, QComboBox *url3, QObject *parent = nullptr);

    // Fills both lists and texts from the store (start-up).
    void restoreInputs();
    QStringList recentPrefixes() const { return m_prefixes.all(); }
    // url1 was completed from before to after ("https://" put in front): a remembered
    // before becomes after, so that choosing it again gives an address that works.
    void prefixCompleted(const QString &before, const QString &after);

    static QStringList suffixes();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void url1_LostFocus();
    void url3_Click(int index);
    void storePrefixes();

    QComboBox *url1;
    QComboBox *url3;
    RecentPrefixes m_prefixes;
};
