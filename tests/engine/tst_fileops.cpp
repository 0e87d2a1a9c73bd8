#include "FileOps.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>

class TestFileOps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void segments_data();
    void segments();
    void buildPath_data();
    void buildPath();
    void folderExists();
    void appendLine();
};

void TestFileOps::segments_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("extension");
    // clang-format off
    QTest::newRow("address") << "http://h/photos/pic07.jpg" << "pic07.jpg" << "pic07" << "jpg";
    QTest::newRow("query") << "http://h/get.php?id=5" << "get.php?id=5" << "get" << "php?id=5";
    QTest::newRow("no extension") << "http://h/pic07" << "pic07" << "pic07" << "";
    QTest::newRow("backslash") << "C:\\img\\x.gif" << "x.gif" << "x" << "gif";
    QTest::newRow("mixed, last wins") << "a\\b/c\\d.e" << "d.e" << "d" << "e";
    QTest::newRow("trailing slash") << "http://h/dir/" << "" << "" << "";
    QTest::newRow("two dots") << "/p/a.b.c" << "a.b.c" << "a.b" << "c";
    QTest::newRow("dot in a directory only") << "/p.q/r" << "r" << "r" << "";
    // clang-format on
}

void TestFileOps::segments()
{
    QFETCH(QString, path);
    QFETCH(QString, fileName);
    QFETCH(QString, baseName);
    QFETCH(QString, extension);
    QCOMPARE(FileOps::GetFileName(path), fileName);
    QCOMPARE(FileOps::GetBaseName(path), baseName);
    QCOMPARE(FileOps::GetExtensionName(path), extension);
}

void TestFileOps::buildPath_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("adds one separator") << "/tmp/a" << "x.jpg" << "/tmp/a/x.jpg";
    QTest::newRow("never doubles it") << "/tmp/a/" << "x.jpg" << "/tmp/a/x.jpg";
    QTest::newRow("root") << "/" << "x.jpg" << "/x.jpg";
    // clang-format on
}

void TestFileOps::buildPath()
{
    QFETCH(QString, dir);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(FileOps::BuildPath(dir, name), expected);
}

void TestFileOps::folderExists()
{
    QTemporaryDir dir;
    QVERIFY(FileOps::FolderExists(dir.path()));
    QVERIFY(!FileOps::FolderExists(QString()));
    QVERIFY(!FileOps::FolderExists(dir.filePath(QStringLiteral("missing"))));
    QFile file(dir.filePath(QStringLiteral("f")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!FileOps::FolderExists(file.fileName()));
    QVERIFY(FileOps::FileExists(file.fileName()));
    QVERIFY(!FileOps::FileExists(dir.path()));
}

void TestFileOps::appendLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2026-12-05.log"));
    QVERIFY(FileOps::appendLine(path, QStringLiteral("first")));
    QVERIFY(FileOps::appendLine(path, QStringLiteral("caf\u00e9")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // CR LF line ends, 8-bit text (UTF-8), no byte-order mark.
    QCOMPARE(file.readAll(), QByteArray("first\r\ncaf\xc3\xa9\r\n"));
}

QUILLOP_TEST_MAIN(TestFileOps)
#include "tst_fileops.moc"
