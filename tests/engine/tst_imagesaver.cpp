#include "DownloadLog.h"
#include "ImageSaver.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SaveNaming.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

const QString url = QStringLiteral("http://127.0.0.1/photos/pic07.jpg");
const QString promptText = QStringLiteral("File Exists. Enter a new Name without the extension. "
                                          "\r\nclick cancel to skip saving this file");

QStringList listOf(const QString &commaSeparated)
{
    return commaSeparated.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return QFileInfo::exists(path) && file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Bytes that differ from their neighbours, so a reordered or repeated chunk shows.
QByteArray bodyOf(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

// Saving into a fresh temporary directory.
struct Rig
{
    Rig()
    {
        settings.is_save = true;
        settings.save_dir = dir.path();
        settings.if_exists = 2;
    }
    QString path(const QString &name) const { return settings.save_dir + QLatin1Char('/') + name; }

    QTemporaryDir dir;
    RunSettings settings;
    RecordingWindow window;
};

} // namespace

class TestImageSaver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void naming_data();
    void naming();
    void policies_data();
    void policies();
    void otherOutcomes_data();
    void otherOutcomes();
    void removeLeftovers();
    void logFile();
};

void TestImageSaver::naming_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("appendStr");
    QTest::addColumn<bool>("isHeader");
    QTest::addColumn<int>("autoNumber"); // 0: no automatic rename
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    const QString a251 = QStringLiteral("http://h/") + QString(251, QLatin1Char('a'));
    const QString e126 = QStringLiteral("http://h/") + QString(126, QChar(0xe9));
    // clang-format off
    QTest::newRow("append at head") << url << "big_" << true << 0 << "big_pic07.jpg" << true;
    QTest::newRow("append at tail") << url << "_big" << false << 0 << "pic07_big.jpg" << true;
    QTest::newRow("nothing appended") << url << "" << false << 0 << "pic07.jpg" << true;
    QTest::newRow("no extension keeps the dot") << "http://h/photos/pic07" << "" << false << 0 << "pic07." << true;
    QTest::newRow("query stays in the name") << "http://h/get.php?id=5" << "" << true << 0 << "get.php?id=5" << true;
    QTest::newRow("blanks around append_str and base") << "http://h/  pic07  .jpg " << "  x  " << false << 0 << "pic07x.jpg" << true;
    QTest::newRow("auto, tail: suffix after append_str") << url << "_big" << false << 10000 << "pic07_big_qp10000.jpg" << true;
    QTest::newRow("auto, head: suffix after the base") << url << "big_" << true << 99999 << "big_pic07_qp99999.jpg" << true;
    QTest::newRow("255 bytes") << a251 + QStringLiteral(".jpg") << "" << false << 0 << a251.mid(9) + QStringLiteral(".jpg") << true;
    QTest::newRow("256 bytes") << a251 + QStringLiteral("a.jpg") << "" << false << 0 << a251.mid(9) + QStringLiteral("a.jpg") << false;
    QTest::newRow("256 bytes in two-byte characters") << e126 + QStringLiteral(".jpg") << "" << false << 0 << e126.mid(9) + QStringLiteral(".jpg") << false;
    QTest::newRow("control character") << "http://h/a\tb.jpg" << "" << false << 0 << "a\tb.jpg" << false;
    QTest::newRow("path separator in append_str") << url << "/../x" << false << 0 << "pic07/../x.jpg" << false;
    QTest::newRow("our temporary file's name") << "http://h/.quillop-12-abc.part" << "" << false << 0 << ".quillop-12-abc.part" << false;
    // clang-format on
}

void TestImageSaver::naming()
{
    QFETCH(QString, address);
    QFETCH(QString, appendStr);
    QFETCH(bool, isHeader);
    QFETCH(int, autoNumber);
    QFETCH(QString, name);
    QFETCH(bool, usable);
    const QString suffix = autoNumber ? SaveNaming::autoSuffix(autoNumber) : QString();
    QCOMPARE(SaveNaming::composeName(address, appendStr, isHeader, suffix), name);
    QCOMPARE(SaveNaming::nameProblem(name).isEmpty(), usable);
}

void TestImageSaver::policies_data()
{
    QTest::addColumn<int>("ifExists");
    QTest::addColumn<QString>("present"); // files in the save directory beforehand
    QTest::addColumn<QString>("answers"); // prompt answers in order; "-" Cancel, "+" empty
    QTest::addColumn<QString>("target");  // pattern of the final name
    QTest::addColumn<QString>("arrow");   // logText = url + arrow (+ target when saved)
    QTest::addColumn<QString>("titles");  // names in the prompts' titles
    const QString skip = QStringLiteral(" ---> file exits. did not save");
    const QString renaming = QStringLiteral("---> renaming to  ");
    // clang-format off
    QTest::newRow("free name") << 1 << "" << "" << "pic07\\.jpg" << "---> saving to  " << "";
    QTest::newRow("skip") << 1 << "pic07.jpg" << "" << "pic07\\.jpg" << skip << "";
    QTest::newRow("overwrite") << 2 << "pic07.jpg" << "" << "pic07\\.jpg" << "---> over writing to  " << "";
    QTest::newRow("prompt answered") << 3 << "pic07.jpg" << "abc" << "abc\\.jpg" << renaming << "pic07.jpg";
    QTest::newRow("prompt answered with the extension") << 3 << "pic07.jpg" << "abc.jpg" << "abc\\.jpg\\.jpg" << renaming << "pic07.jpg";
    QTest::newRow("prompt cancelled") << 3 << "pic07.jpg" << "-" << "pic07\\.jpg" << skip << "pic07.jpg";
    QTest::newRow("prompt answered empty") << 3 << "pic07.jpg" << "+" << "pic07\\.jpg" << skip << "pic07.jpg";
    QTest::newRow("prompt answered with an existing name, then cancelled") << 3 << "other.jpg,pic07.jpg" << "other,-" << "other\\.jpg" << skip << "pic07.jpg,other.jpg";
    QTest::newRow("prompt answered with a path, asked again") << 3 << "pic07.jpg" << "../x,..,a/b,y" << "y\\.jpg" << renaming << "pic07.jpg,pic07.jpg,pic07.jpg,pic07.jpg";
    QTest::newRow("unknown policy prompts") << 9 << "pic07.jpg" << "abc" << "abc\\.jpg" << renaming << "pic07.jpg";
    QTest::newRow("auto rename") << 4 << "pic07.jpg" << "" << "pic07_qp[1-9]\\d{4}\\.jpg" << "---> autonaming to  " << "";
    // clang-format on
}

void TestImageSaver::policies()
{
    QFETCH(int, ifExists);
    QFETCH(QString, present);
    QFETCH(QString, answers);
    QFETCH(QString, target);
    QFETCH(QString, arrow);
    QFETCH(QString, titles);
    Rig rig;
    rig.settings.if_exists = quint8(ifExists);
    for (const QString &a : listOf(answers))
        rig.window.promptAnswers.append(a == QLatin1String("-")   ? std::optional<QString>()
                                        : a == QLatin1String("+") ? QString()
                                                                  : a);
    // Existing files are longer than the new body, so an overwrite must shorten them.
    const QByteArray old(300000, 'o'), body = bodyOf(200000);
    for (const QString &name : listOf(present))
        QVERIFY(writeFile(rig.path(name), old));
    ImageSaver saver(rig.settings, rig.window);
    QIODevice *sink = saver.beginBody();
    sink->write(body.left(100000));
    // Half the body is on disk by now, yet no final name shows it.
    QCOMPARE(entries(rig.dir.path()).filter(QStringLiteral(".part")).size(), 1);
    for (const QString &name : listOf(present))
        QCOMPARE(contents(rig.path(name)), old);
    sink->write(body.mid(100000));
    const ImageSaver::Outcome out = saver.saveImage(url);

    QVERIFY2(!out.failed, qPrintable(out.reason));
    QCOMPARE(out.wrote, !arrow.startsWith(QLatin1Char(' '))); // only the skip text has a blank
    QCOMPARE(out.previewPath, out.target); // when nothing was saved, the file already there
    const QString name = out.target.mid(rig.path({}).size());
    QVERIFY2(
        QRegularExpression(QLatin1Char('^') + target + QLatin1Char('$')).match(name).hasMatch(),
        qPrintable(name));
    QCOMPARE(out.logText, url + arrow + (out.wrote ? out.target : QString()));
    QStringList expected = listOf(present);
    if (!expected.contains(name))
        expected.append(name);
    expected.sort();
    QCOMPARE(entries(rig.dir.path()), expected); // and no temporary file left
    for (const QString &other : std::as_const(expected))
        QCOMPARE(contents(rig.path(other)), out.wrote && other == name ? body : old);

    QStringList shown;
    for (const RecordingWindow::Prompt &prompt : std::as_const(rig.window.prompts))
        shown << (prompt.text == promptText ? prompt.title.mid(rig.path({}).size()) : prompt.text);
    QCOMPARE(shown, listOf(titles));
    QCOMPARE(rig.window.beeps, int(shown.size()));
    // The derived path is shown; names tried at the prompt are not, names drawn are.
    const QStringList statuses = rig.window.callsOf(QStringLiteral("setStatusText"));
    QCOMPARE(statuses.first(), rig.path(QStringLiteral("pic07.jpg")));
    QCOMPARE(statuses.last(), ifExists == 4 ? out.target : statuses.first());
}

void TestImageSaver::otherOutcomes_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("logLine"); // after the address; %t: the target, %r: the reason
    const QString couldNot = QStringLiteral("---> could not save to  %t: %r");
    // clang-format off
    QTest::newRow("save dir is a regular file") << "file" << couldNot;
    QTest::newRow("save dir removed after the body began") << "removed" << couldNot;
    QTest::newRow("append_str with a path separator") << "separator" << couldNot;
    QTest::newRow("Do Not Save") << "off" << " ---> not saved (saving is off)";
    QTest::newRow("no free name for the automatic rename") << "crowded" << " ---> no free name, did not save";
    // clang-format on
}

// Nothing is written and nothing half-written is left; the preview shows the body from a
// copy outside the save directory under "Do Not Save", the file already there when no name
// is free, and nothing after a failure.
void TestImageSaver::otherOutcomes()
{
    QFETCH(QString, how);
    QFETCH(QString, logLine);
    // 90000 names are cheap as links to one file, in memory where there is such a file system.
    const QString shm = QStringLiteral("/dev/shm");
    const bool crowded = how == QLatin1String("crowded");
    QTemporaryDir parent(crowded && QFileInfo(shm).isWritable()
                             ? shm + QStringLiteral("/tst_imagesaver-XXXXXX")
                             : QString());
    Rig rig;
    const QString saveDir = parent.path() + QStringLiteral("/save");
    QVERIFY(QDir().mkdir(saveDir));
    rig.settings.save_dir = saveDir;
    rig.settings.is_save = how != QLatin1String("off");
    if (how == QLatin1String("file")) {
        rig.settings.save_dir = parent.path() + QStringLiteral("/plain");
        QVERIFY(writeFile(rig.settings.save_dir, "not a directory"));
    } else if (how == QLatin1String("separator")) {
        rig.settings.append_str = QStringLiteral("/../escaped");
    } else if (crowded) {
        rig.settings.if_exists = 4;
        const QByteArray first = QFile::encodeName(rig.path(QStringLiteral("pic07.jpg")));
        QVERIFY(writeFile(rig.path(QStringLiteral("pic07.jpg")), "old"));
        for (int n = 10000; n <= 99999; ++n) {
            const QString taken = rig.path(QStringLiteral("pic07_qp%1.jpg").arg(n));
            QVERIFY(::link(first.constData(), QFile::encodeName(taken).constData()) == 0);
        }
    }
    const QStringList before = entries(parent.path()), inSaveDir = entries(saveDir);
    ImageSaver saver(rig.settings, rig.window);
    saver.beginBody()->write(bodyOf(5000));
    if (how == QLatin1String("removed"))
        QVERIFY(QDir(saveDir).removeRecursively());
    const ImageSaver::Outcome out = saver.saveImage(url);

    QVERIFY(!out.wrote);
    QCOMPARE(out.failed, logLine.contains(QLatin1String("could not")));
    QCOMPARE(out.logText, url + QString(logLine)
                                    .replace(QStringLiteral("%t"), out.target)
                                    .replace(QStringLiteral("%r"), out.reason));
    if (out.failed)
        QCOMPARE(rig.window.status, QStringLiteral("could not save to ") + out.target +
                                        QStringLiteral(": ") + out.reason);
    QCOMPARE(entries(parent.path()), how == QLatin1String("removed") ? QStringList() : before);
    QCOMPARE(entries(saveDir), inSaveDir);
    QCOMPARE(contents(out.previewPath), how == QLatin1String("off") ? bodyOf(5000)
                                        : crowded                   ? QByteArray("old")
                                                                    : QByteArray("<missing>"));
    saver.discardBody(); // drops the copy, never a saved file
    QCOMPARE(QFile::exists(out.previewPath), crowded);
}

void TestImageSaver::removeLeftovers()
{
    Rig rig;
    const qint64 dead = (1 << 22) + 123; // above the largest pid Linux hands out
    const QString live =
        QStringLiteral(".quillop-%1-abc123.part").arg(QCoreApplication::applicationPid());
    for (const QString &name :
         {live, QStringLiteral(".quillop-%1-abc123.part").arg(dead), QStringLiteral("pic07.jpg")})
        QVERIFY(writeFile(rig.path(name), "x"));
    ImageSaver::removeLeftovers(rig.dir.path());
    QCOMPARE(entries(rig.dir.path()), (QStringList{live, QStringLiteral("pic07.jpg")}));
}

// One line per call, UTF-8 without a byte-order mark, ended by CR LF; a line break inside
// the text would split it. With logging off, or with the directory gone, nothing is written
// and nothing said.
void TestImageSaver::logFile()
{
    Rig rig;
    RunSettings &settings = rig.settings;
    settings.log_file_path = rig.path(QStringLiteral("2026-12-05.log"));
    appendLogLine(settings, QStringLiteral("logging is off"));
    settings.is_log = true;
    appendLogLine(settings, QStringLiteral("http://h/\u00e9t\u00e9.jpg---> saving to  /x"));
    appendLogLine(settings, QStringLiteral("two\r\nlines"));
    const QString path = settings.log_file_path;
    settings.log_file_path = rig.path(QStringLiteral("gone/2026-12-05.log"));
    appendLogLine(settings, QStringLiteral("lost"));
    QCOMPARE(contents(path),
             QByteArray("http://h/\xc3\xa9t\xc3\xa9.jpg---> saving to  /x\r\ntwo  lines\r\n"));
    QCOMPARE(entries(rig.dir.path()), QStringList{QStringLiteral("2026-12-05.log")});
}

QUILLOP_TEST_MAIN(TestImageSaver)
#include "tst_imagesaver.moc"
