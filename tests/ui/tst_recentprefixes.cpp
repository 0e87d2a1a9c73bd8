#include "RecentPrefixes.h"
#include "TestEnvironment.h"

#include <QApplication>

// The five slots written as "a b c d e", "-" for an empty one, "x" for "http://x/".
static QStringList slotsOf(const char *names)
{
    QStringList result = QString::fromUtf8(names).split(u' ');
    for (QString &name : result)
        name = name == u'-' ? QString() : QStringLiteral("http://") + name + u'/';
    return result;
}

class TestRecentPrefixes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void remember_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("after"); // empty: nothing changes
        // clang-format off
        QTest::newRow("new prefix goes on top, oldest dropped") << slotsOf("a b c d e") << "http://new/" << slotsOf("new a b c d");
        QTest::newRow("differs only in letter case: nothing changes") << slotsOf("a b c d e") << "HTTP://C/" << QStringList();
        QTest::newRow("re-entering slot 3 keeps it in slot 3") << slotsOf("a b c d e") << "http://d/" << QStringList();
        QTest::newRow("empty with all five filled is remembered on top") << slotsOf("a b c d e") << "" << slotsOf("- a b c d");
        QTest::newRow("empty with an empty slot: nothing changes") << slotsOf("a - c - -") << "" << QStringList();
        QTest::newRow("trailing blank is remembered trimmed") << slotsOf("a b c d e") << "http://x/ " << slotsOf("x a b c d");
        QTest::newRow("known prefix with blanks around it: nothing changes") << slotsOf("a b c d e") << "  http://b/  " << QStringList();
        // clang-format on
    }

    void remember()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, typed);
        QFETCH(QStringList, after);
        RecentPrefixes prefixes;
        for (int i = 0; i < RecentPrefixes::Count; ++i)
            prefixes.setSlot(i, before.at(i));
        QCOMPARE(prefixes.remember(typed), !after.isEmpty());
        QCOMPARE(prefixes.all(), after.isEmpty() ? before : after);
    }
};

QUILLOP_TEST_GUI_MAIN(TestRecentPrefixes)
#include "tst_recentprefixes.moc"
