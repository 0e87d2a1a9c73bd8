#include "FolderPrompt.h"

#include "FileOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

namespace {

FolderPrompt::Hook &installedHook()
{
    static FolderPrompt::Hook hook;
    return hook;
}

bool askYes(QWidget *parent, const QString &question)
{
    if (installedHook())
        return installedHook()(question);
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("FolderPrompt", "Quillop"),
                    question, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("folderPrompt"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

void FolderPrompt::setHook(Hook hook)
{
    installedHook() = std::move(hook);
}

FolderPrompt::Result FolderPrompt::prepare(QWidget *parent, const QString &dir, QString *problem)
{
    const QString folder = dir.trimmed();
    if (folder.isEmpty() || FileOps::FolderExists(folder))
        return Result::Ready;
    const QString shown = QDir::toNativeSeparators(folder);
    if (!askYes(parent,
                QCoreApplication::translate("FolderPrompt", "Create the folder %1?").arg(shown)))
        return Result::Ready;
    QString error;
    if (FileOps::CreateFolder(folder, &error))
        return Result::Ready;
    *problem = QCoreApplication::translate("FolderPrompt", "The folder %1 cannot be created: %2")
                   .arg(shown, error);
    return Result::Refused;
}
