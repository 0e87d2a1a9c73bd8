#include "BenchEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {
QTemporaryDir *tempHome = nullptr;
}

void BenchEnvironment::isolate()
{
    if (tempHome)
        return;
    // A static: the directory must outlive the application object and go at exit.
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quillop-bench-home-XXXXXX"));
    tempHome = &dir;
    const QByteArray home = QFile::encodeName(dir.path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CACHE_HOME", home + "/cache");
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    QDir().mkpath(dir.path() + QStringLiteral("/config"));
    QDir().mkpath(dir.path() + QStringLiteral("/runtime"));
    QFile::setPermissions(dir.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (const char *name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
}

void BenchEnvironment::storeRunSettings(int count, const QString &saveDir, const QString &logDir)
{
    // One QSettings for all keys: the store's own write() syncs the file for every key,
    // which would add a tenth of a second to every start of the runner.
    QSettings store(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
    store.beginGroup(QStringLiteral("Options"));
    const auto put = [&store](const char *key, const QString &text) {
        store.setValue(QLatin1String(key), text);
    };
    put("isMultiple", QStringLiteral("True"));
    put("exit_ifover", QStringLiteral("False"));
    put("max_downloads", QString::number(count));
    put("is_number_mode", QStringLiteral("True"));
    put("increment", QStringLiteral("1"));
    put("append_str", QString());
    put("pause_time", QStringLiteral("0"));
    put("is_save", QStringLiteral("True"));
    put("save_dir", saveDir);
    // Overwrite: a prompt would stop a run that finds a file left by an earlier one.
    put("if_exists", QStringLiteral("2"));
    put("is_proxy", QStringLiteral("False"));
    put("is_log", QStringLiteral("True"));
    put("log_dir", logDir);
}

void BenchEnvironment::storeValue(const QString &key, const QString &text)
{
    QSettings store(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
    store.setValue(QStringLiteral("Options/") + key, text);
}

qint64 BenchEnvironment::peakRssKiB()
{
    // A /proc file reports a size of 0, so it is read whole rather than line by line.
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

QString BenchEnvironment::option(const QStringList &args, const QString &name,
                                 const QString &fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

void BenchEnvironment::report(const char *key, const QString &value)
{
    std::printf("%s=%s\n", key, qPrintable(value));
    std::fflush(stdout);
}
