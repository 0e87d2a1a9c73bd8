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

// A run against a local server: pic<counter>.jpg, no pause, the save directory and the log
// in a temporary directory.
struct Rig
{
    Rig()
    {
        settings.isMultiple = settings.is_number_mode = settings.is_save = settings.is_log = true;
        settings.max_downloads = 100;
        settings.increment = 1;
        settings.if_exists = 2;
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
    void tenImagesInSequence();
    void waysOfEnding_data();
    void waysOfEnding();
    void stopDuringPauseDoesNotShortenIt();
    void pause();
};

void tst_DownloadRun::oneAttempt_data()
{
    QTest::addColumn<QString>("how"); // "refused", "cut" (the body), "full" (the disk) or ""
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
    QTest::newRow("image/jpeg") << "" << 200 << QByteArray("image/jpeg") << saved + layout << savedLine;
    QTest::newRow("IMAGE/GIF, minimized") << "" << 200 << QByteArray("IMAGE/GIF") << saved + tray + QStringLiteral("is_image") << savedLine;
    QTest::newRow("application/x-image") << "" << 200 << QByteArray("application/x-image") << saved + layout << savedLine;
    QTest::newRow("image type on a 404") << "" << 404 << QByteArray("image/png") << saved + layout << savedLine;
    QTest::newRow("picture that does not decode") << "" << 200 << QByteArray("image/jpeg") << saved + QStringLiteral("loadPlaceholder:|") + layout << savedLine;
    QTest::newRow("404 html page") << "" << 404 << QByteArray("text/html") << noImage + layout << "%u ---> not an image (text/html), did not save";
    QTest::newRow("html with charset, minimized") << "" << 200 << QByteArray("text/html; charset=iso-8859-1") << noImage + tray + QStringLiteral("no_image") << "%u ---> not an image (text/html; charset=iso-8859-1), did not save";
    QTest::newRow("no content type") << "" << 200 << QByteArray() << noImage + layout << "%u ---> not an image (no content type), did not save";
    QTest::newRow("connection refused, minimized") << "refused" << 200 << QByteArray("image/jpeg") << failed + tray + QStringLiteral("no_image") << "%u---> failed: %r";
    QTest::newRow("body cut short") << "cut" << 200 << QByteArray("image/jpeg") << failed + layout << "%u---> failed: %r";
    QTest::newRow("disk refuses the body") << "full" << 200 << QByteArray("image/jpeg") << QStringLiteral("setStatusText:could not save to %t: %r|loadPlaceholder:|") + layout << "%u---> could not save to  %t: %r";
    // clang-format on
}

// A run of one attempt: the window calls in order, the saved file and the log line. A failed
// attempt is a whole attempt all the same, and leaves nothing of its body behind.
void tst_DownloadRun::oneAttempt()
{
    QFETCH(QString, how);
    QFETCH(int, status);
    QFETCH(QByteArray, contentType);
    QFETCH(QString, shown);
    QFETCH(QString, logLine);
    Rig rig;
    rig.settings.max_downloads = 1;
    rig.window.minimized = shown.contains(QLatin1String("setTip"));
    // The placeholder right after the picture: the picture does not decode.
    rig.window.previewDecodes = !shown.contains(QLatin1String("loadPreview:%t|loadPlaceholder"));
    const QByteArray body = QByteArray("\x89PNG\r\n\x1a\n\0binary", 15) + QByteArray(200000, 'x');
    TestHttpServer::Response response = TestHttpServer::page(status, body, contentType);
    if (how == QLatin1String("cut"))
        response.behaviour = TestHttpServer::Behaviour::CutBody;
    rig.server.setDefaultResponse(response);
    if (how == QLatin1String("refused")) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        rig.window.url1 = QStringLiteral("http://127.0.0.1:%1/pic").arg(closed.serverPort());
    }
    const QString url = rig.window.url1 + QStringLiteral("01.jpg");
    // A file size limit makes the body's file refuse bytes the way a full disk does.
    struct rlimit old, limit;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    limit = old;
    if (how == QLatin1String("full"))
        limit.rlim_cur = 1000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    QSignalSpy fetched(&rig.transfer, &Transfer::finished);
    const bool ended = rig.runToEnd();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(ended && fetched.count() == 1);

    const QString reason = fetched.first().at(1).toString();
    const QString target = rig.dir.filePath(QStringLiteral("pic01.jpg"));
    QCOMPARE(reason.isEmpty(), how.isEmpty());
    QCOMPARE(rig.window.calls, expand(running + QStringLiteral("|setStatusText:Opening : %u|") +
                                          shown + QStringLiteral("|setUrl2Text:02|") + ending,
                                      url, target, reason));
    QCOMPARE(rig.logLines(), expand(logLine, url, target, reason));
    const bool isImage = shown.contains(QLatin1String("loadPreview"));
    QCOMPARE(rig.contents(QStringLiteral("pic01.jpg")), isImage ? body : "<missing>");
    // The log, the picture, nothing else.
    QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), isImage ? 2 : 1);
}

void tst_DownloadRun::tenImagesInSequence()
{
    Rig rig;
    rig.settings.max_downloads = 10;
    QStringList names, expected;
    for (int i = 1; i <= 10; ++i) {
        const QString name = QStringLiteral("pic%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        rig.server.setResponse(QLatin1Char('/') + name,
                               TestHttpServer::image(name.toLatin1() + '\xff'));
        expected << rig.window.url1 + name.mid(3) + QStringLiteral("---> saving to  ") +
                        rig.dir.filePath(name);
        names << name;
    }
    QVERIFY(rig.runToEnd());
    QCOMPARE(rig.server.requestCount(), 10);
    QCOMPARE(rig.window.url2, QStringLiteral("11"));
    QCOMPARE(rig.logLines(), expected);
    for (const QString &name : std::as_const(names))
        QCOMPARE(rig.contents(name), name.toLatin1() + '\xff');
}

void tst_DownloadRun::waysOfEnding_data()
{
    QTest::addColumn<QString>("way"); // what happens when the first request arrives
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<int>("maxDownloads");
    QTest::addColumn<QString>("startCounter"); // a single letter: character mode
    QTest::addColumn<bool>("exitIfOver");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("endCounter");
    QTest::addColumn<QString>("reason"); // shown after "downloading completed"
    // clang-format off
    QTest::newRow("limit of three") << "" << true << 3 << "01" << false << 3 << "04" << "";
    QTest::newRow("limit of zero: one attempt all the same") << "" << true << 0 << "01" << false << 1 << "02" << "";
    QTest::newRow("negative limit") << "" << true << -4 << "01" << false << 1 << "02" << "";
    QTest::newRow("single mode") << "" << false << 100 << "01" << false << 1 << "02" << "";
    QTest::newRow("letter end at Z") << "" << true << 100 << "Y" << false << 2 << "Z" << "";
    QTest::newRow("letter end at z") << "" << true << 100 << "y" << false << 2 << "z" << "";
    QTest::newRow("counter that cannot be stepped") << "" << true << 100 << "abc" << false << 1 << "abc" << " (the counter \"abc\" is not a number)";
    QTest::newRow("stop in a stalled fetch") << "stop" << true << 100 << "01" << false << 1 << "01" << "";
    QTest::newRow("close in a stalled fetch: counter advances once") << "close" << true << 100 << "01" << false << 1 << "02" << "";
    QTest::newRow("multiple run switched to single") << "flip" << true << 5 << "01" << false << 1 << "02" << "";
    QTest::newRow("single run switched to multiple") << "flip" << false << 5 << "01" << false << 5 << "06" << "";
    QTest::newRow("limit, then exit") << "" << true << 2 << "01" << true << 2 << "03" << "";
    QTest::newRow("stop, then exit") << "stop" << true << 100 << "01" << true << 1 << "01" << "";
    // clang-format on
}

void tst_DownloadRun::waysOfEnding()
{
    QFETCH(QString, way);
    QFETCH(bool, multiple);
    QFETCH(int, maxDownloads);
    QFETCH(QString, startCounter);
    QFETCH(bool, exitIfOver);
    QFETCH(int, requests);
    QFETCH(QString, endCounter);
    QFETCH(QString, reason);
    Rig rig;
    rig.settings.is_number_mode = startCounter.size() > 1 || !startCounter.at(0).isLetter();
    rig.settings.isMultiple = multiple;
    rig.settings.max_downloads = qint16(maxDownloads);
    rig.settings.exit_ifover = exitIfOver;
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
            else if (way == QLatin1String("flip")) // the menu switches the mode
                rig.settings.isMultiple = !multiple;
        },
        Qt::SingleShotConnection);
    QVERIFY(rig.runToEnd());

    QCOMPARE(rig.server.requestCount(), requests);
    QCOMPARE(rig.window.url2, endCounter);
    const QStringList log = rig.logLines();
    QCOMPARE(log.size(), requests);
    QCOMPARE(log.first().contains(QLatin1String("---> failed: ")), cancels);
    QStringList expected = expand(ending + reason, {}, {});
    if (exitIfOver)
        expected << QStringLiteral("closeWindow:");
    QCOMPARE(rig.window.calls.mid(rig.window.calls.size() - expected.size()), expected);
}

void tst_DownloadRun::stopDuringPauseDoesNotShortenIt()
{
    Rig rig;
    rig.settings.pause_time = 1;
    rig.run.pause().setUnitMs(100000);
    QSignalSpy finished(&rig.run, &DownloadRun::runFinished);
    rig.run.cmdGet_Click();
    QTRY_VERIFY_WITH_TIMEOUT(rig.run.pause().isWaiting(), 10000);
    rig.run.cmdStop_Click();
    // Whatever Stop set in motion has come through the event loop; the pause still waits.
    QCoreApplication::processEvents();
    QVERIFY(rig.run.isRunning() && rig.run.pause().isWaiting() && finished.isEmpty());
    // Shortened by the test alone, so that it does not wait the long pause out.
    rig.run.pause().setUnitMs(1);
    rig.run.pause().pauseFor(1);
    QVERIFY(finished.wait(10000));
    QCOMPARE(rig.server.requestCount(), 1);
    QCOMPARE(rig.logLines().size(), 1);
    QCOMPARE(rig.window.url2, QStringLiteral("01"));
    QCOMPARE(rig.window.status, QStringLiteral("downloading completed"));
}

// elapsed() comes once, and never from inside pauseFor(), whatever the count: the caller
// is still setting up. Arming again while waiting moves the due time; a dropped pause
// stops waiting.
void tst_DownloadRun::pause()
{
    Pause pause;
    pause.setUnitMs(1);
    QSignalSpy spy(&pause, &Pause::elapsed);
    for (const int count : {2, 0, -3, 100000}) {
        pause.pauseFor(count);
        QCOMPARE(spy.count(), 0);
        if (count == 100000) // far off: only arming it anew can end it in time
            QTimer::singleShot(0, &pause, [&] { pause.pauseFor(1); });
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.count(), 1);
        spy.clear();
    }
    pause.pauseFor(0);
    pause.abandon();
    QVERIFY(!pause.isWaiting());
}

QUILLOP_TEST_MAIN(tst_DownloadRun)
#include "tst_downloadrun.moc"
