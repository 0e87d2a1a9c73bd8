#include "FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

bool FileOps::CreateFolder(const QString &path, QString *error)
{
    if (path.isEmpty()) {
        *error = QStringLiteral("no folder was given");
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // From the first missing parent down; a parent that is a file fails its child's mkdir.
    QStringList missing;
    for (QString dir = QDir::cleanPath(absolute); !QFileInfo::exists(dir);
         dir = QFileInfo(dir).path())
        missing.prepend(dir);
    for (const QString &dir : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(dir).constData(), 0755) != 0 && errno != EEXIST) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
    }
    if (FolderExists(absolute))
        return true;
    *error = QString::fromLocal8Bit(std::strerror(ENOTDIR));
    return false;
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
    // Nor is a FIFO or a device waited for: O_NONBLOCK keeps open() from blocking, and only
    // a regular file takes the line.
    const int fd = ::open(
        QFile::encodeName(path).constData(),
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // One write of the whole line: O_APPEND puts it at the end even when another copy of
    // the program appends to the same day's log.
    const QByteArray line = text.toUtf8() + "\r\n";
    const bool written = writeAll(fd, line.constData(), line.size());
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

bool FileOps::writeAll(int fd, const char *data, qint64 length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, size_t(length));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        length -= written;
    }
    return true;
}
