#include "ProgramPaths.h"

#include "FileOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString &programDirectoryOverride()
{
    static QString dir;
    return dir;
}

bool isWritableDirectory(const QString &dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

} // namespace

QString ProgramPaths::programDirectory()
{
    if (!programDirectoryOverride().isEmpty())
        return programDirectoryOverride();
    return QCoreApplication::applicationDirPath();
}

void ProgramPaths::setProgramDirectoryForTesting(const QString &dir)
{
    programDirectoryOverride() = dir;
}

// An installed program's directory (/usr/bin) is not writable, so a directory of the
// user's takes its place there.
QString ProgramPaths::defaultSaveDir()
{
    const QString program = programDirectory();
    if (isWritableDirectory(program))
        return program;
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        pictures = QDir::homePath();
    QDir().mkpath(pictures);
    return pictures;
}

QString ProgramPaths::defaultLogDir()
{
    const QString program = programDirectory();
    if (isWritableDirectory(program))
        return program;
    const QString data = FileOps::BuildPath(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStringLiteral("Quillop"));
    QDir().mkpath(data);
    return data;
}

// A build keeps the picture beside the program; an installed program (prefix/bin) finds it
// in prefix/share/quillop, wherever the prefix is.
QString ProgramPaths::placeholderPath()
{
    const QString program = programDirectory();
    const QString besideProgram = FileOps::BuildPath(program, QStringLiteral("images/nai2.jpg"));
    const QStringList candidates = {
        besideProgram,
        QDir::cleanPath(
            FileOps::BuildPath(program, QStringLiteral("../share/quillop/images/nai2.jpg"))),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return besideProgram;
}
