#include "OptionsDialogFixture.h"

#include "DrivePicker.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTreeWidget>

// The dialog driven as a person would: clicks, typing and Tab; what reaches the store.
class TestOptionsDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { FrmOptions::setBeepHook({}); }

    void marksAfterOpening_data();
    void marksAfterOpening();
    void numericBoxOnFocusMove_data();
    void numericBoxOnFocusMove();
    void maxDownloadsOnEveryChange_data();
    void maxDownloadsOnEveryChange();
    void refusedEntryBlocksOkApplyAndTabs();
    void passingCheckKeepsOldMessage();
    void optionClicks_data();
    void optionClicks();
    void addedTextIsTrimmed();
    void newLogDirectory();
    void driveChangeRunsTheChain();
    void missingSaveDirectoryOpens();
    void proxyDetailsFollowTheButtons();
    void applyThenCancelKeepsApplied();
    void closingStoresNothing_data();
    void closingStoresNothing();

private:
    static QStringList storedKeys();
    static void typeInto(QLineEdit *box, const QString &text);
    int m_beeps = 0;
};

void TestOptionsDialog::init()
{
    TestEnvironment::resetStore();
    m_beeps = 0;
    FrmOptions::setBeepHook([this] { ++m_beeps; });
}

QStringList TestOptionsDialog::storedKeys()
{
    QStringList keys;
    for (const QString &key : SettingsStore::allKeys()) {
        if (SettingsStore::contains(key))
            keys << key;
    }
    return keys;
}

// Clicks into the box, selects what it holds and types over it.
void TestOptionsDialog::typeInto(QLineEdit *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void TestOptionsDialog::marksAfterOpening_data()
{
    QTest::addColumn<qint16>("maxDownloads");
    QTest::addColumn<QString>("proxyName");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QString>("status");
    const QStringList always{QStringLiteral("is_save"), QStringLiteral("save_dir"),
                             QStringLiteral("is_proxy"), QStringLiteral("is_log"),
                             QStringLiteral("log_dir")};
    auto with = [&](std::initializer_list<const char *> more) {
        QStringList keys = always;
        for (const char *key : more)
            keys << QLatin1String(key);
        return keys;
    };
    const QString none;
    QTest::newRow("fill equals the initial texts")
        << qint16(100) << QStringLiteral("Text1") << with({}) << none;
    QTest::newRow("another proxy name")
        << qint16(100) << QStringLiteral("gate") << with({"proxy_name"}) << none;
    QTest::newRow("another max downloads")
        << qint16(40) << QStringLiteral("Text1") << with({"max_downloads"}) << none;
    QTest::newRow("max downloads refused while filling")
        << qint16(-1) << QString() << with({"proxy_name"})
        << QStringLiteral("Error : Max Downloads Has to be a Number");
}

void TestOptionsDialog::marksAfterOpening()
{
    QFETCH(qint16, maxDownloads);
    QFETCH(QString, proxyName);
    QFETCH(QStringList, marks);
    QFETCH(QString, status);
    OptionsDialogFixture f;
    f.settings.max_downloads = maxDownloads;
    f.settings.proxy_name = proxyName;
    FrmOptions *dialog = f.open();
    QStringList set = dialog->changeMarks().setKeys();
    set.sort();
    marks.sort();
    QCOMPARE(set, marks);
    QCOMPARE(dialog->statusText(), status);
    QCOMPARE(m_beeps, status.isEmpty() ? 0 : 1);
    QCOMPARE(f.tabBar()->currentIndex(), 0);

    // An untouched OK writes exactly the marked settings, as the controls show them; it
    // waits while the box of max downloads holds a refused number.
    f.click("cmdOK");
    if (!status.isEmpty()) {
        QVERIFY(!f.dialog.isNull());
        QVERIFY(storedKeys().isEmpty());
        return;
    }
    QTRY_VERIFY(f.dialog.isNull());
    QVERIFY(f.mainWidget.isEnabled());
    QStringList stored = storedKeys();
    stored.sort();
    QCOMPARE(stored, marks);
    QCOMPARE(SettingsStore::read(QStringLiteral("is_save")), QStringLiteral("True"));
    QCOMPARE(SettingsStore::read(QStringLiteral("is_proxy")), QStringLiteral("False"));
    QCOMPARE(SettingsStore::read(QStringLiteral("save_dir")), f.settings.save_dir);
    QCOMPARE(SettingsStore::read(QStringLiteral("log_dir")), f.settings.log_dir);
    QCOMPARE(f.window.url2, QStringLiteral("07"));
}

void TestOptionsDialog::numericBoxOnFocusMove_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<QString>("message");
    const QString inc = QStringLiteral("Error : Increment Has to be a Number");
    const QString pause = QStringLiteral("Error : Pause time has be a positive Number");
    const QString port = QStringLiteral("Error : Http Port Number Has to be a Number");
    auto row = [](const char *name, int tab, const char *box, const char *key, const char *typed,
                  const char *stored, const QString &message) {
        QTest::newRow(name) << tab << QString::fromLatin1(box) << QString::fromLatin1(key)
                            << QString::fromLatin1(typed) << QString::fromLatin1(stored) << message;
    };
    row("increment half rounds to even", 1, "txtIncrement", "increment", "2.5", "2", QString());
    row("increment rounding to 0", 1, "txtIncrement", "increment", "0.5", "", inc);
    row("increment with blanks", 1, "txtIncrement", "increment", " 3 ", "3", QString());
    row("increment past 16 bits", 1, "txtIncrement", "increment", "40000", "", inc);
    row("increment a letter", 1, "txtIncrement", "increment", "x", "", inc);
    row("pause 0", 1, "txtPause", "pause_time", "0", "", pause);
    row("pause 1", 1, "txtPause", "pause_time", "1", "1", QString());
    row("pause empty", 1, "txtPause", "pause_time", "", "", pause);
    row("port 0", 2, "txtPort", "proxy_port", "0", "0", QString());
    row("port -1", 2, "txtPort", "proxy_port", "-1", "", port);
    row("port abc", 2, "txtPort", "proxy_port", "abc", "", port);
    row("port highest", 2, "txtPort", "proxy_port", "32767", "32767", QString());
}

void TestOptionsDialog::numericBoxOnFocusMove()
{
    QFETCH(int, tab);
    QFETCH(QString, box);
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    OptionsDialogFixture f;
    f.settings.is_proxy = true;
    f.open();
    f.clickTab(tab);
    auto *edit = f.control<QLineEdit>(qPrintable(box));
    typeInto(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);

    if (stored.isEmpty()) {
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), typed);
        if (!typed.isEmpty())
            QCOMPARE(edit->selectionStart(), 0);
        QCOMPARE(f.dialog->statusText(), message);
        QCOMPARE(m_beeps, 1);
        // OK causes the same check: refused again, nothing stored, the dialog stays.
        f.click("cmdOK");
        QVERIFY(!f.dialog.isNull());
        QVERIFY(f.dialog->isVisible());
        QVERIFY(edit->hasFocus());
        QCOMPARE(m_beeps, 2);
        QVERIFY(storedKeys().isEmpty());
        return;
    }
    QVERIFY(!edit->hasFocus());
    QVERIFY(f.dialog->statusText().isEmpty());
    QCOMPARE(m_beeps, 0);
    f.click("cmdOK");
    QTRY_VERIFY(f.dialog.isNull());
    QCOMPARE(SettingsStore::read(key, QString()), stored);
}

void TestOptionsDialog::maxDownloadsOnEveryChange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("selected"); // after the last key
    QTest::addColumn<QString>("stored");   // empty: OK refused
    // Clearing the box fails once (empty text); each typed key is checked again.
    QTest::newRow("zero") << QStringLiteral("0") << 1 << QString() << QStringLiteral("0");
    QTest::newRow("a number") << QStringLiteral("25") << 1 << QString() << QStringLiteral("25");
    QTest::newRow("a letter after a digit")
        << QStringLiteral("1x") << 2 << QStringLiteral("1x") << QString();
    QTest::newRow("past 16 bits") << QStringLiteral("40000") << 2 << QStringLiteral("40000")
                                  << QString();
}

void TestOptionsDialog::maxDownloadsOnEveryChange()
{
    QFETCH(QString, typed);
    QFETCH(int, beeps);
    QFETCH(QString, selected);
    QFETCH(QString, stored);
    OptionsDialogFixture f;
    f.open();
    f.clickTab(1);
    auto *box = f.control<QLineEdit>("txtMaxFiles");
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(m_beeps, 1);
    QCOMPARE(f.dialog->statusText(), QStringLiteral("Error : Max Downloads Has to be a Number"));
    QTest::keyClicks(box, typed);
    QCOMPARE(m_beeps, beeps);
    QCOMPARE(box->selectedText(), selected);
    // The focus stays free whatever the text.
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(!box->hasFocus());

    f.click("cmdOK");
    if (stored.isEmpty()) {
        QVERIFY(!f.dialog.isNull());
        QVERIFY(box->hasFocus());
        QVERIFY(!SettingsStore::contains(QStringLiteral("max_downloads")));
        return;
    }
    QTRY_VERIFY(f.dialog.isNull());
    QCOMPARE(SettingsStore::read(QStringLiteral("max_downloads")), stored);
    QCOMPARE(f.settings.max_downloads, stored.toShort());
}

void TestOptionsDialog::refusedEntryBlocksOkApplyAndTabs()
{
    OptionsDialogFixture f;
    f.open();
    f.clickTab(1);
    auto *box = f.control<QLineEdit>("txtIncrement");
    typeInto(box, QStringLiteral("x"));
    f.click("cmdApply");
    f.clickTab(3);
    f.click("optNumber");
    QCOMPARE(f.tabBar()->currentIndex(), 1);
    QVERIFY(box->hasFocus());
    QVERIFY(!f.dialog->changeMarks().is_number_mode);
    QCOMPARE(m_beeps, 3);
    QVERIFY(storedKeys().isEmpty());
    // Cancel needs no valid entry.
    f.click("cmdCancel");
    QTRY_VERIFY(f.dialog.isNull());
    QVERIFY(f.mainWidget.isEnabled());
    QVERIFY(storedKeys().isEmpty());
}

void TestOptionsDialog::passingCheckKeepsOldMessage()
{
    OptionsDialogFixture f;
    f.open();
    f.clickTab(1);
    auto *pause = f.control<QLineEdit>("txtPause");
    typeInto(pause, QStringLiteral("0"));
    QTest::keyClick(pause, Qt::Key_Tab);
    QTest::keyClicks(pause, QStringLiteral("5"));
    QTest::keyClick(pause, Qt::Key_Tab);
    QVERIFY(!pause->hasFocus());
    QVERIFY(f.dialog->changeMarks().pause_time);
    QCOMPARE(f.dialog->statusText(), QStringLiteral("Error : Pause time has be a positive Number"));
}

void TestOptionsDialog::optionClicks_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("counter");
    auto row = [](const char *name, int tab, const char *button, const char *key,
                  const char *stored, const char *counter = "07") {
        QTest::newRow(name) << tab << QString::fromLatin1(button) << QString::fromLatin1(key)
                            << QString::fromLatin1(stored) << QString::fromLatin1(counter);
    };
    row("skip", 0, "optSkip", "if_exists", "1");
    row("overwrite", 0, "optOver", "if_exists", "2");
    row("prompt clicked again", 0, "optPrompt", "if_exists", "3");
    row("rename", 0, "optRen", "if_exists", "4");
    row("do not save", 0, "optNoSave", "is_save", "False");
    row("tail", 0, "optTail", "is_header", "False");
    // Even the mode already selected restarts the counter.
    row("number mode clicked again", 1, "optNumber", "is_number_mode", "True", "01");
    row("letters", 1, "optCharactor", "is_number_mode", "False", "A");
    row("proxy", 2, "optYes", "is_proxy", "True");
    row("log", 3, "optLogYes", "is_log", "True");
}

void TestOptionsDialog::optionClicks()
{
    QFETCH(int, tab);
    QFETCH(QString, button);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, counter);
    OptionsDialogFixture f;
    f.open();
    f.clickTab(tab);
    f.click(qPrintable(button));
    QVERIFY(f.control<QRadioButton>(qPrintable(button))->isChecked());
    f.click("cmdOK");
    QTRY_VERIFY(f.dialog.isNull());
    QCOMPARE(SettingsStore::read(key, QString()), stored);
    QCOMPARE(f.window.url2, counter);
}

void TestOptionsDialog::addedTextIsTrimmed()
{
    OptionsDialogFixture f;
    f.open();
    typeInto(f.control<QLineEdit>("txtAdd"), QStringLiteral("  word  "));
    QTest::keyClick(f.control("txtAdd"), Qt::Key_Tab);
    QVERIFY(f.dialog->changeMarks().append_str);
    f.click("cmdOK");
    QTRY_VERIFY(f.dialog.isNull());
    QCOMPARE(SettingsStore::read(QStringLiteral("append_str"), QString()), QStringLiteral("word"));
    QCOMPARE(f.settings.append_str, QStringLiteral("word"));
}

void TestOptionsDialog::newLogDirectory()
{
    OptionsDialogFixture f;
    f.settings.is_log = true;
    QDir(f.settings.log_dir).mkdir(QStringLiteral("daily"));
    f.open();
    f.clickTab(3);
    auto *tree = f.control<QTreeWidget>("dirLog");
    const auto found =
        tree->findItems(QStringLiteral("daily"), Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(found[0]).center());
    QTest::keyClick(tree, Qt::Key_Return);
    const QString daily = f.settings.log_dir + QStringLiteral("/daily");
    QVERIFY(f.dialog->isVisible());
    QVERIFY(f.control<QLineEdit>("txtLogDir")->text().startsWith(daily + QLatin1Char('/')));
    QVERIFY(f.control<QLineEdit>("txtLogDir")->text().endsWith(QLatin1String(".log")));
    f.click("cmdApply");
    QCOMPARE(f.settings.log_dir, daily);
    QCOMPARE(f.settings.log_file_path, daily + QStringLiteral("/2026-12-05.log"));
    QCOMPARE(SettingsStore::read(QStringLiteral("log_dir"), QString()), daily);
}

void TestOptionsDialog::driveChangeRunsTheChain()
{
    OptionsDialogFixture f;
    f.open();
    // A volume root of our own, so the test does not depend on the machine's mounts.
    f.control<DrivePicker>("drvSav")->setDrive(TestEnvironment::home());
    QCOMPARE(f.control<QLineEdit>("txtSavPath")->text(), TestEnvironment::home());
    f.click("cmdOK");
    QTRY_VERIFY(f.dialog.isNull());
    QCOMPARE(SettingsStore::read(QStringLiteral("save_dir"), QString()), TestEnvironment::home());
}

void TestOptionsDialog::missingSaveDirectoryOpens()
{
    OptionsDialogFixture f;
    const QString gone = TestEnvironment::home() + QStringLiteral("/pictures/gone/deeper");
    f.settings.save_dir = gone;
    f.open();
    QCOMPARE(f.control<QLineEdit>("txtSavPath")->text(), gone);
    auto *tree = f.control<QTreeWidget>("dirSav");
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("pictures"));
    f.click("cmdOK");
    QTRY_VERIFY(f.dialog.isNull());
    QCOMPARE(SettingsStore::read(QStringLiteral("save_dir"), QString()), gone);
}

void TestOptionsDialog::proxyDetailsFollowTheButtons()
{
    OptionsDialogFixture f;
    f.settings.proxy_name = QStringLiteral("gate");
    f.settings.proxy_port = 8080;
    f.open();
    f.clickTab(2);
    QWidget *details = f.control("Frame3_1");
    QVERIFY(!details->isVisible());
    QCOMPARE(f.control<QLineEdit>("txtProxy")->text(), QStringLiteral("gate"));
    QCOMPARE(f.control<QLineEdit>("txtPort")->text(), QStringLiteral("8080"));
    f.click("optYes");
    QVERIFY(details->isVisible());
    f.click("optNo");
    QVERIFY(!details->isVisible());
    // A key pressed on Yes shows the details even when it selects nothing.
    QTest::keyClick(f.control("optYes"), Qt::Key_A);
    QVERIFY(details->isVisible());
    QVERIFY(f.control<QRadioButton>("optNo")->isChecked());
}

void TestOptionsDialog::applyThenCancelKeepsApplied()
{
    OptionsDialogFixture f;
    f.open();
    f.clickTab(1);
    auto *box = f.control<QLineEdit>("txtIncrement");
    typeInto(box, QStringLiteral("4"));
    f.click("cmdApply");
    QCOMPARE(SettingsStore::read(QStringLiteral("increment"), QString()), QStringLiteral("4"));
    QVERIFY(f.dialog->changeMarks().setKeys().isEmpty());
    typeInto(box, QStringLiteral("6"));
    f.click("cmdCancel");
    QTRY_VERIFY(f.dialog.isNull());
    QCOMPARE(SettingsStore::read(QStringLiteral("increment"), QString()), QStringLiteral("4"));
    QCOMPARE(f.settings.increment, qint16(4));
}

void TestOptionsDialog::closingStoresNothing_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::newRow("close control") << false;
    QTest::newRow("destroyed") << true;
}

void TestOptionsDialog::closingStoresNothing()
{
    QFETCH(bool, destroy);
    OptionsDialogFixture f;
    f.open();
    f.clickTab(1);
    typeInto(f.control<QLineEdit>("txtIncrement"), QStringLiteral("9"));
    // Neither Enter nor Escape stands for a button.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(f.control("txtIncrement"), key);
    QVERIFY(f.dialog->isVisible());
    if (destroy)
        delete f.dialog.data();
    else
        QVERIFY(f.dialog->close());
    QTRY_VERIFY(f.dialog.isNull());
    QVERIFY(f.mainWidget.isEnabled());
    QVERIFY(storedKeys().isEmpty());
}

QUILLOP_TEST_GUI_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
