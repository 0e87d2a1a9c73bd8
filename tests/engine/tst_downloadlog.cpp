#include "DownloadLog.h"
#include "ImageSaver.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestDownloadLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void threeStepsInOrder();
    void nothingWhenOff();
    void unwritableLogIsSilent_data();
    void unwritableLogIsSilent();
};

// The lines that three attempts of a run leave: saved, skipped, overwritten.
void TestDownloadLog::threeStepsInOrder()
{
    QTemporaryDir saveDir, logDir;
    RunSettings settings;
    settings.is_save = true;
    settings.save_dir = saveDir.path();
    settings.is_log = true;
    settings.log_dir = logDir.path();
    settings.log_file_name = QStringLiteral("2026-12-05.log");
    settings.log_file_path = logDir.path() + QStringLiteral("/2026-12-05.log");
    RecordingWindow window;
    for (const char *name : {"b.jpg", "c.jpg"}) {
        QFile file(saveDir.path() + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    ImageSaver saver(settings, window);
    const QString base = QStringLiteral("http://127.0.0.1/\u00e9t\u00e9/");
    const struct
    {
        const char *name;
        quint8 policy;
    } steps[] = {{"a.jpg", 1}, {"b.jpg", 1}, {"c.jpg", 2}};
    for (const auto &step : steps) {
        settings.if_exists = step.policy;
        saver.beginBody()->write("picture");
        appendLogLine(settings, saver.saveImage(base + QLatin1String(step.name)).logText);
    }

    const QString dir = saveDir.path() + QLatin1Char('/');
    const QString expected =
        base + QStringLiteral("a.jpg---> saving to  ") + dir + QStringLiteral("a.jpg\r\n") + base +
        QStringLiteral("b.jpg ---> file exits. did not save\r\n") + base +
        QStringLiteral("c.jpg---> over writing to  ") + dir + QStringLiteral("c.jpg\r\n");
    QFile log(settings.log_file_path);
    QVERIFY(log.open(QIODevice::ReadOnly));
    // UTF-8 without a byte-order mark, byte for byte.
    QCOMPARE(log.readAll(), expected.toUtf8());
}

void TestDownloadLog::nothingWhenOff()
{
    QTemporaryDir logDir;
    RunSettings settings;
    settings.is_log = false;
    settings.log_dir = logDir.path();
    settings.log_file_path = logDir.path() + QStringLiteral("/2026-12-05.log");

    appendLogLine(settings, QStringLiteral("http://h/a.jpg---> saving to  /x/a.jpg"));
    QVERIFY(QDir(logDir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestDownloadLog::unwritableLogIsSilent_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("log directory missing") << QStringLiteral("gone/2026-12-05.log");
    QTest::newRow("log path is a directory") << QStringLiteral("dir.log");
    QTest::newRow("empty log path") << QString();
}

void TestDownloadLog::unwritableLogIsSilent()
{
    QFETCH(QString, relativePath);

    QTemporaryDir logDir;
    QVERIFY(QDir(logDir.path()).mkdir(QStringLiteral("dir.log")));
    RunSettings settings;
    settings.is_log = true;
    settings.log_dir = logDir.path();
    settings.log_file_path =
        relativePath.isEmpty() ? QString() : logDir.path() + QLatin1Char('/') + relativePath;

    appendLogLine(settings, QStringLiteral("http://h/a.jpg---> saving to  /x/a.jpg"));
    QCOMPARE(QDir(logDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("dir.log")});
    QVERIFY(QDir(logDir.path() + QStringLiteral("/dir.log")).isEmpty());
}

QUILLOP_TEST_MAIN(TestDownloadLog)
#include "tst_downloadlog.moc"
