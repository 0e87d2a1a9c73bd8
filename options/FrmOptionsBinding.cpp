// The options dialog's controls and the settings they are bound to: filling them from the
// run settings, reading them back for the apply step, marking what the user changed, and
// the checks of what is typed into a box.
#include "FrmOptions.h"

#include "DirectoryField.h"
#include "FileChooser.h"
#include "OptionsApply.h"
#include "OptionsPages.h"
#include "OptionsWidgets.h"
#include "RunSettings.h"
#include "TabStrip.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

using SettingsStore::Key;

void FrmOptions::connectBoundControls()
{
    for (const SettingsStore::Setting &row : SettingsStore::allSettings()) {
        for (QWidget *control : findChildren<QWidget *>()) {
            if (OptionsWidgets::boundKey(control) == row.key)
                m_bound.append(control);
        }
    }
    for (QWidget *control : std::as_const(m_bound)) {
        const Key key = *OptionsWidgets::boundKey(control);
        if (auto *button = qobject_cast<QRadioButton *>(control)) {
            connect(button, &QRadioButton::clicked, this, [this, key] { m_marks.mark(key); });
        } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
            // A number is marked when its box lets the focus go (guardFocusMoves).
            const SettingsStore::Type type = SettingsStore::type(key);
            if (type != SettingsStore::Type::Int16 && type != SettingsStore::Type::Port)
                connect(box, &QLineEdit::textEdited, this, [this, key] { m_marks.mark(key); });
        }
    }
}

void FrmOptions::fillControls()
{
    OptionsPages &ui = *m_ui;
    const RunSettings &s = m_settings;
    for (QWidget *control : std::as_const(m_bound)) {
        const QString text = SettingsStore::textOf(s, *OptionsWidgets::boundKey(control));
        if (auto *button = qobject_cast<QRadioButton *>(control)) {
            if (OptionsWidgets::boundText(button) == text)
                button->setChecked(true);
        } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
            box->setText(text);
        }
    }
    m_saveDir->fill(s.save_dir);
    m_logDir->fill(s.log_dir);

    const QString referer = s.referer.trimmed();
    const bool automatic = referer.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0;
    QRadioButton *refererButton = referer.isEmpty() ? ui.optRefNone
                                  : automatic       ? ui.optRefAuto
                                                    : ui.optRefCustom;
    refererButton->setChecked(true);
    ui.txtReferer->setText(automatic ? QString() : referer);
    ui.txtReferer->setEnabled(refererButton == ui.optRefCustom);
}

OptionsValues FrmOptions::currentValues() const
{
    const OptionsPages &ui = *m_ui;
    OptionsValues v;
    for (QWidget *control : m_bound) {
        const Key key = *OptionsWidgets::boundKey(control);
        if (auto *button = qobject_cast<QRadioButton *>(control)) {
            if (button->isChecked())
                v[key] = OptionsWidgets::boundText(button);
        } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
            v[key] = box->text();
        }
    }
    v[Key::save_dir] = ui.txtSavPath->text();
    v[Key::log_dir] = m_logDir->directory();
    v[Key::referer] = ui.optRefAuto->isChecked()     ? QStringLiteral("auto")
                      : ui.optRefCustom->isChecked() ? ui.txtReferer->text()
                                                     : QString();
    return v;
}

void FrmOptions::browseFile(QLineEdit *box, const QString &caption, Key key)
{
    const QString current = box->text().trimmed();
    const QString start = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString chosen = FileChooser::openFile(this, caption, start);
    if (chosen.isEmpty())
        return;
    box->setText(chosen);
    m_marks.mark(key);
}

bool FrmOptions::checkNumber(QLineEdit *box, Key key)
{
    if (SettingsStore::acceptedInDialog(key, box->text())) {
        m_marks.mark(key);
        return true;
    }
    refuse(box, key);
    return false;
}

bool FrmOptions::checkFile(QLineEdit *box, Key key)
{
    const QFileInfo file(box->text().trimmed());
    if (box->text().trimmed().isEmpty() || (file.isFile() && file.isReadable()))
        return true;
    refuse(box, key);
    return false;
}

bool FrmOptions::maxFilesAcceptable()
{
    QLineEdit *box = m_ui->txtMaxFiles;
    if (SettingsStore::acceptedInDialog(Key::max_downloads, box->text()))
        return true;
    // Storing the last accepted number while the box shows another text would store a
    // value the user never sees; the apply waits until the box holds a number.
    m_ui->tab1->setCurrentIndex(1);
    box->setFocus(Qt::OtherFocusReason);
    refuse(box, Key::max_downloads);
    return false;
}
