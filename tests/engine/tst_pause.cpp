#include "Pause.h"
#include "TestEnvironment.h"

#include <QSignalSpy>
#include <QTimer>

class tst_Pause : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void elapsesOnceFromTheEventLoop_data();
    void elapsesOnceFromTheEventLoop();
    void armingWhileWaitingMovesTheDueTime();
    void abandonEmitsNothing();
};

void tst_Pause::elapsesOnceFromTheEventLoop_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one unit") << 1;
    QTest::newRow("several units") << 5;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
}

void tst_Pause::elapsesOnceFromTheEventLoop()
{
    QFETCH(int, count);
    Pause pause;
    pause.setUnitMs(2);
    QSignalSpy spy(&pause, &Pause::elapsed);
    pause.pauseFor(count);
    // Never from inside pauseFor(), whatever the count: the caller is still setting up.
    QCOMPARE(spy.count(), 0);
    QVERIFY(pause.isWaiting());
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QVERIFY(!pause.isWaiting());
}

void tst_Pause::armingWhileWaitingMovesTheDueTime()
{
    Pause pause;
    pause.setUnitMs(1);
    QSignalSpy spy(&pause, &Pause::elapsed);
    pause.pauseFor(100000); // far away: only a new arming can end it
    bool reArmed = false;
    QTimer::singleShot(0, &pause, [&] {
        reArmed = true;
        pause.pauseFor(1);
    });
    QVERIFY(spy.wait(5000));
    QVERIFY(reArmed);
    QCOMPARE(spy.count(), 1);
    QVERIFY(!pause.isWaiting());
}

void tst_Pause::abandonEmitsNothing()
{
    Pause pause;
    pause.setUnitMs(1);
    QSignalSpy spy(&pause, &Pause::elapsed);
    pause.pauseFor(0);
    pause.abandon();
    QVERIFY(!pause.isWaiting());
    // A later pause elapsing shows that the dropped one, due earlier, stayed silent.
    Pause later;
    later.setUnitMs(1);
    QSignalSpy laterSpy(&later, &Pause::elapsed);
    later.pauseFor(5);
    QVERIFY(laterSpy.wait(5000));
    QCOMPARE(spy.count(), 0);
    // It can be armed again after being dropped.
    pause.pauseFor(0);
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
}

QUILLOP_TEST_MAIN(tst_Pause)
#include "tst_pause.moc"
