#include "ImageSaver.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <signal.h>

namespace {

const QString url = QStringLiteral("http://127.0.0.1/photos/pic07.jpg");
const QString skipText = QStringLiteral(" ---> file exits. did not save");
const QString cancel = QStringLiteral("<cancel>");

QByteArray bodyOf(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

void feed(QIODevice *sink, const QByteArray &bytes)
{
    for (qsizetype at = 0; at < bytes.size(); at += 4096)
        QCOMPARE(sink->write(bytes.mid(at, 4096)), qMin<qint64>(4096, bytes.size() - at));
}

} // namespace

class TestImageSaver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void policies_data();
    void policies();
    void incompleteBodyIsNeverVisible_data();
    void incompleteBodyIsNeverVisible();
    void failures_data();
    void failures();
    void savingOff();
    void saveDirChangedMeanwhile();
    void noFreeAutoName();
    void removeLeftovers();
};

void TestImageSaver::policies_data()
{
    QTest::addColumn<int>("ifExists");
    QTest::addColumn<QStringList>("present"); // files in the save directory beforehand
    QTest::addColumn<QStringList>("answers"); // prompt answers in order
    QTest::addColumn<QString>("saved");       // pattern of the saved name; empty: none
    QTest::addColumn<QString>("logArrow");    // logText = url + arrow (+ target when saved)
    QTest::addColumn<QStringList>("titles");  // names in the prompts' titles

    const QStringList none;
    const QStringList pic{QStringLiteral("pic07.jpg")};
    const QString saving = QStringLiteral("---> saving to  ");
    const QString renaming = QStringLiteral("---> renaming to  ");
    QTest::newRow("free name") << 1 << none << none << QStringLiteral("pic07\\.jpg") << saving
                               << none;
    QTest::newRow("skip") << 1 << pic << none << QString() << skipText << none;
    QTest::newRow("overwrite") << 2 << pic << none << QStringLiteral("pic07\\.jpg")
                               << QStringLiteral("---> over writing to  ") << none;
    QTest::newRow("prompt answered") << 3 << pic << QStringList{QStringLiteral("abc")}
                                     << QStringLiteral("abc\\.jpg") << renaming << pic;
    QTest::newRow("prompt answered with the extension")
        << 3 << pic << QStringList{QStringLiteral("abc.jpg")} << QStringLiteral("abc\\.jpg\\.jpg")
        << renaming << pic;
    QTest::newRow("prompt cancelled")
        << 3 << pic << QStringList{cancel} << QString() << skipText << pic;
    QTest::newRow("prompt answered empty")
        << 3 << pic << QStringList{QString()} << QString() << skipText << pic;
    QTest::newRow("prompt answered with an existing name, then cancelled")
        << 3 << QStringList{QStringLiteral("other.jpg"), QStringLiteral("pic07.jpg")}
        << QStringList{QStringLiteral("other"), cancel} << QString() << skipText
        << QStringList{QStringLiteral("pic07.jpg"), QStringLiteral("other.jpg")};
    QTest::newRow("prompt answered with a path, asked again")
        << 3 << pic
        << QStringList{QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("y")}
        << QStringLiteral("y\\.jpg") << renaming
        << QStringList{pic.first(), pic.first(), pic.first()};
    QTest::newRow("unknown policy prompts") << 9 << pic << QStringList{QStringLiteral("abc")}
                                            << QStringLiteral("abc\\.jpg") << renaming << pic;
    QTest::newRow("auto rename") << 4 << pic << none << QStringLiteral("pic07_qp\\d{5}\\.jpg")
                                 << QStringLiteral("---> autonaming to  ") << none;
}

void TestImageSaver::policies()
{
    QFETCH(int, ifExists);
    QFETCH(QStringList, present);
    QFETCH(QStringList, answers);
    QFETCH(QString, saved);
    QFETCH(QString, logArrow);
    QFETCH(QStringList, titles);

    QTemporaryDir dir;
    const QString dirSlash = dir.path() + QLatin1Char('/');
    RunSettings settings;
    settings.is_save = true;
    settings.save_dir = dir.path();
    settings.if_exists = quint8(ifExists);
    RecordingWindow window;
    for (const QString &answer : answers)
        window.promptAnswers.append(answer == cancel ? std::nullopt
                                                     : std::optional<QString>(answer));
    // Existing files are longer than the new body, so an overwrite must shorten them.
    const QByteArray old = QByteArray(20000, 'o');
    for (const QString &name : present)
        writeFile(dirSlash + name, old);
    const QByteArray body = bodyOf(9000);

    ImageSaver saver(settings, window);
    feed(saver.beginBody(), body);
    const ImageSaver::Outcome out = saver.saveImage(url);

    QVERIFY2(!out.failed, qPrintable(out.reason));
    QStringList expectedEntries = present;
    if (saved.isEmpty()) {
        QVERIFY(!out.wrote);
        QCOMPARE(out.logText, url + logArrow);
        QCOMPARE(out.previewPath, out.target); // the file that already stood there
        QVERIFY(present.contains(out.target.mid(dirSlash.size())));
    } else {
        QVERIFY(out.wrote);
        QVERIFY2(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(dirSlash) +
                                    saved + QStringLiteral("$"))
                     .match(out.target)
                     .hasMatch(),
                 qPrintable(out.target));
        QCOMPARE(out.logText, url + logArrow + out.target);
        QCOMPARE(out.previewPath, out.target);
        QCOMPARE(contents(out.target), body);
        if (!expectedEntries.contains(out.target.mid(dirSlash.size())))
            expectedEntries.append(out.target.mid(dirSlash.size()));
    }
    // Nothing else in the directory (no temporary file), and the rest untouched.
    expectedEntries.sort();
    QCOMPARE(entries(dir.path()), expectedEntries);
    for (const QString &name : present) {
        if (dirSlash + name != out.target || !out.wrote)
            QCOMPARE(contents(dirSlash + name), old);
    }

    QCOMPARE(window.prompts.size(), titles.size());
    QCOMPARE(window.beeps, int(titles.size()));
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(window.prompts.at(i).title, dirSlash + titles.at(i));
        QCOMPARE(window.prompts.at(i).text,
                 QStringLiteral("File Exists. Enter a new Name without the extension. \r\n"
                                "click cancel to skip saving this file"));
    }
    // The first status is the derived path; under auto rename the last one is the name drawn.
    const QStringList statuses = window.callsOf(QStringLiteral("setStatusText"));
    QCOMPARE(statuses.first(), dirSlash + QStringLiteral("pic07.jpg"));
    if (ifExists == 4)
        QCOMPARE(statuses.last(), out.target);
}

void TestImageSaver::incompleteBodyIsNeverVisible_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("new file") << false;
    QTest::newRow("overwrite keeps the old file until done") << true;
}

void TestImageSaver::incompleteBodyIsNeverVisible()
{
    QFETCH(bool, existing);

    QTemporaryDir dir;
    const QString target = dir.path() + QStringLiteral("/pic07.jpg");
    RunSettings settings;
    settings.is_save = true;
    settings.save_dir = dir.path();
    settings.if_exists = 2;
    RecordingWindow window;
    if (existing)
        writeFile(target, "old picture");

    // Larger than any write buffer, so most of it has reached the disk midway.
    const QByteArray body = bodyOf(3 * 1024 * 1024 + 17);
    ImageSaver saver(settings, window);
    QIODevice *sink = saver.beginBody();
    feed(sink, body.left(body.size() / 2));
    if (existing)
        QCOMPARE(contents(target), QByteArray("old picture"));
    else
        QVERIFY(!QFile::exists(target));
    feed(sink, body.mid(body.size() / 2));

    const ImageSaver::Outcome out = saver.saveImage(url);
    QVERIFY(out.wrote);
    QCOMPARE(out.target, target);
    QCOMPARE(contents(target), body);
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("pic07.jpg")});
}

void TestImageSaver::failures_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("save dir is a regular file") << QStringLiteral("file");
    QTest::newRow("save dir removed after the body began") << QStringLiteral("removed");
    QTest::newRow("address without a file name") << QStringLiteral("noname");
    QTest::newRow("append_str with a path separator") << QStringLiteral("separator");
}

void TestImageSaver::failures()
{
    QFETCH(QString, how);

    QTemporaryDir parent;
    const QString saveDir = parent.path() + QStringLiteral("/save");
    QVERIFY(QDir().mkdir(saveDir));
    RunSettings settings;
    settings.is_save = true;
    settings.save_dir = saveDir;
    settings.if_exists = 2;
    RecordingWindow window;
    QString address = url;
    if (how == QLatin1String("file")) {
        settings.save_dir = parent.path() + QStringLiteral("/plain");
        writeFile(settings.save_dir, "not a directory");
    } else if (how == QLatin1String("noname")) {
        address = QStringLiteral("http://127.0.0.1/photos/");
    } else if (how == QLatin1String("separator")) {
        settings.append_str = QStringLiteral("/../escaped");
    }
    const QStringList before = entries(parent.path());

    ImageSaver saver(settings, window);
    feed(saver.beginBody(), bodyOf(5000));
    if (how == QLatin1String("removed"))
        QVERIFY(QDir(saveDir).removeRecursively());
    const ImageSaver::Outcome out = saver.saveImage(address);

    QVERIFY(out.failed);
    QVERIFY(!out.wrote);
    QVERIFY(!out.reason.isEmpty());
    QVERIFY(out.previewPath.isEmpty());
    QCOMPARE(out.logText, address + QStringLiteral("---> could not save to  ") + out.target +
                              QStringLiteral(": ") + out.reason);
    QVERIFY2(window.status.contains(out.reason), qPrintable(window.status));
    // Nothing half-written anywhere near the save directory.
    if (how != QLatin1String("removed"))
        QCOMPARE(entries(parent.path()), before);
    else
        QCOMPARE(entries(parent.path()), QStringList());
    if (QFileInfo(saveDir).isDir())
        QCOMPARE(entries(saveDir), QStringList());
}

void TestImageSaver::savingOff()
{
    QTemporaryDir dir;
    RunSettings settings;
    settings.is_save = false;
    settings.save_dir = dir.path();
    RecordingWindow window;
    const QByteArray body = bodyOf(7000);

    ImageSaver saver(settings, window);
    feed(saver.beginBody(), body);
    const ImageSaver::Outcome out = saver.saveImage(url);

    QVERIFY(!out.wrote);
    QVERIFY(!out.failed);
    QCOMPARE(out.logText, url + QStringLiteral(" ---> not saved (saving is off)"));
    QCOMPARE(entries(dir.path()), QStringList());
    QVERIFY(!out.previewPath.startsWith(dir.path()));
    QCOMPARE(contents(out.previewPath), body);

    saver.discardBody();
    QVERIFY(!QFile::exists(out.previewPath));
}

void TestImageSaver::saveDirChangedMeanwhile()
{
    QTemporaryDir first, second;
    RunSettings settings;
    settings.is_save = true;
    settings.save_dir = first.path();
    settings.if_exists = 1;
    RecordingWindow window;
    const QByteArray body = bodyOf(6000);

    ImageSaver saver(settings, window);
    feed(saver.beginBody(), body);
    settings.save_dir = second.path();
    const ImageSaver::Outcome out = saver.saveImage(url);

    QVERIFY(out.wrote);
    QCOMPARE(out.target, second.path() + QStringLiteral("/pic07.jpg"));
    QCOMPARE(contents(out.target), body);
    QCOMPARE(entries(first.path()), QStringList());
    QCOMPARE(entries(second.path()), QStringList{QStringLiteral("pic07.jpg")});
}

void TestImageSaver::noFreeAutoName()
{
    // 90000 files: in memory where there is a memory file system, to keep this quick.
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir dir(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/tst_imagesaver-XXXXXX")
                                                  : QString());
    QVERIFY(dir.isValid());
    RunSettings settings;
    settings.is_save = true;
    settings.save_dir = dir.path();
    settings.if_exists = 4;
    RecordingWindow window;
    // Every name the rename can form is taken.
    writeFile(dir.path() + QStringLiteral("/pic07.jpg"), "old");
    for (int n = 10000; n <= 99999; ++n) {
        QFile file(dir.path() + QStringLiteral("/pic07_qp%1.jpg").arg(n));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    ImageSaver saver(settings, window);
    feed(saver.beginBody(), bodyOf(100));
    const ImageSaver::Outcome out = saver.saveImage(url);

    QVERIFY(!out.wrote);
    QVERIFY(!out.failed);
    QCOMPARE(out.logText, url + QStringLiteral(" ---> no free name, did not save"));
    QCOMPARE(out.target, dir.path() + QStringLiteral("/pic07.jpg"));
    QCOMPARE(entries(dir.path()).size(), 90001);
}

void TestImageSaver::removeLeftovers()
{
    QTemporaryDir dir;
    const qint64 live = QCoreApplication::applicationPid();
    const qint64 dead = (1 << 22) + 123; // above Linux's largest pid
    if (::kill(pid_t(dead), 0) == 0 || errno != ESRCH)
        QSKIP("the stand-in for a dead process is running");
    const QString liveName = QStringLiteral(".quillop-%1-abc123.part").arg(live);
    const QString deadName = QStringLiteral(".quillop-%1-abc123.part").arg(dead);
    for (const QString &name : {liveName, deadName, QStringLiteral("pic07.jpg")})
        writeFile(dir.path() + QLatin1Char('/') + name, "x");

    ImageSaver::removeLeftovers(dir.path());
    QCOMPARE(entries(dir.path()), (QStringList{liveName, QStringLiteral("pic07.jpg")}));
}

QUILLOP_TEST_MAIN(TestImageSaver)
#include "tst_imagesaver.moc"
