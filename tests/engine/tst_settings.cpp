#include "FileOps.h"
#include "LoadSettings.h"
#include "ProgramPaths.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "Transfer.h"

#include <QDir>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>

#include <atomic>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// One load of the settings into a fresh window, transfer and record.
struct Loaded
{
    explicit Loaded(const QDate &day = QDate(2026, 12, 5), const QString &url2 = QString(),
                    const QString &url3 = QStringLiteral(".jpg"))
    {
        window.url2 = url2;
        window.url3 = url3;
        loadSettings(s, window, transfer, day);
    }
    RecordingWindow window;
    Transfer transfer;
    RunSettings s;
};

void store(const char *key, const char *value)
{
    SettingsStore::write(QLatin1String(key), QLatin1String(value));
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void emptyStoreGivesDefaults();
    void missingDirectoriesFallBackOnce();
    void installedProgramKeepsFilesInTheHome();
    void proxyConfiguration();
    void storeThatIsNoFile();
    void loadedValues_data();
    void loadedValues();
    void valuesAreStoredAsText();

private:
    QTemporaryDir m_programDir;
};

void TestSettings::init()
{
    TestEnvironment::resetStore();
    ProgramPaths::setProgramDirectoryForTesting(m_programDir.path());
}

void TestSettings::emptyStoreGivesDefaults()
{
    const Loaded l;
    const RunSettings &s = l.s;
    QVERIFY(s.isMultiple && !s.exit_ifover && s.is_number_mode && s.is_header && s.is_save);
    QVERIFY(!s.is_proxy && !s.is_log);
    QCOMPARE(s.max_downloads, qint16(100));
    QCOMPARE(s.increment, qint16(1));
    QCOMPARE(s.pause_time, qint16(1));
    QCOMPARE(s.if_exists, IfExistsPolicy::Prompt);
    QCOMPARE(s.proxy_port, 80);
    QCOMPARE(s.retries, qint16(2));
    QCOMPARE(s.stop_after_misses, qint16(10));
    QCOMPARE(l.transfer.connectionOptions().userAgent, QStringLiteral("Mozilla/5.0"));
    QCOMPARE(s.save_dir, m_programDir.path());
    QCOMPARE(s.log_dir, m_programDir.path());
    QCOMPARE(s.log_file_path, m_programDir.path() + QStringLiteral("/2026-12-05.log"));
    QCOMPARE(l.window.url2, QStringLiteral("01"));
    QCOMPARE(l.transfer.accessType(), int(Transfer::Direct));
    QVERIFY(l.window.messages.isEmpty());
    // Loading writes nothing when every key is absent.
    QCOMPARE(QSettings(QStringLiteral("Quillop"), QStringLiteral("Quillop")).allKeys(),
             QStringList());
}

void TestSettings::missingDirectoriesFallBackOnce()
{
    store("save_dir", "/nonexistent/quillop/pictures");
    store("is_log", "False"); // the log directory is checked all the same
    store("log_dir", "/nonexistent/quillop/logs");
    const Loaded first(QDate(2026, 1, 2));
    QCOMPARE(first.window.messages.size(), 2);
    QCOMPARE(first.window.messages[0].text,
             QStringLiteral("Save path does not exist /n Setting save Path to Application Path"));
    QCOMPARE(first.window.messages[0].title, QStringLiteral("Quillop"));
    QVERIFY(first.window.messages[1].text.startsWith(QStringLiteral("Log path does not exist")));
    QCOMPARE(first.s.save_dir, m_programDir.path());
    QCOMPARE(first.s.log_file_path, m_programDir.path() + QStringLiteral("/2026-01-02.log"));
    QCOMPARE(SettingsStore::read(QStringLiteral("save_dir"), QString()), m_programDir.path());
    QCOMPARE(SettingsStore::read(QStringLiteral("log_dir"), QString()), m_programDir.path());
    QVERIFY(Loaded().window.messages.isEmpty());
}

void TestSettings::installedProgramKeepsFilesInTheHome()
{
    // Root may write into /usr/bin; pictures and logs still go to the user's directories.
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("share/quillop/images"))));
    ProgramPaths::setProgramDirectoryForTesting(prefix.filePath(QStringLiteral("bin")));
    const Loaded l;
    QVERIFY(l.window.messages.isEmpty());
    QVERIFY2(l.s.save_dir.startsWith(TestEnvironment::home()), qPrintable(l.s.save_dir));
    QCOMPARE(l.s.log_dir, TestEnvironment::home() + QStringLiteral("/data/Quillop"));
    QVERIFY(FileOps::FolderExists(l.s.log_dir));
}

void TestSettings::proxyConfiguration()
{
    store("is_proxy", "True");
    store("proxy_name", "gate");
    store("proxy_port", "8080");
    store("proxy_type", "socks5");
    store("proxy_user", "ann");
    store("proxy_password", "s3cret");
    store("referer", "auto");
    Loaded l;
    QCOMPARE(l.transfer.accessType(), int(Transfer::NamedProxy));
    QCOMPARE(l.transfer.proxy(), QStringLiteral("gate:8080"));
    const ConnectionOptions options = l.transfer.connectionOptions();
    QCOMPARE(options.proxyType, ConnectionOptions::ProxyType::Socks5);
    QCOMPARE(options.proxyUser + options.proxyPassword, QStringLiteral("anns3cret"));
    QCOMPARE(options.referer, QStringLiteral("auto"));
    // A store that holds a password is its owner's alone, and so was every file that held
    // it on the way there: each is looked at the moment it appears (and a umask that lets
    // anyone read makes a lapse show).
    const QFile::Permissions others = QFile::ReadGroup | QFile::ReadOther;
    QCOMPARE(QFile::permissions(TestEnvironment::storeFilePath()) & others, QFile::Permissions());
    const mode_t umask = ::umask(0);
    QList<QFile::Permissions> seen;
    {
        const int watch = ::inotify_init1(IN_CLOEXEC);
        QVERIFY(
            ::inotify_add_watch(
                watch,
                QFile::encodeName(QFileInfo(TestEnvironment::storeFilePath()).path()).constData(),
                IN_CREATE) >= 0);
        std::atomic<bool> writing = true;
        std::thread watcher([&] {
            alignas(inotify_event) char events[4096];
            pollfd ready{watch, POLLIN, 0};
            while (writing || ::poll(&ready, 1, 0) > 0) {
                if (::poll(&ready, 1, 10) <= 0)
                    continue;
                const ssize_t n = ::read(watch, events, sizeof events);
                for (ssize_t at = 0; at < n;) {
                    const auto *e = reinterpret_cast<const inotify_event *>(events + at);
                    // QSettings' lock file holds no setting.
                    if (!QByteArray(e->name).endsWith(".lock"))
                        seen.append(
                            QFile::permissions(QFileInfo(TestEnvironment::storeFilePath()).path() +
                                               u'/' + QString::fromLocal8Bit(e->name)));
                    at += ssize_t(sizeof(inotify_event) + e->len);
                }
            }
        });
        for (int i = 0; i < 20; ++i)
            store("proxy_password", QByteArray::number(i).constData());
        writing = false;
        watcher.join();
        ::close(watch);
    }
    ::umask(umask);
    QVERIFY(!seen.isEmpty());
    for (const QFile::Permissions p : std::as_const(seen))
        QCOMPARE(p & others, QFile::Permissions());
    store("proxy_password", "s3cret");
    // Switching the proxy off leaves the proxy text as it was.
    store("is_proxy", "False");
    loadSettings(l.s, l.window, l.transfer);
    QCOMPARE(l.transfer.accessType(), int(Transfer::Direct));
    QCOMPARE(l.transfer.proxy(), QStringLiteral("gate:8080"));
}

// A FIFO in place of the store would hold every read for ever: it is passed by, once said.
void TestSettings::storeThatIsNoFile()
{
    const QString path = TestEnvironment::storeFilePath();
    QVERIFY(QFile::remove(path) || !QFile::exists(path));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    const auto removeFifo = qScopeGuard([&] { QFile::remove(path); });
    store("pause_time", "9");
    const Loaded first;
    QCOMPARE(first.s.pause_time, qint16(1));
    QCOMPARE(first.window.calls.filter(QStringLiteral("not a regular file")).size(), 1);
    QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
}

void TestSettings::loadedValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    // clang-format off
    // A counter is set only when there is none: "url2" is the counter before the load.
    QTest::newRow("number mode, empty counter") << "url2" << "" << "01";
    QTest::newRow("letter mode, empty counter") << "is_number_mode" << "false" << "A";
    QTest::newRow("a blank counter is not empty") << "url2" << " " << " ";
    QTest::newRow("a whole address stays whole") << "whole address" << "" << "";
    QTest::newRow("boolean of other text") << "isMultiple" << "maybe" << "True";
    QTest::newRow("boolean in any case") << "isMultiple" << "fAlSe" << "False";
    QTest::newRow("boolean as zero") << "is_log" << "0" << "False";
    QTest::newRow("boolean as a number") << "is_log" << "-1" << "True";
    QTest::newRow("number of text") << "max_downloads" << "lots" << "100";
    QTest::newRow("number past 16 bits") << "max_downloads" << "70000" << "100";
    QTest::newRow("number with blanks") << "max_downloads" << " 25 " << "25";
    QTest::newRow("half to even") << "max_downloads" << "2.5" << "2";
    QTest::newRow("exponent") << "max_downloads" << "1e3" << "100";
    QTest::newRow("hexadecimal") << "max_downloads" << "0x10" << "100";
    QTest::newRow("if_exists past 4") << "if_exists" << "9" << "3";
    QTest::newRow("if_exists zero") << "if_exists" << "0" << "3";
    QTest::newRow("if_exists in range") << "if_exists" << "4" << "4";
    QTest::newRow("port above 16 bits") << "proxy_port" << "40000" << "40000";
    QTest::newRow("port past 65535") << "proxy_port" << "65536" << "0";
    QTest::newRow("port of text") << "proxy_port" << "http" << "0";
    QTest::newRow("proxy type in any case") << "proxy_type" << "SOCKS5" << "socks5";
    QTest::newRow("proxy type unknown") << "proxy_type" << "gopher" << "http";
    // A header value that would smuggle in another header is ignored, with a message.
    QTest::newRow("User-Agent with CR LF") << "user_agent" << "a\r\nX-Injected: 1" << "Mozilla/5.0";
    QTest::newRow("Referer with a bare LF") << "referer" << "http://a/\nX-Injected: 1" << "";
    QTest::newRow("Referer with a tab") << "referer" << "http://a/\tb" << "http://a/\tb";
    // clang-format on
}

// One stored value as the load reads it; a garbled one takes its default.
void TestSettings::loadedValues()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    // A whole address: url1 alone, url2 and url3 empty.
    const bool whole = key == QLatin1String("whole address");
    const bool counter = whole || key == QLatin1String("url2");
    if (!counter)
        SettingsStore::write(key, stored);
    const Loaded l(QDate(2026, 12, 5), counter ? stored : QString(),
                   whole ? QString() : QStringLiteral(".jpg"));
    const QHash<QString, QString> loadedText = {
        {QStringLiteral("isMultiple"), SettingsStore::boolText(l.s.isMultiple)},
        {QStringLiteral("is_log"), SettingsStore::boolText(l.s.is_log)},
        {QStringLiteral("max_downloads"), QString::number(l.s.max_downloads)},
        {QStringLiteral("if_exists"), QString::number(static_cast<int>(l.s.if_exists))},
        {QStringLiteral("proxy_port"), QString::number(l.s.proxy_port)},
        {QStringLiteral("proxy_type"), l.s.proxy_type == ConnectionOptions::ProxyType::Socks5
                                           ? QStringLiteral("socks5")
                                           : QStringLiteral("http")},
        {QStringLiteral("user_agent"), l.s.user_agent},
        {QStringLiteral("referer"), l.s.referer},
        {QStringLiteral("url2"), l.window.url2},
        {QStringLiteral("whole address"), l.window.url2},
        {QStringLiteral("is_number_mode"), l.window.url2},
    };
    QCOMPARE(loadedText.value(key), loaded);
    const bool ignored =
        key.startsWith(QLatin1String("user_agent")) || key.startsWith(QLatin1String("referer"));
    if (ignored)
        QCOMPARE(l.window.calls.filter(QStringLiteral("control character")).size(),
                 int(loaded != stored));
}

void TestSettings::valuesAreStoredAsText()
{
    // Other copies of the program read the same file: plain texts in [Options].
    SettingsStore::write(QStringLiteral("isMultiple"), SettingsStore::boolText(false));
    SettingsStore::write(QStringLiteral("max_downloads"), QString::number(-1));
    QSettings settings(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
    QCOMPARE(settings.fileName(),
             TestEnvironment::home() + QStringLiteral("/config/Quillop/Quillop.conf"));
    settings.sync();
    QFile file(settings.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[Options]\nisMultiple=False\nmax_downloads=-1\n"), text.constData());
}

QUILLOP_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
