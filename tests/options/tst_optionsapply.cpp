#include "FileOps.h"
#include "NumericCheck.h"
#include "OptionsApply.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"

#include <QApplication>

// The checks' acceptance rules and the apply step, without the dialog around them.
class TestOptionsApply : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnvironment::resetStore(); }

    void accepted_data();
    void accepted();
    void everyMarkedSettingIsWritten();
    void unmarkedSettingsAreLeftAlone();
    void collisionPolicyCodes_data();
    void collisionPolicyCodes();
    void refusedNumberIsNotStored();
};

void TestOptionsApply::accepted_data()
{
    QTest::addColumn<NumericCheck::Box>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -99999: refused
    using B = NumericCheck::Box;
    const int no = -99999;
    QTest::newRow("max 0") << B::MaxFiles << QStringLiteral("0") << 0;
    QTest::newRow("max -1") << B::MaxFiles << QStringLiteral("-1") << no;
    QTest::newRow("max -0.4 rounds to 0") << B::MaxFiles << QStringLiteral("-0.4") << 0;
    QTest::newRow("max highest") << B::MaxFiles << QStringLiteral("32767") << 32767;
    QTest::newRow("max past 16 bits") << B::MaxFiles << QStringLiteral("32768") << no;
    QTest::newRow("max empty") << B::MaxFiles << QString() << no;
    QTest::newRow("increment 1") << B::Increment << QStringLiteral("1") << 1;
    QTest::newRow("increment 0") << B::Increment << QStringLiteral("0") << no;
    QTest::newRow("increment 1.5 to 2") << B::Increment << QStringLiteral("1.5") << 2;
    QTest::newRow("increment 3.5 to 4") << B::Increment << QStringLiteral("3.5") << 4;
    QTest::newRow("increment 0.5 to 0") << B::Increment << QStringLiteral("0.5") << no;
    QTest::newRow("increment exponent") << B::Increment << QStringLiteral("1e2") << no;
    QTest::newRow("pause 1") << B::Pause << QStringLiteral("+1") << 1;
    QTest::newRow("pause -2.5") << B::Pause << QStringLiteral("-2.5") << no;
    QTest::newRow("port 0") << B::Port << QStringLiteral(" 0 ") << 0;
    QTest::newRow("port -1") << B::Port << QStringLiteral("-1") << no;
    QTest::newRow("port comma") << B::Port << QStringLiteral("8,080") << no;
}

void TestOptionsApply::accepted()
{
    QFETCH(NumericCheck::Box, box);
    QFETCH(QString, text);
    QFETCH(int, value);
    const auto result = NumericCheck::accepted(box, text);
    QCOMPARE(result.has_value(), value != -99999);
    if (result)
        QCOMPARE(int(*result), value);
}

namespace {
OptionsValues sampleValues()
{
    OptionsValues v;
    v.maxFiles = QStringLiteral("12");
    v.numberMode = false;
    v.increment = QStringLiteral("2.5");
    v.pause = QStringLiteral("3");
    v.save = false;
    v.addText = QStringLiteral("  pre  ");
    v.header = false;
    v.savePath = QStringLiteral(" /srv/pics ");
    v.overwrite = true;
    v.proxy = true;
    v.proxyName = QStringLiteral(" gate ");
    v.proxyPort = QStringLiteral("8080");
    v.log = true;
    v.logDir = QStringLiteral(" /srv/logs");
    return v;
}

ChangeMarks allMarks()
{
    ChangeMarks m;
    for (bool *mark : {&m.max_downloads, &m.is_number_mode, &m.increment, &m.pause_time, &m.is_save,
                       &m.append_str, &m.is_header, &m.save_dir, &m.if_exists, &m.is_proxy,
                       &m.proxy_name, &m.proxy_port, &m.is_log, &m.log_dir})
        *mark = true;
    return m;
}
} // namespace

void TestOptionsApply::everyMarkedSettingIsWritten()
{
    RunSettings s;
    s.log_file_name = QStringLiteral("2026-12-05.log");
    RecordingWindow window;
    applyOptions(sampleValues(), allMarks(), s, window);

    const QList<std::pair<const char *, QString>> expected{
        {"max_downloads", QStringLiteral("12")}, {"is_number_mode", QStringLiteral("False")},
        {"increment", QStringLiteral("2")},      {"pause_time", QStringLiteral("3")},
        {"is_save", QStringLiteral("False")},    {"append_str", QStringLiteral("pre")},
        {"is_header", QStringLiteral("False")},  {"save_dir", QStringLiteral("/srv/pics")},
        {"if_exists", QStringLiteral("2")},      {"is_proxy", QStringLiteral("True")},
        {"proxy_name", QStringLiteral("gate")},  {"proxy_port", QStringLiteral("8080")},
        {"is_log", QStringLiteral("True")},      {"log_dir", QStringLiteral(" /srv/logs")}};
    for (const auto &[key, text] : expected)
        QCOMPARE(SettingsStore::read(QLatin1String(key), QStringLiteral("<absent>")), text);

    QCOMPARE(s.max_downloads, qint16(12));
    QCOMPARE(s.is_number_mode, false);
    QCOMPARE(s.increment, qint16(2));
    QCOMPARE(s.append_str, QStringLiteral("pre"));
    QCOMPARE(s.if_exists, quint8(2));
    QCOMPARE(s.proxy_port, qint16(8080));
    // The picker's path is taken as it is; the log path follows it at once.
    QCOMPARE(s.log_dir, QStringLiteral(" /srv/logs"));
    QCOMPARE(s.log_file_path, FileOps::BuildPath(s.log_dir, s.log_file_name));
    QCOMPARE(window.callsOf(QStringLiteral("setUrl2Text")), QStringList{QStringLiteral("A")});
}

void TestOptionsApply::unmarkedSettingsAreLeftAlone()
{
    RunSettings s;
    s.increment = 7;
    RecordingWindow window;
    ChangeMarks marks;
    marks.is_proxy = true;
    applyOptions(sampleValues(), marks, s, window);
    QCOMPARE(SettingsStore::read(QStringLiteral("is_proxy"), QString()), QStringLiteral("True"));
    QVERIFY(!SettingsStore::contains(QStringLiteral("increment")));
    QVERIFY(!SettingsStore::contains(QStringLiteral("is_number_mode")));
    QCOMPARE(s.increment, qint16(7));
    QVERIFY(window.calls.isEmpty());
}

void TestOptionsApply::collisionPolicyCodes_data()
{
    QTest::addColumn<bool>("skip");
    QTest::addColumn<bool>("over");
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<QString>("stored");
    QTest::newRow("skip") << true << false << false << QStringLiteral("1");
    QTest::newRow("overwrite") << false << true << false << QStringLiteral("2");
    QTest::newRow("prompt") << false << false << true << QStringLiteral("3");
    QTest::newRow("none of the first three") << false << false << false << QStringLiteral("4");
}

void TestOptionsApply::collisionPolicyCodes()
{
    QFETCH(bool, skip);
    QFETCH(bool, over);
    QFETCH(bool, prompt);
    QFETCH(QString, stored);
    OptionsValues v;
    v.skip = skip;
    v.overwrite = over;
    v.prompt = prompt;
    ChangeMarks marks;
    marks.if_exists = true;
    RunSettings s;
    RecordingWindow window;
    applyOptions(v, marks, s, window);
    QCOMPARE(SettingsStore::read(QStringLiteral("if_exists"), QString()), stored);
}

void TestOptionsApply::refusedNumberIsNotStored()
{
    OptionsValues v = sampleValues();
    v.maxFiles = QStringLiteral("lots");
    v.increment = QStringLiteral("0");
    RunSettings s;
    s.max_downloads = 100;
    s.increment = 1;
    RecordingWindow window;
    applyOptions(v, allMarks(), s, window);
    QCOMPARE(s.max_downloads, qint16(100));
    QCOMPARE(s.increment, qint16(1));
    QVERIFY(!SettingsStore::contains(QStringLiteral("max_downloads")));
    QVERIFY(!SettingsStore::contains(QStringLiteral("increment")));
    QCOMPARE(SettingsStore::read(QStringLiteral("pause_time"), QString()), QStringLiteral("3"));
}

QUILLOP_TEST_GUI_MAIN(TestOptionsApply)
#include "tst_optionsapply.moc"
