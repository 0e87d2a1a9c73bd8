#include "DownloadRun.h"
#include "FrmMain.h"
#include "Pause.h"
#include "ProgramPaths.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "UiFakes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <memory>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList list(std::initializer_list<const char *> items)
{
    QStringList result;
    for (const char *item : items)
        result << QString::fromUtf8(item);
    return result;
}

} // namespace

// Start-up, the remembered inputs, the geometry, activation and the close of the window.
class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartWithEmptyStore();
    void menuTable();
    void tabOrder();
    void prefixRememberedOnLeavingUrl1_data();
    void prefixRememberedOnLeavingUrl1();
    void suffixStoredOnlyWhenChosen();
    void geometrySavedAndRestored_data();
    void geometrySavedAndRestored();
    void activationReloadsSettingsWithoutReentry();
    void closingDuringRunWaitsForTheRun();

private:
    std::unique_ptr<FrmMain> startWindow();
    static void activate(FrmMain *window);

    QTemporaryDir m_programDir;
    DialogRecorder m_dialogs;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(m_programDir.isValid());
    ProgramPaths::setProgramDirectoryForTesting(m_programDir.path());
    m_dialogs.install();
}

void TestMainWindow::init()
{
    TestEnvironment::resetStore();
    m_dialogs.requests.clear();
    m_dialogs.whileShown = nullptr;
}

void TestMainWindow::cleanup()
{
    m_dialogs.whileShown = nullptr;
}

std::unique_ptr<FrmMain> TestMainWindow::startWindow()
{
    auto window = std::make_unique<FrmMain>();
    window->run().pause().setUnitMs(1);
    window->start();
    return window;
}

void TestMainWindow::activate(FrmMain *window)
{
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
}

void TestMainWindow::firstStartWithEmptyStore()
{
    auto w = startWindow();
    auto *url1 = w->findChild<QComboBox *>(s("url1"));
    auto *url3 = w->findChild<QComboBox *>(s("url3"));
    QStringList prefixes, suffixes;
    for (int i = 0; i < url1->count(); ++i)
        prefixes << url1->itemText(i);
    for (int i = 0; i < url3->count(); ++i)
        suffixes << url3->itemText(i);
    QCOMPARE(prefixes, QStringList(5, QString()));
    QCOMPARE(suffixes, list({".jpg", ".jpeg", ".gif", ".wmf", ".emf", ".bmp", ".JPG", ".JPEG",
                             ".GIF", ".WMF", ".EMF", ".BMP"}));
    QCOMPARE(w->url1Text(), QString());
    QCOMPARE(w->url3Text(), s(".jpg"));
    QCOMPARE(w->url2Text(), s("01"));
    QCOMPARE(w->statusText(), s("Engine Stopped"));
    QVERIFY(w->isGetEnabled() && w->menus().m_start->isEnabled());
    QVERIFY(!w->isStopEnabled() && !w->menus().m_stop->isEnabled());
    QVERIFY(w->menus().m_mul->isChecked());
    QVERIFY(!w->menus().m_single->isChecked());
    QVERIFY(!w->menus().m_exit->isChecked());
    QCOMPARE(w->statePicture(), ImageKey::On);
    QCOMPARE(w->trayIcon, ImageKey::Stopped);
    QCOMPARE(w->trayTip, s("current file : None"));
    QCOMPARE(w->windowTitle(), s("Quillop"));
    QVERIFY(w->isVisible());
    QVERIFY(m_dialogs.requests.isEmpty());
    QVERIFY(!SettingsStore::contains(s("url1_0")));

    // Every element carries its name and an accessible name; two panels explain themselves.
    for (const char *name : {"url1", "url2", "url3", "cmdGet", "cmdStop", "shp1", "img1", "statbar",
                             "p_sat", "p_con", "clock"}) {
        const auto *widget = w->findChild<QWidget *>(s(name));
        QVERIFY2(widget && !widget->accessibleName().isEmpty(), name);
    }
    QCOMPARE(w->findChild<QWidget *>(s("p_sat"))->toolTip(), s("Currebt File Status"));
    QCOMPARE(w->findChild<QWidget *>(s("p_con"))->toolTip(), s("Connection"));
}

void TestMainWindow::menuTable()
{
    auto w = startWindow();
    QStringList actual;
    for (const QAction *top : w->menuBar()->actions()) {
        const QMenu *menu = top->menu();
        QString line = menu->objectName() + QLatin1Char('=') + menu->title() + QLatin1Char(':');
        for (const QAction *a : menu->actions())
            line += QLatin1Char(' ') + a->objectName() + QLatin1Char('=') +
                    (a->isSeparator() ? s("-") : a->text());
        actual << line;
    }
    QCOMPARE(actual, list({"m_File=File: m_new=Open New Window sep1=- m_start=Start Engine "
                           "m_stop=Stop Engine sep2=- m_close=Close",
                           "m_view=View: m_full=Full Screen m_cust=Custom Size m_icon=Iconize "
                           "sep5=- m_log=Todays Log",
                           "m_opt=Options: m_set=Set Options sep3=- m_single=Single file Download "
                           "m_mul=Multiple file Download m_exit=Close Window After Download",
                           "m_help=Help: m_cont=Content sep6=- m_about=About"}));
}

void TestMainWindow::tabOrder()
{
    auto w = startWindow();
    QStringList order;
    QWidget *current = w->findChild<QWidget *>(s("url1"));
    for (int i = 0; i < 5 && current; ++i) {
        order << current->objectName();
        do {
            current = current->nextInFocusChain();
        } while (current->objectName().isEmpty() || !(current->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(order, (list({"url1", "url2", "url3", "cmdGet", "cmdStop"})));
}

void TestMainWindow::prefixRememberedOnLeavingUrl1_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("new prefix") << s("http://new/")
                                << list({"http://new/", "http://a/", "http://b/", "", ""})
                                << list({"http://new/", "http://a/", "http://b/", "", ""});
    QTest::newRow("trailing blank: list untrimmed, store trimmed")
        << s("http://x/ ") << list({"http://x/ ", "http://a/", "http://b/", "", ""})
        << list({"http://x/", "http://a/", "http://b/", "", ""});
    QTest::newRow("case-only difference changes nothing")
        << s("HTTP://B/") << list({"http://a/", "http://b/", "", "", ""})
        << list({"http://a/", "http://b/", "", "", ""});
}

void TestMainWindow::prefixRememberedOnLeavingUrl1()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, list);
    QFETCH(QStringList, stored);
    SettingsStore::write(s("url1_0"), s("http://a/"));
    SettingsStore::write(s("url1_1"), s("http://b/"));
    auto w = startWindow();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *url1 = w->findChild<QComboBox *>(s("url1"));
    auto *url2 = w->findChild<QLineEdit *>(s("url2"));
    url1->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(url1->hasFocus());
    url1->lineEdit()->selectAll();
    QTest::keyClicks(url1, typed);
    url2->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(url2->hasFocus());

    QStringList shown, inStore;
    for (int i = 0; i < url1->count(); ++i)
        shown << url1->itemText(i);
    for (int i = 0; i < 5; ++i)
        inStore << SettingsStore::read(s("url1_%1").arg(i));
    QCOMPARE(shown, list);
    QCOMPARE(inStore, stored);
    // What was typed stays in the input for the run.
    QCOMPARE(w->url1Text(), typed);
}

void TestMainWindow::suffixStoredOnlyWhenChosen()
{
    {
        auto w = startWindow();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *url3 = w->findChild<QComboBox *>(s("url3"));
        url3->setFocus();
        QTRY_VERIFY(url3->hasFocus());
        QTest::keyClick(url3, Qt::Key_Down); // .jpeg
        QTest::keyClick(url3, Qt::Key_Down); // .gif
        QCOMPARE(SettingsStore::read(s("url3")), s(".gif"));
        url3->lineEdit()->selectAll();
        QTest::keyClicks(url3, s(".png"));
        QCOMPARE(w->url3Text(), s(".png"));
        QCOMPARE(SettingsStore::read(s("url3")), s(".gif"));
    }
    auto again = startWindow();
    QCOMPARE(again->url3Text(), s(".gif"));
}

void TestMainWindow::geometrySavedAndRestored_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("normal") << s("normal");
    QTest::newRow("maximized stores its maximized place") << s("maximized");
    QTest::newRow("minimized stores nothing") << s("minimized");
    QTest::newRow("width not a number keeps the current width") << s("garbled");
}

void TestMainWindow::geometrySavedAndRestored()
{
    QFETCH(QString, state);
    QRect closedAt;
    {
        auto w = startWindow();
        w->setGeometry(45, 60, 600, 420);
        if (state == QLatin1String("maximized")) {
            w->setWindowState(Qt::WindowMaximized);
            QTRY_COMPARE(w->windowState(), Qt::WindowMaximized);
        } else if (state == QLatin1String("minimized")) {
            w->setWindowState(Qt::WindowMinimized);
        }
        closedAt = w->frameGeometry();
        QVERIFY(w->close());
    }
    if (state == QLatin1String("minimized")) {
        QVERIFY(!SettingsStore::contains(s("main_width")));
        return;
    }
    // Twips at 96 dpi: 15 to the pixel.
    QCOMPARE(SettingsStore::read(s("main_width")), QString::number(closedAt.width() * 15));
    QCOMPARE(SettingsStore::read(s("main_height")), QString::number(closedAt.height() * 15));
    QCOMPARE(SettingsStore::read(s("main_top")), QString::number(closedAt.y() * 15));
    QCOMPARE(SettingsStore::read(s("main_left")), QString::number(closedAt.x() * 15));
    if (state == QLatin1String("garbled"))
        SettingsStore::write(s("main_width"), s("wide"));

    FrmMain fresh;
    const int defaultWidth = fresh.frameGeometry().width();
    fresh.start();
    QCOMPARE(fresh.windowState(), Qt::WindowNoState);
    const QRect restored = fresh.frameGeometry();
    QCOMPARE(restored.height(), closedAt.height());
    QCOMPARE(restored.topLeft(), closedAt.topLeft());
    QCOMPARE(restored.width(), state == QLatin1String("garbled") ? defaultWidth : closedAt.width());
}

void TestMainWindow::activationReloadsSettingsWithoutReentry()
{
    auto w = startWindow();
    SettingsStore::write(s("max_downloads"), s("7"));
    activate(w.get());
    QCOMPARE(w->settings().max_downloads, qint16(7));

    // The message about a missing directory is itself a window; its closing activates the
    // main window again while the load is still going on.
    SettingsStore::write(s("save_dir"), m_programDir.path() + s("/gone"));
    m_dialogs.whileShown = [&w] { activate(w.get()); };
    activate(w.get());
    QCOMPARE(m_dialogs.requests.size(), 1);
    QCOMPARE(w->settings().save_dir, ProgramPaths::defaultSaveDir());
}

void TestMainWindow::closingDuringRunWaitsForTheRun()
{
    TestHttpServer server;
    QVERIFY(server.listen());
    TestHttpServer::Response stall;
    stall.behaviour = TestHttpServer::Behaviour::Stall;
    server.setDefaultResponse(stall);

    auto w = startWindow();
    w->setUrl1Text(server.baseUrl() + s("/pic"));
    w->findChild<QPushButton *>(s("cmdGet"))->click();
    QVERIFY(w->isStopEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(), 1, 10000);
    const QRect atRequest = w->frameGeometry();

    QVERIFY(!w->close());
    QCOMPARE(m_dialogs.requests.size(), 1);
    const ModalDialogs::Request busy = m_dialogs.requests.first();
    QCOMPARE(busy.kind, ModalDialogs::Request::Information);
    QCOMPARE(busy.title, s("System is busy"));
    QCOMPARE(busy.text, QStringLiteral("The system is in middle of a download. This application "
                                       "will\r\nterminate once the current connection is "
                                       "cleaned\r\nClick OK"));
    QCOMPARE(SettingsStore::read(s("main_width")), QString::number(atRequest.width() * 15));

    // The window stays until the run is idle, then goes by itself; the user is told once.
    w->close();
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 10000);
    QCOMPARE(m_dialogs.requests.size(), 1);
    QVERIFY(w->isGetEnabled());
    QCOMPARE(w->statusText(), s("downloading completed"));
}

QUILLOP_TEST_GUI_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
