#include "OptionsDialogFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

// The dialog as the user sees it: the exact texts, nothing cut off or covered, one page at
// a time, and pictures of the four pages for a human look.
class TestOptionsLayout : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnvironment::resetStore(); }

    void window();
    void controlTexts_data();
    void controlTexts();
    void everyWidgetIsNamed();
    void captionsAreNotCut();
    void controlsDoNotOverlap();
    void tabsShowExactlyOnePage();
    void screenshots();
};

void TestOptionsLayout::window()
{
    OptionsDialogFixture f;
    FrmOptions *dialog = f.open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Quillop Options"));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(
        !(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    // A child of the disabled main window would be disabled with it.
    QVERIFY(dialog->isWindow());
    QVERIFY(dialog->isEnabled());
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!f.mainWidget.isEnabled());

    QTabBar *bar = f.tabBar();
    const QStringList captions{QStringLiteral("     Save     "), QStringLiteral(" Download "),
                               QStringLiteral("Connection "), QStringLiteral("      Log       ")};
    QCOMPARE(bar->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(bar->tabText(i), captions.at(i));
    QCOMPARE(bar->currentIndex(), 0);
    QVERIFY(f.control<QStatusBar>("statbar")->currentMessage().isEmpty());

    for (const char *name : {"cmdOK", "cmdCancel", "cmdApply"}) {
        auto *button = f.control<QPushButton>(name);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    // The band lies behind the buttons, and the status bar along the bottom edge.
    QVERIFY(f.control("Shape2")->geometry().contains(f.control("cmdApply")->geometry()));
    QCOMPARE(f.control("statbar")->geometry().bottom(), dialog->height() - 1);
}

// The texts with odd spellings, doubled blanks or escapes, which a tidy-minded edit would break.
void TestOptionsLayout::controlTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    auto row = [](const char *name, const QString &text, const QString &tip = QString()) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << tip;
    };
    row("Label1", QStringLiteral("Add Charactors"));
    row("optHead", QStringLiteral("Header"),
        QStringLiteral("Select Head to append text to the begining"));
    row("optRen", QStringLiteral("Rename && Save"));
    row("Label2", QStringLiteral("Max downloads "),
        QStringLiteral("Max number of image downloads  to be attempted.  Once the limit is reached "
                       "the attempts will stop."));
    row("optCharactor", QStringLiteral("Charector Mode"));
    row("Label3_1", QStringLiteral("(This parameter is used for both Cheractor mode increments and "
                                   "Number mode increments"));
    row("Label12", QStringLiteral("Http Port"),
        QStringLiteral(": Enter the port which the proxy is running on the server. Usually this "
                       "port is 80.  This option is visible only when the yes is selected for the "
                       "proxy server."));
    row("Label18", QStringLiteral("Proxy Authentication is not suported"));
    row("drvLog", QString(), QStringLiteral("Slect Log Drive"));
}

void TestOptionsLayout::controlTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    OptionsDialogFixture f;
    f.open();
    auto *widget = f.dialog->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), text);
    QCOMPARE(widget->toolTip(), toolTip);
}

void TestOptionsLayout::everyWidgetIsNamed()
{
    OptionsDialogFixture f;
    f.open();
    // Every control of ours carries a name and something a screen reader can say.
    for (QWidget *widget : f.dialog->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
    }
    QCOMPARE(f.control("txtMaxFiles")->accessibleName(), QStringLiteral("Max downloads"));
    QCOMPARE(f.control("optRen")->accessibleName(), QStringLiteral("Rename & Save"));
}

void TestOptionsLayout::captionsAreNotCut()
{
    OptionsDialogFixture f;
    f.open();
    for (QLabel *label : f.dialog->findChildren<QLabel *>()) {
        if (label->objectName().isEmpty() || label->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->objectName()));
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                 qPrintable(label->objectName()));
    }
    for (QAbstractButton *button : f.dialog->findChildren<QAbstractButton *>()) {
        if (!qobject_cast<QRadioButton *>(button) && !qobject_cast<QPushButton *>(button))
            continue;
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName()));
        QVERIFY2(button->height() >= button->sizeHint().height(), qPrintable(button->objectName()));
        QVERIFY2(button->parentWidget()->rect().contains(button->geometry()),
                 qPrintable(button->objectName()));
    }
    QTabBar *bar = f.tabBar();
    QVERIFY(bar->width() >= bar->sizeHint().width());
    QVERIFY(f.control("tab1")->width() >= bar->width());
    for (const char *page : {"frameArray_0", "frameArray_1", "frameArray_2", "frameArray_3"}) {
        QWidget *frame = f.control(page);
        QVERIFY2(f.dialog->rect().contains(frame->geometry()), page);
        QVERIFY2(frame->geometry().top() > bar->geometry().bottom(), page);
    }
}

// Captions and inputs of one container must not cover one another: the space a label's text
// takes, and the whole of every other control.
void TestOptionsLayout::controlsDoNotOverlap()
{
    OptionsDialogFixture f;
    f.open();
    auto usedRect = [](QWidget *widget) {
        QRect r = widget->geometry();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            const int textWidth = label->fontMetrics().horizontalAdvance(label->text()) + 2;
            r.setWidth(std::min(r.width(), textWidth));
            r.setHeight(std::min(r.height(), label->heightForWidth(label->width())));
        }
        return r;
    };
    for (QWidget *container : f.dialog->findChildren<QFrame *>()) {
        if (container->metaObject() != &QFrame::staticMetaObject)
            continue;
        QList<QWidget *> controls;
        for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QLabel *>(child) || qobject_cast<QAbstractButton *>(child) ||
                qobject_cast<QLineEdit *>(child) || child->objectName() == QLatin1String("Line1"))
                controls << child;
        }
        for (int i = 0; i < controls.size(); ++i) {
            for (int j = i + 1; j < controls.size(); ++j) {
                const QString pair =
                    controls[i]->objectName() + QLatin1Char('/') + controls[j]->objectName();
                QVERIFY2(!usedRect(controls[i]).intersects(usedRect(controls[j])),
                         qPrintable(pair));
            }
        }
    }
}

void TestOptionsLayout::tabsShowExactlyOnePage()
{
    OptionsDialogFixture f;
    f.open();
    for (int tab : {1, 2, 3, 0, 3}) {
        f.clickTab(tab);
        for (int page = 0; page < 4; ++page) {
            auto *frame = f.control<QFrame>(qPrintable(QStringLiteral("frameArray_%1").arg(page)));
            QCOMPARE(frame->isVisible(), page == tab);
            QCOMPARE(frame->frameShape(), page == tab ? QFrame::Box : QFrame::NoFrame);
        }
    }
    // Once their page has been shown, the detail frames draw no border of their own.
    f.settings.is_proxy = true;
    f.clickTab(2);
    QCOMPARE(f.control<QFrame>("Frame3_1")->frameShape(), QFrame::NoFrame);
}

void TestOptionsLayout::screenshots()
{
    OptionsDialogFixture f;
    f.settings.is_proxy = true;
    f.settings.is_log = true;
    f.settings.proxy_name = QStringLiteral("gate");
    f.settings.proxy_port = 8080;
    f.open();
    // Under a real X server the picture shows the platform's own fonts (see the shell check).
    QString dir = qEnvironmentVariable("QUILLOP_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = qEnvironmentVariable("QUILLOP_BINARY_DIR", QDir::currentPath()) +
              QStringLiteral("/screenshots");
    QVERIFY(QDir().mkpath(dir));
    const char *names[] = {"save", "download", "connection", "log"};
    for (int tab = 0; tab < 4; ++tab) {
        f.clickTab(tab);
        const QImage image = f.dialog->grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(dir + QStringLiteral("/options-%1.png").arg(QLatin1String(names[tab]))));
    }
}

QUILLOP_TEST_GUI_MAIN(TestOptionsLayout)
#include "tst_optionslayout.moc"
