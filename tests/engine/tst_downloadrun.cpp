#include "DownloadRun.h"
#include "Pause.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "Transfer.h"

#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

namespace {

// Window calls, "operation:argument" joined by "|".
const QString running = QStringLiteral("setGetEnabled:false|setStopEnabled:true|"
                                       "setStartMenuEnabled:false|setStopMenuEnabled:true|"
                                       "setStatePicture:off|setTrayRecordIcon:off");
// However a run ends, it says so the same way.
const QString ending = QStringLiteral("setGetEnabled:true|setStopEnabled:false|"
                                      "setStartMenuEnabled:true|setStopMenuEnabled:false|"
                                      "setStatePicture:on|setTrayRecordIcon:on|"
                                      "setTip:current file : None|setIcon:stopped|"
                                      "setStatusText:downloading completed");

// text with %u, %t and %r replaced by the address, the target and the reason, split at "|".
QStringList expand(QString text, const QString &url, const QString &target,
                   const QString &reason = QString())
{
    return text.replace(QStringLiteral("%u"), url)
        .replace(QStringLiteral("%t"), target)
        .replace(QStringLiteral("%r"), reason)
        .split(QLatin1Char('|'));
}

// A run of one attempt against a local server: pic<counter>.jpg, no pause, the save directory
// and the log in a temporary directory.
struct Rig
{
    Rig()
    {
        settings.isMultiple = settings.is_number_mode = settings.is_save = settings.is_log = true;
        settings.increment = 1;
        settings.save_dir = dir.path();
        settings.log_file_path = dir.filePath(QStringLiteral("today.log"));
        server.listen();
        server.setDefaultResponse(TestHttpServer::image("picture"));
        window.url1 = server.baseUrl() + QStringLiteral("/pic");
        window.url3 = QStringLiteral(".jpg");
    }
    QByteArray contents(const QString &name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList logLines() const
    {
        return QString::fromUtf8(contents(QStringLiteral("today.log")))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    bool runToEnd()
    {
        QSignalSpy finished(&run, &DownloadRun::runFinished);
        run.cmdGet_Click();
        run.cmdGet_Click(); // Get again while running is ignored
        return finished.count() == 1 || finished.wait(20000);
    }

    QTemporaryDir dir;
    RunSettings settings;
    RecordingWindow window;
    Transfer transfer;
    DownloadRun run{settings, window, transfer};
    TestHttpServer server;
};

} // namespace

class tst_DownloadRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneAttempt_data();
    void oneAttempt();
    void waysOfEnding_data();
    void waysOfEnding();
    void pause();
};

void tst_DownloadRun::oneAttempt_data()
{
    QTest::addColumn<QString>("failure"); // how the fetch's failure starts, "" when it did not fail
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("shown"); // the calls between "Opening" and the next counter
    QTest::addColumn<QString>("logLine");
    const QString opened = QStringLiteral("setStatusText:Opened  : %u|");
    const QString saved = opened + QStringLiteral("setStatusText:%t|loadPreview:%t|");
    const QString noImage = opened + QStringLiteral("loadPlaceholder:|");
    const QString failed = QStringLiteral("setStatusText:Failed   : %u (%r)|loadPlaceholder:|");
    const QString layout =
        QStringLiteral("setPreviewVisible:false|arrangeControls:|setPreviewVisible:true");
    // The window is minimized: the tray shows the attempt instead.
    const QString tray = QStringLiteral("setTip:current file : pic01.jpg|setIcon:");
    const QString savedLine = QStringLiteral("%u---> saving to  %t");
    // clang-format off
    QTest::newRow("IMAGE/GIF, minimized") << "" << 200 << QByteArray("IMAGE/GIF") << saved + tray + QStringLiteral("is_image") << savedLine;
    QTest::newRow("application/x-image on a 404") << "" << 404 << QByteArray("application/x-image") << saved + layout << savedLine;
    QTest::newRow("picture that does not decode") << "" << 200 << QByteArray("image/jpeg") << saved + QStringLiteral("loadPlaceholder:|") + layout << savedLine;
    QTest::newRow("404 html page with a charset, minimized") << "" << 404 << QByteArray("text/html; charset=iso-8859-1") << noImage + tray + QStringLiteral("no_image") << "%u ---> not an image (text/html; charset=iso-8859-1), did not save";
    QTest::newRow("no content type") << "" << 200 << QByteArray() << noImage + layout << "%u ---> not an image (no content type), did not save";
    QTest::newRow("connection refused, minimized") << "connection refused" << 200 << QByteArray("image/jpeg") << failed + tray + QStringLiteral("no_image") << "%u---> failed: %r";
    QTest::newRow("disk refuses the body") << "could not write: " << 200 << QByteArray("image/jpeg") << QStringLiteral("setStatusText:could not save to %t: %r|loadPlaceholder:|") + layout << "%u---> could not save to  %t: %r";
    // clang-format on
}

// A run of one attempt: the window calls in order, the saved file and the log line. A failed
// attempt is a whole attempt all the same, and leaves nothing of its body behind.
void tst_DownloadRun::oneAttempt()
{
    QFETCH(QString, failure);
    QFETCH(int, status);
    QFETCH(QByteArray, contentType);
    QFETCH(QString, shown);
    QFETCH(QString, logLine);
    Rig rig;
    rig.window.minimized = shown.contains(QLatin1String("setTip"));
    // The placeholder right after the picture: the picture does not decode.
    rig.window.previewDecodes = !shown.contains(QLatin1String("loadPreview:%t|loadPlaceholder"));
    const QByteArray body = QByteArray("\x89PNG\r\n\x1a\n\0binary", 15) + QByteArray(200000, 'x');
    rig.server.setDefaultResponse(TestHttpServer::page(status, body, contentType));
    if (failure == QLatin1String("connection refused")) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        rig.window.url1 = QStringLiteral("http://127.0.0.1:%1/pic").arg(closed.serverPort());
    }
    const QString url = rig.window.url1 + QStringLiteral("01.jpg");
    // A file size limit makes the body's file refuse bytes the way a full disk does.
    struct rlimit old, limit;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    limit = old;
    if (failure.startsWith(QLatin1String("could not write")))
        limit.rlim_cur = 1000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    QSignalSpy fetched(&rig.transfer, &Transfer::finished);
    const bool ended = rig.runToEnd();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(ended && fetched.count() == 1);
    const QString reason = fetched.first().at(1).toString(); // the system's words after the prefix
    QVERIFY2(failure.isEmpty() ? reason.isEmpty() : reason.startsWith(failure), qPrintable(reason));

    const QString target = rig.dir.filePath(QStringLiteral("pic01.jpg"));
    QCOMPARE(rig.window.calls, expand(running + QStringLiteral("|setStatusText:Opening : %u|") +
                                          shown + QStringLiteral("|setUrl2Text:02|") + ending,
                                      url, target, reason));
    QCOMPARE(rig.logLines(), expand(logLine, url, target, reason));
    const bool isImage = shown.contains(QLatin1String("loadPreview"));
    QCOMPARE(rig.contents(QStringLiteral("pic01.jpg")), isImage ? body : "<missing>");
    // The log, the picture, nothing else.
    QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), isImage ? 2 : 1);
}

void tst_DownloadRun::waysOfEnding_data()
{
    // What happens during the first attempt; "single" and "to multiple" start in single mode.
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("maxDownloads");
    QTest::addColumn<QString>("startCounter"); // a single letter: character mode
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("endCounter");
    QTest::addColumn<QString>("reason"); // shown after "downloading completed"
    // clang-format off
    QTest::newRow("limit of three") << "" << 3 << "01" << 3 << "04" << "";
    QTest::newRow("limit of zero: one attempt all the same") << "" << 0 << "01" << 1 << "02" << "";
    QTest::newRow("single mode") << "single" << 100 << "01" << 1 << "02" << "";
    QTest::newRow("letter end at Z") << "" << 100 << "Y" << 2 << "Z" << "";
    QTest::newRow("counter that cannot be stepped") << "" << 100 << "abc" << 1 << "abc" << " (the counter \"abc\" is not a number)";
    QTest::newRow("stop in a stalled fetch") << "stop" << 100 << "01" << 1 << "01" << "";
    QTest::newRow("close in a stalled fetch: counter advances once") << "close" << 100 << "01" << 1 << "02" << "";
    QTest::newRow("multiple run switched to single") << "to single" << 5 << "01" << 1 << "02" << "";
    QTest::newRow("single run switched to multiple") << "to multiple" << 5 << "01" << 5 << "06" << "";
    QTest::newRow("stop in the pause: the pause runs on") << "pause" << 100 << "01" << 1 << "01" << "";
    QTest::newRow("limit, then exit") << "exit" << 2 << "01" << 2 << "03" << "";
    // clang-format on
}

void tst_DownloadRun::waysOfEnding()
{
    QFETCH(QString, way);
    QFETCH(int, maxDownloads);
    QFETCH(QString, startCounter);
    QFETCH(int, requests);
    QFETCH(QString, endCounter);
    QFETCH(QString, reason);
    Rig rig;
    rig.settings.is_number_mode = startCounter.size() > 1 || !startCounter.at(0).isLetter();
    rig.settings.isMultiple = way != QLatin1String("single") && way != QLatin1String("to multiple");
    rig.settings.max_downloads = qint16(maxDownloads);
    rig.settings.exit_ifover = way == QLatin1String("exit");
    rig.window.url2 = startCounter;
    const bool cancels = way == QLatin1String("stop") || way == QLatin1String("close");
    if (cancels) { // the server never answers: only the cancel can end the fetch
        TestHttpServer::Response stalled = TestHttpServer::image("never sent");
        stalled.behaviour = TestHttpServer::Behaviour::Stall;
        rig.server.setDefaultResponse(stalled);
    }
    QObject::connect(
        &rig.server, &TestHttpServer::requestReceived, &rig.run,
        [&] {
            if (way == QLatin1String("stop"))
                rig.run.cmdStop_Click();
            else if (way == QLatin1String("close"))
                rig.run.closeDuringRun();
            else if (way.startsWith(QLatin1String("to "))) // the menu switches the mode
                rig.settings.isMultiple = way == QLatin1String("to multiple");
        },
        Qt::SingleShotConnection);
    if (way == QLatin1String("pause")) { // Stop comes once the attempt waits in its pause
        rig.settings.pause_time = 1;
        rig.run.pause().setUnitMs(100000);
        QObject::connect(&rig.transfer, &Transfer::finished, &rig.run, [&] {
            rig.run.cmdStop_Click();
            QTimer::singleShot(0, &rig.run, [&] {
                QVERIFY(rig.run.pause().isWaiting());
                rig.run.pause().setUnitMs(1); // by the test alone: no waiting the pause out
                rig.run.pause().pauseFor(1);
            });
        });
    }
    QVERIFY(rig.runToEnd());

    QCOMPARE(rig.window.url2, endCounter);
    // Each attempt fetches the counter shown when it starts and keeps its own picture.
    const QStringList paths = rig.server.requestedPaths(), log = rig.logLines();
    const QStringList counters =
        QStringList{startCounter} + rig.window.callsOf(QStringLiteral("setUrl2Text"));
    QVERIFY(paths.size() == requests && log.size() == requests);
    for (int i = 0; i < requests; ++i) {
        const QString name = QStringLiteral("pic") + counters.at(i) + QStringLiteral(".jpg");
        const QString url = rig.server.baseUrl() + QLatin1Char('/') + name;
        QCOMPARE(paths.at(i), QLatin1Char('/') + name);
        QCOMPARE(log.at(i),
                 cancels ? url + QStringLiteral("---> failed: cancelled")
                         : url + QStringLiteral("---> saving to  ") + rig.dir.filePath(name));
        QCOMPARE(rig.contents(name), cancels ? "<missing>" : "picture");
    }
    QStringList expected = expand(ending + reason, {}, {});
    if (rig.settings.exit_ifover)
        expected << QStringLiteral("closeWindow:");
    QCOMPARE(rig.window.calls.mid(rig.window.calls.size() - expected.size()), expected);
}

// elapsed() never comes from inside pauseFor(), not even for a count below 1: the caller is
// still setting up. A dropped pause stops waiting. (Arming anew while waiting moves the due
// time: the stop in the pause above ends that way.)
void tst_DownloadRun::pause()
{
    Pause pause;
    QSignalSpy spy(&pause, &Pause::elapsed);
    pause.pauseFor(-3);
    QVERIFY(spy.isEmpty() && spy.wait(5000));
    pause.pauseFor(1);
    pause.abandon();
    QVERIFY(!pause.isWaiting());
}

QUILLOP_TEST_MAIN(tst_DownloadRun)
#include "tst_downloadrun.moc"
