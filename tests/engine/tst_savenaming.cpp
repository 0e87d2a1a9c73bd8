#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SaveNaming.h"
#include "TestEnvironment.h"

#include <QRegularExpression>
#include <QTemporaryDir>

class TestSaveNaming : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savePath_data();
    void savePath();
    void autoName_data();
    void autoName();
    void nameProblem_data();
    void nameProblem();
};

void TestSaveNaming::savePath_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("appendStr");
    QTest::addColumn<bool>("isHeader");
    QTest::addColumn<QString>("name");

    const QString pic = QStringLiteral("http://example.org/photos/pic07.jpg");
    QTest::newRow("append at head")
        << pic << QStringLiteral("big_") << true << QStringLiteral("big_pic07.jpg");
    QTest::newRow("append at tail")
        << pic << QStringLiteral("_big") << false << QStringLiteral("pic07_big.jpg");
    QTest::newRow("nothing appended") << pic << QString() << false << QStringLiteral("pic07.jpg");
    QTest::newRow("no extension keeps the dot") << QStringLiteral("http://example.org/photos/pic07")
                                                << QString() << false << QStringLiteral("pic07.");
    QTest::newRow("query stays in the name") << QStringLiteral("http://example.org/get.php?id=5")
                                             << QString() << true << QStringLiteral("get.php?id=5");
    QTest::newRow("blanks around append_str and base")
        << QStringLiteral("http://example.org/  pic07  .jpg ") << QStringLiteral("  x  ") << false
        << QStringLiteral("pic07x.jpg");
}

void TestSaveNaming::savePath()
{
    QFETCH(QString, url);
    QFETCH(QString, appendStr);
    QFETCH(bool, isHeader);
    QFETCH(QString, name);

    QTemporaryDir dir;
    RunSettings settings;
    settings.save_dir = dir.path();
    settings.append_str = appendStr;
    settings.is_header = isHeader;
    RecordingWindow window;

    QString problem = QStringLiteral("unset");
    const QString target = SaveNaming::makeSavePath(url, settings, window, &problem);
    QCOMPARE(target, dir.path() + QLatin1Char('/') + name);
    QCOMPARE(window.status, target);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestSaveNaming::autoName_data()
{
    QTest::addColumn<QString>("appendStr");
    QTest::addColumn<bool>("isHeader");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("tail: suffix after append_str")
        << QStringLiteral("_big") << false << QStringLiteral("^pic07_big_qp(\\d{5})\\.jpg$");
    QTest::newRow("head: suffix after the base")
        << QStringLiteral("big_") << true << QStringLiteral("^big_pic07_qp(\\d{5})\\.jpg$");
    QTest::newRow("nothing appended")
        << QString() << false << QStringLiteral("^pic07_qp(\\d{5})\\.jpg$");
}

void TestSaveNaming::autoName()
{
    QFETCH(QString, appendStr);
    QFETCH(bool, isHeader);
    QFETCH(QString, pattern);

    QTemporaryDir dir;
    RunSettings settings;
    settings.save_dir = dir.path();
    settings.append_str = appendStr;
    settings.is_header = isHeader;
    RecordingWindow window;
    const QRegularExpression expected(pattern);

    QSet<QString> seen;
    for (int draw = 0; draw < 50; ++draw) {
        const QString target =
            SaveNaming::makeAutoName(QStringLiteral("http://h/p/pic07.jpg"), settings, window);
        QCOMPARE(window.status, target);
        QVERIFY(target.startsWith(dir.path() + QLatin1Char('/')));
        const auto match = expected.match(target.mid(dir.path().size() + 1));
        QVERIFY2(match.hasMatch(), qPrintable(target));
        const int number = match.captured(1).toInt();
        QVERIFY(number >= 10000 && number <= 99999);
        seen.insert(target);
    }
    // Fifty draws from 90000 numbers all alike would mean the generator is not seeded.
    QVERIFY(seen.size() > 1);
}

void TestSaveNaming::nameProblem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");

    QTest::newRow("plain") << QStringLiteral("pic07.jpg") << true;
    QTest::newRow("255 bytes") << QString(251, QLatin1Char('a')) + QStringLiteral(".jpg") << true;
    QTest::newRow("non-ASCII within 255 bytes")
        << QString(125, QChar(0x00e9)) + QStringLiteral(".jpg") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("slash") << QStringLiteral("a/b.jpg") << false;
    QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral(".jpg") << false;
    QTest::newRow("newline") << QStringLiteral("a\nb.jpg") << false;
    QTest::newRow("256 bytes") << QString(252, QLatin1Char('a')) + QStringLiteral(".jpg") << false;
    QTest::newRow("256 bytes in two-byte characters")
        << QString(126, QChar(0x00e9)) + QStringLiteral(".jpg") << false;
    QTest::newRow("our temporary file") << QStringLiteral(".quillop-12-abc.part") << false;
}

void TestSaveNaming::nameProblem()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QCOMPARE(SaveNaming::nameProblem(name).isEmpty(), usable);
}

QUILLOP_TEST_MAIN(TestSaveNaming)
#include "tst_savenaming.moc"
