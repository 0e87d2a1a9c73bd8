#include "PreviewLayout.h"
#include "TestEnvironment.h"

#include <QApplication>

using namespace PreviewLayout;
using Numbers = QList<double>;

// The layout's arithmetic in twips, with the worked examples.
class TestPreviewLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void minimumSize_data()
    {
        QTest::addColumn<Numbers>("in");  // width, height, least width
        QTest::addColumn<Numbers>("out"); // width, height, beeps
        // clang-format off
        QTest::newRow("both too small: two beeps") << Numbers{3000, 1500, 3400} << Numbers{3400, 1900, 2};
        QTest::newRow("exactly at the triggers") << Numbers{3395, 1895, 3400} << Numbers{3395, 1895, 0};
        QTest::newRow("only too narrow") << Numbers{3394, 7000, 3400} << Numbers{3400, 7000, 1};
        QTest::newRow("only too low") << Numbers{9000, 1894, 3400} << Numbers{9000, 1900, 1};
        QTest::newRow("raised for the fonts: below its trigger") << Numbers{4794, 1900, 4800} << Numbers{4800, 1900, 1};
        // clang-format on
    }

    void minimumSize()
    {
        QFETCH(Numbers, in);
        QFETCH(Numbers, out);
        const Minimum result = enforceMinimum(in[0], in[1], in[2], MinimumHeight);
        QCOMPARE((Numbers{result.width, result.height, double(result.beeps)}), out);
    }

    void controls_data()
    {
        QTest::addColumn<double>("windowWidth");
        QTest::addColumn<Numbers>("out"); // band width, url3 left, url2 left, url1 width
        // clang-format off
        QTest::newRow("6000 wide, design widths") << 6000.0 << Numbers{5875, 4955, 4195, 2970};
        QTest::newRow("minimum width") << 3400.0 << Numbers{3275, 2355, 1595, 370};
        QTest::newRow("too narrow for url1: no negative width") << 2000.0 << Numbers{1875, 955, 195, 0};
        // clang-format on
    }

    void controls()
    {
        QFETCH(double, windowWidth);
        QFETCH(Numbers, out);
        const ControlsIn in{windowWidth, 1200, 735, 800};
        const ControlsOut c = arrangeControls(in);
        QCOMPARE((Numbers{c.band.left, c.band.top, c.band.height}), (Numbers{0, 0, 500}));
        QCOMPARE((Numbers{c.band.width, c.url3Left, c.url2Left, c.url1Width}), out);
        // The least width gives url1 back exactly the width it was laid out with.
        if (out[3] > 0)
            QCOMPARE(leastWidth(in, out[3]), windowWidth);
    }

    void fit_data()
    {
        QTest::addColumn<Numbers>("picture"); // in a 9000 x 7000 window: area 8875 x 5375
        QTest::addColumn<Numbers>("out");     // left, top, width, height
        // clang-format off
        QTest::newRow("worked example, 4:3") << Numbers{4, 3} << Numbers{854, 550, 7167, 5375};
        QTest::newRow("wider than the area: full width, centred vertically") << Numbers{400, 100} << Numbers{0, 2128, 8875, 2219};
        QTest::newRow("taller than the area: full height, centred horizontally") << Numbers{100, 400} << Numbers{3766, 550, 1344, 5375};
        QTest::newRow("small picture is enlarged to the area") << Numbers{16, 9} << Numbers{0, 742, 8875, 4992};
        QTest::newRow("no size: nothing shown") << Numbers{0, 0} << Numbers{4438, 3238, 0, 0};
        // clang-format on
    }

    void fit()
    {
        QFETCH(Numbers, picture);
        QFETCH(Numbers, out);
        const Rect area = previewArea(9000, 7000);
        QCOMPARE((Numbers{area.left, area.top, area.width, area.height}),
                 (Numbers{0, 550, 8875, 5375}));
        const Rect r = fitImage(area.width, area.height, picture[0], picture[1]);
        QCOMPARE((Numbers{r.left, r.top, r.width, r.height}), out);
    }
};

QUILLOP_TEST_GUI_MAIN(TestPreviewLayout)
#include "tst_previewlayout.moc"
