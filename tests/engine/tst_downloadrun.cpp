#include "DownloadAttempt.h"
#include "DownloadRun.h"
#include "Pause.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SequenceCounter.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "Transfer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

// A run against a local server: pic<counter>.jpg, a pause of a millisecond per unit, the
// save directory and the log in a temporary directory.
struct RunRig
{
    RunRig()
    {
        settings.isMultiple = true;
        settings.max_downloads = 100;
        settings.is_number_mode = true;
        settings.increment = 1;
        settings.is_save = true;
        settings.save_dir = dir.path();
        settings.if_exists = 2;
        settings.is_log = true;
        settings.log_file_path = dir.filePath(QStringLiteral("today.log"));
        settings.pause_time = 1;
        transfer.setIdleTimeout(5000);
        run.pause().setUnitMs(1);
        server.listen();
        server.setDefaultResponse(TestHttpServer::image("picture"));
        window.url1 = server.baseUrl() + QStringLiteral("/pic");
        window.url2 = QStringLiteral("01");
        window.url3 = QStringLiteral(".jpg");
    }
    QStringList logLines() const
    {
        QFile file(settings.log_file_path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QString text = QString::fromUtf8(file.readAll());
        text.chop(2);
        return text.split(QStringLiteral("\r\n"));
    }
    // Starts a run and waits for its end.
    bool runToEnd()
    {
        QSignalSpy finished(&run, &DownloadRun::runFinished);
        run.cmdGet_Click();
        return finished.count() == 1 || finished.wait(20000);
    }
    bool inPause() { return run.pause().isWaiting(); }

    QTemporaryDir dir;
    RunSettings settings;
    RecordingWindow window;
    Transfer transfer;
    DownloadRun run{settings, window, transfer};
    TestHttpServer server;
};

static QStringList endCalls(const QString &status)
{
    return {
        QStringLiteral("setGetEnabled:true"),         QStringLiteral("setStopEnabled:false"),
        QStringLiteral("setStartMenuEnabled:true"),   QStringLiteral("setStopMenuEnabled:false"),
        QStringLiteral("setStatePicture:on"),         QStringLiteral("setTrayRecordIcon:on"),
        QStringLiteral("setTip:current file : None"), QStringLiteral("setIcon:stopped"),
        QStringLiteral("setStatusText:") + status};
}

class tst_DownloadRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tenImagesInSequence();
    void waysOfEnding_data();
    void waysOfEnding();
    void stopDuringPauseDoesNotShortenIt();
    void modeChangedDuringRun_data();
    void modeChangedDuringRun();
    void unsteppableCounterEndsWithReason();
    void runningAppearanceAndNoSecondRun();
};

void tst_DownloadRun::tenImagesInSequence()
{
    RunRig rig;
    rig.settings.max_downloads = 10;
    for (int i = 1; i <= 10; ++i) {
        const QByteArray body = QByteArray("\xff\xd8 image ", 9) + QByteArray::number(i);
        rig.server.setResponse(QStringLiteral("/pic%1.jpg").arg(i, 2, 10, QLatin1Char('0')),
                               TestHttpServer::image(body));
    }
    QVERIFY(rig.runToEnd());

    QCOMPARE(rig.server.requestCount(), 10);
    QCOMPARE(rig.window.url2, QStringLiteral("11"));
    QCOMPARE(rig.run.attempt_count, qint16(10));
    const QStringList log = rig.logLines();
    QCOMPARE(log.size(), 10);
    for (int i = 1; i <= 10; ++i) {
        const QString name = QStringLiteral("pic%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        const QString target = QDir(rig.settings.save_dir).filePath(name);
        QFile saved(target);
        QVERIFY2(saved.open(QIODevice::ReadOnly), qPrintable(name));
        QCOMPARE(saved.readAll(), QByteArray("\xff\xd8 image ", 9) + QByteArray::number(i));
        QCOMPARE(log.at(i - 1), rig.server.baseUrl() + QLatin1Char('/') + name +
                                    QStringLiteral("---> saving to  ") + target);
    }
}

void tst_DownloadRun::waysOfEnding_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("numberMode");
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<int>("maxDownloads");
    QTest::addColumn<QString>("startCounter");
    QTest::addColumn<bool>("exitIfOver");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("endCounter");
    // clang-format off
    QTest::newRow("limit of three") << "limit" << true << true << 3 << "01" << false << 3 << "04";
    QTest::newRow("limit of one") << "limit" << true << true << 1 << "01" << false << 1 << "02";
    QTest::newRow("limit of zero: one attempt all the same")
        << "limit" << true << true << 0 << "01" << false << 1 << "02";
    QTest::newRow("negative limit") << "limit" << true << true << -4 << "01" << false << 1 << "02";
    QTest::newRow("single mode") << "limit" << true << false << 100 << "01" << false << 1 << "02";
    QTest::newRow("letter end at Z") << "limit" << false << true << 100 << "Y" << false << 2 << "Z";
    QTest::newRow("letter end at z") << "limit" << false << true << 100 << "y" << false << 2 << "z";
    QTest::newRow("stop in a stalled fetch")
        << "stop" << true << true << 100 << "01" << false << 1 << "01";
    QTest::newRow("close in a stalled fetch")
        << "close" << true << true << 100 << "01" << false << 1 << "02";
    QTest::newRow("limit, then exit") << "limit" << true << true << 2 << "01" << true << 2 << "03";
    QTest::newRow("stop, then exit") << "stop" << true << true << 100 << "01" << true << 1 << "01";
    // clang-format on
}

void tst_DownloadRun::waysOfEnding()
{
    QFETCH(QString, way);
    QFETCH(bool, numberMode);
    QFETCH(bool, multiple);
    QFETCH(int, maxDownloads);
    QFETCH(QString, startCounter);
    QFETCH(bool, exitIfOver);
    QFETCH(int, requests);
    QFETCH(QString, endCounter);
    RunRig rig;
    rig.settings.is_number_mode = numberMode;
    rig.settings.isMultiple = multiple;
    rig.settings.max_downloads = qint16(maxDownloads);
    rig.settings.exit_ifover = exitIfOver;
    rig.window.url2 = startCounter;
    if (way != QLatin1String("limit")) {
        // The server never answers: only the cancel can end the fetch.
        TestHttpServer::Response stalled = TestHttpServer::image("never sent");
        stalled.behaviour = TestHttpServer::Behaviour::Stall;
        rig.server.setDefaultResponse(stalled);
        QObject::connect(&rig.server, &TestHttpServer::requestReceived, &rig.run, [&] {
            if (way == QLatin1String("stop"))
                rig.run.cmdStop_Click();
            else
                rig.run.closeDuringRun();
        });
    }
    QVERIFY(rig.runToEnd());

    QCOMPARE(rig.server.requestCount(), requests);
    QCOMPARE(rig.window.url2, endCounter);
    const QStringList log = rig.logLines();
    QCOMPARE(log.size(), requests);
    if (way != QLatin1String("limit"))
        QVERIFY(log.first().contains(QLatin1String("---> failed: ")));
    QVERIFY(!rig.run.isRunning());
    // However the run ended, it says so the same way; only exit_ifover closes the window.
    QStringList expected = endCalls(QStringLiteral("downloading completed"));
    if (exitIfOver)
        expected << QStringLiteral("closeWindow:");
    QCOMPARE(rig.window.calls.mid(rig.window.calls.size() - expected.size()), expected);
    QCOMPARE(rig.window.trayTip, QStringLiteral("current file : None"));
    QCOMPARE(rig.window.trayIcon, ImageKey::Stopped);
    QCOMPARE(rig.window.closed, exitIfOver);
}

void tst_DownloadRun::stopDuringPauseDoesNotShortenIt()
{
    RunRig rig;
    rig.run.pause().setUnitMs(100000);
    QSignalSpy finished(&rig.run, &DownloadRun::runFinished);
    QSignalSpy elapsed(&rig.run.pause(), &Pause::elapsed);
    rig.run.cmdGet_Click();
    QTRY_VERIFY_WITH_TIMEOUT(rig.inPause(), 10000);
    rig.run.cmdStop_Click();
    QVERIFY(rig.run.isRunning());
    QVERIFY(rig.inPause());
    // Whatever Stop set in motion has come through the event loop by the time a timer
    // armed now fires; the run still waits for its pause.
    QObject sentinel;
    QSignalSpy settled(&sentinel, &QObject::objectNameChanged);
    QTimer::singleShot(1, &sentinel, [&] { sentinel.setObjectName(QStringLiteral("due")); });
    QVERIFY(settled.wait(10000));
    QVERIFY(rig.run.isRunning());
    QVERIFY(rig.inPause());
    QCOMPARE(finished.count(), 0);
    // Shortened by the test alone, so that it does not wait the long pause out.
    rig.run.pause().setUnitMs(1);
    rig.run.pause().pauseFor(1);
    QVERIFY(finished.wait(10000));
    QCOMPARE(elapsed.count(), 1);
    QCOMPARE(rig.server.requestCount(), 1);
    QCOMPARE(rig.window.url2, QStringLiteral("01"));
    QCOMPARE(rig.window.status, QStringLiteral("downloading completed"));
}

void tst_DownloadRun::modeChangedDuringRun_data()
{
    QTest::addColumn<bool>("multipleAtStart");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("endCounter");
    QTest::newRow("multiple run switched to single") << true << 1 << "02";
    QTest::newRow("single run switched to multiple") << false << 5 << "06";
}

void tst_DownloadRun::modeChangedDuringRun()
{
    QFETCH(bool, multipleAtStart);
    QFETCH(int, requests);
    QFETCH(QString, endCounter);
    RunRig rig;
    rig.settings.max_downloads = 5;
    rig.settings.isMultiple = multipleAtStart;
    // The menu flips the mode while the first attempt is fetching.
    QObject::connect(
        &rig.server, &TestHttpServer::requestReceived, &rig.run,
        [&] { rig.settings.isMultiple = !multipleAtStart; }, Qt::SingleShotConnection);
    QVERIFY(rig.runToEnd());
    QCOMPARE(rig.server.requestCount(), requests);
    QCOMPARE(rig.window.url2, endCounter);
}

void tst_DownloadRun::unsteppableCounterEndsWithReason()
{
    RunRig rig;
    rig.window.url2 = QStringLiteral("abc");
    const QString reason = SequenceCounter::advanceCounter(QStringLiteral("abc"), true, 1).reason;
    QVERIFY(!reason.isEmpty());
    QVERIFY(rig.runToEnd());
    QCOMPARE(rig.server.requestCount(), 1);
    QCOMPARE(rig.window.url2, QStringLiteral("abc"));
    const QStringList tail = rig.window.calls.mid(rig.window.calls.size() - 9);
    QCOMPARE(tail, endCalls(QStringLiteral("downloading completed (") + reason + QLatin1Char(')')));

    // The reason belongs to that run only.
    rig.window.url2 = QStringLiteral("01");
    rig.settings.max_downloads = 1;
    QVERIFY(rig.runToEnd());
    QCOMPARE(rig.window.status, QStringLiteral("downloading completed"));
}

void tst_DownloadRun::runningAppearanceAndNoSecondRun()
{
    RunRig rig;
    rig.settings.max_downloads = 2;
    QSignalSpy finished(&rig.run, &DownloadRun::runFinished);
    rig.run.cmdGet_Click();
    const QStringList running{
        QStringLiteral("setGetEnabled:false"),       QStringLiteral("setStopEnabled:true"),
        QStringLiteral("setStartMenuEnabled:false"), QStringLiteral("setStopMenuEnabled:true"),
        QStringLiteral("setStatePicture:off"),       QStringLiteral("setTrayRecordIcon:off")};
    QCOMPARE(rig.window.calls.mid(0, 6), running);
    QVERIFY(rig.run.isRunning());
    QCOMPARE(rig.run.attempt_count, qint16(1));
    // Get again while running (say from a menu that missed the disabled state) is ignored.
    rig.run.cmdGet_Click();
    QCOMPARE(rig.run.attempt_count, qint16(1));
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(rig.server.requestCount(), 2);
}

QUILLOP_TEST_MAIN(tst_DownloadRun)
#include "tst_downloadrun.moc"
