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

void TestOptionsLayout::controlTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    auto row = [](const char *name, const QString &text, const QString &tip = QString()) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << tip;
    };
    // Save page
    row("optSave", QStringLiteral("Save"));
    row("optNoSave", QStringLiteral("Do Not Save"));
    row("Label1", QStringLiteral("Add Charactors"));
    row("Label6", QStringLiteral("to"));
    row("optHead", QStringLiteral("Header"),
        QStringLiteral("Select Head to append text to the begining"));
    row("optTail", QStringLiteral("Tail"), QStringLiteral("Select tail to append text to the end"));
    row("Label7", QStringLiteral("of the file"));
    row("Label8", QStringLiteral("Save to"), QStringLiteral("Select the save directory"));
    row("txtSavPath", QString(), QStringLiteral("Select the save directory from below"));
    row("Label9", QStringLiteral("If file name exists"),
        QStringLiteral("If the name of the file exists what application should do"));
    row("optSkip", QStringLiteral("Skip Saving"));
    row("optOver", QStringLiteral("Overwrite"));
    row("optPrompt", QStringLiteral("Prompt"));
    row("optRen", QStringLiteral("Rename && Save"));
    row("drvSav", QString(), QStringLiteral("Select Save Drive"));
    row("dirSav", QString(), QStringLiteral("Select Save Directory"));
    // Download page
    const QString maxTip = QStringLiteral("Max number of image downloads  to be attempted.  Once "
                                          "the limit is reached the attempts will stop.");
    row("Label2", QStringLiteral("Max downloads "), maxTip);
    row("Label3_0", QStringLiteral("(Including failed attempts)"));
    row("Label5", QStringLiteral("Increment Mode"),
        QStringLiteral(": Some image series increase by characters e.g.  A,B,C,D etc. For such "
                       "series change the mode to character. The Input Box 2 on the main screen "
                       "will change to Numeric to Character. and vice versa"));
    row("optCharactor", QStringLiteral("Charector Mode"));
    row("optNumber", QStringLiteral("Number Mode"));
    row("Label4", QStringLiteral("Increment by"),
        QStringLiteral(
            "Usually the increment step is 1.  But Sometimes you may find the increments "
            "are by 3 or 4 etc"));
    row("Label3_1", QStringLiteral("(This parameter is used for both Cheractor mode increments and "
                                   "Number mode increments"));
    row("Label15", QStringLiteral("Pause between downloads in seconds"));
    // Connection page
    row("Label10", QStringLiteral("I use a proxy server to connect to internet"),
        QStringLiteral("If you are using a proxy server select yes and fill details of the proxy"));
    row("optYes", QStringLiteral("Yes"), QStringLiteral("Select if use a proxy server"));
    row("optNo", QStringLiteral("No"),
        QStringLiteral("Select if you directly dial in the Internet"));
    const QString proxyTip = QStringLiteral("enter the server name or the IP address. This option "
                                            "is visible only when the yes is selected for the "
                                            "proxy server");
    row("Label11", QStringLiteral("Proxy server"), proxyTip);
    row("txtProxy", QString(), proxyTip);
    const QString portTip = QStringLiteral(": Enter the port which the proxy is running on the "
                                           "server. Usually this port is 80.  This option is "
                                           "visible only when the yes is selected for the proxy "
                                           "server.");
    row("Label12", QStringLiteral("Http Port"), portTip);
    row("Label18", QStringLiteral("Proxy Authentication is not suported"));
    // Log page
    row("Label13", QStringLiteral("Log to file"),
        QStringLiteral("If you need to log the file download attempts you may select yes option"));
    row("optLogYes", QStringLiteral("Yes"), QStringLiteral("Select yes to log downloads"));
    row("OptLogNo", QStringLiteral("No"),
        QStringLiteral("Select No if you do not need a log file"));
    row("Label14", QStringLiteral("Save to"));
    row("txtLogDir", QString(),
        QStringLiteral(
            "Select the directory from below. The file name is selected by the system. "
            "A new log file will be created each new day with the date as the file "
            "name. This option is visible only when the yes is selected logging option"));
    row("drvLog", QString(), QStringLiteral("Slect Log Drive"));
    row("dirLog", QString(), QStringLiteral("Select Log Directory"));
    // Below the pages
    row("cmdOK", QStringLiteral("OK"));
    row("cmdCancel", QStringLiteral("Cancel"));
    row("cmdApply", QStringLiteral("Apply"));
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
    const QStringList expected{QStringLiteral("tab1"),         QStringLiteral("frameArray_0"),
                               QStringLiteral("frameArray_1"), QStringLiteral("frameArray_2"),
                               QStringLiteral("frameArray_3"), QStringLiteral("frame2_4"),
                               QStringLiteral("Frame2_1"),     QStringLiteral("Frame2_2"),
                               QStringLiteral("Frame2_3"),     QStringLiteral("txtAdd"),
                               QStringLiteral("txtMaxFiles"),  QStringLiteral("txtIncrement"),
                               QStringLiteral("txtPause"),     QStringLiteral("Line1"),
                               QStringLiteral("Frame3_1"),     QStringLiteral("txtPort"),
                               QStringLiteral("frame4_1"),     QStringLiteral("Shape2"),
                               QStringLiteral("statbar")};
    for (const QString &name : expected)
        QVERIFY2(f.dialog->findChild<QWidget *>(name), qPrintable(name));
    // Every control of ours carries a name and something a screen reader can say.
    const auto widgets = f.dialog->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const bool ours = widget->metaObject()->className() != QByteArray("QWidget") &&
                          !widget->objectName().startsWith(QLatin1String("qt_"));
        if (!ours || !widget->parentWidget() || widget->objectName().isEmpty())
            continue;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
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
