#include "FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

qsizetype lastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

bool endsWithSeparator(const QString &dir)
{
    return dir.endsWith(QLatin1Char('/')) || dir.endsWith(QDir::separator());
}

} // namespace

QString FileOps::BuildPath(const QString &dir, const QString &name)
{
    if (dir.isEmpty())
        return name;
    if (endsWithSeparator(dir))
        return dir + name;
    return dir + QDir::separator() + name;
}

bool FileOps::FolderExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool FileOps::FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString FileOps::GetFileName(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString FileOps::GetBaseName(const QString &path)
{
    const QString segment = GetFileName(path);
    const qsizetype dot = segment.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? segment : segment.left(dot);
}

QString FileOps::GetExtensionName(const QString &path)
{
    const QString segment = GetFileName(path);
    const qsizetype dot = segment.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : segment.mid(dot + 1);
}

QString FileOps::GetDriveName(const QString &path)
{
    QFileInfo info(path.isEmpty() ? QDir::rootPath() : path);
    QString existing = info.absoluteFilePath();
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath())
        existing = QFileInfo(existing).absolutePath();
    const QStorageInfo volume(existing);
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}

bool FileOps::appendLine(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = text.toUtf8() + "\r\n";
    const bool written = file.write(line) == line.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
