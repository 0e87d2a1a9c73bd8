#include "DownloadRun.h"
#include "OptionsDialogFixture.h"
#include "Pause.h"
#include "TestHttpServer.h"
#include "Transfer.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>

// The dialog opened while a run waits in its pause: what OK stores applies from the run's
// next step.
class TestOptionsDuringRun : public QObject
{
    Q_OBJECT
private slots:
    void lowerMaxDownloadsEndsTheRun();
};

void TestOptionsDuringRun::lowerMaxDownloadsEndsTheRun()
{
    TestEnvironment::resetStore();
    FrmOptions::setBeepHook([] {});
    OptionsDialogFixture f;
    f.settings.isMultiple = true;
    f.settings.if_exists = 2;
    TestHttpServer server;
    server.listen();
    server.setDefaultResponse(TestHttpServer::image("picture"));
    f.window.url1 = server.baseUrl() + QStringLiteral("/pic");
    f.window.url2 = QStringLiteral("01");
    f.window.url3 = QStringLiteral(".jpg");
    Transfer transfer;
    transfer.setIdleTimeout(5000);
    DownloadRun run(f.settings, f.window, transfer);
    run.pause().setUnitMs(100000); // the run waits after its first attempt
    QSignalSpy finished(&run, &DownloadRun::runFinished);
    run.cmdGet_Click();
    QTRY_VERIFY_WITH_TIMEOUT(run.pause().isWaiting(), 20000);
    QCOMPARE(server.requestCount(), 1);

    f.open();
    f.clickTab(1);
    auto *box = f.control<QLineEdit>("txtMaxFiles");
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("1"));
    f.click("cmdOK");
    QTRY_VERIFY(f.dialog.isNull());
    QCOMPARE(f.settings.max_downloads, qint16(1));

    // End the pause now rather than after its length.
    run.pause().setUnitMs(1);
    run.pause().pauseFor(1);
    QVERIFY(finished.count() == 1 || finished.wait(20000));
    QCOMPARE(server.requestCount(), 1);
    FrmOptions::setBeepHook({});
}

QUILLOP_TEST_GUI_MAIN(TestOptionsDuringRun)
#include "tst_optionsduringrun.moc"
