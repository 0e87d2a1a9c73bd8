#include "FileChooser.h"
#include "FileOps.h"
#include "FolderPrompt.h"
#include "FrmOptions.h"
#include "LoadSettings.h"
#include "OptionsApply.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QWindow>
#include <QtTest>

// One opening of the options dialog as the main window does it (disable, create, show),
// over an empty store and existing directories, with the beeps counted.
struct OptionsDialogFixture
{
    OptionsDialogFixture()
    {
        TestEnvironment::resetStore();
        FrmOptions::setBeepHook([this] { ++beeps; });
        FolderPrompt::setHook([this](const QString &question) {
            questions << question;
            return createFolders;
        });
        settings.save_dir = TestEnvironment::home() + QStringLiteral("/pictures/series");
        settings.log_dir = TestEnvironment::home() + QStringLiteral("/logs");
        QDir().mkpath(settings.save_dir);
        QDir().mkpath(settings.log_dir);
        for (const char *name : {"/c.txt", "/ca.pem"})
            if (!TestEnvironment::writeFile(TestEnvironment::home() + QLatin1String(name)))
                qWarning("no %s in the test home", name);
        settings.max_downloads = 100;
        settings.increment = settings.pause_time = 1;
        settings.is_number_mode = settings.is_save = settings.is_header = true;
        settings.if_exists = IfExistsPolicy::Prompt;
        window.url2 = QStringLiteral("07");
    }
    ~OptionsDialogFixture()
    {
        delete dialog.data();
        FrmOptions::setBeepHook({});
        FolderPrompt::setHook({});
    }

    FrmOptions *open()
    {
        mainWidget.setEnabled(false);
        dialog = new FrmOptions(settings, window, &mainWidget);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog))
            qWarning("the options dialog did not become active");
        return dialog;
    }

    template <typename W = QWidget> W *control(const QString &name) const
    {
        return dialog->findChild<W *>(name);
    }
    QTabBar *tabBar() const { return control(QStringLiteral("tab1"))->findChild<QTabBar *>(); }
    void clickTab(int index)
    {
        QTest::mouseClick(tabBar(), Qt::LeftButton, {}, tabBar()->tabRect(index).center());
    }
    // Option buttons take clicks on their indicator and caption only, not on the blank rest.
    void click(const char *name)
    {
        QWidget *widget = control(QLatin1String(name));
        const QPoint at = qobject_cast<QRadioButton *>(widget) ? QPoint(6, widget->height() / 2)
                                                               : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    // Clicks into the box and types over what it holds.
    static void typeInto(QLineEdit *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    static QStringList storedKeys()
    {
        QStringList keys = SettingsStore::allKeys();
        keys.removeIf([](const QString &key) { return !SettingsStore::contains(key); });
        keys.sort();
        return keys;
    }

    RunSettings settings;
    RecordingWindow window;
    QWidget mainWidget;
    QPointer<FrmOptions> dialog;
    int beeps = 0;
    bool createFolders = false; // the answer to "Create the folder ...?"
    QStringList questions;
};

using F = OptionsDialogFixture;

// How a setting stands after opening; extraMarks adds to the marks every opening sets.
struct Opening
{
    qint16 maxDownloads;
    const char *proxyName;
    const char *extraMarks;
    const char *status;
    const char *saveDir = "pictures/series"; // under the test home
    const char *logDir = "logs";
};
Q_DECLARE_METATYPE(Opening)

// One control set by the user, and what Apply then stores (kept through a Cancel);
// an empty stored means refused.
struct Entry
{
    int tab;
    const char *control;
    const char *key;
    const char *typed; // null: an option button clicked
    int beeps;         // after typing and Tab
    const char *stored;
    const char *status;
    const char *url2 = "07";
    bool createFolder = false; // Yes to "Create the folder ...?"; "~" in typed is the test home
};
Q_DECLARE_METATYPE(Entry)

// A "Browse..." button (null: the answer typed into the box, then Tab), what the chooser answers
// ("" cancelled; a leading "~" is the test home), the box that then shows it and what OK stores.
struct Browse
{
    int tab;
    const char *button;
    const char *answer;
    const char *box;
    const char *shown;
    const char *key;
    const char *stored; // null: not stored
};
Q_DECLARE_METATYPE(Browse)

// The dialog driven as a person would (clicks, typing, Tab) and what reaches the store.
class TestOptionsDialog : public QObject
{
    Q_OBJECT
private slots:
    void marksAfterOpening_data()
    {
        QTest::addColumn<Opening>("o");
        // clang-format off
        QTest::newRow("fill equals the initial texts") << Opening{100, "Text1", "", ""};
        QTest::newRow("another max downloads") << Opening{40, "Text1", "max_downloads", ""};
        QTest::newRow("max downloads refused while filling") << Opening{-1, "", "proxy_name", "Error : Max Downloads Has to be a Number"};
        QTest::newRow("stored directory gone") << Opening{100, "Text1", "", "", "pictures/gone/deeper"};
        QTest::newRow("stored log directory gone") << Opening{100, "Text1", "", "", "pictures/series", "logs/gone"};
        // clang-format on
    }

    void marksAfterOpening()
    {
        QFETCH(Opening, o);
        QStringList marks = QStringLiteral("is_log is_proxy is_save log_dir save_dir %1")
                                .arg(QLatin1String(o.extraMarks))
                                .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        marks.sort();
        F f;
        f.mainWidget.setGeometry(0, 0, 120, 80); // a small main window at the screen's corner
        f.mainWidget.show();
        f.settings.max_downloads = o.maxDownloads;
        f.settings.proxy_name = QLatin1String(o.proxyName);
        f.settings.save_dir = TestEnvironment::home() + QLatin1Char('/') + QLatin1String(o.saveDir);
        f.settings.log_dir = TestEnvironment::home() + QLatin1Char('/') + QLatin1String(o.logDir);
        f.open();
        // A dialog of the main window: no minimize control, never left minimized, and not
        // disabled with it.
        QVERIFY(f.dialog->screen()->availableGeometry().contains(f.dialog->geometry()));
        const Qt::WindowFlags flags = f.dialog->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(f.dialog->parentWidget() == nullptr);
        f.dialog->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!(f.dialog->windowState() & Qt::WindowMinimized));
        QVERIFY(f.dialog->isEnabled());
        QStringList set = f.dialog->changeMarks().setKeys();
        set.sort();
        QCOMPARE(set, marks);
        QCOMPARE(f.dialog->statusText(), QLatin1String(o.status));
        QCOMPARE(f.beeps, *o.status ? 1 : 0);

        // An untouched OK writes the marked settings again, as the controls show them.
        if (*o.status)
            return; // OK then waits, as with any refused max downloads
        f.click("cmdOK");
        QTRY_VERIFY(f.dialog.isNull());
        QCOMPARE(F::storedKeys(), marks);
        QCOMPARE(SettingsStore::read(QStringLiteral("save_dir")), f.settings.save_dir);
        QCOMPARE(SettingsStore::read(QStringLiteral("log_dir")), f.settings.log_dir);
    }

    void entries_data()
    {
        QTest::addColumn<Entry>("e");
        const char *max = "Error : Max Downloads Has to be a Number";
        const char *port = "Error : Http Port Number Has to be a Number";
        // clang-format off
        QTest::newRow("increment half rounds to even") << Entry{1, "txtIncrement", "increment", " 2.5 ", 0, "2", ""};
        QTest::newRow("increment rounding to 0") << Entry{1, "txtIncrement", "increment", "0.5", 1, "", "Error : Increment Has to be a Number"};
        QTest::newRow("pause 0") << Entry{1, "txtPause", "pause_time", "0", 1, "", "Error : Pause time has be a positive Number"};
        QTest::newRow("port 0") << Entry{2, "txtPort", "proxy_port", "0", 1, "", port};
        QTest::newRow("port 65535") << Entry{2, "txtPort", "proxy_port", "65535", 0, "65535", ""};
        QTest::newRow("port 65536") << Entry{2, "txtPort", "proxy_port", "65536", 1, "", port};
        QTest::newRow("misses 0") << Entry{1, "txtMisses", "stop_after_misses", "0", 0, "0", ""};
        QTest::newRow("misses -1") << Entry{1, "txtMisses", "stop_after_misses", "-1", 1, "", "Error : Misses in a row Has to be a Number"};
        QTest::newRow("retries x") << Entry{1, "txtRetries", "retries", "x", 1, "", "Error : Retries Has to be a Number"};
        QTest::newRow("parallel 17") << Entry{1, "txtParallel", "parallel", "17", 1, "", "Error : Pictures at once Has to be 1 to 16"};
        QTest::newRow("save path typed, not created") << Entry{0, "txtSavPath", "save_dir", " /srv/new pics ", 0, "/srv/new pics", ""};
        QTest::newRow("save folder created") << Entry{0, "txtSavPath", "save_dir", "~/made/here", 0, "~/made/here", "", "07", true};
        QTest::newRow("save folder that cannot be made") << Entry{0, "txtSavPath", "save_dir", "/proc/quillop/g", 0, "", "", "07", true};
        QTest::newRow("socks5") << Entry{2, "optProxySocks5", "proxy_type", nullptr, 0, "socks5", ""};
        QTest::newRow("password as typed") << Entry{2, "txtProxyPassword", "proxy_password", " p w ", 0, " p w ", ""};
        QTest::newRow("automatic referer") << Entry{2, "optRefAuto", "referer", nullptr, 0, "auto", ""};
        QTest::newRow("cookie file trimmed") << Entry{2, "txtCookieFile", "cookie_file", " ~/c.txt ", 0, "~/c.txt", ""};
        QTest::newRow("CA file trimmed") << Entry{2, "txtCaFile", "ca_file", " ~/ca.pem ", 0, "~/ca.pem", ""};
        QTest::newRow("cookie file that is not there") << Entry{2, "txtCookieFile", "cookie_file", "~/gone.txt", 1, "", "Error : The cookie file cannot be read"};
        QTest::newRow("CA file that is a folder") << Entry{2, "txtCaFile", "ca_file", "~", 1, "", "Error : The certificate file cannot be read"};
        QTest::newRow("appended text trimmed") << Entry{0, "txtAdd", "append_str", "  pre  ", 0, "pre", ""};
        QTest::newRow("tail") << Entry{0, "optTail", "is_header", nullptr, 0, "False", ""};
        QTest::newRow("do not save") << Entry{0, "optNoSave", "is_save", nullptr, 0, "False", ""};
        QTest::newRow("letter mode sets the counter") << Entry{1, "optCharactor", "is_number_mode", nullptr, 0, "False", "", "A"};
        // Clearing max downloads fails at once; every key is checked again; the focus stays free.
        QTest::newRow("max 0 keeps the cleared box's message") << Entry{1, "txtMaxFiles", "max_downloads", "0", 1, "0", max};
        QTest::newRow("max past 16 bits") << Entry{1, "txtMaxFiles", "max_downloads", "40000", 2, "", max};
        QTest::newRow("rename") << Entry{0, "optRen", "if_exists", nullptr, 0, "4", ""};
        QTest::newRow("number mode clicked again restarts the counter") << Entry{1, "optNumber", "is_number_mode", nullptr, 0, "True", "", "01"};
        // clang-format on
    }

    void entries()
    {
        QFETCH(Entry, e);
        const QString typed = QString::fromUtf8(e.typed).replace(u'~', TestEnvironment::home());
        const bool refused = !*e.stored;
        const bool onChange = qstrcmp(e.control, "txtMaxFiles") == 0;
        F f;
        f.createFolders = e.createFolder;
        f.settings.is_proxy = true;
        f.open();
        f.clickTab(e.tab);
        auto *edit = f.control<QLineEdit>(QLatin1String(e.control));
        if (edit) {
            F::typeInto(edit, typed);
            if (refused && onChange)
                QCOMPARE(edit->selectedText(), typed); // so the next key replaces it
            QTest::keyClick(edit, Qt::Key_Tab);
            QCOMPARE(edit->hasFocus(), refused && !onChange && !e.createFolder);
        } else
            f.click(e.control);
        QCOMPARE(f.beeps, e.beeps);
        QCOMPARE(f.dialog->statusText(), QLatin1String(e.status));
        // A screen reader reads the message as the status bar's name.
        QAccessibleInterface *bar =
            QAccessible::queryAccessibleInterface(f.control(QStringLiteral("statbar")));
        QCOMPARE(bar->text(QAccessible::Name), QLatin1String(e.status));

        f.click("cmdApply");
        if (refused) {
            // Apply and OK wait for a valid entry; Cancel does not.
            QVERIFY(edit->hasFocus());
            QCOMPARE(edit->selectedText(), typed);
            QCOMPARE(f.beeps, e.beeps + 1);
            f.click("cmdOK");
            QVERIFY(f.dialog->isVisible());
            QVERIFY(F::storedKeys().isEmpty());
        } else if (edit) {
            // What Apply stored stays; what is typed after it, Enter and Escape change nothing.
            F::typeInto(edit, QStringLiteral("9"));
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(edit, key);
            QVERIFY(f.dialog->isVisible());
        }
        f.click("cmdCancel");
        QTRY_VERIFY(f.dialog.isNull());
        QVERIFY(f.mainWidget.isEnabled());
        const QString stored = QString::fromUtf8(e.stored).replace(u'~', TestEnvironment::home());
        QCOMPARE(SettingsStore::read(QLatin1String(e.key), QString()), stored);
        if (e.createFolder) {
            QCOMPARE(f.questions.value(0), QStringLiteral("Create the folder %1?").arg(typed));
            QCOMPARE(QFileInfo(typed).isDir(), !refused);
        }
        if (!edit) // Tab from a box may land on the mode buttons, which mark the mode.
            QCOMPARE(f.window.url2, QLatin1String(e.url2));
    }

    void browse_data()
    {
        QTest::addColumn<Browse>("b");
        // clang-format off
        QTest::newRow("save directory") << Browse{0, "cmdSavBrowse", "~/pictures/other", "txtSavPath", "~/pictures/other", "save_dir", "~/pictures/other"};
        QTest::newRow("log directory") << Browse{3, "cmdLogBrowse", "~/pictures", "txtLogDir", "~/pictures/%1", "log_dir", "~/pictures"};
        QTest::newRow("cookie file") << Browse{2, "cmdCookieBrowse", "/srv/cookies.txt", "txtCookieFile", "/srv/cookies.txt", "cookie_file", "/srv/cookies.txt"};
        QTest::newRow("certificate file") << Browse{2, "cmdCaBrowse", "/srv/ca.pem", "txtCaFile", "/srv/ca.pem", "ca_file", "/srv/ca.pem"};
        QTest::newRow("log directory typed") << Browse{3, nullptr, "~/pictures", "txtLogDir", "~/pictures/%1", "log_dir", "~/pictures"};
        QTest::newRow("chooser cancelled") << Browse{2, "cmdCaBrowse", "", "txtCaFile", "", "ca_file", nullptr};
        // clang-format on
    }

    void browse()
    {
        QFETCH(Browse, b);
        const auto home = [](const char *text) {
            return QString::fromUtf8(text).replace(QLatin1Char('~'), TestEnvironment::home());
        };
        F f;
        f.settings.is_log = true;
        QDir().mkpath(home("~/pictures/other"));
        QStringList asked;
        FileChooser::setHook([&](FileChooser::Kind, const QString &, const QString &start) {
            asked << start;
            return home(b.answer);
        });
        f.open();
        f.clickTab(b.tab);
        auto *box = f.control<QLineEdit>(QLatin1String(b.box));
        if (b.button)
            f.click(b.button);
        else {
            F::typeInto(box, home(b.answer));
            QTest::keyClick(box, Qt::Key_Tab);
        }
        FileChooser::setHook({});
        QCOMPARE(asked.size(), b.button ? 1 : 0);
        const QString shown =
            home(b.shown).replace(QStringLiteral("%1"), logFileNameFor(QDate::currentDate()));
        QCOMPARE(box->text(), shown);
        f.click("cmdOK");
        QTRY_VERIFY(f.dialog.isNull());
        QCOMPARE(SettingsStore::contains(QLatin1String(b.key)), b.stored != nullptr);
        if (b.stored)
            QCOMPARE(SettingsStore::read(QLatin1String(b.key)), home(b.stored));
    }

    // Through the accessibility bus, as a screen reader hears it (test_xvfb.sh runs this under
    // Xvfb with a session bus; elsewhere it is skipped).
    void statusHeardByScreenReader()
    {
        const QString script = qEnvironmentVariable("QUILLOP_ATSPI_READER");
        if (script.isEmpty())
            QSKIP("needs an accessibility bus (test_xvfb.sh)");
        F f;
        f.open();
        QProcess reader;
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {script, QString::number(QCoreApplication::applicationPid()),
                      f.control(QStringLiteral("statbar"))->toolTip(), QStringLiteral("listen")});
        QTRY_VERIFY_WITH_TIMEOUT(reader.canReadLine(), 20000); // the empty bar's name: listening
        f.clickTab(1);
        F::typeInto(f.control<QLineEdit>(QStringLiteral("txtPause")), QStringLiteral("0"));
        QTest::keyClick(f.control(QStringLiteral("txtPause")), Qt::Key_Tab);
        QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 30000);
        QCOMPARE(reader.exitCode(), 0);
        QCOMPARE(reader.readAll().split('\n').value(1),
                 QByteArray("Error : Pause time has be a positive Number"));
    }

    // The apply step alone: free texts go in trimmed, a directory as picked, the log path
    // follows its directory at once and a run gets the new limit.
    void applyOptionsAlone()
    {
        TestEnvironment::resetStore();
        RunSettings s;
        s.log_file_name = QStringLiteral("2026-12-05.log");
        RecordingWindow window;
        using SettingsStore::Key;
        ChangeMarks marks;
        OptionsValues v;
        const std::pair<Key, const char *> typed[] = {{Key::max_downloads, "12"},
                                                      {Key::proxy_name, " gate "},
                                                      {Key::log_dir, " /srv/logs"},
                                                      {Key::referer, " http://r/ "}};
        for (const auto &[key, text] : typed) {
            marks.mark(key);
            v[key] = QLatin1String(text);
        }
        applyOptions(v, marks, s, window);
        QCOMPARE(QStringList({SettingsStore::read(QStringLiteral("proxy_name")),
                              SettingsStore::read(QStringLiteral("referer")),
                              SettingsStore::read(QStringLiteral("log_dir"))}),
                 QStringList({QStringLiteral("gate"), QStringLiteral("http://r/"),
                              QStringLiteral(" /srv/logs")}));
        QCOMPARE(s.log_file_path,
                 FileOps::BuildPath(QStringLiteral(" /srv/logs"), s.log_file_name));
        QCOMPARE(s.max_downloads, qint16(12));
    }

    void keyboardReachesEverything_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("chosen"); // the checked button of an option group on it
        QTest::newRow("save") << 0 << QStringLiteral("optPrompt");
        QTest::newRow("download") << 1 << QStringLiteral("optNumber");
        QTest::newRow("connection") << 2 << QStringLiteral("optNo");
        QTest::newRow("log") << 3 << QStringLiteral("OptLogNo");
    }

    // Alt+letter for each control of a page, Ctrl+Tab round the pages, and Tab into an option
    // group lands on its chosen button.
    void keyboardReachesEverything()
    {
        QFETCH(int, page);
        QFETCH(QString, chosen);
        F f;
        f.open();
        f.clickTab(page);
        const auto mnemonic = [](const QString &caption) {
            const qsizetype at =
                QString(caption).replace(QLatin1String("&&"), QLatin1String("__")).indexOf(u'&');
            return at < 0 ? QChar() : caption[at + 1].toLower();
        };
        QSet<QChar> letters;
        for (int i = 0; i < 4; ++i) // the tabs' letters hold on every page
            letters.insert(mnemonic(f.tabBar()->tabText(i)));
        QCOMPARE(letters.size(), 4);
        for (QWidget *w : f.dialog->findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(w);
            auto *button = qobject_cast<QAbstractButton *>(w);
            if (!w->isVisible() || (!button && !(label && label->buddy())))
                continue;
            const QChar letter = mnemonic(button ? button->text() : label->text());
            QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(w->objectName()));
            letters.insert(letter);
        }

        auto *button = f.control(chosen);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Backtab, Qt::ShiftModifier);
        QWidget *before = QApplication::focusWidget();
        QVERIFY(before && before != button);
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);

        QTest::keyClick(button, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.tabBar()->currentIndex(), (page + 1) % 4);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.tabBar()->currentIndex(), page);
    }

    // Fonts differ between machines: at the dialog's least size, on every page, each caption
    // must show whole in its control and container, and each box its longest value. A picture of
    // each page is kept for a look by eye (test_xvfb.sh takes them under a real X server with the
    // system fonts, at scale 1 and 2).
    void captionsAndValuesShowWhole()
    {
        F f;
        f.settings.is_proxy = f.settings.is_log = true;
        f.settings.proxy_name = QStringLiteral("gate");
        FrmOptions *dialog = f.open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Quillop Options"));
        // It opens within the screen, OK, Cancel and Apply in sight (the pages scroll), and
        // may then be made as small as its layout lets it.
        QVERIFY(dialog->screen()->availableGeometry().contains(dialog->geometry()));
        for (const char *name : {"cmdOK", "cmdCancel", "cmdApply"})
            QVERIFY2(dialog->rect().contains(f.control(QLatin1String(name))
                                                 ->geometry()
                                                 .translated(f.control(QLatin1String(name))
                                                                 ->parentWidget()
                                                                 ->mapTo(dialog, QPoint()))),
                     name);
        const QString dir =
            qEnvironmentVariable("QUILLOP_SCREENSHOT_DIR",
                                 qEnvironmentVariable("QUILLOP_BINARY_DIR", QDir::currentPath()) +
                                     QStringLiteral("/screenshots"));
        QVERIFY(QDir().mkpath(dir));
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
        const char *names[] = {"save", "download", "connection", "log"};
        const char *captions[] = {"     Save     ", " Download ", "Connection ",
                                  "      Log       "};
        for (int tab : {1, 2, 3, 0}) {
            f.clickTab(tab);
            QCOMPARE(f.tabBar()->tabText(tab).remove(u'&'), QLatin1String(captions[tab]));
            QVERIFY(f.tabBar()->width() >= f.tabBar()->sizeHint().width());
            const QString file =
                dir + QStringLiteral("/options-%1-x%2.png").arg(QLatin1String(names[tab]), scale);
            QVERIFY(dialog->grab().save(file));
        }
        dialog->resize(1, 1);

        // Page by page: a hidden page is laid out again only when it shows.
        for (int tab : {1, 2, 3, 0}) {
            f.clickTab(tab);
            for (QWidget *w : dialog->findChildren<QWidget *>()) {
                const QString name = w->objectName();
                if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !w->isVisible())
                    continue;
                QVERIFY2(!w->accessibleName().isEmpty() || qobject_cast<QStatusBar *>(w),
                         qPrintable(name));
                auto *label = qobject_cast<QLabel *>(w);
                if (!label && !qobject_cast<QAbstractButton *>(w))
                    continue;
                // Neither cut nor squeezed: at least as large as the caption asks.
                const QSize need = label && label->wordWrap()
                                       ? QSize(label->minimumSizeHint().width(),
                                               label->heightForWidth(label->width()))
                                       : w->sizeHint();
                QVERIFY2(w->width() >= need.width() && w->height() >= need.height(),
                         qPrintable(name));
                QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
            }
        }
        // The status bar shows the longest message of the checks whole.
        auto *bar = f.control<QStatusBar>(QStringLiteral("statbar"));
        const QString longest = QStringLiteral("Error : Pause time has be a positive Number");
        QVERIFY(bar->width() > bar->fontMetrics().horizontalAdvance(longest));
        // A box that scrolled its text to show the end has cut the beginning.
        const std::pair<const char *, const char *> values[] = {
            {"txtMaxFiles", "32767"},
            {"txtIncrement", "32767"},
            {"txtPause", "32767"},
            {"txtMisses", "32767"},
            {"txtRetries", "32767"},
            {"txtPort", "65535"},
            {"txtUserAgent", "Mozilla/5.0 (X11; Linux x86_64; rv:128.0)"}};
        for (const auto &[name, value] : values) {
            auto *edit = f.control<QLineEdit>(QLatin1String(name));
            edit->setText(QLatin1String(value));
            edit->grab(); // the scrolling is worked out as the box is painted
            const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            QVERIFY2(end >= edit->fontMetrics().horizontalAdvance(edit->text()), name);
        }
    }
};

QUILLOP_TEST_GUI_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
