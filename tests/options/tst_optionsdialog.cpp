#include "OptionsDialogFixture.h"

#include "DownloadRun.h"
#include "FileOps.h"
#include "OptionsApply.h"
#include "Pause.h"
#include "TestHttpServer.h"
#include "Transfer.h"

#include <QSignalSpy>

using F = OptionsDialogFixture;

// How a setting stands after opening; extraMarks adds to the marks every opening sets.
struct Opening
{
    qint16 maxDownloads;
    const char *proxyName;
    const char *extraMarks;
    const char *status;
    const char *saveDir = "pictures/series"; // under the test home
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
};
Q_DECLARE_METATYPE(Entry)

// The dialog driven as a person would (clicks, typing, Tab) and what reaches the store.
class TestOptionsDialog : public QObject
{
    Q_OBJECT
private slots:
    void marksAfterOpening_data();
    void marksAfterOpening();
    void entries_data();
    void entries();
    void applyWritesMarkedSettings();
    void lowerMaxDownloadsEndsTheRun();
};

void TestOptionsDialog::marksAfterOpening_data()
{
    QTest::addColumn<Opening>("o");
    // clang-format off
    QTest::newRow("fill equals the initial texts") << Opening{100, "Text1", "", ""};
    QTest::newRow("another max downloads") << Opening{40, "Text1", "max_downloads", ""};
    QTest::newRow("max downloads refused while filling") << Opening{-1, "", "proxy_name", "Error : Max Downloads Has to be a Number"};
    QTest::newRow("stored directory gone") << Opening{100, "Text1", "", "", "pictures/gone/deeper"};
    // clang-format on
}

void TestOptionsDialog::marksAfterOpening()
{
    QFETCH(Opening, o);
    QStringList marks = QStringLiteral("is_log is_proxy is_save log_dir save_dir %1")
                            .arg(QLatin1String(o.extraMarks))
                            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    marks.sort();
    F f;
    f.settings.max_downloads = o.maxDownloads;
    f.settings.proxy_name = QLatin1String(o.proxyName);
    f.settings.save_dir = TestEnvironment::home() + QLatin1Char('/') + QLatin1String(o.saveDir);
    f.open();
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

void TestOptionsDialog::entries_data()
{
    QTest::addColumn<Entry>("e");
    const char *max = "Error : Max Downloads Has to be a Number";
    // clang-format off
    QTest::newRow("increment half rounds to even") << Entry{1, "txtIncrement", "increment", " 2.5 ", 0, "2", ""};
    QTest::newRow("increment rounding to 0") << Entry{1, "txtIncrement", "increment", "0.5", 1, "", "Error : Increment Has to be a Number"};
    QTest::newRow("pause 0") << Entry{1, "txtPause", "pause_time", "0", 1, "", "Error : Pause time has be a positive Number"};
    QTest::newRow("port 0") << Entry{2, "txtPort", "proxy_port", "0", 0, "0", ""};
    QTest::newRow("port abc") << Entry{2, "txtPort", "proxy_port", "abc", 1, "", "Error : Http Port Number Has to be a Number"};
    // Clearing max downloads fails at once; every key is checked again; the focus stays free.
    QTest::newRow("max 0 keeps the cleared box's message") << Entry{1, "txtMaxFiles", "max_downloads", "0", 1, "0", max};
    QTest::newRow("max past 16 bits") << Entry{1, "txtMaxFiles", "max_downloads", "40000", 2, "", max};
    QTest::newRow("rename") << Entry{0, "optRen", "if_exists", nullptr, 0, "4", ""};
    QTest::newRow("number mode clicked again restarts the counter") << Entry{1, "optNumber", "is_number_mode", nullptr, 0, "True", "", "01"};
    // clang-format on
}

void TestOptionsDialog::entries()
{
    QFETCH(Entry, e);
    const QString typed = QLatin1String(e.typed);
    const bool refused = !*e.stored;
    const bool onChange = qstrcmp(e.control, "txtMaxFiles") == 0;
    F f;
    f.settings.is_proxy = true;
    f.open();
    f.clickTab(e.tab);
    auto *edit = f.control<QLineEdit>(QLatin1String(e.control));
    if (edit) {
        F::typeInto(edit, typed);
        if (refused && onChange)
            QCOMPARE(edit->selectedText(), typed); // so the next key replaces it
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->hasFocus(), refused && !onChange);
    } else
        f.click(e.control);
    QCOMPARE(f.beeps, e.beeps);
    QCOMPARE(f.dialog->statusText(), QLatin1String(e.status));

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
    QCOMPARE(SettingsStore::read(QLatin1String(e.key), QString()), QLatin1String(e.stored));
    if (!edit) // Tab from a box may land on the mode buttons, which mark the mode.
        QCOMPARE(f.window.url2, QLatin1String(e.url2));
}

// The apply step alone, every key marked: the text written per key, and the fields set with it.
void TestOptionsDialog::applyWritesMarkedSettings()
{
    TestEnvironment::resetStore();
    RunSettings s;
    s.log_file_name = QStringLiteral("2026-12-05.log");
    RecordingWindow window;
    // clang-format off
    const OptionsValues v{.maxFiles = QStringLiteral("12"), .increment = QStringLiteral("2.5"), .pause = QStringLiteral("3"),
        .addText = QStringLiteral("  pre  "), .savePath = QStringLiteral(" /srv/pics "), .overwrite = true, .proxy = true,
        .proxyName = QStringLiteral(" gate "), .proxyPort = QStringLiteral("8080"), .log = true, .logDir = QStringLiteral(" /srv/logs")};
    applyOptions(v, ChangeMarks{true, true, true, true, true, true, true, true, true, true, true, true, true, true}, s, window);
    const std::pair<const char *, const char *> expected[] = {
        {"max_downloads", "12"}, {"is_number_mode", "False"}, {"increment", "2"}, {"pause_time", "3"},
        {"is_save", "False"}, {"append_str", "pre"}, {"is_header", "False"}, {"save_dir", "/srv/pics"},
        {"if_exists", "2"}, {"is_proxy", "True"}, {"proxy_name", "gate"}, {"proxy_port", "8080"},
        {"is_log", "True"}, {"log_dir", " /srv/logs"}};
    // clang-format on
    for (const auto &[key, text] : expected)
        QCOMPARE(SettingsStore::read(QLatin1String(key), QStringLiteral("<absent>")),
                 QLatin1String(text));
    // The picker's path is taken as it is; the log path follows it at once.
    QCOMPARE(s.log_file_path, FileOps::BuildPath(QStringLiteral(" /srv/logs"), s.log_file_name));
    QCOMPARE(window.callsOf(QStringLiteral("setUrl2Text")), QStringList{QStringLiteral("A")});
}

// A run waiting in its pause takes what OK stored at its next step.
void TestOptionsDialog::lowerMaxDownloadsEndsTheRun()
{
    F f;
    f.settings.isMultiple = true;
    TestHttpServer server;
    server.listen();
    server.setDefaultResponse(TestHttpServer::image("picture"));
    f.window.url1 = server.baseUrl() + QStringLiteral("/pic");
    f.window.url3 = QStringLiteral(".jpg");
    Transfer transfer;
    DownloadRun run(f.settings, f.window, transfer);
    run.pause().setUnitMs(100000); // the run waits after its first attempt
    QSignalSpy finished(&run, &DownloadRun::runFinished);
    run.cmdGet_Click();
    QTRY_VERIFY_WITH_TIMEOUT(run.pause().isWaiting(), 20000);

    f.open();
    f.clickTab(1);
    F::typeInto(f.control<QLineEdit>(QStringLiteral("txtMaxFiles")), QStringLiteral("1"));
    f.click("cmdOK");
    QTRY_VERIFY(f.dialog.isNull());
    // End the pause now rather than after its length.
    run.pause().setUnitMs(1);
    run.pause().pauseFor(1);
    QVERIFY(finished.count() == 1 || finished.wait(20000));
    QCOMPARE(server.requestCount(), 1);
}

QUILLOP_TEST_GUI_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
