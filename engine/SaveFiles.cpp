#include "SaveFiles.h"

#include "FileOps.h"
#include "SaveNaming.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

QByteArray SaveFiles::native(const QString &path)
{
    return QFile::encodeName(path);
}

// Any directory entry counts, a dangling link or a directory included: none of them may be
// replaced by a saved picture.
bool SaveFiles::pathTaken(const QString &path)
{
    struct stat info;
    return ::lstat(native(path).constData(), &info) == 0;
}

// Moves from to to unless to exists; returns 0 or the errno. EEXIST means the name was
// taken, even if it was taken only a moment ago.
int SaveFiles::renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray src = native(from);
    const QByteArray dst = native(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
#endif
    // link() refuses an existing name just as well, on file systems without renameat2.
    if (::link(src.constData(), dst.constData()) == 0) {
        ::unlink(src.constData());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        return errno;
    // No hard links either (FAT, some network shares): the narrow race cannot be closed.
    if (pathTaken(to))
        return EEXIST;
    return ::rename(src.constData(), dst.constData()) == 0 ? 0 : errno;
}

// Sets errno and returns false when the file cannot be opened or synced.
bool SaveFiles::syncToDisk(const QString &path)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

int SaveFiles::renameReplace(const QString &from, const QString &to)
{
    return ::rename(native(from).constData(), native(to).constData()) == 0 ? 0 : errno;
}

bool SaveFiles::isDeadProcess(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}

// A new, empty file in dir under a temporary name, open for writing. It gets the usual
// permissions of a new file, which it keeps when renamed to its final name.
std::unique_ptr<QFile> SaveFiles::createTemp(const QString &dir, QString *problem)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    static const QString prefix = SaveNaming::tempNamePrefix(QCoreApplication::applicationPid());
    for (int tries = 0; tries < 100; ++tries) {
        QString name = prefix;
        for (int i = 0; i < 8; ++i)
            name += letters.at(QRandomGenerator::global()->bounded(int(letters.size())));
        auto file =
            std::make_unique<QFile>(FileOps::BuildPath(dir, name + QStringLiteral(".part")));
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return file;
        if (!pathTaken(file->fileName())) {
            *problem = file->errorString();
            return nullptr;
        }
    }
    *problem = QStringLiteral("no temporary file could be created");
    return nullptr;
}

bool SaveFiles::copyContents(const QString &from, QFile &to, QString *problem)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        *problem = source.errorString();
        return false;
    }
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = source.read(chunk, sizeof chunk);
        if (got < 0) {
            *problem = source.errorString();
            return false;
        }
        if (got == 0)
            break;
        if (to.write(chunk, got) != got) {
            *problem = to.errorString();
            return false;
        }
    }
    if (!to.flush() || ::fsync(to.handle()) != 0) {
        *problem = to.errorString();
        return false;
    }
    return true;
}

bool SaveFiles::sameDirectory(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}
