#include "ProgramPaths.h"

#include "FileOps.h"
#include "Translations.h"

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

// The program's own directory takes files only where the user may write there and it is not
// an installed program's bin directory: root may write into /usr/bin, but pictures and logs
// have no place there.
bool programDirectoryTakesFiles(const QString &dir)
{
    const QFileInfo info(dir);
    if (!info.isDir() || !info.isWritable())
        return false;
    return !QFileInfo(QDir::cleanPath(dir + QStringLiteral("/../share/quillop"))).isDir();
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

QString ProgramPaths::defaultSaveDir()
{
    const QString program = programDirectory();
    if (programDirectoryTakesFiles(program))
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
    if (programDirectoryTakesFiles(program))
        return program;
    const QString data =
        FileOps::BuildPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                           QStringLiteral("Quillop"));
    QDir().mkpath(data);
    return data;
}

// A build keeps the picture beside the program; an installed program (prefix/bin) finds it
// in prefix/share/quillop, wherever the prefix is. Its caption is text: a copy captioned in
// the language of the translation in use (nai2_de.jpg) comes first where there is one.
QString ProgramPaths::placeholderPath()
{
    const QString program = programDirectory();
    const QString besideProgram = FileOps::BuildPath(program, QStringLiteral("images/nai2.jpg"));
    const QStringList candidates = {
        besideProgram,
        QDir::cleanPath(
            FileOps::BuildPath(program, QStringLiteral("../share/quillop/images/nai2.jpg"))),
    };
    const QString language = Translations::language();
    for (const QString &candidate : candidates) {
        if (!QFileInfo(candidate).isFile())
            continue;
        if (!language.isEmpty()) {
            QString captioned = candidate;
            captioned.insert(captioned.size() - 4, u'_' + language);
            if (QFileInfo(captioned).isFile())
                return captioned;
        }
        return candidate;
    }
    return besideProgram;
}

QString ProgramPaths::manualPath()
{
    const QString program = programDirectory();
    const QStringList candidates = {
        FileOps::BuildPath(program, QStringLiteral("docs/manual.html")),
        QDir::cleanPath(
            FileOps::BuildPath(program, QStringLiteral("../share/doc/quillop/manual.html"))),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}
