#include "RecentPrefixes.h"
#include "TestEnvironment.h"

#include <QApplication>

class TestRecentPrefixes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void remember_data();
    void remember();
};

void TestRecentPrefixes::remember_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QStringList>("after");

    const QStringList full{QStringLiteral("http://a/"), QStringLiteral("http://b/"),
                           QStringLiteral("http://c/"), QStringLiteral("http://d/"),
                           QStringLiteral("http://e/")};
    QTest::newRow("new prefix goes on top, oldest dropped")
        << full << QStringLiteral("http://new/") << true
        << QStringList{QStringLiteral("http://new/"), QStringLiteral("http://a/"),
                       QStringLiteral("http://b/"), QStringLiteral("http://c/"),
                       QStringLiteral("http://d/")};
    QTest::newRow("differs only in letter case: nothing changes")
        << full << QStringLiteral("HTTP://C/") << false << full;
    QTest::newRow("re-entering slot 3 keeps it in slot 3")
        << full << QStringLiteral("http://d/") << false << full;
    QTest::newRow("empty with all five filled is remembered on top")
        << full << QString() << true
        << QStringList{QString(), QStringLiteral("http://a/"), QStringLiteral("http://b/"),
                       QStringLiteral("http://c/"), QStringLiteral("http://d/")};
    const QStringList withEmpty{QStringLiteral("http://a/"), QString(), QStringLiteral("http://c/"),
                                QString(), QString()};
    QTest::newRow("empty with an empty slot: nothing changes")
        << withEmpty << QString() << false << withEmpty;
    QTest::newRow("blanks only count as empty")
        << withEmpty << QStringLiteral("   ") << false << withEmpty;
    QTest::newRow("trailing blank is remembered trimmed")
        << full << QStringLiteral("http://x/ ") << true
        << QStringList{QStringLiteral("http://x/"), QStringLiteral("http://a/"),
                       QStringLiteral("http://b/"), QStringLiteral("http://c/"),
                       QStringLiteral("http://d/")};
    QTest::newRow("known prefix with blanks around it: nothing changes")
        << full << QStringLiteral("  http://b/  ") << false << full;
}

void TestRecentPrefixes::remember()
{
    QFETCH(QStringList, before);
    QFETCH(QString, typed);
    RecentPrefixes prefixes;
    for (int i = 0; i < RecentPrefixes::Count; ++i)
        prefixes.setSlot(i, before.at(i));
    QFETCH(bool, changed);
    QFETCH(QStringList, after);
    QCOMPARE(prefixes.remember(typed), changed);
    QCOMPARE(prefixes.all(), after);
}

QUILLOP_TEST_GUI_MAIN(TestRecentPrefixes)
#include "tst_recentprefixes.moc"
