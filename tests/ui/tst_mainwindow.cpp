#include "PreviewView.h"
#include "ProgramPaths.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "UiFakes.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

template <typename T = QWidget> T *child(const std::unique_ptr<FrmMain> &w, const char *name)
{
    return w->findChild<T *>(s(name));
}

QStringList items(const QComboBox *box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}

QByteArray picture(QSize size, Qt::GlobalColor color, const char *format = "JPEG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void activate(FrmMain *window)
{
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
}

} // namespace

// The main window as a user meets it: start-up, inputs, geometry, a run, the close, the
// menus, the tray, the preview and the layout.
class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        ProgramPaths::setProgramDirectoryForTesting(m_dir.path());
        m_user.install();
    }

    void init()
    {
        TestEnvironment::resetStore();
        m_user = UserStandIn();
        m_user.install();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void firstStartWithEmptyStore()
    {
        auto w = startWindow();
        QCOMPARE(items(child<QComboBox>(w, "url1")), QStringList(5, QString()));
        QCOMPARE(items(child<QComboBox>(w, "url3")),
                 s(".jpg .jpeg .gif .wmf .emf .bmp .JPG .JPEG .GIF .WMF .EMF .BMP").split(u' '));
        QCOMPARE(w->url1Text() + u'|' + w->url2Text() + u'|' + w->url3Text(), s("|01|.jpg"));
        QCOMPARE(w->statusText(), s("Engine Stopped"));
        QVERIFY(w->menus().m_mul->isChecked() && !w->menus().m_single->isChecked());
        QVERIFY(!w->menus().m_exit->isChecked());
        for (const char *name : {"url1", "url2", "url3", "cmdGet", "cmdStop", "shp1", "img1",
                                 "statbar", "p_sat", "p_con", "clock"})
            QVERIFY2(!child(w, name)->accessibleName().isEmpty(), name);
        QStringList menus;
        for (const QAction *top : w->menuBar()->actions()) {
            menus << top->menu()->objectName() + u'=' + top->menu()->title() + u':';
            for (const QAction *a : top->menu()->actions())
                menus.last() +=
                    u' ' + a->objectName() + u'=' + (a->isSeparator() ? s("-") : a->text());
        }
        QCOMPARE(
            menus.join(u'\n'),
            s("m_File=File: m_new=Open New Window sep1=- m_start=Start Engine m_stop=Stop Engine "
              "sep2=- m_close=Close\nm_view=View: m_full=Full Screen m_cust=Custom Size "
              "m_icon=Iconize sep5=- m_log=Todays Log\nm_opt=Options: m_set=Set Options sep3=- "
              "m_single=Single file Download m_mul=Multiple file Download m_exit=Close Window "
              "After Download\nm_help=Help: m_cont=Content sep6=- m_about=About"));
        QStringList order;
        for (QWidget *at = child(w, "url1"); order.size() < 5; at = at->nextInFocusChain())
            if (!at->objectName().isEmpty() && (at->focusPolicy() & Qt::TabFocus))
                order << at->objectName();
        QCOMPARE(order, s("url1 url2 url3 cmdGet cmdStop").split(u' '));
    }

    void suffixStoredOnlyWhenChosen()
    {
        {
            auto w = startWindow();
            auto *url3 = static_cast<QComboBox *>(focus(w, "url3"));
            QVERIFY(url3);
            QTest::keyClick(url3, Qt::Key_Down); // .jpeg
            QTest::keyClick(url3, Qt::Key_Down); // .gif
            url3->lineEdit()->selectAll();
            QTest::keyClicks(url3, s(".png"));
            QCOMPARE(w->url3Text(), s(".png"));
        }
        QCOMPARE(startWindow()->url3Text(), s(".gif"));
    }

    void geometrySavedAndRestored_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::addColumn<bool>("garbled");
        // clang-format off
        QTest::newRow("normal") << Qt::WindowNoState << false;
        QTest::newRow("maximized stores its maximized place") << Qt::WindowMaximized << false;
        QTest::newRow("minimized stores nothing") << Qt::WindowMinimized << false;
        QTest::newRow("width not a number keeps the current width") << Qt::WindowNoState << true;
        // clang-format on
    }

    void geometrySavedAndRestored()
    {
        QFETCH(Qt::WindowState, state);
        QFETCH(bool, garbled);
        QRect closedAt;
        {
            auto w = startWindow();
            w->setGeometry(45, 60, 600, 420);
            w->setWindowState(state);
            QTRY_COMPARE(w->windowState(), state);
            closedAt = w->frameGeometry();
            QVERIFY(w->close());
        }
        QCOMPARE(SettingsStore::contains(s("main_width")), state != Qt::WindowMinimized);
        if (garbled)
            SettingsStore::write(s("main_width"), s("wide"));
        FrmMain fresh;
        if (garbled)
            closedAt.setWidth(fresh.frameGeometry().width());
        fresh.start();
        QCOMPARE(fresh.windowState(), Qt::WindowNoState);
        if (state != Qt::WindowMinimized)
            QCOMPARE(fresh.frameGeometry(), closedAt);
    }

    void activationReloadsSettingsWithoutReentry()
    {
        auto w = startWindow();
        SettingsStore::write(s("max_downloads"), s("7"));
        activate(w.get());
        QCOMPARE(w->settings().max_downloads, qint16(7));
        // The message about a missing directory is itself a window; its closing activates the
        // main window again while the load is still going on.
        SettingsStore::write(s("save_dir"), m_dir.path() + s("/gone"));
        m_user.whileShown = [&w] { activate(w.get()); };
        activate(w.get());
        QCOMPARE(m_user.requests.size(), 1);
        QCOMPARE(w->settings().save_dir, ProgramPaths::defaultSaveDir());
    }

    void typedRunIsDownloadedAndShown()
    {
        SettingsStore::write(s("save_dir"), QFileInfo(file("saved/old.txt", "")).absolutePath());
        SettingsStore::write(s("max_downloads"), s("1"));
        TestHttpServer server;
        QVERIFY(server.listen());
        server.setResponse(s("/gallery/pic01.jpg"),
                           TestHttpServer::image(picture({30, 60}, Qt::blue)));
        auto w = startWindow();
        // A trailing blank: the address is composed trimmed, the list keeps what was typed.
        const QString prefix = server.baseUrl() + s("/gallery/pic ");
        auto *url1 = static_cast<QComboBox *>(focus(w, "url1"));
        QVERIFY(url1);
        QTest::keyClicks(url1, prefix);
        QTest::mouseClick(child(w, "cmdGet"), Qt::LeftButton);

        QTRY_COMPARE_WITH_TIMEOUT(w->statusText(), s("downloading completed"), 20000);
        QVERIFY(QFile::exists(m_dir.filePath(s("saved/pic01.jpg"))));
        // The preview shows the picture with its own ratio, 1:2.
        auto *img1 = child<PreviewView>(w, "img1");
        QCOMPARE(img1->pictureSize(), QSize(30, 60));
        QVERIFY(img1->isVisible() && qAbs(img1->width() * 2 - img1->height()) <= 2);
        QCOMPARE(items(url1).first(), prefix);
        QCOMPARE(SettingsStore::read(s("url1_0")), prefix.trimmed());
    }

    void closingDuringRunWaitsForTheRun()
    {
        TestHttpServer server;
        QVERIFY(server.listen());
        TestHttpServer::Response stall;
        stall.behaviour = TestHttpServer::Behaviour::Stall;
        server.setDefaultResponse(stall);
        auto w = startWindow();
        w->setUrl1Text(server.baseUrl() + s("/pic"));
        child<QPushButton>(w, "cmdGet")->click();
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(), 1, 10000);
        const int width = w->frameGeometry().width();

        QVERIFY(!w->close());
        QCOMPARE(m_user.requests.size(), 1);
        const ModalDialogs::Request busy = m_user.requests.first();
        QCOMPARE(busy.kind, ModalDialogs::Request::Information);
        QCOMPARE(busy.title + u'|' + busy.text,
                 s("System is busy|The system is in middle of a download. This application will\r\n"
                   "terminate once the current connection is cleaned\r\nClick OK"));
        QCOMPARE(SettingsStore::read(s("main_width")), QString::number(width * 15));
        // The window stays until the run is idle, then goes by itself; the user is told once.
        w->close();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 10000);
        QCOMPARE(m_user.requests.size(), 1);
        QCOMPARE(w->statusText(), s("downloading completed"));
    }

    void optionsMenu_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("stored"); // isMultiple|exit_ifover, empty when never written
        // clang-format off
        QTest::newRow("single") << s("m_single") << s("False|");
        QTest::newRow("single then multiple") << s("m_single m_mul") << s("True|");
        QTest::newRow("single twice stays single") << s("m_single m_single") << s("False|");
        QTest::newRow("exit once") << s("m_exit") << s("|True");
        QTest::newRow("exit twice returns") << s("m_exit m_exit") << s("|False");
        // clang-format on
    }

    void optionsMenu()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, stored);
        auto w = startWindow();
        for (const QString &name : clicks.split(u' '))
            w->findChild<QAction *>(name)->trigger();
        QCOMPARE(SettingsStore::read(s("isMultiple"), QString()) + u'|' +
                     SettingsStore::read(s("exit_ifover"), QString()),
                 stored);
        // Field, check marks and store agree, also after the store is read again.
        activate(w.get());
        const bool multiple = !stored.startsWith(s("False")), exit = stored.endsWith(s("True"));
        QVERIFY(w->settings().isMultiple == multiple && w->menus().m_mul->isChecked() == multiple);
        QVERIFY(w->menus().m_single->isChecked() != multiple);
        QVERIFY(w->settings().exit_ifover == exit && w->menus().m_exit->isChecked() == exit);
    }

    void todaysLog_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("opens");
        // clang-format off
        QTest::newRow("no log yet: the user is told") << false << false;
        QTest::newRow("log in a directory with blanks is opened") << true << true;
        QTest::newRow("no viewer for it: the user is told") << true << false;
        // clang-format on
    }

    void todaysLog()
    {
        QFETCH(bool, exists);
        QFETCH(bool, opens);
        SettingsStore::write(s("log_dir"), QFileInfo(file("my logs/x", "")).absolutePath());
        auto w = startWindow();
        const QString path = w->settings().log_file_path;
        QVERIFY(path.contains(s("/my logs/")) &&
                (!exists || QFile(path).open(QIODevice::WriteOnly)));
        m_user.openSucceeds = opens;
        w->menus().m_log->trigger();
        QCOMPARE(m_user.opened, exists ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>());
        QCOMPARE(m_user.requests.size(), opens ? 0 : 1);
        QVERIFY(opens || m_user.requests.first().text.contains(path));
    }

    void trayWhileMinimized()
    {
        RecordingTray *tray = nullptr;
        auto w = startWindow(&tray);
        w->setTip(s("ignored while no icon is shown"));
        w->showMinimized();
        QTRY_VERIFY(w->isHidden());
        const QString tip = s("current file : ") + QString(60, u'n');
        w->setTip(tip);
        w->setIcon(ImageKey::IsImage);
        // The record changes, the tray is not told until the next update.
        w->setTrayRecordIcon(ImageKey::On);
        w->setTip(s("current file : None"));
        QCOMPARE(tray->calls,
                 QStringList(
                     {s("add:stopped:current file : None"), s("modify:stopped:") + tip.left(63),
                      s("modify:is_image:") + tip.left(63), s("modify:on:current file : None")}));
    }

    void trayClick_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("restores");
        // clang-format off
        QTest::newRow("single left click") << int(QSystemTrayIcon::Trigger) << true;
        QTest::newRow("right click") << int(QSystemTrayIcon::Context) << false;
        QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << false;
        QTest::newRow("no notification area: stays on the taskbar") << -1 << false;
        // clang-format on
    }

    void trayClick()
    {
        QFETCH(int, reason);
        QFETCH(bool, restores);
        RecordingTray *tray = nullptr;
        auto w = startWindow(&tray);
        tray->available = reason >= 0;
        w->setWindowState(Qt::WindowMaximized);
        w->menus().m_icon->trigger();
        QTRY_VERIFY(w->isMinimized());
        QTRY_COMPARE(w->isHidden(), tray->available);
        if (reason >= 0)
            tray->activate(static_cast<QSystemTrayIcon::ActivationReason>(reason));
        QCoreApplication::processEvents();
        QCOMPARE(w->isVisible(), restores || !tray->available);
        QCOMPARE(tray->calls.join(u' '), tray->available ? s("add:stopped:current file : None") +
                                                               (restores ? s(" remove") : QString())
                                                         : QString());
        // Back in the normal state, even when it was maximized before.
        QVERIFY(!restores || w->windowState() == Qt::WindowNoState);
    }

    void preview_data()
    {
        QTest::addColumn<QString>("content"); // placeholder file beside the program, then picture
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("placeholder beside the program") << s("jpeg|") << s("images/nai2.jpg");
        QTest::newRow("placeholder missing: compiled-in copy") << s("|") << s(":/nai2.jpg");
        QTest::newRow("placeholder broken: compiled-in copy") << s("no picture|") << s(":/nai2.jpg");
        QTest::newRow("large picture: decoded at the shown size") << s("|jpeg") << s("large");
        QTest::newRow("large picture cut short: placeholder") << s("|cut") << s(":/nai2.jpg");
        // clang-format on
    }

    void preview()
    {
        QFETCH(QString, content);
        QFETCH(QString, shown);
        const QString placeholder = content.section(u'|', 0, 0), large = content.section(u'|', 1);
        if (!placeholder.isEmpty())
            file("images/nai2.jpg",
                 placeholder == s("jpeg") ? picture({40, 30}, Qt::gray) : placeholder.toUtf8());
        // 2000 x 1500 is too large to decode on the spot; a PNG cut in half fails only then.
        const QByteArray png = picture({2000, 1500}, Qt::green, "PNG");
        const QString path = file("large", large == s("cut") ? png.left(png.size() / 2) : png);
        auto w = startWindow();
        auto *img1 = child<PreviewView>(w, "img1");
        img1->setDecodeBound(QSize(800, 600));
        if (large.isEmpty()) {
            w->loadPlaceholder();
        } else {
            QVERIFY(w->loadPreview(path));
            QVERIFY(!w->loadPreview(m_dir.filePath(s("missing.jpg"))));
            QCOMPARE(img1->pictureSize(), QSize(2000, 1500));
            w->arrangeControls();
            QVERIFY(qAbs(img1->width() * 3 - img1->height() * 4) <= 4);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!img1->isDecoding(), 10000);
        QCOMPARE(img1->path(), shown.startsWith(u':') ? shown : m_dir.filePath(shown));
        QVERIFY(!img1->decodedSize().isEmpty() && img1->decodedSize().width() <= 800);
        QVERIFY(shown != s("large") || img1->decodedSize() == img1->size());
    }

    void latestPictureWins()
    {
        auto w = startWindow();
        auto *img1 = child<PreviewView>(w, "img1");
        QVERIFY(w->loadPreview(file("large.jpg", picture({2400, 1600}, Qt::red))));
        QCoreApplication::processEvents(); // the large one is being decoded now
        QVERIFY(w->loadPreview(file("small.png", picture({30, 20}, Qt::blue, "PNG"))));
        w->arrangeControls();
        QTRY_VERIFY_WITH_TIMEOUT(!img1->isDecoding(), 10000);
        const QImage seen = img1->grab().toImage();
        QCOMPARE(seen.pixelColor(seen.rect().center()), QColor(Qt::blue));
    }

    void minimumSizeCutsNothing()
    {
        auto w = startWindow();
        const int beeps = w->beepCount();
        w->resize(60, 60);
        QTRY_COMPARE_WITH_TIMEOUT(w->beepCount(), beeps + 2, 5000);
        w->arrangeControls();
        QCOMPARE(w->beepCount(), beeps + 2);
        const QSize outer = w->frameGeometry().size() * 15;
        QVERIFY(outer.width() >= 3400 - 15 && outer.height() >= 1900 - 15);
        auto *url1 = child<QComboBox>(w, "url1");
        QVERIFY(url1->width() >= url1->fontMetrics().horizontalAdvance(s("http://ab")) + 20);
        for (auto *button : {child<QPushButton>(w, "cmdGet"), child<QPushButton>(w, "cmdStop")})
            QVERIFY(button->width() >= button->fontMetrics().horizontalAdvance(button->text()));
        auto *status = child<QFrame>(w, "p_sat");
        for (const QString &text : {s("Engine Stopped"), s("downloading completed")})
            QVERIFY(status->contentsRect().width() - 6 >=
                    status->fontMetrics().horizontalAdvance(text));
        // The inputs keep their gap; the preview stays clear of band and status bar.
        QVERIFY(child(w, "url2")->x() > url1->geometry().right());
        QVERIFY(w->centralWidget()->rect().contains(child(w, "img1")->geometry()));
        QVERIFY(child(w, "img1")->y() >= child(w, "shp1")->height());
    }

    void closingWindowInTrayEndsProgram()
    {
        auto w = startWindow();
        w->menus().m_icon->trigger();
        QTRY_VERIFY(w->isHidden());
        // As at the end of a run with exit_ifover while the window is in the tray.
        QTimer::singleShot(0, w.get(), [&w] { w->closeWindow(); });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

private:
    QString file(const char *name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(s(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        return out.open(QIODevice::WriteOnly) && out.write(content) == content.size() ? path
                                                                                      : QString();
    }

    QWidget *focus(const std::unique_ptr<FrmMain> &w, const char *name)
    {
        QApplication::setActiveWindow(w.get());
        if (!QTest::qWaitForWindowActive(w.get()))
            return nullptr;
        QWidget *widget = child(w, name);
        widget->setFocus(Qt::TabFocusReason);
        return widget->hasFocus() ? widget : nullptr;
    }

    QTemporaryDir m_dir;
    UserStandIn m_user;
};

QUILLOP_TEST_GUI_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
