#include "OptionsDialogFixture.h"

#include <QLabel>
#include <QPushButton>

// Fonts differ between machines: on every page each caption must fit its control and its
// container. A picture of each page is kept for a look by eye (test_options_screens.sh
// takes them under a real X server with the system fonts).
class TestOptionsLayout : public QObject
{
    Q_OBJECT
private slots:
    void captionsFitOnEveryPage();
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
    const char *names[] = {"save", "download", "connection", "log"};
    const char *captions[] = {"     Save     ", " Download ", "Connection ", "      Log       "};
    for (int tab : {1, 2, 3, 0}) {
        f.clickTab(tab);
        QCOMPARE(f.tabBar()->tabText(tab), QLatin1String(captions[tab]));
        const QString file = dir + QStringLiteral("/options-%1.png").arg(QLatin1String(names[tab]));
        QVERIFY(dialog->grab().save(file));
    }

    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(name));
        auto *label = qobject_cast<QLabel *>(w);
        if (!label && !qobject_cast<QRadioButton *>(w) && !qobject_cast<QPushButton *>(w))
            continue;
        const QSize need = label && label->wordWrap()
                               ? QSize(label->width(), label->heightForWidth(label->width()))
                               : w->sizeHint();
        QVERIFY2(w->width() >= need.width() && w->height() >= need.height(), qPrintable(name));
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
    }
    QVERIFY(f.tabBar()->width() >= f.tabBar()->sizeHint().width());
}

QUILLOP_TEST_GUI_MAIN(TestOptionsLayout)
#include "tst_optionslayout.moc"
