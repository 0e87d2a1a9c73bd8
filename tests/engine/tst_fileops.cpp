#include "FileOps.h"
#include "TestEnvironment.h"

class TestFileOps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void segments_data();
    void segments();
    void buildPath_data();
    void buildPath();
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

QUILLOP_TEST_MAIN(TestFileOps)
#include "tst_fileops.moc"
