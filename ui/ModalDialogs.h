#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The program's modal dialogs: message boxes with one OK button and the input box for a
// new file name. Tests install a hook that answers in place of the user, so nothing blocks
// on a screen nobody looks at.
namespace ModalDialogs {

struct Request
{
    enum Kind { Message, Information, Prompt };
    Kind kind = Message;
    QString title;
    QString text;
    QWidget *parent = nullptr; // the window the dialog belongs to
};

// Returns the answer to a prompt (nullopt: Cancel); for messages the answer is ignored.
using Hook = std::function<std::optional<QString>(const Request &)>;

// Installs the hook; an empty hook shows the real dialogs again.
void setHook(Hook hook);

// A message box with an OK button and no icon.
void showMessage(QWidget *parent, const QString &text, const QString &title);
// A message box with the information icon and an OK button.
void showInformation(QWidget *parent, const QString &text, const QString &title);
// The input box: returns false on Cancel. The entry field starts empty.
bool promptForName(QWidget *parent, const QString &title, const QString &prompt, QString *answer);

} // namespace ModalDialogs
