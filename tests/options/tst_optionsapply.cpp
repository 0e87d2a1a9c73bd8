#include "FileOps.h"
#include "OptionsApply.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"

#include <QApplication>

// The apply step without the dialog around it: what reaches the settings and the store.
class TestOptionsApply : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnvironment::resetStore(); }

    void everyMarkedSettingIsWritten();
};

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

QUILLOP_TEST_GUI_MAIN(TestOptionsApply)
#include "tst_optionsapply.moc"
