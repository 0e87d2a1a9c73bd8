#include "FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <fcntl.h>
#include <unistd.h>

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
    // A symbolic link in place of the log file is not followed: whoever put it there could
    // make every run append to a file of their choosing.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Append, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    const QByteArray line = text.toUtf8() + "\r\n";
    const bool written = file.write(line) == line.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
