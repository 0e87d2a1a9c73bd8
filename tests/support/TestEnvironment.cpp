#include "TestEnvironment.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
QTemporaryDir *tempHome = nullptr;
}

void TestEnvironment::isolate()
{
    if (tempHome)
        return;
    tempHome = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/quillop-test-XXXXXX"));
    const QByteArray home = QFile::encodeName(tempHome->path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CACHE_HOME", home + "/cache");
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    QDir().mkpath(tempHome->path() + QStringLiteral("/config"));
    QDir().mkpath(tempHome->path() + QStringLiteral("/runtime"));
    QFile::setPermissions(tempHome->path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Nothing of the developer's proxy setup may reach the tests.
    for (const char *name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
}

QString TestEnvironment::home()
{
    return tempHome ? tempHome->path() : QString();
}

void TestEnvironment::resetStore()
{
    QSettings store(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
    store.clear();
    store.sync();
}

QString TestEnvironment::storeFilePath()
{
    QSettings store(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
    return store.fileName();
}

QByteArray TestEnvironment::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool TestEnvironment::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}
