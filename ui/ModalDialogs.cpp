#include "ModalDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

ModalDialogs::Hook &installedHook()
{
    static ModalDialogs::Hook hook;
    return hook;
}

// A question that waits for an answer is put in front of everything and takes the focus,
// so that the window manager cannot leave it behind other windows.
int inFront(QDialog &dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    return dialog.exec();
}

void messageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text, const QString &title)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    inFront(box);
}

} // namespace

void ModalDialogs::setHook(Hook hook)
{
    installedHook() = std::move(hook);
}

void ModalDialogs::showMessage(QWidget *parent, const QString &text, const QString &title)
{
    if (installedHook()) {
        installedHook()(Request{Request::Message, title, text, parent});
        return;
    }
    messageBox(parent, QMessageBox::NoIcon, text, title);
}

void ModalDialogs::showInformation(QWidget *parent, const QString &text, const QString &title)
{
    if (installedHook()) {
        installedHook()(Request{Request::Information, title, text, parent});
        return;
    }
    messageBox(parent, QMessageBox::Information, text, title);
}

bool ModalDialogs::promptForName(QWidget *parent, const QString &title, const QString &prompt,
                                 QString *answer)
{
    std::optional<QString> result;
    if (installedHook()) {
        result = installedHook()(Request{Request::Prompt, title, prompt, parent});
    } else {
        QInputDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("inputBox"));
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setInputMode(QInputDialog::TextInput);
        if (inFront(dialog) == QDialog::Accepted)
            result = dialog.textValue();
    }
    if (!result)
        return false;
    if (answer)
        *answer = *result;
    return true;
}
