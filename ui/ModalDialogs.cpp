#include "ModalDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

ModalDialogs::Hook &installedHook()
{
    static ModalDialogs::Hook hook;
    return hook;
}

void messageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text, const QString &title)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace

void ModalDialogs::setHook(Hook hook)
{
    installedHook() = std::move(hook);
}

void ModalDialogs::showMessage(QWidget *parent, const QString &text, const QString &title)
{
    if (installedHook()) {
        installedHook()(Request{Request::Message, title, text});
        return;
    }
    messageBox(parent, QMessageBox::NoIcon, text, title);
}

void ModalDialogs::showInformation(QWidget *parent, const QString &text, const QString &title)
{
    if (installedHook()) {
        installedHook()(Request{Request::Information, title, text});
        return;
    }
    messageBox(parent, QMessageBox::Information, text, title);
}

bool ModalDialogs::promptForName(QWidget *parent, const QString &title, const QString &prompt,
                                 QString *answer)
{
    std::optional<QString> result;
    if (installedHook()) {
        result = installedHook()(Request{Request::Prompt, title, prompt});
    } else {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
        if (ok)
            result = text;
    }
    if (!result)
        return false;
    if (answer)
        *answer = *result;
    return true;
}
