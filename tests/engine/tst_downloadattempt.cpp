#include "DownloadAttempt.h"
#include "Pause.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "Transfer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

// One attempt against a local server, with everything it touches kept in a temporary
// directory and a pause of a millisecond per unit.
struct AttemptRig
{
    AttemptRig()
    {
        settings.is_save = true;
        settings.save_dir = dir.path();
        settings.if_exists = 2;
        settings.is_log = true;
        settings.log_file_path = dir.filePath(QStringLiteral("today.log"));
        settings.pause_time = 1;
        transfer.setIdleTimeout(300);
        attempt.pause().setUnitMs(1);
        server.listen();
        window.url1 = server.baseUrl() + QStringLiteral("/pic");
        window.url2 = QStringLiteral("07");
        window.url3 = QStringLiteral(".jpg");
    }
    QString url() const { return server.baseUrl() + QStringLiteral("/pic07.jpg"); }
    QStringList logLines() const
    {
        QFile file(settings.log_file_path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QString text = QString::fromUtf8(file.readAll());
        if (text.endsWith(QLatin1String("\r\n")))
            text.chop(2);
        return text.split(QStringLiteral("\r\n"));
    }
    bool runOnce()
    {
        QSignalSpy done(&attempt, &DownloadAttempt::done);
        attempt.start();
        return done.count() == 1 || done.wait(10000);
    }

    QTemporaryDir dir;
    RunSettings settings;
    RecordingWindow window;
    Transfer transfer;
    DownloadAttempt attempt{settings, window, transfer};
    TestHttpServer server;
};

class tst_DownloadAttempt : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void classifiesByContentTypeOnly_data();
    void classifiesByContentTypeOnly();
    void windowCallsInOrder_data();
    void windowCallsInOrder();
    void failedFetchStillMakesAWholeAttempt_data();
    void failedFetchStillMakesAWholeAttempt();
    void refusedBodyIsASaveFailure();
    void undecodablePreviewFallsBackToPlaceholder();
    void lateFinishedIsHarmless();
};

void tst_DownloadAttempt::classifiesByContentTypeOnly_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<bool>("isImage");
    QTest::newRow("image/jpeg") << 200 << QByteArray("image/jpeg") << true;
    QTest::newRow("upper case IMAGE/GIF") << 200 << QByteArray("IMAGE/GIF") << true;
    QTest::newRow("application/x-image") << 200 << QByteArray("application/x-image") << true;
    QTest::newRow("image type on a 404") << 404 << QByteArray("image/png") << true;
    QTest::newRow("404 html page") << 404 << QByteArray("text/html") << false;
    QTest::newRow("html with charset")
        << 200 << QByteArray("text/html; charset=iso-8859-1") << false;
    QTest::newRow("no content type") << 200 << QByteArray() << false;
}

void tst_DownloadAttempt::classifiesByContentTypeOnly()
{
    QFETCH(int, status);
    QFETCH(QByteArray, contentType);
    QFETCH(bool, isImage);
    AttemptRig rig;
    const QByteArray body("\x89PNG\r\n\x1a\n\0binary body", 20);
    rig.server.setResponse(QStringLiteral("/pic07.jpg"),
                           TestHttpServer::page(status, body, contentType));
    QVERIFY(rig.runOnce());

    const QString target = QDir(rig.settings.save_dir).filePath(QStringLiteral("pic07.jpg"));
    QCOMPARE(QFile::exists(target), isImage);
    QCOMPARE(rig.window.trayTip, QStringLiteral("current file : pic07.jpg"));
    const QStringList log = rig.logLines();
    QCOMPARE(log.size(), 1);
    if (isImage) {
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), body);
        QCOMPARE(rig.window.previewPath, target);
        QCOMPARE(rig.window.trayIcon, ImageKey::IsImage);
        QCOMPARE(log.first(), rig.url() + QStringLiteral("---> saving to  ") + target);
    } else {
        QCOMPARE(rig.window.previewPath, QStringLiteral("placeholder"));
        QCOMPARE(rig.window.trayIcon, ImageKey::NoImage);
        const QString shown = contentType.isEmpty() ? QStringLiteral("no content type")
                                                    : QString::fromLatin1(contentType);
        QCOMPARE(log.first(), rig.url() + QStringLiteral(" ---> not an image (") + shown +
                                  QStringLiteral("), did not save"));
        QCOMPARE(QDir(rig.settings.save_dir).entryList(QDir::Files),
                 QStringList{QStringLiteral("today.log")});
    }
}

void tst_DownloadAttempt::windowCallsInOrder_data()
{
    QTest::addColumn<bool>("minimized");
    QTest::addColumn<bool>("isImage");
    QTest::newRow("shown, image") << false << true;
    QTest::newRow("shown, not an image") << false << false;
    QTest::newRow("minimized, image") << true << true;
    QTest::newRow("minimized, not an image") << true << false;
}

void tst_DownloadAttempt::windowCallsInOrder()
{
    QFETCH(bool, minimized);
    QFETCH(bool, isImage);
    AttemptRig rig;
    rig.window.minimized = minimized;
    // Blanks around the inputs are not part of the address.
    rig.window.url1 = QLatin1Char(' ') + rig.window.url1;
    rig.window.url3 += QLatin1Char(' ');
    rig.server.setResponse(QStringLiteral("/pic07.jpg"),
                           isImage ? TestHttpServer::image("jpeg bytes")
                                   : TestHttpServer::page(200, "<html></html>"));
    QVERIFY(rig.runOnce());

    const QString url = rig.url();
    const QString target = QDir(rig.settings.save_dir).filePath(QStringLiteral("pic07.jpg"));
    QStringList expected{QStringLiteral("setStatusText:Opening : ") + url,
                         QStringLiteral("setStatusText:Opened  : ") + url};
    if (isImage)
        expected << QStringLiteral("setStatusText:") + target
                 << QStringLiteral("loadPreview:") + target;
    else
        expected << QStringLiteral("loadPlaceholder:");
    if (minimized)
        expected << QStringLiteral("setTip:current file : pic07.jpg")
                 << QStringLiteral("setIcon:") +
                        imageKeyName(isImage ? ImageKey::IsImage : ImageKey::NoImage);
    else
        expected << QStringLiteral("setPreviewVisible:false") << QStringLiteral("arrangeControls:")
                 << QStringLiteral("setPreviewVisible:true");
    QCOMPARE(rig.window.calls, expected);
}

void tst_DownloadAttempt::failedFetchStillMakesAWholeAttempt_data()
{
    QTest::addColumn<TestHttpServer::Behaviour>("behaviour");
    QTest::addColumn<bool>("refused");
    QTest::newRow("connection refused") << TestHttpServer::Behaviour::Normal << true;
    QTest::newRow("server stalls") << TestHttpServer::Behaviour::Stall << false;
    QTest::newRow("body cut short") << TestHttpServer::Behaviour::CutBody << false;
    QTest::newRow("connection reset") << TestHttpServer::Behaviour::Reset << false;
}

void tst_DownloadAttempt::failedFetchStillMakesAWholeAttempt()
{
    QFETCH(TestHttpServer::Behaviour, behaviour);
    QFETCH(bool, refused);
    AttemptRig rig;
    QString base = rig.server.baseUrl();
    if (refused) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        base = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
    }
    rig.window.url1 = base + QStringLiteral("/pic");
    TestHttpServer::Response response = TestHttpServer::image(QByteArray(4000, 'x'));
    response.behaviour = behaviour;
    rig.server.setResponse(QStringLiteral("/pic07.jpg"), response);
    QSignalSpy finished(&rig.transfer, &Transfer::finished);
    QVERIFY(rig.runOnce());

    QCOMPARE(finished.count(), 1);
    const QString reason = finished.first().at(1).toString();
    QVERIFY(!reason.isEmpty());
    const QString url = base + QStringLiteral("/pic07.jpg");
    QCOMPARE(rig.window.callsOf(QStringLiteral("setStatusText")),
             QStringList({QStringLiteral("Opening : ") + url, QStringLiteral("Failed   : ") + url +
                                                                  QStringLiteral(" (") + reason +
                                                                  QLatin1Char(')')}));
    QCOMPARE(rig.window.previewPath, QStringLiteral("placeholder"));
    QCOMPARE(rig.window.trayIcon, ImageKey::NoImage);
    QCOMPARE(rig.window.trayTip, QStringLiteral("current file : pic07.jpg"));
    QCOMPARE(rig.logLines(), QStringList{url + QStringLiteral("---> failed: ") + reason});
    // Nothing of the half-received body is left behind.
    QCOMPARE(QDir(rig.settings.save_dir).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("today.log")});
}

void tst_DownloadAttempt::refusedBodyIsASaveFailure()
{
    // A file size limit makes the body's file refuse bytes the way a full disk does.
    AttemptRig rig;
    rig.server.setResponse(QStringLiteral("/pic07.jpg"),
                           TestHttpServer::image(QByteArray(256 * 1024, 'x')));
    QSignalSpy finished(&rig.transfer, &Transfer::finished);
    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ran = rig.runOnce();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(ran);

    QCOMPARE(finished.count(), 1);
    QVERIFY(rig.transfer.sinkFailed());
    const QString reason = finished.first().at(1).toString();
    const QString target = QDir(rig.settings.save_dir).filePath(QStringLiteral("pic07.jpg"));
    QCOMPARE(rig.window.status,
             QStringLiteral("could not save to ") + target + QStringLiteral(": ") + reason);
    QCOMPARE(rig.window.previewPath, QStringLiteral("placeholder"));
    QCOMPARE(rig.window.trayIcon, ImageKey::NoImage);
    QCOMPARE(rig.logLines(), QStringList{rig.url() + QStringLiteral("---> could not save to  ") +
                                         target + QStringLiteral(": ") + reason});
    QCOMPARE(QDir(rig.settings.save_dir).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("today.log")});
}

void tst_DownloadAttempt::undecodablePreviewFallsBackToPlaceholder()
{
    AttemptRig rig;
    rig.window.previewDecodes = false;
    rig.server.setResponse(QStringLiteral("/pic07.jpg"), TestHttpServer::image("not a jpeg"));
    QVERIFY(rig.runOnce());
    QCOMPARE(rig.window.previewPath, QStringLiteral("placeholder"));
    QCOMPARE(rig.window.trayIcon, ImageKey::IsImage);
    QVERIFY(QFile::exists(QDir(rig.settings.save_dir).filePath(QStringLiteral("pic07.jpg"))));
}

void tst_DownloadAttempt::lateFinishedIsHarmless()
{
    AttemptRig rig;
    rig.attempt.pause().setUnitMs(60000); // the pause outlasts the test unless it is re-armed
    rig.server.setResponse(QStringLiteral("/pic07.jpg"), TestHttpServer::image("jpeg"));
    QSignalSpy done(&rig.attempt, &DownloadAttempt::done);
    rig.attempt.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.attempt.phase(), DownloadAttempt::Phase::Pausing, 10000);
    // A second start while the attempt is under way does nothing either.
    rig.attempt.start();
    const QStringList callsBefore = rig.window.calls;
    Q_EMIT rig.transfer.finished(false, QStringLiteral("cancelled"));
    Q_EMIT rig.transfer.finished(true, QString());
    QCOMPARE(rig.window.calls, callsBefore);
    QCOMPARE(rig.logLines().size(), 1);
    QCOMPARE(rig.server.requestCount(), 1);

    rig.attempt.pause().setUnitMs(1);
    rig.attempt.pause().pauseFor(1);
    QVERIFY(done.wait(10000));
    QCOMPARE(rig.attempt.phase(), DownloadAttempt::Phase::Idle);
    Q_EMIT rig.transfer.finished(true, QString());
    QCOMPARE(rig.window.calls, callsBefore);
    QCOMPARE(done.count(), 1);
}

QUILLOP_TEST_MAIN(tst_DownloadAttempt)
#include "tst_downloadattempt.moc"
