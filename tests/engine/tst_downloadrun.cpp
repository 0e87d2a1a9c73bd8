#include "Countdown.h"
#include "DownloadAttempt.h"
#include "DownloadRun.h"
#include "Pause.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "ShownTexts.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "Transfer.h"

#include <QDir>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
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
                                      "setStatePicture:on|setTrayRecordIcon:on|setTip:%1|"
                                      "setIcon:stopped|setStatusText:")
                           .arg(ShownTexts::idleTrayTip());

// The window call that shows text in the status bar.
QString shows(const QString &text)
{
    return QStringLiteral("setStatusText:") + text + QLatin1Char('|');
}

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
        server.setDefaultResponse(TestHttpServer::picture());
        window.url1 = server.baseUrl() + QStringLiteral("/pic");
        window.url3 = QStringLiteral(".jpg");
    }
    QByteArray contents(const QString &name) const
    {
        return TestEnvironment::contents(dir.filePath(name));
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
        return TestHttpServer::picture();
    if (name == QLatin1String("html"))
        return TestHttpServer::page(200, "<html></html>");
    if (name.startsWith(QLatin1String("held:"))) { // answered when the test says so
        TestHttpServer::Response r = response(name.mid(5));
        r.behaviour = TestHttpServer::Behaviour::Held;
        return r;
    }
    if (name == QLatin1String("stall")) {
        TestHttpServer::Response r = TestHttpServer::picture();
        r.behaviour = TestHttpServer::Behaviour::Stall;
        return r;
    }
    TestHttpServer::Response r = TestHttpServer::picture();
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

// A status text of the countdown while the server's wish to slow down is waited for.
bool isCountdown(const QString &text)
{
    for (int left = 1; left <= 100; ++left) {
        if (text == ShownTexts::waiting(left))
            return true;
    }
    return false;
}

RunCounts counted(std::initializer_list<std::pair<AttemptOutcome, int>> outcomes)
{
    RunCounts counts;
    for (const auto &[outcome, n] : outcomes)
        counts[outcome] = n;
    return counts;
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
    QTest::addColumn<AttemptOutcome>("outcome");
    using enum AttemptOutcome;
    const QString u = QStringLiteral("%u"), t = QStringLiteral("%t"), r = QStringLiteral("%r");
    const QString opened = shows(ShownTexts::opened(u));
    const QString saved = opened + QStringLiteral("setStatusText:%t|loadPreview:%t|");
    const QString noImage = opened + QStringLiteral("loadPlaceholder:|");
    const QString failed = shows(ShownTexts::failed(u, r)) + QStringLiteral("loadPlaceholder:|");
    const QString layout =
        QStringLiteral("setPreviewVisible:false|arrangeControls:|setPreviewVisible:true");
    // The window is minimized: the tray shows the attempt instead.
    const QString tray =
        QStringLiteral("setTip:%1|setIcon:").arg(ShownTexts::trayTip(QStringLiteral("pic01.jpg")));
    const QString savedLine = LogLines::wrote(u, LogLines::Placement::Saving, t);
    const QString failedLine = LogLines::failed(u, r);
    const QString html = QStringLiteral("text/html; charset=iso-8859-1");
    // clang-format off
    QTest::newRow("IMAGE/GIF, minimized") << "" << 200 << QByteArray("IMAGE/GIF") << saved + tray + QStringLiteral("is_image") << savedLine << Saved;
    QTest::newRow("image-typed 404 is not saved") << "HTTP 404 Not Found" << 404 << QByteArray("image/jpeg") << failed + layout << failedLine << FetchFailed;
    QTest::newRow("picture that does not decode") << "" << 200 << QByteArray("image/jpeg") << saved + QStringLiteral("loadPlaceholder:|") + layout << savedLine << Saved;
    QTest::newRow("404 html page, minimized") << "HTTP 404 Not Found" << 404 << QByteArray("text/html; charset=iso-8859-1") << failed + tray + QStringLiteral("no_image") << failedLine << FetchFailed;
    QTest::newRow("no content type") << "" << 200 << QByteArray() << noImage + layout << LogLines::notImage(u, {}) << NotImage;
    QTest::newRow("text/html") << "" << 200 << html.toLatin1() << noImage + layout << LogLines::notImage(u, html) << NotImage;
    QTest::newRow("connection refused, minimized") << "connection refused" << 200 << QByteArray("image/jpeg") << failed + tray + QStringLiteral("no_image") << failedLine << FetchFailed;
    QTest::newRow("disk refuses the body") << "could not write: " << 200 << QByteArray("image/jpeg") << shows(ShownTexts::couldNotSave(t, r)) + QStringLiteral("loadPlaceholder:|") + layout << LogLines::couldNotSave(u, t, r) << SaveFailed;
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
    QFETCH(AttemptOutcome, outcome);
    const RunCounts counts = counted({{outcome, 1}});
    const QString summary = ShownTexts::summary(counts, {});
    Rig rig;
    rig.window.minimized = shown.contains(QLatin1String("setTip"));
    // The placeholder right after the picture: the picture does not decode.
    rig.window.previewDecodes = !shown.contains(QLatin1String("loadPreview:%t|loadPlaceholder"));
    const QByteArray body = TestHttpServer::pictureBody();
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
    QCOMPARE(rig.window.calls, expand(running + u'|' + shows(ShownTexts::opening(url)) + shown +
                                          QStringLiteral("|setUrl2Text:02|") + ending + summary,
                                      url, target, reason));
    QCOMPARE(rig.window.runEnds.size(), 1);
    QCOMPARE(rig.window.runEnds.first().first, counts);
    QCOMPARE(rig.window.runEnds.first().second, summary);
    QCOMPARE(rig.window.runProgress, (QList<QPair<qint64, qint64>>{{1, 1}}));
    QCOMPARE(rig.window.reports.size(), 1);
    QCOMPARE(rig.window.reports.first().outcome, outcome);
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
    QTest::addColumn<QString>("endReason");
    // clang-format off
    QTest::newRow("limit of zero: one attempt all the same") << "" << 0 << "01" << 1 << 1 << "02" << QString();
    QTest::newRow("letter end at Z") << "" << 100 << "Y" << 2 << 100 << "Z" << QString();
    QTest::newRow("counter that cannot be stepped") << "" << 100 << "abc" << 1 << 100 << "abc" << QStringLiteral("the counter \"abc\" is not a number");
    QTest::newRow("single mode: an unsteppable counter is no reason") << "single" << 100 << "abc" << 1 << 1 << "abc" << QString();
    QTest::newRow("stop in a stalled fetch") << "stop" << 100 << "01" << 1 << 100 << "01" << QString();
    QTest::newRow("close in a stalled fetch: counter advances once") << "close" << 100 << "01" << 1 << 100 << "02" << QString();
    QTest::newRow("multiple run switched to single") << "to single" << 5 << "01" << 1 << 5 << "02" << QString();
    QTest::newRow("limit lowered during the run") << "lower" << 5 << "01" << 1 << 5 << "02" << QString();
    QTest::newRow("single run switched to multiple") << "to multiple" << 5 << "01" << 5 << 1 << "06" << QString();
    QTest::newRow("stop in the pause: the pause runs on") << "pause" << 100 << "01" << 1 << 100 << "01" << QString();
    QTest::newRow("limit, then exit") << "exit" << 2 << "01" << 2 << 2 << "03" << QString();
    QTest::newRow("range 01-05") << "" << 100 << "01-05" << 5 << 5 << "06" << QString();
    QTest::newRow("range cut by the limit") << "" << 3 << "7-12" << 3 << 3 << "10" << QString();
    QTest::newRow("range counting down") << "down" << 100 << "03-01" << 3 << 3 << "00" << QString();
    QTest::newRow("range of letters") << "letters" << 100 << "A-C" << 3 << 3 << "D" << QString();
    QTest::newRow("a letter counts letters whatever the mode") << "numbers" << 100 << "Y" << 2 << 100 << "Z" << QString();
    QTest::newRow("a range of numbers counts numbers whatever the mode") << "letters" << 100 << "001-003" << 3 << 3 << "004" << QString();
    QTest::newRow("range counting up the wrong way") << "" << 100 << "20-01" << 0 << 0 << "20-01" << QStringLiteral("the range \"20-01\" cannot be reached with increment 1");
    QTest::newRow("brackets that are no range") << "" << 100 << "[0x1-0x5]" << 0 << 0 << "[0x1-0x5]" << QStringLiteral("the range \"[0x1-0x5]\" is neither two numbers nor two letters, as in [01-20] or [A-F]");
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
    QFETCH(QString, endReason);
    Rig rig;
    rig.settings.is_number_mode = way == QLatin1String("numbers") ||
                                  (way != QLatin1String("letters") &&
                                   (startCounter.size() > 1 || !startCounter.at(0).isLetter()));
    rig.settings.increment = way == QLatin1String("down") ? -1 : 1;
    rig.settings.isMultiple = way != QLatin1String("single") && way != QLatin1String("to multiple");
    rig.settings.max_downloads = qint16(maxDownloads);
    rig.settings.exit_ifover = way == QLatin1String("exit");
    rig.window.url2 = startCounter;
    const bool cancels = way == QLatin1String("stop") || way == QLatin1String("close");
    const RunCounts counts =
        counted({{cancels ? AttemptOutcome::Cancelled : AttemptOutcome::Saved, requests}});
    const QString summary = ShownTexts::summary(counts, endReason);
    if (cancels) { // the server never answers: only the cancel can end the fetch
        TestHttpServer::Response stalled = TestHttpServer::picture();
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
        QCOMPARE(log.at(i), cancels ? LogLines::failed(url, ShownTexts::cancelled())
                                    : LogLines::wrote(url, LogLines::Placement::Saving,
                                                      rig.dir.filePath(name)));
        QCOMPARE(rig.contents(name), cancels ? "<missing>" : TestHttpServer::pictureBody());
    }
    QCOMPARE(rig.window.runProgress.size(), requests);
    for (int i = 0; i < requests; ++i) // planned as the settings say at each attempt
        QCOMPARE(rig.window.runProgress.at(i).first, i + 1);
    QCOMPARE(rig.window.runProgress.value(0, {0, 0}).second, planned);
    QCOMPARE(rig.window.runEnds.value(0).first, counts);
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
    QTest::addColumn<QString>("log");
    QTest::addColumn<AttemptOutcome>("outcome");
    using enum AttemptOutcome;
    const QString u = QStringLiteral("%u");
    const QString saved = LogLines::wrote(u, LogLines::Placement::Saving, QStringLiteral("%t"));
    // clang-format off
    QTest::newRow("429 with Retry-After in seconds") << "429:2,img" << 2 << "2" << 2 << saved << Saved;
    QTest::newRow("429 without: 10, 30, 60 s, then a miss") << "429,429,429,429" << 2 << "10,30,60" << 4 << LogLines::failed(u, QStringLiteral("HTTP 429 Too Many Requests")) << FetchFailed;
    QTest::newRow("503 with Retry-After as a date") << "503:date7,img" << 2 << "7" << 2 << saved << Saved;
    QTest::newRow("Retry-After a date gone by: a second") << "429:date-5,img" << 2 << "1" << 2 << saved << Saved;
    QTest::newRow("Retry-After that is no wait") << "429:soon,img" << 2 << "10" << 2 << saved << Saved;
    QTest::newRow("503 without Retry-After is tried again") << "503,img" << 2 << "" << 2 << saved << Saved;
    QTest::newRow("5xx three times") << "500,502,500,img" << 2 << "" << 3 << LogLines::failed(u, QStringLiteral("HTTP 500 Internal Server Error")) + LogLines::triedTimes(3) << FetchFailed;
    QTest::newRow("body cut short, then whole") << "cut,img" << 2 << "" << 2 << saved << Saved;
    QTest::newRow("retries off") << "cut,img" << 0 << "" << 1 << LogLines::failed(u, QStringLiteral("%r")) << FetchFailed;
    QTest::newRow("501 is not tried again") << "501,img" << 2 << "" << 1 << LogLines::failed(u, QStringLiteral("HTTP 501 Not Implemented")) << FetchFailed;
    QTest::newRow("Stop in the wait") << "429:100,stop,img" << 2 << "100" << 1 << LogLines::failed(u, ShownTexts::cancelled()) << Cancelled;
    // No body, whatever the type says (a 304 takes the same way): nothing to save.
    QTest::newRow("204 typed as a picture") << "204" << 2 << "" << 1 << LogLines::failed(u, ShownTexts::emptyResponse(QStringLiteral("HTTP 204 No Content"))) << FetchFailed;
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
    QFETCH(AttemptOutcome, outcome);
    const RunCounts counts = counted({{outcome, 1}});
    const QString summary = ShownTexts::summary(counts, {});
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
             expand(log, url, rig.dir.filePath(QStringLiteral("pic01.jpg")), reason));
    QStringList shown, countdown = rig.window.callsOf(QStringLiteral("setStatusText"));
    for (const QString &w : waits.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        for (int left = w.toInt();
             left > 0 && !(responses.contains(QLatin1String("stop")) && left < w.toInt()); --left)
            shown << ShownTexts::waiting(left);
    }
    countdown.removeIf([](const QString &text) { return !isCountdown(text); });
    QCOMPARE(countdown, shown);
    QCOMPARE(rig.window.runProgress, (QList<QPair<qint64, qint64>>{{1, 1}}));
    QCOMPARE(rig.window.reports.value(0).tries, requests);
    QCOMPARE(rig.window.reports.value(0).outcome, outcome);
    QCOMPARE(rig.window.status, summary);
    QCOMPARE(rig.window.runEnds.value(0).first, counts);
}

void tst_DownloadRun::series_data()
{
    // For pic01.jpg, pic02.jpg, ...: "held:" answered once every later lane has its picture,
    // "taken:" a name there beforehand (pic01.jpg when none is and ifExists is set), "stall"
    // Stop once every lane has asked.
    QTest::addColumn<QString>("responses");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("ifExists");   // 0: no name taken beforehand
    QTest::addColumn<QString>("answer"); // at the prompt; "-" Cancel
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<int>("requests");
    QTest::addColumn<RunCounts>("counts");
    QTest::addColumn<QString>("endReason");
    using enum AttemptOutcome;
    // clang-format off
    QTest::newRow("a miss of each kind") << "img,404,html,reset,img" << 1 << 0 << "" << 3 << 4 << counted({{Saved, 1}}) << ShownTexts::seriesEnded(3);
    QTest::newRow("a hit resets the count") << "404,img,404,img,404,404,img" << 1 << 0 << "" << 2 << 6 << counted({{Saved, 2}, {FetchFailed, 2}}) << ShownTexts::seriesEnded(2);
    QTest::newRow("one miss") << "img,500" << 1 << 0 << "" << 1 << 2 << counted({{Saved, 1}}) << QStringLiteral("the series ended after 1 miss");
    QTest::newRow("no end after misses") << "404,404,404" << 1 << 0 << "" << 0 << 3 << counted({{FetchFailed, 3}}) << QString();
    QTest::newRow("no picture at all: the misses are failures") << "404,404,404" << 1 << 0 << "" << 2 << 2 << counted({{FetchFailed, 2}}) << ShownTexts::missesInRow(2);
    QTest::newRow("skip: no request, and no miss") << "404,404,404" << 1 << 1 << "" << 2 << 2 << counted({{Skipped, 1}}) << ShownTexts::seriesEnded(2);
    QTest::newRow("prompt cancelled: no request") << "img" << 1 << 3 << "-" << 0 << 0 << counted({{Skipped, 1}}) << QString();
    QTest::newRow("prompt answered: fetched under the new name") << "img" << 1 << 3 << "new" << 0 << 1 << counted({{Saved, 1}}) << QString();
    QTest::newRow("a save folder that takes no file: no request, the end") << "unsaveable,img" << 1 << 0 << "" << 1 << 0 << counted({{SaveFailed, 1}}) << "%r";
    QTest::newRow("overwrite fetches") << "img" << 1 << 2 << "" << 0 << 1 << counted({{Saved, 1}}) << QString();
    QTest::newRow("finished out of order, committed in order") << "held:img,img,img" << 3 << 0 << "" << 0 << 3 << counted({{Saved, 3}}) << QString();
    QTest::newRow("a miss at the head drops what was fetched after it") << "held:404,img,img,img,img" << 4 << 0 << "" << 1 << 4 << counted({{FetchFailed, 1}}) << ShownTexts::missesInRow(1);
    QTest::newRow("429 in a later lane: quiet for all, then one lane") << "img,429:1,img,img,img,img" << 3 << 0 << "" << 0 << 7 << counted({{Saved, 6}}) << QString();
    QTest::newRow("Stop with three in flight") << "stall,stall,stall,img" << 3 << 0 << "" << 0 << 3 << counted({{Cancelled, 1}}) << QString();
    QTest::newRow("prompt in lane 3 after 1 and 2 committed") << "img,img,taken:img" << 3 << 3 << "new" << 0 << 3 << counted({{Saved, 3}}) << QString();
    // clang-format on
}

// The end of a series after N misses in a row, and names already taken settled before the
// request where the policy allows it.
void tst_DownloadRun::series()
{
    QFETCH(QString, responses);
    QFETCH(int, lanes);
    QFETCH(int, ifExists);
    QFETCH(QString, answer);
    QFETCH(int, stopAfter);
    QFETCH(int, requests);
    QFETCH(RunCounts, counts);
    QFETCH(QString, endReason);
    Rig rig;
    rig.settings.retries = 0;
    rig.settings.parallel = qint16(lanes);
    rig.settings.stop_after_misses = qint16(stopAfter);
    rig.run.attempt().setClock([] { return clockNow; });
    QStringList names = responses.split(QLatin1Char(','));
    rig.settings.max_downloads = qint16(names.size());
    const auto nameOf = [](int i) {
        return QStringLiteral("pic%1.jpg").arg(i + 1, 2, 10, QLatin1Char('0'));
    };
    int taken = ifExists != 0 ? 0 : -1;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).startsWith(QLatin1String("taken:"))) {
            taken = i;
            names[i] = names.at(i).mid(6);
        }
        const QString path = QLatin1Char('/') + nameOf(i);
        const bool slowDown = names.at(i).startsWith(QLatin1String("429"));
        if (slowDown) // asked again: the picture
            rig.server.queueResponse(path, response(names.at(i)));
        rig.server.setResponse(path, response(slowDown ? QStringLiteral("img") : names.at(i)));
    }
    if (responses.startsWith(QLatin1String("unsaveable"))) // no folder where it should be
        rig.settings.save_dir = rig.dir.filePath(QStringLiteral("today.log"));
    // An attempt that asked the server nothing has no pause: this one would outlast the test.
    if (requests == 0) {
        rig.settings.pause_time = 1;
        rig.run.pause().setUnitMs(1000000);
    }
    const QString old = rig.dir.filePath(nameOf(std::max(taken, 0)));
    if (taken >= 0) {
        rig.settings.if_exists = static_cast<IfExistsPolicy>(ifExists);
        QVERIFY(TestEnvironment::writeFile(old, "old"));
        if (!answer.isEmpty())
            rig.window.promptAnswers.append(answer == QLatin1String("-") ? std::optional<QString>()
                                                                         : answer);
    }
    QList<int> inFlightAsked; // attempts in flight as each request arrives
    QObject::connect(&rig.server, &TestHttpServer::requestReceived, &rig.run, [&] {
        inFlightAsked.append(rig.run.inFlight());
        if (responses.contains(QLatin1String("stall")) && rig.server.requestCount() == lanes)
            rig.run.cmdStop_Click();
    });
    QSignalSpy finished(&rig.run, &DownloadRun::runFinished);
    rig.run.cmdGet_Click();
    if (responses.startsWith(QLatin1String("held:"))) {
        QTRY_COMPARE_WITH_TIMEOUT(rig.server.requestCount(), lanes, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.run.fetchedAhead(), lanes - 1, 20000);
        rig.server.releaseHeld();
    }
    QVERIFY(finished.count() == 1 || finished.wait(20000));
    QCOMPARE(rig.server.requestCount(), requests);
    if (endReason == QLatin1String("%r")) // the run ends with the attempt's own reason
        endReason = rig.window.reports.value(0).reason;
    QCOMPARE(rig.window.status, ShownTexts::summary(counts, endReason));
    QCOMPARE(rig.window.runEnds.value(0).first, counts);
    // One line per attempt reported, in the order of the series, and no body left half-way.
    const QStringList log = rig.logLines();
    QCOMPARE(log.size(), rig.window.reports.size());
    for (int i = 0; i < log.size(); ++i)
        QVERIFY2(log.at(i).contains(nameOf(i)), qPrintable(log.at(i)));
    QCOMPARE(
        QDir(rig.dir.path()).entryList({QStringLiteral(".quillop-*")}, QDir::Files | QDir::Hidden),
        QStringList());
    if (responses.contains(QLatin1String("429"))) { // after the wait, one picture at a time
        const QStringList paths = rig.server.requestedPaths();
        const QString asked = QLatin1Char('/') + nameOf(1);
        const qsizetype again = paths.lastIndexOf(asked);
        for (qsizetype i = again + 1; i < paths.size(); ++i) {
            QCOMPARE(paths.at(i), QLatin1Char('/') + nameOf(int(i) - 1));
            QCOMPARE(inFlightAsked.at(i), 1);
        }
        QCOMPARE(again, 3);
    }
    if (taken >= 0) { // the file there is shown, or the one saved under the new name
        const QString shown =
            answer.size() > 1 ? rig.dir.filePath(answer + QStringLiteral(".jpg")) : old;
        QCOMPARE(rig.window.callsOf(QStringLiteral("loadPreview")).value(taken), shown);
        QCOMPARE(rig.contents(nameOf(taken)),
                 ifExists == 2 ? TestHttpServer::pictureBody() : "old");
        QCOMPARE(rig.window.prompts.size(), ifExists == 3 ? 1 : 0);
        // Asked in the order of the series: after every earlier picture was shown.
        const qsizetype asked =
            rig.window.calls.indexOf(QRegularExpression(QStringLiteral("^promptForName:.*")));
        if (asked >= 0)
            QCOMPARE(rig.window.calls.mid(0, asked)
                         .filter(QRegularExpression(QStringLiteral("^loadPreview:")))
                         .size(),
                     taken);
    }
}

QUILLOP_TEST_MAIN(tst_DownloadRun)
#include "tst_downloadrun.moc"
