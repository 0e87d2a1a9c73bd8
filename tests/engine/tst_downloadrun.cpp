#include "Countdown.h"
#include "DownloadAttempt.h"
#include "DownloadRun.h"
#include "Pause.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "Transfer.h"

#include <QDir>
#include <QHash>
#include <QLocale>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
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
                                      "setStatusText:downloading completed ");

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
        settings.retries = 2;
        run.attempt().countdown().setUnitMs(1);
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
        if (!QFile::exists(dir.filePath(QStringLiteral("today.log"))))
            return {};
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

// A response by its short name: "img" a picture, "html" a page, "cut" a picture cut short,
// "reset" a closed connection, a status ("404" typed as an image), a status with the seconds
// of its Retry-After ("429:2"), or with Retry-After as a date that many seconds after
// clockNow ("503:date7").
const QDateTime clockNow(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
TestHttpServer::Response response(const QString &name)
{
    static const QHash<int, QByteArray> phrases = {
        {204, "No Content"},        {304, "Not Modified"},          {404, "Not Found"},
        {429, "Too Many Requests"}, {500, "Internal Server Error"}, {501, "Not Implemented"},
        {502, "Bad Gateway"},       {503, "Service Unavailable"}};
    if (name == QLatin1String("img"))
        return TestHttpServer::image("picture");
    if (name == QLatin1String("html"))
        return TestHttpServer::page(200, "<html></html>");
    TestHttpServer::Response r = TestHttpServer::image("picture");
    if (name == QLatin1String("cut") || name == QLatin1String("reset")) {
        r.behaviour = name == QLatin1String("cut") ? TestHttpServer::Behaviour::CutBody
                                                   : TestHttpServer::Behaviour::Reset;
        return r;
    }
    const QStringList parts = name.split(QLatin1Char(':'));
    r.status = parts.first().toInt();
    r.reasonPhrase = phrases.value(r.status);
    if (parts.size() > 1) {
        const QString wait = parts.at(1);
        r.headers.append(
            {"Retry-After", wait.startsWith(QLatin1String("date"))
                                ? QLocale::c()
                                      .toString(clockNow.addSecs(wait.mid(4).toInt()),
                                                QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"))
                                      .toLatin1()
                                : wait.toLatin1()});
    }
    return r;
}

} // namespace

class tst_DownloadRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneAttempt_data();
    void oneAttempt();
    void waysOfEnding_data();
    void waysOfEnding();
    void serverAsks_data();
    void serverAsks();
    void series_data();
    void series();
};

void tst_DownloadRun::oneAttempt_data()
{
    QTest::addColumn<QString>("failure"); // how the fetch's failure starts, "" when it did not fail
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("shown"); // the calls between "Opening" and the next counter
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<QString>("summary");
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
    QTest::newRow("IMAGE/GIF, minimized") << "" << 200 << QByteArray("IMAGE/GIF") << saved + tray + QStringLiteral("is_image") << savedLine << "(1 saved)";
    QTest::newRow("image-typed 404 is not saved") << "HTTP 404 Not Found" << 404 << QByteArray("image/jpeg") << failed + layout << "%u---> failed: %r" << "(0 saved, 1 failed)";
    QTest::newRow("picture that does not decode") << "" << 200 << QByteArray("image/jpeg") << saved + QStringLiteral("loadPlaceholder:|") + layout << savedLine << "(1 saved)";
    QTest::newRow("404 html page, minimized") << "HTTP 404 Not Found" << 404 << QByteArray("text/html; charset=iso-8859-1") << failed + tray + QStringLiteral("no_image") << "%u---> failed: %r" << "(0 saved, 1 failed)";
    QTest::newRow("no content type") << "" << 200 << QByteArray() << noImage + layout << "%u ---> not an image (no content type), did not save" << "(0 saved, 1 not images)";
    QTest::newRow("text/html") << "" << 200 << QByteArray("text/html; charset=iso-8859-1") << noImage + layout << "%u ---> not an image (text/html; charset=iso-8859-1), did not save" << "(0 saved, 1 not images)";
    QTest::newRow("connection refused, minimized") << "connection refused" << 200 << QByteArray("image/jpeg") << failed + tray + QStringLiteral("no_image") << "%u---> failed: %r" << "(0 saved, 1 failed)";
    QTest::newRow("disk refuses the body") << "could not write: " << 200 << QByteArray("image/jpeg") << QStringLiteral("setStatusText:could not save to %t: %r|loadPlaceholder:|") + layout << "%u---> could not save to  %t: %r" << "(0 saved, 1 failed)";
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
    QFETCH(QString, summary);
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
    // The system's words after the prefix; an HTTP error arrives as a whole response.
    const bool httpError = failure.startsWith(QLatin1String("HTTP"));
    const QString reason = httpError ? failure : fetched.first().at(1).toString();
    QVERIFY2(failure.isEmpty() ? reason.isEmpty() : reason.startsWith(failure), qPrintable(reason));

    const QString target = rig.dir.filePath(QStringLiteral("pic01.jpg"));
    QCOMPARE(rig.window.calls,
             expand(running + QStringLiteral("|setStatusText:Opening : %u|") + shown +
                        QStringLiteral("|setUrl2Text:02|") + ending + summary,
                    url, target, reason));
    QCOMPARE(rig.window.runEnds.size(), 1);
    QCOMPARE(rig.window.runEnds.first().second, QStringLiteral("downloading completed ") + summary);
    QCOMPARE(rig.window.runProgress, (QList<QPair<qint64, qint64>>{{1, 1}}));
    QCOMPARE(rig.window.reports.size(), 1);
    QCOMPARE(rig.window.reports.first().logText, rig.logLines().value(0));
    // Bytes as they arrive, for a body that arrived; then no file is arriving.
    const QList<QPair<qint64, qint64>> bytes = rig.window.fileProgress;
    QCOMPARE(bytes.value(bytes.size() - 1), (QPair<qint64, qint64>{-1, -1}));
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        QVERIFY(bytes.at(i).first <= body.size() && bytes.at(i).second <= body.size());
    if (failure.isEmpty())
        QVERIFY(std::any_of(bytes.begin(), bytes.end(),
                            [&](const auto &b) { return b.second == body.size(); }));
    QCOMPARE(rig.logLines(), expand(logLine, url, target, reason));
    const bool isImage = shown.contains(QLatin1String("loadPreview"));
    QCOMPARE(rig.contents(QStringLiteral("pic01.jpg")), isImage ? body : "<missing>");
    // The log, the picture, nothing else.
    QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), isImage ? 2 : 1);
}

void tst_DownloadRun::waysOfEnding_data()
{
    // What happens during the first attempt; "single" and "to multiple" start in single mode,
    // "letters" in character mode, "down" steps by -1.
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("maxDownloads");
    QTest::addColumn<QString>("startCounter"); // a single letter: character mode
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("planned");
    QTest::addColumn<QString>("endCounter");
    QTest::addColumn<QString>("summary"); // after "downloading completed "
    // clang-format off
    QTest::newRow("limit of three") << "" << 3 << "01" << 3 << 3 << "04" << "(3 saved)";
    QTest::newRow("limit of zero: one attempt all the same") << "" << 0 << "01" << 1 << 1 << "02" << "(1 saved)";
    QTest::newRow("single mode") << "single" << 100 << "01" << 1 << 1 << "02" << "(1 saved)";
    QTest::newRow("letter end at Z") << "" << 100 << "Y" << 2 << 100 << "Z" << "(2 saved)";
    QTest::newRow("counter that cannot be stepped") << "" << 100 << "abc" << 1 << 100 << "abc" << "(1 saved; the counter \"abc\" is not a number)";
    QTest::newRow("single mode: an unsteppable counter is no reason") << "single" << 100 << "abc" << 1 << 1 << "abc" << "(1 saved)";
    QTest::newRow("stop in a stalled fetch") << "stop" << 100 << "01" << 1 << 100 << "01" << "(0 saved, 1 failed)";
    QTest::newRow("close in a stalled fetch: counter advances once") << "close" << 100 << "01" << 1 << 100 << "02" << "(0 saved, 1 failed)";
    QTest::newRow("multiple run switched to single") << "to single" << 5 << "01" << 1 << 5 << "02" << "(1 saved)";
    QTest::newRow("limit lowered during the run") << "lower" << 5 << "01" << 1 << 5 << "02" << "(1 saved)";
    QTest::newRow("single run switched to multiple") << "to multiple" << 5 << "01" << 5 << 1 << "06" << "(5 saved)";
    QTest::newRow("stop in the pause: the pause runs on") << "pause" << 100 << "01" << 1 << 100 << "01" << "(1 saved)";
    QTest::newRow("limit, then exit") << "exit" << 2 << "01" << 2 << 2 << "03" << "(2 saved)";
    QTest::newRow("range 01-05") << "" << 100 << "01-05" << 5 << 5 << "06" << "(5 saved)";
    QTest::newRow("range cut by the limit") << "" << 3 << "7-12" << 3 << 3 << "10" << "(3 saved)";
    QTest::newRow("range counting down") << "down" << 100 << "03-01" << 3 << 3 << "00" << "(3 saved)";
    QTest::newRow("range of letters") << "letters" << 100 << "A-C" << 3 << 3 << "D" << "(3 saved)";
    QTest::newRow("range counting up the wrong way") << "" << 100 << "20-01" << 0 << 0 << "20-01" << "(0 saved; the range \"20-01\" cannot be reached with increment 1)";
    QTest::newRow("brackets that are no range") << "" << 100 << "[0x1-0x5]" << 0 << 0 << "[0x1-0x5]" << "(0 saved; the range \"[0x1-0x5]\" is neither two numbers nor two letters, as in [01-20] or [A-F])";
    // clang-format on
}

void tst_DownloadRun::waysOfEnding()
{
    QFETCH(QString, way);
    QFETCH(int, maxDownloads);
    QFETCH(QString, startCounter);
    QFETCH(int, requests);
    QFETCH(int, planned);
    QFETCH(QString, endCounter);
    QFETCH(QString, summary);
    Rig rig;
    rig.settings.is_number_mode = way != QLatin1String("letters") &&
                                  (startCounter.size() > 1 || !startCounter.at(0).isLetter());
    rig.settings.increment = way == QLatin1String("down") ? -1 : 1;
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
            else if (way == QLatin1String("lower")) // the options dialog stores a lower limit
                rig.settings.max_downloads = 1;
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
    QStringList counters =
        QStringList{startCounter} + rig.window.callsOf(QStringLiteral("setUrl2Text"));
    if (startCounter.indexOf(QLatin1Char('-'), 1) > 0) // a range: the run begins at FROM
        counters.removeFirst();
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
    QCOMPARE(rig.window.runProgress.size(), requests);
    for (int i = 0; i < requests; ++i) // planned as the settings say at each attempt
        QCOMPARE(rig.window.runProgress.at(i).first, i + 1);
    QCOMPARE(rig.window.runProgress.value(0, {0, 0}).second, planned);
    QStringList expected = expand(ending + summary, {}, {});
    if (rig.settings.exit_ifover)
        expected << QStringLiteral("closeWindow:");
    QCOMPARE(rig.window.calls.mid(rig.window.calls.size() - expected.size()), expected);
}

void tst_DownloadRun::serverAsks_data()
{
    QTest::addColumn<QString>("responses"); // for pic01.jpg in turn; "stop": Stop in the wait
    QTest::addColumn<int>("retries");
    QTest::addColumn<QString>("waits"); // seconds each wait the server asked for begins with
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("log"); // after the address
    QTest::addColumn<QString>("summary");
    const QString saved = QStringLiteral("---> saving to  %t");
    // clang-format off
    QTest::newRow("429 with Retry-After in seconds") << "429:2,img" << 2 << "2" << 2 << saved << "(1 saved)";
    QTest::newRow("429 without: 10, 30, 60 s, then a miss") << "429,429,429,429" << 2 << "10,30,60" << 4 << "---> failed: HTTP 429 Too Many Requests" << "(0 saved, 1 failed)";
    QTest::newRow("503 with Retry-After as a date") << "503:date7,img" << 2 << "7" << 2 << saved << "(1 saved)";
    QTest::newRow("Retry-After a date gone by: a second") << "429:date-5,img" << 2 << "1" << 2 << saved << "(1 saved)";
    QTest::newRow("Retry-After that is no wait") << "429:soon,img" << 2 << "10" << 2 << saved << "(1 saved)";
    QTest::newRow("503 without Retry-After is tried again") << "503,img" << 2 << "" << 2 << saved << "(1 saved)";
    QTest::newRow("5xx three times") << "500,502,500,img" << 2 << "" << 3 << "---> failed: HTTP 500 Internal Server Error (tried 3 times)" << "(0 saved, 1 failed)";
    QTest::newRow("body cut short, then whole") << "cut,img" << 2 << "" << 2 << saved << "(1 saved)";
    QTest::newRow("retries off") << "cut,img" << 0 << "" << 1 << "---> failed: %r" << "(0 saved, 1 failed)";
    QTest::newRow("501 is not tried again") << "501,img" << 2 << "" << 1 << "---> failed: HTTP 501 Not Implemented" << "(0 saved, 1 failed)";
    QTest::newRow("Stop in the wait") << "429:100,stop,img" << 2 << "100" << 1 << "---> failed: cancelled" << "(0 saved, 1 failed)";
    // No body, whatever the type says: nothing to save (curl's tests 334 and 249).
    QTest::newRow("204 typed as a picture") << "204" << 2 << "" << 1 << "---> failed: empty response (HTTP 204 No Content)" << "(0 saved, 1 failed)";
    QTest::newRow("304 typed as a picture") << "304" << 2 << "" << 1 << "---> failed: empty response (HTTP 304 Not Modified)" << "(0 saved, 1 failed)";
    // clang-format on
}

// Waits and retries happen within one attempt: the same address again, no new attempt.
void tst_DownloadRun::serverAsks()
{
    QFETCH(QString, responses);
    QFETCH(int, retries);
    QFETCH(QString, waits);
    QFETCH(int, requests);
    QFETCH(QString, log);
    QFETCH(QString, summary);
    Rig rig;
    rig.settings.retries = qint16(retries);
    rig.run.attempt().setClock([] { return clockNow; });
    for (const QString &name : responses.split(QLatin1Char(','))) {
        if (name != QLatin1String("stop"))
            rig.server.queueResponse(QStringLiteral("/pic01.jpg"), response(name));
    }
    if (responses.contains(QLatin1String("stop"))) { // no end of the wait but Stop
        rig.run.attempt().countdown().setUnitMs(100000);
        QObject::connect(
            &rig.run.attempt().countdown(), &Countdown::tick, &rig.run,
            [&] { rig.run.cmdStop_Click(); }, Qt::SingleShotConnection);
    }
    QSignalSpy fetched(&rig.transfer, &Transfer::finished);
    QVERIFY(rig.runToEnd());

    QCOMPARE(rig.server.requestCount(), requests);
    const QString url = rig.window.url1 + QStringLiteral("01.jpg");
    const QString reason = fetched.last().at(1).toString();
    QCOMPARE(rig.logLines(),
             expand(url + log, {}, rig.dir.filePath(QStringLiteral("pic01.jpg")), reason));
    QStringList shown;
    for (const QString &w : waits.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        for (int left = w.toInt();
             left > 0 && !(responses.contains(QLatin1String("stop")) && left < w.toInt()); --left)
            shown << QStringLiteral("Waiting : %1 s, the server asked to slow down").arg(left);
    }
    QCOMPARE(rig.window.callsOf(QStringLiteral("setStatusText")).filter(QStringLiteral("Waiting")),
             shown);
    QCOMPARE(rig.window.runProgress, (QList<QPair<qint64, qint64>>{{1, 1}}));
    QCOMPARE(rig.window.reports.value(0).tries, requests);
    QCOMPARE(rig.window.status, QStringLiteral("downloading completed ") + summary);
}

void tst_DownloadRun::series_data()
{
    QTest::addColumn<QString>("responses"); // for pic01.jpg, pic02.jpg, ...
    QTest::addColumn<int>("ifExists");      // 0: no pic01.jpg beforehand
    QTest::addColumn<QString>("answer");    // at the prompt; "-" Cancel
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("summary");
    // clang-format off
    QTest::newRow("a miss of each kind") << "img,404,html,reset,img" << 0 << "" << 3 << 4 << "(1 saved, 1 not images, 2 failed; 3 misses in a row)";
    QTest::newRow("a hit resets the count") << "404,img,404,img,404,404,img" << 0 << "" << 2 << 6 << "(2 saved, 4 failed; 2 misses in a row)";
    QTest::newRow("one miss") << "img,500" << 0 << "" << 1 << 2 << "(1 saved, 1 failed; 1 miss in a row)";
    QTest::newRow("no end after misses") << "404,404,404" << 0 << "" << 0 << 3 << "(0 saved, 3 failed)";
    QTest::newRow("skip: no request, and no miss") << "404,404,404" << 1 << "" << 2 << 2 << "(0 saved, 1 skipped, 2 failed; 2 misses in a row)";
    QTest::newRow("prompt cancelled: no request") << "img" << 3 << "-" << 0 << 0 << "(0 saved, 1 skipped)";
    QTest::newRow("prompt answered: fetched under the new name") << "img" << 3 << "new" << 0 << 1 << "(1 saved)";
    QTest::newRow("overwrite fetches") << "img" << 2 << "" << 0 << 1 << "(1 saved)";
    // clang-format on
}

// The end of a series after N misses in a row, and names already taken settled before the
// request where the policy allows it.
void tst_DownloadRun::series()
{
    QFETCH(QString, responses);
    QFETCH(int, ifExists);
    QFETCH(QString, answer);
    QFETCH(int, stopAfter);
    QFETCH(int, requests);
    QFETCH(QString, summary);
    Rig rig;
    rig.settings.retries = 0;
    rig.settings.stop_after_misses = qint16(stopAfter);
    const QStringList names = responses.split(QLatin1Char(','));
    rig.settings.max_downloads = qint16(names.size());
    for (int i = 0; i < names.size(); ++i)
        rig.server.setResponse(QStringLiteral("/pic%1.jpg").arg(i + 1, 2, 10, QLatin1Char('0')),
                               response(names.at(i)));
    const QString old = rig.dir.filePath(QStringLiteral("pic01.jpg"));
    if (ifExists != 0) {
        rig.settings.if_exists = static_cast<IfExistsPolicy>(ifExists);
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        if (!answer.isEmpty())
            rig.window.promptAnswers.append(answer == QLatin1String("-") ? std::optional<QString>()
                                                                         : answer);
    }
    QVERIFY(rig.runToEnd());
    QCOMPARE(rig.server.requestCount(), requests);
    QCOMPARE(rig.window.status, QStringLiteral("downloading completed ") + summary);
    const RunCounts counts = rig.window.runEnds.value(0).first;
    QCOMPARE(counts.saved + counts.skipped + counts.notImages + counts.failed,
             int(rig.window.reports.size()));
    if (ifExists != 0) { // the file there is shown, or the one saved under the new name
        const QString shown =
            answer.size() > 1 ? rig.dir.filePath(answer + QStringLiteral(".jpg")) : old;
        QCOMPARE(rig.window.callsOf(QStringLiteral("loadPreview")).value(0), shown);
        QCOMPARE(rig.contents(QStringLiteral("pic01.jpg")), ifExists == 2 ? "picture" : "old");
        QCOMPARE(rig.window.prompts.size(), ifExists == 3 ? 1 : 0);
    }
}

QUILLOP_TEST_MAIN(tst_DownloadRun)
#include "tst_downloadrun.moc"
