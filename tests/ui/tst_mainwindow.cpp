#include "DownloadRun.h"
#include "FrmMain.h"
#include "ImageList.h"
#include "ModalDialogs.h"
#include "Pause.h"
#include "PreviewView.h"
#include "ProgramPaths.h"
#include "ProgressPanel.h"
#include "SettingsStore.h"
#include "StatusBar.h"
#include "StatusTextPanel.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "TrayBackend.h"
#include "TrayIcon.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// A notification area that records "add:KEY:TIP", "modify:KEY:TIP" and "remove" lines;
// activate() plays a mouse event on the icon.
class RecordingTray : public TrayBackend
{
public:
    bool available = true;
    QStringList calls;

    bool isAvailable() const override { return available; }
    void add(const QIcon &icon, const QString &tip) override { record("add:", icon, tip); }
    void modify(const QIcon &icon, const QString &tip) override { record("modify:", icon, tip); }
    void remove() override { calls << s("remove"); }
    void notify(const QString &title, const QString &text) override
    {
        calls << s("notify:") + title + u':' + text;
    }
    void activate(QSystemTrayIcon::ActivationReason reason) { Q_EMIT activated(reason); }

private:
    void record(const char *call, const QIcon &icon, const QString &tip)
    {
        for (ImageKey k : {ImageKey::On, ImageKey::Stopped, ImageKey::IsImage})
            if (ImageList::icon(k).cacheKey() == icon.cacheKey())
                calls << s(call) + imageKeyName(k) + u':' + tip;
    }
};

// The main window started as the program starts it, with a recording tray and pauses of
// a millisecond per second.
std::unique_ptr<FrmMain> startWindow(RecordingTray **tray = nullptr)
{
    auto window = std::make_unique<FrmMain>();
    auto backend = std::make_unique<RecordingTray>();
    if (tray)
        *tray = backend.get();
    window->tray().setBackend(std::move(backend));
    window->run().pause().setUnitMs(1);
    window->start();
    return window;
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

QString parts(const std::unique_ptr<FrmMain> &w)
{
    return w->url1Text() + u'|' + w->url2Text() + u'|' + w->url3Text();
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

} // namespace

// The main window as a user meets it: start-up, inputs, geometry, a run, the close, the
// menus, the tray, the preview and the layout. Dialogs are answered by a stand-in user.
class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        ProgramPaths::setProgramDirectoryForTesting(m_dir.path());
        ModalDialogs::setHook([this](const ModalDialogs::Request &request) {
            m_requests << request;
            if (m_whileShown)
                m_whileShown();
            return std::optional<QString>();
        });
    }

    void init()
    {
        TestEnvironment::resetStore();
        m_requests.clear();
        m_whileShown = nullptr;
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void geometrySavedAndRestored_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::addColumn<QRect>("place");    // set before the close
        QTest::addColumn<QString>("stored"); // key=twips written after the close
        QTest::addColumn<int>("left");       // of the frame at the next start; -1: as it was closed
        QTest::addColumn<int>("width");      // likewise
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect usual(45, 60, 600, 420);
        // clang-format off
        QTest::newRow("normal") << Qt::WindowNoState << usual << s("") << -1 << -1;
        QTest::newRow("maximized stores its maximized place") << Qt::WindowMaximized << usual << s("") << -1 << -1;
        QTest::newRow("minimized stores nothing") << Qt::WindowMinimized << usual << s("") << -1 << -1;
        QTest::newRow("in the corner at 0, 0") << Qt::WindowNoState << QRect(0, 0, 600, 420) << s("") << -1 << -1;
        QTest::newRow("wider than the screen is cut to it") << Qt::WindowNoState << usual << s("main_width=491505") << free.left() << free.width();
        QTest::newRow("off the screen is brought back") << Qt::WindowNoState << usual << s("main_left=-150000") << free.left() << -1;
        // clang-format on
    }

    void geometrySavedAndRestored()
    {
        QFETCH(Qt::WindowState, state);
        QFETCH(QRect, place);
        QFETCH(QString, stored);
        QFETCH(int, left);
        QFETCH(int, width);
        QRect closedAt;
        {
            auto w = startWindow();
            w->resize(place.size());
            w->move(place.topLeft());
            w->setWindowState(state);
            QTRY_COMPARE(w->windowState(), state);
            closedAt = w->frameGeometry();
            QVERIFY(w->close());
        }
        const bool saved = state != Qt::WindowMinimized;
        // In twips, 15 to a pixel at 96 dpi.
        QCOMPARE(SettingsStore::read(s("main_width"), s("none")),
                 saved ? QString::number(closedAt.width() * 15) : s("none"));
        if (!stored.isEmpty())
            SettingsStore::write(stored.section(u'=', 0, 0), stored.section(u'=', 1));
        FrmMain fresh;
        fresh.start();
        QCOMPARE(fresh.windowState(), Qt::WindowNoState);
        QRect expected = closedAt;
        if (left >= 0)
            expected.moveLeft(left);
        if (width >= 0)
            expected.setWidth(width);
        if (saved)
            QCOMPARE(fresh.frameGeometry(), expected);
    }

    void activationReloadsSettingsWithoutReentry()
    {
        auto w = startWindow();
        // The message about a missing directory is itself a window; its closing activates the
        // main window again while the load is still going on.
        SettingsStore::write(s("save_dir"), m_dir.path() + s("/gone"));
        m_whileShown = [&w] {
            QEvent activation(QEvent::WindowActivate);
            QApplication::sendEvent(w.get(), &activation);
        };
        m_whileShown();
        QCOMPARE(m_requests.size(), 1);
    }

    void firstStartThenTypedRun()
    {
        SettingsStore::write(s("save_dir"), QFileInfo(file("saved/old.txt", "")).absolutePath());
        SettingsStore::write(s("max_downloads"), s("1"));
        TestHttpServer server;
        QVERIFY(server.listen());
        server.setResponse(s("/gallery/pic01.jpg"),
                           TestHttpServer::image(picture({30, 60}, Qt::blue)));
        auto w = startWindow();
        QCOMPARE(items(child<QComboBox>(w, "url1")), QStringList(5, QString()));
        QCOMPARE(items(child<QComboBox>(w, "url3")),
                 s(".jpg .jpeg .gif .wmf .emf .bmp .JPG .JPEG .GIF .WMF .EMF .BMP").split(u' '));
        QCOMPARE(w->url1Text() + u'|' + w->url2Text() + u'|' + w->url3Text(), s("|01|.jpg"));
        QCOMPARE(w->statusText(), s("Engine Stopped"));
        // A trailing blank: the address is composed trimmed, the list keeps what was typed.
        const QString prefix = server.baseUrl() + s("/gallery/pic ");
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *url1 = child<QComboBox>(w, "url1");
        url1->setFocus(Qt::TabFocusReason);
        QVERIFY(url1->hasFocus());
        QTest::keyClicks(url1, prefix);
        QTest::mouseClick(child(w, "cmdGet"), Qt::LeftButton);

        RunCounts one;
        one[AttemptOutcome::Saved] = 1;
        QTRY_COMPARE_WITH_TIMEOUT(w->statusText(), ShownTexts::summary(one, {}), 20000);
        QVERIFY(QFile::exists(m_dir.filePath(s("saved/pic01.jpg"))));
        // The preview shows the picture with its own ratio, 1:2.
        auto *img1 = child<PreviewView>(w, "img1");
        QCOMPARE(img1->pictureSize(), QSize(30, 60));
        QVERIFY(img1->isVisible() && qAbs(img1->width() * 2 - img1->height()) <= 2);
        QCOMPARE(items(url1).first(), prefix);
        QCOMPARE(SettingsStore::read(s("url1_0")), prefix.trimmed());
        QAccessibleInterface *status = QAccessible::queryAccessibleInterface(child(w, "p_sat"));
        QCOMPARE(status->text(QAccessible::Name), w->statusText());
        // The address boxes and their text fields by their labels, whatever they hold.
        for (const char *name : {"url1", "url1Edit", "url3", "url3Edit"}) {
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(child(w, name));
            QCOMPARE(box->text(QAccessible::Name), name[3] == '1' ? s("Address before the counter")
                                                                  : s("Address after the counter"));
        }
    }

    void optionsMenu_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("stored"); // key=value
        QTest::addColumn<QString>("marks");  // the checked items afterwards
        // clang-format off
        QTest::newRow("single") << s("m_single") << s("isMultiple=False") << s("m_single");
        QTest::newRow("single then multiple") << s("m_single m_mul") << s("isMultiple=True") << s("m_mul");
        QTest::newRow("exit once") << s("m_exit") << s("exit_ifover=True") << s("m_mul m_exit");
        QTest::newRow("exit twice returns") << s("m_exit m_exit") << s("exit_ifover=False") << s("m_mul");
        // clang-format on
    }

    void optionsMenu()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, stored);
        QFETCH(QString, marks);
        auto w = startWindow();
        for (const QString &name : clicks.split(u' ', Qt::SkipEmptyParts))
            w->findChild<QAction *>(name)->trigger();
        const QString key = stored.section(u'=', 0, 0);
        QCOMPARE(key + u'=' + SettingsStore::read(key, QString()), stored);
        QStringList checked;
        for (const QAction *a : {w->menus().m_single, w->menus().m_mul, w->menus().m_exit})
            if (a->isChecked())
                checked << a->objectName();
        QCOMPARE(checked.join(u' '), marks);
        QCOMPARE(w->settings().isMultiple, marks.contains(s("m_mul")));
        QCOMPARE(w->settings().exit_ifover, marks.contains(s("m_exit")));
    }

    void tray_data()
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

    void tray()
    {
        QFETCH(int, reason);
        QFETCH(bool, restores);
        RecordingTray *tray = nullptr;
        auto w = startWindow(&tray);
        tray->available = reason >= 0;
        w->setTip(s("ignored while no icon is shown"));
        w->setWindowState(Qt::WindowMaximized);
        w->menus().m_icon->trigger();
        QTRY_VERIFY(w->isMinimized());
        QTRY_COMPARE(w->isHidden(), tray->available);
        const QString tip = ShownTexts::trayTip(QString(60, u'n')),
                      idle = ShownTexts::idleTrayTip();
        w->setTip(tip);
        w->setIcon(ImageKey::IsImage);
        w->setTrayRecordIcon(ImageKey::On); // the tray sees it with the next update only
        w->setTip(idle);
        if (reason >= 0)
            tray->activate(static_cast<QSystemTrayIcon::ActivationReason>(reason));
        QCoreApplication::processEvents();
        QCOMPARE(w->isVisible(), restores || !tray->available);
        const QStringList calls = {s("add:stopped:") + idle, s("modify:stopped:") + tip.left(63),
                                   s("modify:is_image:") + tip.left(63), s("modify:on:") + idle,
                                   s("remove")};
        QCOMPARE(tray->calls, calls.mid(0, tray->available ? 4 + restores : 0));
        // Back in the normal state, even when it was maximized before.
        QVERIFY(!restores || w->windowState() == Qt::WindowNoState);
        if (!w->isHidden())
            return;
        // Closed while in the tray, as at the end of a run with exit_ifover: the program ends.
        QTimer::singleShot(0, w.get(), [&w] { w->closeWindow(); });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void preview_data()
    {
        QTest::addColumn<QByteArray>("placeholder"); // the file beside the program
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QColor>("colour"); // in the middle of the preview, when known
        // clang-format off
        QTest::newRow("large: decoded at the shown size") << QByteArray() << false << s("large") << QColor(Qt::green);
        QTest::newRow("large cut short: the placeholder beside the program") << picture({40, 30}, Qt::gray) << true << s("images/nai2.jpg") << QColor();
        QTest::newRow("large cut short, placeholder broken: compiled-in copy") << QByteArray("no picture") << true << s(":/nai2.jpg") << QColor();
        QTest::newRow("small one loaded while the large one decodes wins") << QByteArray() << false << s("small.png") << QColor(Qt::blue);
        // clang-format on
    }

    void preview()
    {
        QFETCH(QByteArray, placeholder);
        QFETCH(bool, cut);
        QFETCH(QString, shown);
        QFETCH(QColor, colour);
        if (!placeholder.isEmpty())
            file("images/nai2.jpg", placeholder);
        // 2000 x 1500 is too large to decode on the spot; a PNG cut in half fails only then.
        const QByteArray png = picture({2000, 1500}, Qt::green, "PNG");
        auto w = startWindow();
        auto *img1 = child<PreviewView>(w, "img1");
        img1->setDecodeBound(QSize(800, 600));
        QVERIFY(w->loadPreview(file("large", cut ? png.left(png.size() / 2) : png)));
        QVERIFY(!w->loadPreview(m_dir.filePath(s("missing.jpg"))));
        if (shown == s("small.png")) {
            QCoreApplication::processEvents(); // the large one is being decoded now
            QVERIFY(w->loadPreview(file("small.png", picture({40, 30}, Qt::blue, "PNG"))));
        }
        // Even a small picture is decoded on a worker: the run never waits for it.
        QVERIFY(img1->isDecoding());
        w->setPreviewVisible(false);
        w->arrangeControls();
        w->setPreviewVisible(true);
        QVERIFY(qAbs(img1->width() * 3 - img1->height() * 4) <= 4);
        QTRY_VERIFY_WITH_TIMEOUT(!img1->isDecoding(), 10000);
        QCOMPARE(img1->path(), shown.startsWith(u':') ? shown : m_dir.filePath(shown));
        QVERIFY(!img1->decodedSize().isEmpty() && img1->decodedSize().width() <= 800);
        QVERIFY(shown != s("large") || img1->decodedSize() == img1->size());
        // A picture that fails late is replaced by the placeholder, shown at once.
        QVERIFY(img1->isVisible());
        const QImage seen = img1->grab().toImage();
        QVERIFY(!colour.isValid() || seen.pixelColor(seen.rect().center()) == colour);
    }

    void minimumSizeBeepsAndCutsNothing()
    {
        auto w = startWindow();
        const int beeps = w->beepCount();
        w->resize(60, 60);
        QTRY_COMPARE_WITH_TIMEOUT(w->beepCount(), beeps + 2, 5000); // one per dimension
        const QSize outer = w->frameGeometry().size() * 15;
        QVERIFY(outer.width() >= 3400 - 15 && outer.height() >= 1900 - 15);
        auto *url1 = child<QComboBox>(w, "url1");
        QVERIFY(url1->width() >= url1->fontMetrics().horizontalAdvance(s("http://ab")) + 20);
        auto *status = child<QFrame>(w, "p_sat");
        for (const QString &text : {s("Engine Stopped"), s("downloading completed")})
            QVERIFY(status->contentsRect().width() - 6 >=
                    status->fontMetrics().horizontalAdvance(text));
        QVERIFY(w->centralWidget()->rect().contains(child(w, "img1")->geometry()));
    }

    void pasteAndDrop_data()
    {
        QTest::addColumn<QString>("how"); // paste, menu, drop-link, drop-text, type
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // url1|url2|url3, url1 starting as "http://h/"
        // clang-format off
        QTest::newRow("paste: a range") << "paste" << " https://x.org/g/pic[001-120].jpg\n" << "https://x.org/g/pic|001-120|.jpg";
        QTest::newRow("paste: no scheme") << "paste" << "x.org/g/pic01.jpg" << "x.org/g/pic|01|.jpg";
        QTest::newRow("paste from the context menu") << "menu" << "https://x.org/g/pic017.jpg" << "https://x.org/g/pic|017|.jpg";
        QTest::newRow("paste: a word goes in where the cursor is") << "paste" << "pic" << "http://h/pic|01|.jpg";
        QTest::newRow("paste: two addresses are no address") << "paste" << "a.org/1 b.org/2" << "http://h/a.org/1 b.org/2|01|.jpg";
        QTest::newRow("drop a link on the window") << "drop-link" << "https://x.org/g/pic[A-F].jpg" << "https://x.org/g/pic|A-F|.jpg";
        QTest::newRow("drop text on url1") << "drop-text" << "https://x.org/pic7.png" << "https://x.org/pic|7|.png";
        QTest::newRow("drop a link on url2") << "drop-url2" << "https://x.org/g/pic[A-F].jpg" << "https://x.org/g/pic|A-F|.jpg";
        QTest::newRow("drop a link on url3") << "drop-url3" << "https://x.org/g/imgB.png" << "https://x.org/g/img|B|.png";
        QTest::newRow("paste, then the next number") << "paste next" << "https://x.org/g2/pic01_800.jpg" << "https://x.org/g2/pic01_|800|.jpg";
        QTest::newRow("paste, then the button round to the first") << "paste button button" << "https://x.org/g2/pic01_800.jpg" << "https://x.org/g|2|/pic01_800.jpg";
        QTest::newRow("paste, then the previous number") << "paste previous" << "https://x.org/g2/pic01_800.jpg" << "https://x.org/g|2|/pic01_800.jpg";
        QTest::newRow("a whole address stays whole through an activation") << "paste activate" << "https://x.org/tall.jpg" << "https://x.org/tall.jpg||";
        QTest::newRow("typing stays typing") << "type" << "https://x.org/p1.jpg" << "http://h/https://x.org/p1.jpg|01|.jpg";
        // clang-format on
    }

    void pasteAndDrop()
    {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QStringList then = how.split(u' ').mid(1);
        how = how.section(u' ', 0, 0);
        auto w = startWindow();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->setUrl1Text(s("http://h/"));
        auto *edit = child<QLineEdit>(w, "url1Edit");
        edit->setFocus();
        edit->end(false);
        QMimeData data;
        if (how == s("drop-link"))
            data.setUrls({QUrl(text)});
        else
            data.setText(text);
        QWidget *target = how == s("drop-link") ? static_cast<QWidget *>(w.get()) : edit;
        if (how == s("drop-url2"))
            target = child(w, "url2");
        else if (how == s("drop-url3"))
            target = child<QComboBox>(w, "url3")->lineEdit();
        if (how.startsWith(s("drop-url")))
            data.setUrls({QUrl(text)});
        if (how == s("paste")) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keySequence(edit, QKeySequence::Paste);
        } else if (how == s("menu")) {
            QGuiApplication::clipboard()->setText(text);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    edit->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(edit, &event);
            QTRY_VERIFY(QApplication::activePopupWidget());
            const QList<QAction *> actions = QApplication::activePopupWidget()->actions();
            const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *a) {
                return a->text().startsWith(s("&Paste"));
            });
            QVERIFY(paste != actions.end());
            (*paste)->trigger();
            QApplication::activePopupWidget()->close();
        } else if (how == s("type")) {
            QTest::keyClicks(edit, text);
        } else {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
        }
        for (const QString &step : then) {
            if (step == s("activate")) {
                QEvent activation(QEvent::WindowActivate);
                QApplication::sendEvent(w.get(), &activation);
            } else if (step == s("button")) {
                QTest::mouseClick(child(w, "cmdCounter"), Qt::LeftButton);
            } else {
                QTest::keyClick(edit, step == s("next") ? Qt::Key_Right : Qt::Key_Left,
                                Qt::AltModifier);
            }
        }
        QCOMPARE(parts(w), expected);
    }

    void keysAndFocusDuringRun_data()
    {
        QTest::addColumn<QString>("start"); // the input Enter is pressed in, or the control used
        QTest::addColumn<bool>("closed");   // the window is closed during the run, else Escape
        // clang-format off
        QTest::newRow("Enter in url1") << "url1Edit" << false;
        QTest::newRow("Enter in url2") << "url2" << false;
        QTest::newRow("Enter in url3") << "url3" << false;
        QTest::newRow("Get clicked") << "cmdGet" << false;
        QTest::newRow("Start Engine") << "m_start" << false;
        QTest::newRow("closing waits for the run") << "cmdGet" << true;
        // clang-format on
    }

    void keysAndFocusDuringRun()
    {
        QFETCH(QString, start);
        QFETCH(bool, closed);
        TestHttpServer server;
        QVERIFY(server.listen());
        TestHttpServer::Response stall;
        stall.behaviour = TestHttpServer::Behaviour::Stall;
        server.setDefaultResponse(stall);
        auto w = startWindow();
        // Typed without a scheme: Get puts it in front, visibly, before the first attempt.
        const QString address = server.baseUrl().mid(s("http://").size()) + s("/pic");
        w->setUrl1Text(address);
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *get = child<QPushButton>(w, "cmdGet");
        auto *stop = child<QPushButton>(w, "cmdStop");
        if (start == s("m_start")) {
            w->menus().m_start->trigger();
        } else if (start == s("cmdGet")) {
            // Leaving url1 for Get remembers what it held; Get then completes it.
            child(w, "url1Edit")->setFocus(Qt::TabFocusReason);
            QTest::mouseClick(get, Qt::LeftButton);
            QCOMPARE(SettingsStore::read(s("url1_0")), s("https://") + address);
        } else {
            QWidget *box = child(w, start.toUtf8().constData());
            if (auto *combo = qobject_cast<QComboBox *>(box))
                box = combo->lineEdit();
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(w->url1Text(), s("https://") + address);
        QVERIFY(!w->isGetEnabled());
        QCOMPARE(QApplication::focusWidget(), stop);
        for (const QLineEdit *edit : w->findChildren<QLineEdit *>())
            QVERIFY(!edit->hasSelectedText());
        if (closed) {
            QVERIFY(!w->close());
            QCOMPARE(m_requests.size(), 1);
            QCOMPARE(m_requests.first().title + u'|' + m_requests.first().text,
                     s("System is busy|The system is in middle of a download. This application "
                       "will\r\nterminate once the current connection is cleaned\r\nClick OK"));
            // The window stays until the run is idle, then goes by itself; the user is told once.
            w->close();
            QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 10000);
            QCOMPARE(m_requests.size(), 1);
            return;
        }
        QTest::keyClick(stop, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(w->isGetEnabled(), 10000);
        QCOMPARE(QApplication::focusWidget(), get);
    }

    void progressPanel_data()
    {
        QTest::addColumn<QString>("calls"); // run:ATTEMPT:PLANNED file:RECEIVED:TOTAL idle
        QTest::addColumn<QString>("attempt");
        QTest::addColumn<QString>("file");
        // clang-format off
        QTest::newRow("end not known") << "run:8:-1" << "8" << "";
        QTest::newRow("a file arriving") << "run:1:3 file:358400:1572864" << "1 / 3" << "350 KB";
        QTest::newRow("length not announced") << "run:2:3 file:1000:-1" << "2 / 3" << "1000 bytes";
        QTest::newRow("megabytes to a tenth") << "run:2:3 file:1625000:-1" << "2 / 3" << "1.5 MB";
        QTest::newRow("the file is in") << "run:2:3 file:1000:-1 file:-1:-1" << "2 / 3" << "";
        QTest::newRow("idle shows nothing") << "run:3:3 file:10:20 idle" << "" << "";
        // clang-format on
    }

    void progressPanel()
    {
        QFETCH(QString, calls);
        QFETCH(QString, attempt);
        QFETCH(QString, file);
        auto w = startWindow();
        w->setGetEnabled(false);
        w->setStopEnabled(true);
        for (const QString &call : calls.split(u' ')) {
            const QStringList f = call.split(u':');
            if (f[0] == s("run"))
                w->setRunProgress(f[1].toInt(), f[2].toInt());
            else if (f[0] == s("file"))
                w->setFileProgress(f[1].toLongLong(), f[2].toLongLong());
            else
                w->run().setIdleState();
        }
        ProgressPanel &panel = w->progressPanel();
        QCOMPARE(panel.attemptShown(), attempt);
        QCOMPARE(panel.fileShown(), file);
        QCOMPARE(panel.isVisible(), !attempt.isEmpty());
        // Named by what it shows (the status line too; test_xvfb.sh reads both on the bus).
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(child(w, "p_run"));
        QVERIFY(attempt.isEmpty() || face->text(QAccessible::Name) == attempt);
        QVERIFY(w->statusBar()->width() >= w->statusBar()->minimumSizeHint().width());
        // Over the preview's corner, never in the status line's room.
        QVERIFY(!w->statusBar()->isAncestorOf(&panel));
        QVERIFY(!panel.isVisible() || w->centralWidget()->rect().contains(panel.geometry()));
    }

    void statusReadsWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("seen"); // parts that show whole, "|" between them
        const QString address = s("https://gallery.example.org/albums/2026/summer/pic013.jpg");
        // clang-format off
        QTest::newRow("opening") << s("Opening : ") + address << s("Opening : https://|/pic013.jpg");
        QTest::newRow("failed, with its reason") << s("Failed   : ") + address + s(" (SSL certificate problem: unable to get local issuer certificate)") << s("Failed   : |/pic013.jpg|(SSL certificate problem: unable to get local issuer certificate)");
        QTest::newRow("could not save, with its reason") << s("could not save to /home/someone/Pictures/galleries/summer/pic013.jpg: No space left on device") << s("could not save to /|/pic013.jpg|: No space left on device");
        QTest::newRow("the summary") << s("downloading completed (36 saved, 1 not images; the series ended after 3 misses)") << s("downloading completed (36 saved, 1 not images; the series ended after 3 misses)");
        // clang-format on
    }

    // At the default size each line shown fits the status line and none is cut by its height.
    void statusReadsWhole()
    {
        QFETCH(QString, text);
        QFETCH(QString, seen);
        auto w = startWindow();
        w->setStatusText(text);
        auto *panel = child<StatusTextPanel>(w, "p_sat");
        const QStringList lines = panel->shownLines();
        QVERIFY(!lines.isEmpty());
        for (const QString &line : lines)
            QVERIFY2(panel->fontMetrics().horizontalAdvance(line) <= panel->textWidth(),
                     qPrintable(line));
        const QString shown = lines.join(u' ');
        for (const QString &part : seen.split(u'|'))
            QVERIFY2(shown.contains(part), qPrintable(shown));
        QTRY_VERIFY(panel->contentsRect().height() >=
                    panel->fontMetrics().lineSpacing() * int(lines.size()));
        QTRY_VERIFY(w->centralWidget()->rect().contains(child(w, "img1")->geometry()));
    }

    void whileAway_data()
    {
        QTest::addColumn<QString>("where"); // shown, tray, minimized (no notification area)
        QTest::addColumn<QString>("what");  // end of the run, name prompt, message
        // clang-format off
        QTest::newRow("run end, window shown: the status line is enough") << "shown" << "end";
        QTest::newRow("run end in the tray: a notification") << "tray" << "end";
        QTest::newRow("run end minimized without a tray: the taskbar entry asks for attention") << "minimized" << "end";
        QTest::newRow("name prompt, window in the tray") << "tray" << "prompt";
        QTest::newRow("message, window in the tray") << "tray" << "message";
        QTest::newRow("name prompt, window minimized on the taskbar") << "minimized" << "prompt";
        QTest::newRow("name prompt, options dialog open: over it") << "options" << "prompt";
        // clang-format on
    }

    void whileAway()
    {
        QFETCH(QString, where);
        QFETCH(QString, what);
        RecordingTray *tray = nullptr;
        auto w = startWindow(&tray);
        tray->available = where == s("tray");
        if (where == s("options"))
            w->menus().m_set->trigger();
        else if (where != s("shown")) {
            w->menus().m_icon->trigger();
            QTRY_VERIFY(w->isMinimized());
            QTRY_COMPARE(w->isHidden(), tray->available);
        }
        // A question the run needs answered brings the window back first.
        bool seen = false;
        m_whileShown = [&] {
            seen = w->isVisible() && !w->isMinimized() && !w->tray().record().shown;
        };
        if (what == s("end"))
            w->reportRunEnd(RunCounts(), s("3 saved, 1 failed"));
        else if (what == s("prompt"))
            QVERIFY(!w->promptForName(s("pic01.jpg"), s("New name"), nullptr));
        else
            w->showMessage(s("text"), s("title"));
        QCOMPARE(tray->calls.contains(s("notify:Quillop:3 saved, 1 failed")),
                 what == s("end") && where == s("tray"));
        QCOMPARE(m_requests.size(), what == s("end") ? 0 : 1);
        QCOMPARE(seen, what != s("end"));
        // The window is disabled while the options are open: the question goes over them.
        const QWidget *over = m_requests.isEmpty() ? nullptr : m_requests.first().parent;
        QVERIFY(!over || over->isEnabled());
        QCOMPARE(over && over->objectName() == s("frmOptions"), where == s("options"));
    }

    void closeWithADialogOpen_data()
    {
        QTest::addColumn<QString>("menu");   // the item that opens it
        QTest::addColumn<QString>("dialog"); // its objectName
        QTest::addColumn<bool>("outlives");  // still open once the main window is closed
        // clang-format off
        QTest::newRow("options: no busy message, goes with the window") << "m_set" << "frmOptions" << false;
        QTest::newRow("about box: keeps the program running") << "m_about" << "frmAbout" << true;
        // clang-format on
    }

    void closeWithADialogOpen()
    {
        QFETCH(QString, menu);
        QFETCH(QString, dialog);
        QFETCH(bool, outlives);
        auto w = startWindow();
        w->findChild<QAction *>(menu)->trigger();
        QPointer<QWidget> box;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == dialog && window->isVisible())
                box = window;
        QVERIFY(box);
        // No taskbar entry of its own and no way to minimize it away from the main window.
        QCOMPARE(box->windowHandle()->transientParent(), w->windowHandle());
        QVERIFY(!(box->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(w->isGetEnabled() && !w->isStopEnabled());
        bool openAfterwards = false;
        QTimer::singleShot(0, w.get(), [&] {
            w->close();
            openAfterwards = box->isVisible();
            // Still there once the closing is done; the program then ends with the dialog.
            QTimer::singleShot(0, box, [&] {
                openAfterwards = openAfterwards && box->isVisible();
                box->close();
            });
        });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(openAfterwards, outlives);
        QVERIFY(m_requests.isEmpty());
    }

private:
    QString file(const char *name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(s(name));
        return TestEnvironment::writeFile(path, content) ? path : QString();
    }

    QTemporaryDir m_dir;
    QList<ModalDialogs::Request> m_requests;
    std::function<void()> m_whileShown;
};

QUILLOP_TEST_GUI_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
