#include "FileOps.h"
#include "LoadSettings.h"
#include "ProgramPaths.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "Transfer.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void emptyStoreGivesDefaults();
    void counterIsSetOnlyWhenEmpty_data();
    void counterIsSetOnlyWhenEmpty();
    void missingSaveDirFallsBackOnce();
    void missingLogDirIsResetEvenWithoutLogging();
    void proxyConfiguration();
    void garbledValuesTakeDefaults_data();
    void garbledValuesTakeDefaults();
    void garbledFileDoesNotCrash();
    void valuesAreStoredAsText();
    void installedProgramKeepsFilesInTheHome();
    void parseInt16_data();
    void parseInt16();

private:
    QTemporaryDir m_programDir;
};

void TestSettings::init()
{
    TestEnvironment::resetStore();
    ProgramPaths::setProgramDirectoryForTesting(m_programDir.path());
}

void TestSettings::emptyStoreGivesDefaults()
{
    RecordingWindow window;
    window.url2.clear();
    Transfer transfer;
    RunSettings s;
    loadSettings(s, window, transfer, QDate(2026, 12, 5));

    QCOMPARE(s.isMultiple, true);
    QCOMPARE(s.exit_ifover, false);
    QCOMPARE(s.max_downloads, qint16(100));
    QCOMPARE(s.is_number_mode, true);
    QCOMPARE(s.increment, qint16(1));
    QCOMPARE(s.append_str, QString());
    QCOMPARE(s.is_header, true);
    QCOMPARE(s.pause_time, qint16(1));
    QCOMPARE(s.is_save, true);
    QCOMPARE(s.save_dir, m_programDir.path());
    QCOMPARE(s.if_exists, quint8(3));
    QCOMPARE(s.is_proxy, false);
    QCOMPARE(s.proxy_port, qint16(80));
    QCOMPARE(s.is_log, false);
    QCOMPARE(s.log_dir, m_programDir.path());
    QCOMPARE(s.log_file_name, QStringLiteral("2026-12-05.log"));
    QCOMPARE(s.log_file_path, m_programDir.path() + QStringLiteral("/2026-12-05.log"));
    QCOMPARE(window.url2, QStringLiteral("01"));
    QCOMPARE(transfer.accessType(), int(Transfer::Direct));
    QVERIFY(window.messages.isEmpty());
    // Loading never writes a key that was absent and fine.
    QSettings store(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
    QCOMPARE(store.allKeys(), QStringList());
}

void TestSettings::counterIsSetOnlyWhenEmpty_data()
{
    QTest::addColumn<QString>("numberMode");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // clang-format off
    QTest::newRow("number mode, empty") << "True" << "" << "01";
    QTest::newRow("letter mode, empty") << "False" << "" << "A";
    QTest::newRow("letter mode, lower case text") << "false" << "" << "A";
    QTest::newRow("a blank is not empty") << "True" << " " << " ";
    QTest::newRow("a counter survives") << "False" << "17" << "17";
    // clang-format on
}

void TestSettings::counterIsSetOnlyWhenEmpty()
{
    QFETCH(QString, numberMode);
    QFETCH(QString, before);
    QFETCH(QString, after);
    SettingsStore::write(QStringLiteral("is_number_mode"), numberMode);
    RecordingWindow window;
    window.url2 = before;
    Transfer transfer;
    RunSettings s;
    loadSettings(s, window, transfer);
    QCOMPARE(window.url2, after);
}

void TestSettings::missingSaveDirFallsBackOnce()
{
    QString gone;
    {
        QTemporaryDir deleted;
        gone = deleted.path();
    }
    SettingsStore::write(QStringLiteral("save_dir"), gone);
    RecordingWindow window;
    Transfer transfer;
    RunSettings s;
    loadSettings(s, window, transfer);
    QCOMPARE(window.messages.size(), 1);
    QCOMPARE(window.messages[0].text,
             QStringLiteral("Save path does not exist /n Setting save Path to Application Path"));
    QCOMPARE(window.messages[0].title, QStringLiteral("Quillop"));
    QCOMPARE(s.save_dir, m_programDir.path());
    QCOMPARE(SettingsStore::read(QStringLiteral("save_dir"), QString()), m_programDir.path());

    RecordingWindow again;
    loadSettings(s, again, transfer);
    QVERIFY(again.messages.isEmpty());
}

void TestSettings::missingLogDirIsResetEvenWithoutLogging()
{
    SettingsStore::write(QStringLiteral("is_log"), QStringLiteral("False"));
    SettingsStore::write(QStringLiteral("log_dir"), QStringLiteral("/nonexistent/quillop/logs"));
    RecordingWindow window;
    Transfer transfer;
    RunSettings s;
    loadSettings(s, window, transfer, QDate(2026, 1, 2));
    QCOMPARE(window.messages.size(), 1);
    QVERIFY(window.messages[0].text.contains(QStringLiteral("Log path does not exist")));
    QCOMPARE(s.log_dir, m_programDir.path());
    QCOMPARE(s.log_file_path, m_programDir.path() + QStringLiteral("/2026-01-02.log"));
    QCOMPARE(SettingsStore::read(QStringLiteral("log_dir"), QString()), m_programDir.path());
}

void TestSettings::proxyConfiguration()
{
    SettingsStore::write(QStringLiteral("is_proxy"), QStringLiteral("True"));
    SettingsStore::write(QStringLiteral("proxy_name"), QStringLiteral("gate"));
    SettingsStore::write(QStringLiteral("proxy_port"), QStringLiteral("8080"));
    RecordingWindow window;
    Transfer transfer;
    RunSettings s;
    loadSettings(s, window, transfer);
    QCOMPARE(transfer.accessType(), int(Transfer::NamedProxy));
    QCOMPARE(transfer.proxy(), QStringLiteral("gate:8080"));

    // Switching the proxy off leaves the proxy text as it was.
    SettingsStore::write(QStringLiteral("is_proxy"), QStringLiteral("False"));
    loadSettings(s, window, transfer);
    QCOMPARE(transfer.accessType(), int(Transfer::Direct));
    QCOMPARE(transfer.proxy(), QStringLiteral("gate:8080"));
}

void TestSettings::garbledValuesTakeDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    // clang-format off
    QTest::newRow("boolean of other text") << "isMultiple" << "maybe" << "True";
    QTest::newRow("boolean in any case") << "isMultiple" << "fAlSe" << "False";
    QTest::newRow("boolean as zero") << "is_log" << "0" << "False";
    QTest::newRow("boolean as a number") << "is_log" << "-1" << "True";
    QTest::newRow("number of text") << "max_downloads" << "lots" << "100";
    QTest::newRow("number past 16 bits") << "max_downloads" << "70000" << "100";
    QTest::newRow("number with blanks") << "max_downloads" << " 25 " << "25";
    QTest::newRow("negative number") << "max_downloads" << "-3" << "-3";
    QTest::newRow("empty number") << "pause_time" << "" << "1";
    QTest::newRow("if_exists past 4") << "if_exists" << "9" << "3";
    QTest::newRow("if_exists zero") << "if_exists" << "0" << "3";
    QTest::newRow("if_exists in range") << "if_exists" << "4" << "4";
    // clang-format on
}

void TestSettings::garbledValuesTakeDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    SettingsStore::write(key, stored);
    RecordingWindow window;
    Transfer transfer;
    RunSettings s;
    loadSettings(s, window, transfer);
    const QHash<QString, QString> loadedText = {
        {QStringLiteral("isMultiple"), SettingsStore::boolText(s.isMultiple)},
        {QStringLiteral("is_log"), SettingsStore::boolText(s.is_log)},
        {QStringLiteral("max_downloads"), QString::number(s.max_downloads)},
        {QStringLiteral("pause_time"), QString::number(s.pause_time)},
        {QStringLiteral("if_exists"), QString::number(s.if_exists)},
    };
    const QString actual = loadedText.value(key);
    QCOMPARE(actual, loaded);
}

void TestSettings::garbledFileDoesNotCrash()
{
    const QString path = TestEnvironment::storeFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    static const char raw[] = "\xff\xfe garbage\n[Options\nmax_downloads=\"unterminated\n"
                              "[Options]\nincrement=1,2,3\n\x00\x01\x02=\n=novalue\n"
                              "save_dir=@Invalid()\nis_proxy=@ByteArray(True)\n"
                              "proxy_port=99999999999999999999\n";
    file.write(QByteArray::fromRawData(raw, sizeof(raw) - 1));
    file.close();

    RecordingWindow window;
    Transfer transfer;
    RunSettings s;
    loadSettings(s, window, transfer);
    QCOMPARE(s.increment, qint16(1));
    QCOMPARE(s.proxy_port, qint16(80));
    QVERIFY(FileOps::FolderExists(s.save_dir));
}

void TestSettings::valuesAreStoredAsText()
{
    SettingsStore::write(QStringLiteral("isMultiple"), SettingsStore::boolText(false));
    SettingsStore::write(QStringLiteral("max_downloads"), QString::number(-1));
    QSettings store(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
    QCOMPARE(store.fileName(),
             TestEnvironment::home() + QStringLiteral("/config/Quillop/Quillop.conf"));
    store.sync();
    QFile file(store.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[Options]"), text.constData());
    QVERIFY2(text.contains("isMultiple=False"), text.constData());
    QVERIFY2(text.contains("max_downloads=-1"), text.constData());
}

void TestSettings::installedProgramKeepsFilesInTheHome()
{
    // Root may write into /usr/bin; pictures and logs still go to the user's directories.
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("share/quillop/images"))));
    ProgramPaths::setProgramDirectoryForTesting(prefix.filePath(QStringLiteral("bin")));
    RecordingWindow window;
    Transfer transfer;
    RunSettings s;
    loadSettings(s, window, transfer, QDate(2027, 1, 1));
    QVERIFY(window.messages.isEmpty());
    QVERIFY2(s.save_dir.startsWith(TestEnvironment::home()), qPrintable(s.save_dir));
    QCOMPARE(s.log_dir, TestEnvironment::home() + QStringLiteral("/data/Quillop"));
    QVERIFY(FileOps::FolderExists(s.log_dir));
    QCOMPARE(s.log_file_path, s.log_dir + QStringLiteral("/2027-01-01.log"));
}

void TestSettings::parseInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    // clang-format off
    QTest::newRow("plain") << "100" << true << 100;
    QTest::newRow("blanks") << " 3 " << true << 3;
    QTest::newRow("half to even, down") << "2.5" << true << 2;
    QTest::newRow("half to even, up") << "3.5" << true << 4;
    QTest::newRow("negative half") << "-2.5" << true << -2;
    QTest::newRow("half rounds to zero") << "0.5" << true << 0;
    QTest::newRow("upper bound") << "32767" << true << 32767;
    QTest::newRow("lower bound") << "-32768" << true << -32768;
    QTest::newRow("just past") << "32768" << false << 0;
    QTest::newRow("rounds past") << "32767.5" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("exponent") << "1e3" << false << 0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0;
    QTest::newRow("decimal comma") << "2,5" << false << 0;
    QTest::newRow("lone dot") << "." << false << 0;
    // clang-format on
}

void TestSettings::parseInt16()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = SettingsStore::parseInt16(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(int(*parsed), value);
}

QUILLOP_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
