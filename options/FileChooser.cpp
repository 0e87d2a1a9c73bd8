#include "FileChooser.h"

#include <QFileDialog>

namespace FileChooser {

namespace {
Hook &hook()
{
    static Hook installed;
    return installed;
}
} // namespace

QString existingDirectory(QWidget *parent, const QString &caption, const QString &start)
{
    if (hook())
        return hook()(Kind::Directory, caption, start);
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

QString openFile(QWidget *parent, const QString &caption, const QString &start)
{
    if (hook())
        return hook()(Kind::File, caption, start);
    return QFileDialog::getOpenFileName(parent, caption, start);
}

void setHook(Hook replacement)
{
    hook() = std::move(replacement);
}

} // namespace FileChooser
