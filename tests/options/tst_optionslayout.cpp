#include "OptionsDialogFixture.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

// The dialog as the user sees it: nothing cut off, one page at a time, and pictures of the
// four pages for a human look (test_options_screens.sh takes them under a real X server).
class TestOptionsLayout : public QObject
{
    Q_OBJECT
private slots:
    void window();
    void pages();
};

void TestOptionsLayout::window()
{
    OptionsDialogFixture f;
    FrmOptions *dialog = f.open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Quillop Options"));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QCOMPARE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                      Qt::WindowCloseButtonHint),
             Qt::WindowCloseButtonHint);
    // A child of the disabled main window would be disabled with it.
    QVERIFY(dialog->isWindow() && dialog->isEnabled() && !f.mainWidget.isEnabled());
    const QStringList captions{QStringLiteral("     Save     "), QStringLiteral(" Download "),
                               QStringLiteral("Connection "), QStringLiteral("      Log       ")};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(f.tabBar()->tabText(i), captions.at(i));
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        QVERIFY(!button->isDefault() && !button->autoDefault());

    // Fonts differ between machines; every caption must fit its control and its container.
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

// Each tab shows its page alone, framed; a picture of each is kept for a look by eye.
void TestOptionsLayout::pages()
{
    OptionsDialogFixture f;
    f.settings.is_proxy = f.settings.is_log = true;
    f.settings.proxy_name = QStringLiteral("gate");
    f.open();
    QString dir = qEnvironmentVariable("QUILLOP_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = qEnvironmentVariable("QUILLOP_BINARY_DIR", QDir::currentPath()) +
              QStringLiteral("/screenshots");
    QVERIFY(QDir().mkpath(dir));
    const char *names[] = {"save", "download", "connection", "log"};
    for (int tab : {1, 2, 3, 0}) {
        f.clickTab(tab);
        for (int index = 0; index < 4; ++index) {
            auto *page = f.control<QFrame>(QStringLiteral("frameArray_%1").arg(index));
            QCOMPARE(page->isVisible(), index == tab);
            QCOMPARE(page->frameShape(), index == tab ? QFrame::Box : QFrame::NoFrame);
        }
        const QString file = dir + QStringLiteral("/options-%1.png").arg(QLatin1String(names[tab]));
        QVERIFY(f.dialog->grab().save(file));
    }
    // Once their page has been shown, the detail frames draw no border of their own.
    for (const char *details : {"Frame3_1", "frame4_1"})
        QCOMPARE(f.control<QFrame>(QLatin1String(details))->frameShape(), QFrame::NoFrame);
}

QUILLOP_TEST_GUI_MAIN(TestOptionsLayout)
#include "tst_optionslayout.moc"
