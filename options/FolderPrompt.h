#pragma once

#include <QString>
#include <functional>

class QWidget;

// A save or log folder typed in the options dialog that does not exist yet: the user is
// asked whether to create it, rather than finding the setting quietly replaced by the
// program's own folder at the next activation. Tests answer the question in place of the
// user through the hook.
namespace FolderPrompt {

enum class Result {
    Ready,  // the folder exists, was created, or the user chose No: the apply goes on
    Refused // it could not be created; problem says why, and nothing may be stored
};

// true: Yes. Given the question as the dialog shows it.
using Hook = std::function<bool(const QString &question)>;
void setHook(Hook hook);

Result prepare(QWidget *parent, const QString &dir, QString *problem);

} // namespace FolderPrompt
