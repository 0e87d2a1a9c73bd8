#include "OptionsDialogFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

// Fonts differ between machines: on every page each caption must show whole in its control
// and container, and each number box its longest value. A picture of each page is kept for
// a look by eye (test_options_screens.sh takes them under a real X server with the system
// fonts, at scale 1 and 2).
class TestOptionsLayout : public QObject
{
    Q_OBJECT
private slots:
    void captionsFitOnEveryPage();
    void valuesShowWhole_data();
    void valuesShowWhole();
};

void TestOptionsLayout::captionsFitOnEveryPage()
{
    OptionsDialogFixture f;
    f.settings.is_proxy = f.settings.is_log = true;
    f.settings.proxy_name = QStringLiteral("gate");
    FrmOptions *dialog = f.open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Quillop Options"));
    const QString dir = qEnvironmentVariable(
        "QUILLOP_SCREENSHOT_DIR", qEnvironmentVariable("QUILLOP_BINARY_DIR", QDir::currentPath()) +
                                      QStringLiteral("/screenshots"));
    QVERIFY(QDir().mkpath(dir));
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    const char *names[] = {"save", "download", "connection", "log"};
    const char *captions[] = {"     Save     ", " Download ", "Connection ", "      Log       "};
    for (int tab : {1, 2, 3, 0}) {
        f.clickTab(tab);
        QCOMPARE(f.tabBar()->tabText(tab), QLatin1String(captions[tab]));
        QVERIFY(f.tabBar()->width() >= f.tabBar()->sizeHint().width());
        const QString file =
            dir + QStringLiteral("/options-%1-x%2.png").arg(QLatin1String(names[tab]), scale);
        QVERIFY(dialog->grab().save(file));
    }

    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || w->isHidden())
            continue;
        QVERIFY2(!w->accessibleName().isEmpty() || qobject_cast<QStatusBar *>(w), qPrintable(name));
        auto *label = qobject_cast<QLabel *>(w);
        if (!label && !qobject_cast<QAbstractButton *>(w))
            continue;
        // Neither cut nor squeezed: at least as large as the caption asks.
        const QSize need = label && label->wordWrap() ? QSize(label->minimumSizeHint().width(),
                                                              label->heightForWidth(label->width()))
                                                      : w->sizeHint();
        QVERIFY2(w->width() >= need.width() && w->height() >= need.height(), qPrintable(name));
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
    }
    // The status bar shows the longest message of the checks whole.
    auto *bar = f.control<QStatusBar>(QStringLiteral("statbar"));
    const QString longest = QStringLiteral("Error : Pause time has be a positive Number");
    QVERIFY(bar->width() > bar->fontMetrics().horizontalAdvance(longest));
}

void TestOptionsLayout::valuesShowWhole_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("longest");
    QTest::newRow("max downloads") << 1 << "txtMaxFiles"
                                   << "32767";
    QTest::newRow("increment") << 1 << "txtIncrement"
                               << "32767";
    QTest::newRow("pause") << 1 << "txtPause"
                           << "32767";
    QTest::newRow("misses") << 1 << "txtMisses"
                            << "32767";
    QTest::newRow("retries") << 1 << "txtRetries"
                             << "32767";
    QTest::newRow("port") << 2 << "txtPort"
                          << "65535";
    QTest::newRow("user agent") << 2 << "txtUserAgent"
                                << "Mozilla/5.0 (X11; Linux x86_64; rv:128.0)";
}

// A box that scrolls its text to show the end has cut the beginning.
void TestOptionsLayout::valuesShowWhole()
{
    QFETCH(int, tab);
    QFETCH(QString, box);
    QFETCH(QString, longest);
    OptionsDialogFixture f;
    f.settings.is_proxy = true;
    f.open();
    f.clickTab(tab);
    auto *edit = f.control<QLineEdit>(box);
    edit->setText(longest);
    edit->setCursorPosition(0);
    const int start = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    edit->setCursorPosition(int(longest.size()));
    const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    QCOMPARE(end - start, edit->fontMetrics().horizontalAdvance(longest));
}

QUILLOP_TEST_GUI_MAIN(TestOptionsLayout)
#include "tst_optionslayout.moc"
