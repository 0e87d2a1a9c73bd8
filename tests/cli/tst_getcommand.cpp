#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// `quillop get` as a user runs it: the built program, as a process with no display, against
// the tests' own server, with a store that must come out of every run byte for byte as it went in.
namespace {

QStringList L(std::initializer_list<const char *> words)
{
    QStringList list;
    for (const char *word : words)
        list << QString::fromUtf8(word);
    return list;
}

} // namespace

class TestGetCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void runs_data();
    void runs();
    void signalStopsTheRun();

private:
    std::unique_ptr<QProcess> start(const QStringList &arguments);
    QString expand(QString word) const;
    QByteArray storeDigest() const;

    TestHttpServer m_server;
    QTemporaryDir m_logDir;
    std::unique_ptr<QTemporaryDir> m_saveDir;
};

void TestGetCommand::initTestCase()
{
    QVERIFY(m_server.listen());
    int number = 0;
    for (const char *name : {"/pic01.jpg", "/pic02.jpg", "/pic03.jpg", "/picA.jpg", "/picB.jpg"})
        m_server.setResponse(QString::fromLatin1(name), TestHttpServer::picture(++number));
    m_server.setResponse(QStringLiteral("/pic04.jpg"), TestHttpServer::page(200, "<html>"));
    // Asked once each: first a 429 or a 500, then the picture.
    TestHttpServer::Response busy = TestHttpServer::page(429, "slow down");
    busy.headers.append(qMakePair(QByteArray("Retry-After"), QByteArray("0")));
    for (const char *name : {"/busy1.jpg", "/flaky1.jpg"}) {
        m_server.setResponse(QString::fromLatin1(name), TestHttpServer::image("JPEG"));
        m_server.queueResponse(QString::fromLatin1(name),
                               name[1] == 'b' ? busy : TestHttpServer::page(500, "oops"));
    }
    TestHttpServer::Response slow = TestHttpServer::image(QByteArray(64 * 1024, 'x'));
    slow.behaviour = TestHttpServer::Behaviour::StallAfterHeaders;
    m_server.setResponse(QStringLiteral("/slow1.jpg"), slow);
}

void TestGetCommand::init()
{
    // Stored values that the rows' options must override, and a prompt policy that the
    // command line cannot ask.
    TestEnvironment::resetStore();
    using SettingsStore::Key;
    SettingsStore::write(Key::pause_time, QStringLiteral("7"));
    SettingsStore::write(Key::if_exists, QStringLiteral("3"));
    SettingsStore::write(Key::is_log, QStringLiteral("True"));
    SettingsStore::write(Key::log_dir, m_logDir.path());
    SettingsStore::write(Key::save_dir, QStringLiteral("/nonexistent/quillop"));
    QSettings(QStringLiteral("Quillop"), QStringLiteral("Quillop")).sync();
    m_saveDir = std::make_unique<QTemporaryDir>();
}

QByteArray TestGetCommand::storeDigest() const
{
    QFile file(TestEnvironment::storeFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// %BASE% is the server's address, %HOST% the same without its scheme.
QString TestGetCommand::expand(QString word) const
{
    return word.replace(QLatin1String("%BASE%"), m_server.baseUrl())
        .replace(QLatin1String("%HOST%"), m_server.baseUrl().mid(7))
        .replace(QLatin1String("%SAVE%"), m_saveDir->path());
}

std::unique_ptr<QProcess> TestGetCommand::start(const QStringList &arguments)
{
    QStringList words{QStringLiteral("get"), QStringLiteral("--save-dir"), m_saveDir->path(),
                      QStringLiteral("--pause"), QStringLiteral("0")};
    const QString noReader = QStringLiteral("%NO-READER%"); // stdout's reader is gone
    for (QString word : arguments) {
        if (word != noReader)
            words << expand(word);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    if (arguments.contains(noReader)) {
        process->setChildProcessModifier([] {
            int ends[2];
            if (::pipe(ends) == 0) {
                ::close(ends[0]);
                ::dup2(ends[1], STDOUT_FILENO);
            }
        });
    }
    process->start(qEnvironmentVariable("QUILLOP_BINARY_DIR") + QStringLiteral("/quillop"), words);
    return process;
}

void TestGetCommand::runs_data()
{
    QTest::addColumn<QStringList>("existing"); // files in the save directory beforehand
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QStringList>("lines"); // outcomes with --json, line prefixes otherwise
    QTest::addColumn<QStringList>("told");  // lines standard error holds

    // clang-format off
    QTest::newRow("a range, all saved") << L({}) << L({"%BASE%/pic[01-03].jpg"}) << 0 << L({"pic01.jpg", "pic02.jpg", "pic03.jpg"}) << 3 << L({"", "", ""}) << L({});
    QTest::newRow("three words, a letter range") << L({}) << L({"%BASE%/pic", "A-B", ".jpg"}) << 0 << L({"picA.jpg", "picB.jpg"}) << 2 << L({"", ""}) << L({});
    QTest::newRow("a range cut by --max") << L({}) << L({"%BASE%/pic[01-03].jpg", "--max", "2"}) << 0 << L({"pic01.jpg", "pic02.jpg"}) << 2 << L({"", ""}) << L({});
    QTest::newRow("a plain address with --single") << L({}) << L({"%BASE%/pic02.jpg", "--single"}) << 0 << L({"pic02.jpg"}) << 1 << L({""}) << L({});
    QTest::newRow("the misses that end a series are no failure") << L({}) << L({"%BASE%/pic[02-07].jpg", "--stop-after-misses", "2"}) << 0 << L({"pic02.jpg", "pic03.jpg"}) << 4 << L({"", "", "", ""}) << L({});
    QTest::newRow("a refused proxy ends the run") << L({}) << L({"%BASE%/pic[01-03].jpg", "--proxy", "127.0.0.1:1", "--json"}) << 1 << L({}) << 0 << L({"failed"}) << L({});
    QTest::newRow("json, one object per attempt") << L({}) << L({"%BASE%/pic[03-04].jpg", "--json"}) << 1 << L({"pic03.jpg"}) << 2 << L({"saved", "not an image"}) << L({});
    QTest::newRow("dry run, a letter series up to Z") << L({}) << L({"%BASE%/pic", "Y", ".jpg", "--dry-run", "--json"}) << 0 << L({}) << 0 << L({"new", "new", ""}) << L({});
    QTest::newRow("dry run sends nothing, https:// put in front") << L({}) << L({"%HOST%/pic[01-02].jpg", "--dry-run"}) << 0 << L({}) << 0 << L({"https://%HOST%/pic01.jpg -> ", "https://%HOST%/pic02.jpg -> ", "end: the end of the range"}) << L({});
    QTest::newRow("stdout without a reader stops the run") << L({}) << L({"%BASE%/pic[01-03].jpg", "%NO-READER%"}) << 141 << L({"pic01.jpg"}) << 1 << L({}) << L({});
    QTest::newRow("dry run over an existing file") << L({"pic01.jpg"}) << L({"%BASE%/pic[01-02].jpg", "--dry-run", "--json", "--if-exists", "overwrite"}) << 0 << L({"pic01.jpg"}) << 0 << L({"overwrite", "new", ""}) << L({});
    QTest::newRow("a missing save folder is made") << L({}) << L({"%BASE%/pic[01-02].jpg", "--save-dir", "%SAVE%/g/h"}) << 0 << L({"g/h/pic01.jpg", "g/h/pic02.jpg"}) << 2 << L({"", ""}) << L({});
    QTest::newRow("a save folder that cannot be made") << L({"pic01.jpg"}) << L({"%BASE%/pic02.jpg", "--save-dir", "%SAVE%/pic01.jpg/g"}) << 2 << L({"pic01.jpg"}) << 0 << L({}) << L({});
    QTest::newRow("a stored prompt skips") << L({"pic01.jpg"}) << L({"%BASE%/pic[01-02].jpg", "--dry-run", "--json"}) << 0 << L({"pic01.jpg"}) << 0 << L({"skip: exists", "new", ""}) << L({});
    QTest::newRow("a wait the server asked for is told") << L({}) << L({"%BASE%/busy1.jpg", "--single"}) << 0 << L({"busy1.jpg"}) << 2 << L({""}) << L({"waiting 0 s: the server asked to slow down"});
    QTest::newRow("a retry is told") << L({}) << L({"%BASE%/flaky1.jpg", "--single", "--retries", "1"}) << 0 << L({"flaky1.jpg"}) << 2 << L({""}) << L({"trying flaky1.jpg again (HTTP 500), 2 of 2"});
    QTest::newRow("quiet still tells a failure") << L({}) << L({"%BASE%/pic[03-05].jpg", "--quiet", "--stop-after-misses", "0"}) << 1 << L({"pic03.jpg"}) << 3 << L({}) << L({"%BASE%/pic05.jpg---> failed"});
    QTest::newRow("a FIFO as the day's log is passed by") << L({"%LOG-FIFO%"}) << L({"%BASE%/pic01.jpg", "--single"}) << 0 << L({"pic01.jpg"}) << 1 << L({""}) << L({});
    QTest::newRow("a login in the address is shown as ***") << L({}) << L({"http://ann:S3CRET@%HOST%/pic01.jpg", "--single", "--json"}) << 0 << L({"pic01.jpg"}) << 1 << L({"saved"}) << L({});
    // clang-format on
    const QStringList usage[] = {
        L({"%BASE%/pic01.jpg", "--if-exists", "prompt"}),
        L({"%BASE%/pic01.jpg", "--pause", "soon"}),
        L({"%BASE%/pic[03-01].jpg"}),
        L({"%BASE%/pic[01-03].jpg", "--letters"}),
        L({"%BASE%/pic01.jpg", "--proxy", "host:99999"}),
        L({"%BASE%/pic01.jpg", "--no-such-option"}),
        L({"ftp://x.org/pic01.jpg"}),
        L({"%BASE%/pic", "01"}),
        // Brackets that look like a range but are none: refused, never fetched literally.
        L({"%BASE%/pic[A-9].jpg"}),
        L({"%BASE%/pic01.jpg", "--user-agent", "a\r\nX-Injected: 1"}),
        L({"%BASE%/pic01.jpg", "--proxy", "ann:S3CRET@host:99999"}),
    };
    for (const QStringList &arguments : usage)
        QTest::addRow("usage error: %s", qPrintable(arguments.join(u' ')))
            << L({}) << arguments << 2 << L({}) << 0 << L({}) << L({});
}

void TestGetCommand::runs()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, saved);
    QFETCH(int, requests);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, told);

    // Nobody reads the FIFO: a log that waited for a reader would never end the run.
    const QString logPath =
        m_logDir.filePath(QDate::currentDate().toString(u"yyyy-MM-dd") + QStringLiteral(".log"));
    if (existing.removeAll(QStringLiteral("%LOG-FIFO%")) > 0) {
        QFile::remove(logPath); // an earlier row's
        QVERIFY(::mkfifo(QFile::encodeName(logPath).constData(), 0600) == 0);
    }
    const auto removeFifo = qScopeGuard([&] {
        if (!QFileInfo(logPath).isFile())
            QFile::remove(logPath);
    });
    for (const QString &name : existing)
        QVERIFY(TestEnvironment::writeFile(m_saveDir->path() + QLatin1Char('/') + name));
    const QByteArray storeBefore = storeDigest();
    const int requestsBefore = m_server.requestCount();
    const auto process = start(arguments);
    QTRY_COMPARE_WITH_TIMEOUT(process->state(), QProcess::NotRunning, 30000);
    const QString err = QString::fromLocal8Bit(process->readAllStandardError());
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QVERIFY2(process->exitCode() == exitCode, qPrintable(err));
    QCOMPARE(m_server.requestCount() - requestsBefore, requests);
    QStringList files;
    const QDir top(m_saveDir->path());
    for (QDirIterator it(top.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << top.relativeFilePath(it.next());
    files.sort();
    QCOMPARE(files, saved);
    QCOMPARE(storeDigest(), storeBefore);
    if (exitCode != 2 && saved.value(0).contains(u'/'))
        QVERIFY2(err.startsWith(QStringLiteral("created the folder \"%1/").arg(top.path())),
                 qPrintable(err));

    const QByteArray output = process->readAllStandardOutput();
    const QStringList out = QString::fromLocal8Bit(output).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(out.size(), lines.size());
    const bool json = arguments.contains(QStringLiteral("--json"));
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (!json) {
            QVERIFY2(out[i].startsWith(expand(lines[i])), qPrintable(out[i]));
            continue;
        }
        const QJsonObject object = QJsonDocument::fromJson(out[i].toUtf8()).object();
        const QString kind = arguments.contains(QStringLiteral("--dry-run"))
                                 ? QStringLiteral("action")
                                 : QStringLiteral("outcome");
        if (!lines[i].isEmpty())
            QCOMPARE(object.value(kind).toString(), lines[i]);
        if (kind == QLatin1String("outcome"))
            QVERIFY(object.value(QStringLiteral("address")).toString().startsWith(u"http"));
    }
    // A password reaches no output and no log.
    QVERIFY2(!err.contains(QLatin1String("S3CRET")), qPrintable(err));
    QVERIFY2(!output.contains("S3CRET"), output.constData());
    QFile log(logPath);
    QVERIFY(!QFileInfo(logPath).isFile() ||
            (log.open(QIODevice::ReadOnly) && !log.readAll().contains("S3CRET")));
    for (const QString &line : told)
        QVERIFY2(err.contains(expand(line)), qPrintable(err));
    if (exitCode == 2)
        QVERIFY2(err.startsWith(QLatin1String("quillop get: ")), qPrintable(err));
    else if (!arguments.contains(QStringLiteral("--dry-run")) &&
             !arguments.contains(QStringLiteral("--quiet")))
        QVERIFY2(err.contains(QStringLiteral("downloading completed (%1 saved")
                                  .arg(saved.size() - existing.size())),
                 qPrintable(err));
}

void TestGetCommand::signalStopsTheRun()
{
    // Through the test server as the proxy, with a login in the command line.
    const auto process =
        start({m_server.baseUrl() + QStringLiteral("/slow1.jpg"), QStringLiteral("--single"),
               QStringLiteral("--proxy"), QStringLiteral("ann:S3CRET@%HOST%")});
    // The body has begun to arrive when its temporary file is there.
    const QDir save(m_saveDir->path());
    QTRY_VERIFY_WITH_TIMEOUT(!save.entryList(QDir::Files | QDir::Hidden).isEmpty(), 30000);
    // Every user may read the command line; the password is gone from it by now.
    QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(process->processId()));
    QVERIFY(commandLine.open(QIODevice::ReadOnly));
    const QByteArray words = commandLine.readAll();
    QVERIFY2(words.contains("ann:******@") && !words.contains("S3CRET"), words.constData());
    process->terminate();
    QTRY_COMPARE_WITH_TIMEOUT(process->state(), QProcess::NotRunning, 30000);
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 130);
    QCOMPARE(save.entryList(QDir::Files | QDir::Hidden), QStringList());
    const QString out = QString::fromLocal8Bit(process->readAllStandardOutput());
    QVERIFY2(out.contains(QLatin1String("slow1.jpg")) && out.contains(QLatin1String("cancelled")),
             qPrintable(out));
    QFile log(m_logDir.path() + QDir::separator() + QDate::currentDate().toString(u"yyyy-MM-dd") +
              QStringLiteral(".log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().contains("cancelled"));
}

QUILLOP_TEST_MAIN(TestGetCommand)
#include "tst_getcommand.moc"
