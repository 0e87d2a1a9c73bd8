#include "DownloadLog.h"
#include "ImageSaver.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "ShownTexts.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString url = QStringLiteral("http://127.0.0.1/photos/pic07.jpg");

// What became of the picture and its log line: %u the address, %t the target, %r the reason.
struct Expected
{
    AttemptOutcome outcome;
    QString line;
};

QStringList listOf(const QString &commaSeparated)
{
    return commaSeparated.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

using TestEnvironment::contents;
using TestEnvironment::writeFile;

// A save directory in a fresh temporary directory; in memory where there is such a file
// system, so that many names are cheap.
struct Rig
{
    Rig()
    {
        settings.is_save = true;
        settings.save_dir = dir.filePath(QStringLiteral("save"));
        QDir().mkdir(settings.save_dir);
    }
    QString path(const QString &name) const { return settings.save_dir + QLatin1Char('/') + name; }

    QTemporaryDir dir{QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                          ? QStringLiteral("/dev/shm/tst_imagesaver-XXXXXX")
                          : QString()};
    RunSettings settings;
    RecordingWindow window;
};

} // namespace

class TestImageSaver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void save_data();
    void save();
    void removeLeftovers();
    void logFile();
};

void TestImageSaver::save_data()
{
    // "", the save directory's trouble, or what pic07.jpg is: a mode ("0640"), a "link"
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("appendStr");
    QTest::addColumn<bool>("isHeader");
    QTest::addColumn<int>("ifExists");
    QTest::addColumn<QString>("present"); // files in the save directory beforehand
    QTest::addColumn<QString>("answers"); // prompt answers in order; "-" Cancel, "+" empty
    QTest::addColumn<QString>("target");  // pattern of the final name
    QTest::addColumn<Expected>("log");
    QTest::addColumn<QString>("titles"); // names in the prompts' titles
    using enum AttemptOutcome;
    using P = LogLines::Placement;
    const QString u = QStringLiteral("%u"), t = QStringLiteral("%t"), r = QStringLiteral("%r");
    const Expected saving{Saved, LogLines::wrote(u, P::Saving, t)};
    const Expected overwriting{Saved, LogLines::wrote(u, P::Overwriting, t)};
    const Expected renaming{Saved, LogLines::wrote(u, P::Renaming, t)};
    const Expected autonaming{Saved, LogLines::wrote(u, P::Autonaming, t)};
    const Expected skip{Skipped, LogLines::fileExists(u)};
    const Expected couldNot{SaveFailed, LogLines::couldNotSave(u, t, r)};
    const Expected readOnly{
        SaveFailed, LogLines::couldNotSave(u, t, QStringLiteral("the existing file is read-only"))};
    const QString h = QStringLiteral("http://h/");
    const QString a251 = QString(251, QLatin1Char('a')), e126 = QString(126, QChar(0xe9));
    // clang-format off
    QTest::newRow("append at head") << "" << url << "big_" << true << 1 << "" << "" << "big_pic07\\.jpg" << saving << "";
    QTest::newRow("append at tail") << "" << url << "_big" << false << 1 << "" << "" << "pic07_big\\.jpg" << saving << "";
    QTest::newRow("no extension keeps the dot") << "" << h + QLatin1String("photos/pic07") << "" << false << 1 << "" << "" << "pic07\\." << saving << "";
    QTest::newRow("blanks around append_str and base") << "" << h + QLatin1String("  pic07  .jpg ") << "  x  " << false << 1 << "" << "" << "pic07x\\.jpg" << saving << "";
    QTest::newRow("255 bytes") << "" << h + a251 + QLatin1String(".jpg") << "" << false << 1 << "" << "" << "a{251}\\.jpg" << saving << "";
    QTest::newRow("256 bytes in two-byte characters") << "" << h + e126 + QLatin1String(".jpg") << "" << false << 1 << "" << "" << e126 + QLatin1String("\\.jpg") << couldNot << "";
    QTest::newRow("control character") << "" << h + QLatin1String("a\tb.jpg") << "" << false << 1 << "" << "" << "a\tb\\.jpg" << couldNot << "";
    QTest::newRow("path separator in append_str") << "" << url << "/../x" << false << 1 << "" << "" << "pic07/\\.\\./x\\.jpg" << couldNot << "";
    QTest::newRow("our temporary file's name") << "" << h + QLatin1String(".quillop-12-abc.part") << "" << false << 1 << "" << "" << "\\.quillop-12-abc\\.part" << couldNot << "";
    QTest::newRow("skip") << "" << url << "" << false << 1 << "pic07.jpg" << "" << "pic07\\.jpg" << skip << "";
    QTest::newRow("overwrite keeps the mode") << "0640" << url << "" << false << 2 << "pic07.jpg" << "" << "pic07\\.jpg" << overwriting << "";
    QTest::newRow("overwrite replaces a link, never its target") << "link" << url << "" << false << 2 << "pic07.jpg" << "" << "pic07\\.jpg" << overwriting << "";
    // Read-only is told by the mode bits, so these hold for root as well.
    QTest::newRow("overwrite keeps the owner and the group") << "owned" << url << "" << false << 2 << "pic07.jpg" << "" << "pic07\\.jpg" << overwriting << "";
    QTest::newRow("overwrite of a read-only file") << "0444" << url << "" << false << 2 << "pic07.jpg" << "" << "pic07\\.jpg" << readOnly << "";
    QTest::newRow("overwrite of a file writable by others only") << "0066" << url << "" << false << 2 << "pic07.jpg" << "" << "pic07\\.jpg" << readOnly << "";
    QTest::newRow("prompt answered") << "" << url << "" << false << 3 << "pic07.jpg" << "abc" << "abc\\.jpg" << renaming << "pic07.jpg";
    QTest::newRow("prompt answered with the extension") << "" << url << "" << false << 3 << "pic07.jpg" << "abc.jpg" << "abc\\.jpg\\.jpg" << renaming << "pic07.jpg";
    QTest::newRow("prompt cancelled") << "" << url << "" << false << 3 << "pic07.jpg" << "-" << "pic07\\.jpg" << skip << "pic07.jpg";
    QTest::newRow("prompt answered with an existing name, then empty") << "" << url << "" << false << 3 << "other.jpg,pic07.jpg" << "other,+" << "other\\.jpg" << skip << "pic07.jpg,other.jpg";
    QTest::newRow("prompt answered with a path, asked again") << "" << url << "" << false << 3 << "pic07.jpg" << "../x,..,a/b,y" << "y\\.jpg" << renaming << "pic07.jpg,pic07.jpg,pic07.jpg,pic07.jpg";
    QTest::newRow("unknown policy prompts") << "" << url << "" << false << 9 << "pic07.jpg" << "abc" << "abc\\.jpg" << renaming << "pic07.jpg";
    QTest::newRow("auto rename") << "" << url << "" << false << 4 << "pic07.jpg" << "" << "pic07_qp[1-9]\\d{4}\\.jpg" << autonaming << "";
    QTest::newRow("auto rename, head: suffix after the base") << "" << url << "big_" << true << 4 << "big_pic07.jpg" << "" << "big_pic07_qp[1-9]\\d{4}\\.jpg" << autonaming << "";
    QTest::newRow("no free name for the automatic rename") << "crowded" << url << "" << false << 4 << "pic07.jpg" << "" << "pic07\\.jpg" << Expected{Skipped, LogLines::noFreeName(u)} << "";
    QTest::newRow("Do Not Save") << "off" << url << "" << false << 2 << "" << "" << "" << Expected{Skipped, LogLines::notSaved(u)} << "";
    QTest::newRow("save dir is a regular file") << "file" << url << "" << false << 2 << "" << "" << "pic07\\.jpg" << couldNot << "";
    QTest::newRow("save dir removed after the body began") << "removed" << url << "" << false << 2 << "" << "" << "pic07\\.jpg" << couldNot << "";
    // clang-format on
}

// The body is written under a temporary name and takes its final name only when whole; what
// is not saved leaves nothing behind. The preview shows the file saved or already there, the
// body from a copy outside the save directory under "Do Not Save", nothing after a failure.
void TestImageSaver::save()
{
    QFETCH(QString, how);
    QFETCH(QString, address);
    QFETCH(QString, appendStr);
    QFETCH(bool, isHeader);
    QFETCH(int, ifExists);
    QFETCH(QString, present);
    QFETCH(QString, answers);
    QFETCH(QString, target);
    QFETCH(Expected, log);
    QFETCH(QString, titles);
    Rig rig;
    const QString saveDir = rig.settings.save_dir;
    rig.settings.append_str = appendStr;
    rig.settings.is_header = isHeader;
    rig.settings.if_exists = static_cast<IfExistsPolicy>(ifExists);
    rig.settings.is_save = how != QLatin1String("off");
    for (const QString &a : listOf(answers))
        rig.window.promptAnswers.append(a == QLatin1String("-")   ? std::optional<QString>()
                                        : a == QLatin1String("+") ? QString()
                                                                  : a);
    // Existing files are longer than the new body, so an overwrite must shorten them.
    const QByteArray old(300000, 'o'), body = QByteArray(100000, 'a') + QByteArray(100000, 'b');
    for (const QString &name : listOf(present))
        QVERIFY(writeFile(rig.path(name), old));
    const QString old07 = rig.path(QStringLiteral("pic07.jpg"));
    const QString outside = rig.dir.filePath(QStringLiteral("outside.jpg"));
    bool octal = false;
    const uint mode = how.toUInt(&octal, 8);
    if (octal)
        QVERIFY(::chmod(QFile::encodeName(old07).constData(), mode) == 0);
    if (how == QLatin1String("link"))
        QVERIFY(QFile::rename(old07, outside) && QFile::link(outside, old07));
    const uid_t nobody = 65534; // root saving into a user's folder must not take files over
    if (how == QLatin1String("owned")) {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QVERIFY(::chown(QFile::encodeName(old07).constData(), nobody, nobody) == 0);
    }
    if (how == QLatin1String("file")) {
        rig.settings.save_dir = rig.dir.filePath(QStringLiteral("plain"));
        QVERIFY(writeFile(rig.settings.save_dir, "not a directory"));
    } else if (how == QLatin1String("crowded")) { // every name the rename could draw is taken
        const QByteArray first = QFile::encodeName(rig.path(QStringLiteral("pic07.jpg")));
        for (int n = 10000; n <= 99999; ++n) {
            const QString taken = rig.path(QStringLiteral("pic07_qp%1.jpg").arg(n));
            QVERIFY(::link(first.constData(), QFile::encodeName(taken).constData()) == 0);
        }
    }
    const QStringList before = entries(saveDir);
    ImageSaver saver(rig.settings, rig.window);
    QIODevice *sink = saver.beginBody();
    sink->write(body.left(100000));
    // Half the body is on disk by now, yet no final name shows it.
    const bool inSaveDir = rig.settings.is_save && rig.settings.save_dir == saveDir;
    QCOMPARE(entries(saveDir).filter(QStringLiteral(".part")).size(), int(inSaveDir));
    for (const QString &name : listOf(present))
        QCOMPARE(contents(rig.path(name)), old);
    sink->write(body.mid(100000));
    if (how == QLatin1String("removed"))
        QVERIFY(QDir(saveDir).removeRecursively());
    const ImageSaver::Outcome out = saver.saveImage(address);

    const bool failed = log.outcome == AttemptOutcome::SaveFailed;
    const bool wrote = log.outcome == AttemptOutcome::Saved;
    QVERIFY(out.failed == failed && out.wrote == wrote);
    QCOMPARE(out.logText, log.line.replace(QStringLiteral("%u"), address)
                              .replace(QStringLiteral("%t"), out.target)
                              .replace(QStringLiteral("%r"), out.reason));
    const QString name = out.target.mid(rig.path({}).size());
    QVERIFY2(
        QRegularExpression(QLatin1Char('^') + target + QLatin1Char('$')).match(name).hasMatch(),
        qPrintable(name));
    QStringList expected = how == QLatin1String("removed") ? QStringList() : before;
    if (wrote && !expected.contains(name))
        expected.append(name);
    expected.sort();
    QCOMPARE(entries(saveDir), expected); // and no temporary file left
    QCOMPARE(contents(outside), how == QLatin1String("link") ? old : "<missing>");
    struct stat info = {};
    QVERIFY(!QFileInfo::exists(old07) || ::lstat(QFile::encodeName(old07).constData(), &info) == 0);
    if (octal)
        QCOMPARE(info.st_mode & 0777, mode);
    if (how == QLatin1String("owned"))
        QVERIFY(info.st_uid == nobody && info.st_gid == nobody);
    if (how == QLatin1String("link"))
        QVERIFY(S_ISREG(info.st_mode));
    for (const QString &other : listOf(present))
        QCOMPARE(contents(rig.path(other)), wrote && other == name ? body : old);
    if (how != QLatin1String("off"))
        QCOMPARE(out.previewPath, failed ? QString() : out.target);
    QCOMPARE(contents(out.previewPath), wrote || !rig.settings.is_save ? body
                                        : failed                       ? "<missing>"
                                                                       : old);
    saver.discardBody(); // drops the copy, never a saved file
    QCOMPARE(QFile::exists(out.previewPath), !failed && rig.settings.is_save);

    QStringList shown;
    for (const RecordingWindow::Prompt &prompt : std::as_const(rig.window.prompts))
        shown << (prompt.text == ShownTexts::newNamePrompt() ? prompt.title.mid(rig.path({}).size())
                                                             : prompt.text);
    QCOMPARE(shown, listOf(titles));
    QCOMPARE(rig.window.beeps, int(shown.size()));
    // The derived path is shown; names tried at the prompt are not, names drawn are.
    if (failed)
        QCOMPARE(rig.window.status, ShownTexts::couldNotSave(out.target, out.reason));
    else if (wrote)
        QCOMPARE(rig.window.status,
                 titles.isEmpty() ? out.target : rig.path(listOf(titles).first()));
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
    ImageSaver::removeLeftovers(rig.settings.save_dir);
    QCOMPARE(entries(rig.settings.save_dir), (QStringList{live, QStringLiteral("pic07.jpg")}));
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
    // A link in place of the log file is not followed.
    const QString other = rig.dir.filePath(QStringLiteral("other"));
    QVERIFY(writeFile(other, "kept"));
    settings.log_file_path = rig.path(QStringLiteral("link.log"));
    QVERIFY(QFile::link(other, settings.log_file_path));
    appendLogLine(settings, QStringLiteral("through a link"));
    QCOMPARE(contents(other), "kept");
    QFile::remove(settings.log_file_path);
    QCOMPARE(contents(path),
             QByteArray("http://h/\xc3\xa9t\xc3\xa9.jpg---> saving to  /x\r\ntwo  lines\r\n"));
    QCOMPARE(entries(rig.settings.save_dir), QStringList{QStringLiteral("2026-12-05.log")});
}

QUILLOP_TEST_MAIN(TestImageSaver)
#include "tst_imagesaver.moc"
