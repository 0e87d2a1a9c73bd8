#include "PreviewLayout.h"
#include "TestEnvironment.h"

#include <QApplication>

using namespace PreviewLayout;

class TestPreviewLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void minimumSize_data();
    void minimumSize();
    void controls_data();
    void controls();
    void fit_data();
    void fit();
};

void TestPreviewLayout::minimumSize_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("expectedWidth");
    QTest::addColumn<double>("expectedHeight");
    QTest::addColumn<int>("beeps");
    QTest::newRow("both too small: two beeps") << 3000.0 << 1500.0 << 3400.0 << 1900.0 << 2;
    QTest::newRow("just above the triggers") << 3396.0 << 1896.0 << 3396.0 << 1896.0 << 0;
    QTest::newRow("exactly at the triggers") << 3395.0 << 1895.0 << 3395.0 << 1895.0 << 0;
    QTest::newRow("only too narrow") << 3394.0 << 7000.0 << 3400.0 << 7000.0 << 1;
    QTest::newRow("only too low") << 9000.0 << 1894.0 << 9000.0 << 1900.0 << 1;
    QTest::newRow("raised minimum: just below its trigger")
        << 4794.0 << 1900.0 << 4800.0 << 1900.0 << 1;
    QTest::newRow("raised minimum: at its trigger") << 4795.0 << 1900.0 << 4795.0 << 1900.0 << 0;
}

void TestPreviewLayout::minimumSize()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, expectedWidth);
    const double least = expectedWidth > 3400 ? 4800 : MinimumWidth;
    const Minimum result = enforceMinimum(width, height, least, MinimumHeight);
    QCOMPARE(result.width, expectedWidth);
    QFETCH(double, expectedHeight);
    QCOMPARE(result.height, expectedHeight);
    QFETCH(int, beeps);
    QCOMPARE(result.beeps, beeps);
}

void TestPreviewLayout::controls_data()
{
    QTest::addColumn<double>("windowWidth");
    QTest::addColumn<double>("url3Left");
    QTest::addColumn<double>("url2Left");
    QTest::addColumn<double>("url1Width");
    QTest::addColumn<double>("bandWidth");
    QTest::newRow("6000 wide, design widths") << 6000.0 << 4955.0 << 4195.0 << 2970.0 << 5875.0;
    QTest::newRow("minimum width") << 3400.0 << 2355.0 << 1595.0 << 370.0 << 3275.0;
    QTest::newRow("too narrow for url1: no negative width")
        << 2000.0 << 955.0 << 195.0 << 0.0 << 1875.0;
}

void TestPreviewLayout::controls()
{
    QFETCH(double, windowWidth);
    const ControlsOut out = arrangeControls({windowWidth, 1200, 735, 800});
    QFETCH(double, url3Left);
    QCOMPARE(out.url3Left, url3Left);
    QFETCH(double, url2Left);
    QCOMPARE(out.url2Left, url2Left);
    QFETCH(double, url1Width);
    QCOMPARE(out.url1Width, url1Width);
    QFETCH(double, bandWidth);
    QCOMPARE(out.band.width, bandWidth);
    QCOMPARE(out.band.height, 500.0);
    QCOMPARE(out.band.left, 0.0);
    QCOMPARE(out.band.top, 0.0);
    // The least width gives url1 back exactly the width it was laid out with.
    if (url1Width > 0)
        QCOMPARE(leastWidth({0, 1200, 735, 800}, url1Width), windowWidth);
}

void TestPreviewLayout::fit_data()
{
    QTest::addColumn<double>("windowWidth");
    QTest::addColumn<double>("windowHeight");
    QTest::addColumn<double>("pictureWidth");
    QTest::addColumn<double>("pictureHeight");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    // The area of a 9000 x 7000 window is 8875 x 5375 at top 550.
    QTest::newRow("worked example, 4:3")
        << 9000.0 << 7000.0 << 4.0 << 3.0 << 854.0 << 550.0 << 7167.0 << 5375.0;
    QTest::newRow("wider than the area: full width, centred vertically")
        << 9000.0 << 7000.0 << 400.0 << 100.0 << 0.0 << 2128.0 << 8875.0 << 2219.0;
    QTest::newRow("taller than the area: full height, centred horizontally")
        << 9000.0 << 7000.0 << 100.0 << 400.0 << 3766.0 << 550.0 << 1344.0 << 5375.0;
    QTest::newRow("exactly the area's ratio fills it")
        << 9000.0 << 7000.0 << 8875.0 << 5375.0 << 0.0 << 550.0 << 8875.0 << 5375.0;
    QTest::newRow("small picture is enlarged to the area")
        << 9000.0 << 7000.0 << 16.0 << 9.0 << 0.0 << 742.0 << 8875.0 << 4992.0;
    QTest::newRow("no size: nothing shown")
        << 9000.0 << 7000.0 << 0.0 << 0.0 << 4438.0 << 3238.0 << 0.0 << 0.0;
}

void TestPreviewLayout::fit()
{
    QFETCH(double, windowWidth);
    QFETCH(double, windowHeight);
    QFETCH(double, pictureWidth);
    QFETCH(double, pictureHeight);
    const Rect area = previewArea(windowWidth, windowHeight);
    QCOMPARE(area.top, 550.0);
    const Rect r = fitImage(area.width, area.height, pictureWidth, pictureHeight);
    QFETCH(double, left);
    QCOMPARE(r.left, left);
    QFETCH(double, top);
    QCOMPARE(r.top, top);
    QFETCH(double, width);
    QCOMPARE(r.width, width);
    QFETCH(double, height);
    QCOMPARE(r.height, height);
}

QUILLOP_TEST_GUI_MAIN(TestPreviewLayout)
#include "tst_previewlayout.moc"
