#include "FrmMain.h"
#include "PreviewView.h"
#include "ProgramPaths.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "TrayIcon.h"
#include "UiFakes.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <memory>

// The menu commands, the tray and the preview of the main window.
class TestMainMenus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void modeAndExitCommands_data();
    void modeAndExitCommands();
    void todaysLog_data();
    void todaysLog();
    void trayWhileMinimized();
    void trayOnlyPlainClickRestores_data();
    void trayOnlyPlainClickRestores();
    void noTrayLeavesWindowOnTaskbar();
    void placeholder_data();
    void placeholder();
    void largePictureIsDecodedSmall(); // and a missing one is refused
    void latestPictureWins();
    void brokenPixelsShowPlaceholder();
    void layoutKeepsControlsApart();
    void tooSmallWindowSnapsBack();
    // Last: it lets the application's event loop end.
    void closingWindowInTrayEndsProgram();

private:
    std::unique_ptr<FrmMain> startWindow(RecordingTray **tray = nullptr);

    QTemporaryDir m_programDir;
    DialogRecorder m_dialogs;
    LaunchRecorder m_launches;
};

void TestMainMenus::initTestCase()
{
    QVERIFY(m_programDir.isValid());
    ProgramPaths::setProgramDirectoryForTesting(m_programDir.path());
    m_dialogs.install();
    m_launches.install();
}

void TestMainMenus::init()
{
    TestEnvironment::resetStore();
    m_dialogs.requests.clear();
    m_launches = LaunchRecorder();
    m_launches.install();
    QDir(m_programDir.path()).removeRecursively();
    QDir().mkpath(m_programDir.path());
}

std::unique_ptr<FrmMain> TestMainMenus::startWindow(RecordingTray **tray)
{
    auto window = std::make_unique<FrmMain>();
    auto backend = std::make_unique<RecordingTray>();
    if (tray)
        *tray = backend.get();
    window->tray().setBackend(std::move(backend));
    window->start();
    return window;
}

void TestMainMenus::modeAndExitCommands_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("storedMultiple"); // "" when never written
    QTest::addColumn<QString>("storedExit");
    QTest::newRow("single") << "m_single"
                            << "False"
                            << "";
    QTest::newRow("single then multiple") << "m_single m_mul"
                                          << "True"
                                          << "";
    QTest::newRow("single twice stays single") << "m_single m_single"
                                               << "False"
                                               << "";
    QTest::newRow("multiple while multiple") << "m_mul"
                                             << "True"
                                             << "";
    QTest::newRow("exit once") << "m_exit"
                               << ""
                               << "True";
    QTest::newRow("exit twice returns") << "m_exit m_exit"
                                        << ""
                                        << "False";
}

void TestMainMenus::modeAndExitCommands()
{
    QFETCH(QString, clicks);
    QFETCH(QString, storedMultiple);
    QFETCH(QString, storedExit);
    auto w = startWindow();
    for (const QString &name : clicks.split(QLatin1Char(' ')))
        w->findChild<QAction *>(name)->trigger();
    QCOMPARE(SettingsStore::read(QStringLiteral("isMultiple"), QString()), storedMultiple);
    QCOMPARE(SettingsStore::read(QStringLiteral("exit_ifover"), QString()), storedExit);

    // Field, check marks and store agree, also after the store is read again.
    for (int reload = 0; reload < 2; ++reload) {
        const bool multiple = storedMultiple != QLatin1String("False");
        QCOMPARE(w->settings().isMultiple, multiple);
        QCOMPARE(w->menus().m_mul->isChecked(), multiple);
        QCOMPARE(w->menus().m_single->isChecked(), !multiple);
        QCOMPARE(w->settings().exit_ifover, storedExit == QLatin1String("True"));
        QCOMPARE(w->menus().m_exit->isChecked(), storedExit == QLatin1String("True"));
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(w.get(), &activation);
    }
}

void TestMainMenus::todaysLog_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("opens");
    QTest::newRow("no log yet: the user is told") << false << false;
    QTest::newRow("log in a directory with blanks is opened") << true << true;
    QTest::newRow("no viewer for it: the user is told") << true << false;
}

void TestMainMenus::todaysLog()
{
    QFETCH(bool, exists);
    QFETCH(bool, opens);
    const QString logDir = m_programDir.path() + QStringLiteral("/my logs");
    QVERIFY(QDir().mkpath(logDir));
    SettingsStore::write(QStringLiteral("log_dir"), logDir);
    auto w = startWindow();
    const QString path = w->settings().log_file_path;
    QVERIFY(path.startsWith(logDir));
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_launches.openSucceeds = opens;
    w->menus().m_log->trigger();
    if (exists)
        QCOMPARE(m_launches.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    else
        QVERIFY(m_launches.opened.isEmpty());
    QCOMPARE(m_dialogs.requests.size(), opens ? 0 : 1);
    if (!opens)
        QVERIFY(m_dialogs.requests.first().text.contains(path));
}

void TestMainMenus::trayWhileMinimized()
{
    RecordingTray *tray = nullptr;
    auto w = startWindow(&tray);
    w->setTip(QStringLiteral("ignored while no icon is shown"));
    QVERIFY(tray->calls.isEmpty());

    w->showMinimized();
    QTRY_VERIFY(w->isHidden());
    QCOMPARE(tray->calls, QStringList{QStringLiteral("add:stopped:current file : None")});

    const QString longTip =
        QStringLiteral("current file : ") + QString(60, QLatin1Char('n')) + QStringLiteral(".jpg");
    w->setTip(longTip);
    QCOMPARE(tray->calls.last(), QStringLiteral("modify:stopped:") + longTip.left(63));
    w->setIcon(ImageKey::IsImage);
    QCOMPARE(tray->calls.last(), QStringLiteral("modify:is_image:") + longTip.left(63));
    // The record changes, the tray is not told until the next update.
    const int before = tray->calls.size();
    w->setTrayRecordIcon(ImageKey::On);
    QCOMPARE(tray->calls.size(), before);
    QCOMPARE(w->tray().record().icon, ImageKey::On);
    w->setTip(QStringLiteral("current file : None"));
    QCOMPARE(tray->calls.last(), QStringLiteral("modify:on:current file : None"));
}

void TestMainMenus::trayOnlyPlainClickRestores_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("single left click") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("right click") << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << false;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << false;
}

void TestMainMenus::trayOnlyPlainClickRestores()
{
    QFETCH(int, reason);
    QFETCH(bool, restores);
    RecordingTray *tray = nullptr;
    auto w = startWindow(&tray);
    w->setWindowState(Qt::WindowMaximized);
    w->menus().m_icon->trigger();
    QTRY_VERIFY(w->isHidden());

    tray->activate(static_cast<QSystemTrayIcon::ActivationReason>(reason));
    QCoreApplication::processEvents();
    QCOMPARE(w->isVisible(), restores);
    QCOMPARE(tray->calls.last() == QStringLiteral("remove"), restores);
    if (restores) {
        // Back in the normal state, even when it was maximized before.
        QCOMPARE(w->windowState(), Qt::WindowNoState);
        QVERIFY(!w->tray().record().shown);
    }
}

void TestMainMenus::noTrayLeavesWindowOnTaskbar()
{
    RecordingTray *tray = nullptr;
    auto w = startWindow(&tray);
    tray->available = false;
    w->menus().m_icon->trigger();
    QTRY_VERIFY(w->isMinimized());
    QCoreApplication::processEvents();
    QVERIFY(w->isVisible());
    QVERIFY(tray->calls.isEmpty());
}

void TestMainMenus::placeholder_data()
{
    QTest::addColumn<QString>("fileContent"); // "" for no file, "jpeg" for a real picture
    QTest::addColumn<bool>("usesFile");
    QTest::newRow("file beside the program") << QStringLiteral("jpeg") << true;
    QTest::newRow("file missing: compiled-in copy") << QString() << false;
    QTest::newRow("file broken: compiled-in copy") << QStringLiteral("not a picture") << false;
}

void TestMainMenus::placeholder()
{
    QFETCH(QString, fileContent);
    QFETCH(bool, usesFile);
    const QString path = ProgramPaths::placeholderPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (fileContent == QLatin1String("jpeg")) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        QVERIFY(picture.save(path, "JPEG"));
    } else if (!fileContent.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileContent.toUtf8());
    }
    auto w = startWindow();
    auto *img1 = w->findChild<PreviewView *>(QStringLiteral("img1"));
    w->loadPlaceholder();
    QCOMPARE(img1->path(), usesFile ? path : QStringLiteral(":/nai2.jpg"));
    QVERIFY(!img1->pictureSize().isEmpty());
}

void TestMainMenus::largePictureIsDecodedSmall()
{
    const QString path = m_programDir.path() + QStringLiteral("/large.jpg");
    QImage picture(6000, 4000, QImage::Format_Grayscale8);
    picture.fill(128);
    QVERIFY(picture.save(path, "JPEG", 30));

    auto w = startWindow();
    auto *img1 = w->findChild<PreviewView *>(QStringLiteral("img1"));
    img1->setDecodeBound(QSize(800, 600));
    QVERIFY(w->loadPreview(path));
    QCOMPARE(img1->pictureSize(), QSize(6000, 4000));
    QVERIFY(!w->loadPreview(m_programDir.path() + QStringLiteral("/missing.jpg")));
    QCOMPARE(img1->path(), path);
    // Fitted with the picture's own ratio, 3:2, before its pixels have arrived.
    w->arrangeControls();
    QVERIFY(qAbs(img1->width() * 2 - img1->height() * 3) <= 3);
    QTRY_VERIFY_WITH_TIMEOUT(!img1->isDecoding(), 10000);
    QCOMPARE(img1->decodedSize(), img1->size());
    QVERIFY(img1->decodedSize().width() <= 800 && img1->decodedSize().height() <= 600);
}

void TestMainMenus::latestPictureWins()
{
    const QString large = m_programDir.path() + QStringLiteral("/large.jpg");
    QImage picture(2400, 1600, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(large, "JPEG"));
    const QString small = m_programDir.path() + QStringLiteral("/small.png");
    picture = QImage(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(small));

    auto w = startWindow();
    auto *img1 = w->findChild<PreviewView *>(QStringLiteral("img1"));
    QVERIFY(w->loadPreview(large));
    w->arrangeControls();
    QCoreApplication::processEvents(); // the large one is being decoded now
    QVERIFY(w->loadPreview(small));
    w->arrangeControls();
    QTRY_VERIFY_WITH_TIMEOUT(!img1->isDecoding(), 10000);
    QCoreApplication::processEvents();
    const QImage shown = img1->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.rect().center()), QColor(Qt::blue));
}

void TestMainMenus::brokenPixelsShowPlaceholder()
{
    // The header tells the size, the pixels are cut off half way.
    QImage picture(2000, 1500, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    const QString path = m_programDir.path() + QStringLiteral("/cut.png");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.left(bytes.size() / 2));
    file.close();

    auto w = startWindow();
    auto *img1 = w->findChild<PreviewView *>(QStringLiteral("img1"));
    QVERIFY(w->loadPreview(path));
    QTRY_COMPARE_WITH_TIMEOUT(img1->path(), QStringLiteral(":/nai2.jpg"), 10000);
    QVERIFY(!img1->decodedSize().isEmpty());
}

void TestMainMenus::layoutKeepsControlsApart()
{
    auto w = startWindow();
    w->resize(400, 300);
    w->arrangeControls();
    const auto *url1 = w->findChild<QWidget *>(QStringLiteral("url1"));
    const auto *url2 = w->findChild<QWidget *>(QStringLiteral("url2"));
    const auto *url3 = w->findChild<QWidget *>(QStringLiteral("url3"));
    const auto *img1 = w->findChild<QWidget *>(QStringLiteral("img1"));
    const QWidget *client = w->centralWidget();
    // 25 twips apart (2 pixels at 96 dpi), 245 twips from the window's right edge.
    QVERIFY(qAbs(url3->x() - (url2->geometry().right() + 1) - 2) <= 1);
    QVERIFY(qAbs(url2->x() - (url1->geometry().right() + 1) - 2) <= 1);
    QVERIFY(qAbs(w->frameGeometry().width() - (url3->geometry().right() + 1) - 16) <= 2);
    // The preview stays inside the client area, clear of the band and the status bar.
    QVERIFY(client->rect().contains(img1->geometry()));
    QVERIFY(img1->y() >= w->findChild<QWidget *>(QStringLiteral("shp1"))->height());
}

void TestMainMenus::tooSmallWindowSnapsBack()
{
    auto w = startWindow();
    const int beeps = w->beepCount();
    w->resize(60, 60);
    QTRY_COMPARE_WITH_TIMEOUT(w->beepCount(), beeps + 2, 5000);
    w->arrangeControls();
    QCOMPARE(w->beepCount(), beeps + 2);
    QVERIFY(w->frameGeometry().height() * 15 >= 1900 - 15);
    QVERIFY(w->frameGeometry().width() * 15 >= 3400 - 15);
    // Nothing is cut at the minimum: the captions, a usable url1, the idle status texts.
    auto *url1 = w->findChild<QComboBox *>(QStringLiteral("url1"));
    QVERIFY(url1->width() >= url1->minimumSizeHint().width());
    QVERIFY(url1->minimumSizeHint().width() >=
            url1->fontMetrics().horizontalAdvance(QStringLiteral("http://a")));
    for (const char *name : {"cmdGet", "cmdStop"}) {
        auto *button = w->findChild<QPushButton *>(QLatin1String(name));
        QVERIFY(button->width() >= button->fontMetrics().horizontalAdvance(button->text()));
    }
    auto *status = w->findChild<QFrame *>(QStringLiteral("p_sat"));
    for (const QString &text :
         {QStringLiteral("Engine Stopped"), QStringLiteral("downloading completed")})
        QVERIFY2(status->contentsRect().width() - 6 >=
                     status->fontMetrics().horizontalAdvance(text),
                 qPrintable(text));
}

void TestMainMenus::closingWindowInTrayEndsProgram()
{
    auto w = startWindow();
    w->menus().m_icon->trigger();
    QTRY_VERIFY(w->isHidden());
    // As at the end of a run with exit_ifover while the window is in the tray.
    QTimer::singleShot(0, w.get(), [&w] { w->closeWindow(); });
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QUILLOP_TEST_GUI_MAIN(TestMainMenus)
#include "tst_mainmenus.moc"
