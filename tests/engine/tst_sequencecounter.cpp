#include "AddressSplit.h"
#include "SequenceCounter.h"
#include "TestEnvironment.h"

using SequenceCounter::Step;

class TestSequenceCounter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void composeUrl_data();
    void composeUrl();
    void advance_data();
    void advance();
    void range_data();
    void range();
    void split_data();
    void split();
    void stepCandidates_data();
    void stepCandidates();
};

void TestSequenceCounter::composeUrl_data()
{
    QTest::addColumn<QString>("url1");
    QTest::addColumn<QString>("url2");
    QTest::addColumn<QString>("url3");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("plain") << "http://h/pic" << "01" << ".jpg" << "http://h/pic01.jpg";
    QTest::newRow("blanks around each part are dropped") << " img" << "07" << ".jpg " << "img07.jpg";
    QTest::newRow("tabs and inner blanks stay") << "\thttp://h/a b" << " 1 " << ".jpg\t" << "\thttp://h/a b1.jpg\t";
    QTest::newRow("nothing is escaped or added") << "x?id=" << "5" << "" << "x?id=5";
    // clang-format on
}

void TestSequenceCounter::composeUrl()
{
    QFETCH(QString, url1);
    QFETCH(QString, url2);
    QFETCH(QString, url3);
    QFETCH(QString, expected);
    QCOMPARE(SequenceCounter::composeUrl(url1, url2, url3), expected);
}

void TestSequenceCounter::advance_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("numberMode");
    QTest::addColumn<int>("increment");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("after");

    const int stepped = Step::Stepped, end = Step::LetterEnd, stuck = Step::Unsteppable;
    // Number mode: the width typed is kept and grows with the number.
    // clang-format off
    QTest::newRow("01") << "01" << true << 1 << stepped << "02";
    QTest::newRow("09") << "09" << true << 1 << stepped << "10";
    QTest::newRow("99 grows") << "99" << true << 1 << stepped << "100";
    QTest::newRow("blanks around") << " 12 " << true << 1 << stepped << "13";
    QTest::newRow("010 by 10") << "010" << true << 10 << stepped << "020";
    QTest::newRow("10 by -1") << "10" << true << -1 << stepped << "09";
    QTest::newRow("00 by -1") << "00" << true << -1 << stepped << "-01";
    QTest::newRow("-01 by 1 keeps its digits") << "-01" << true << 1 << stepped << "00";
    QTest::newRow("-01 by -1 does not grow") << "-01" << true << -1 << stepped << "-02";
    // Number mode: what cannot be stepped ends the run and leaves the counter alone.
    QTest::newRow("empty number") << "" << true << 1 << stuck << "";
    QTest::newRow("letters") << "1a" << true << 1 << stuck << "";
    QTest::newRow("a lone sign") << "-" << true << 1 << stuck << "";
    QTest::newRow("fraction") << "1.5" << true << 1 << stuck << "";
    QTest::newRow("value past 16 bits") << "40000" << true << 1 << stuck << "";
    QTest::newRow("sum past 16 bits") << "32767" << true << 1 << stuck << "";
    QTest::newRow("sum below 16 bits") << "-32768" << true << -1 << stuck << "";

    // Character mode: the first character steps by its code; Z and z end the run.
    QTest::newRow("Y") << "Y" << false << 1 << stepped << "Z";
    QTest::newRow("Z ends") << "Z" << false << 1 << end << "";
    QTest::newRow("z ends") << "z" << false << 1 << end << "";
    QTest::newRow("AB drops the rest") << "AB" << false << 1 << stepped << "B";
    QTest::newRow("X by 3 ends") << "X" << false << 3 << end << "";
    QTest::newRow("W by 3") << "W" << false << 3 << stepped << "Z";
    QTest::newRow("9") << "9" << false << 1 << stepped << ":";
    QTest::newRow("A by -2 passes below A") << "A" << false << -2 << stepped << "?";
    QTest::newRow("blanks around a letter") << " c " << false << 1 << stepped << "d";
    QTest::newRow("empty letter") << "" << false << 1 << stuck << "";
    QTest::newRow("code past 255") << QString(QChar(0xFF)) << false << 1 << stuck << "";
    QTest::newRow("code below 0") << "!" << false << -40 << stuck << "";
    QTest::newRow("not single-byte") << QStringLiteral("\u0416") << false << 1 << stuck << "";
    // clang-format on
}

void TestSequenceCounter::advance()
{
    QFETCH(QString, before);
    QFETCH(bool, numberMode);
    QFETCH(int, increment);
    QFETCH(int, outcome);
    QFETCH(QString, after);

    const Step step =
        SequenceCounter::advanceCounter(before, numberMode, static_cast<qint16>(increment));
    QCOMPARE(int(step.outcome), outcome);
    QCOMPARE(step.newText, after);
    // The run shows why it ended; a stepped or letter-end counter needs no reason.
    QCOMPARE(step.reason.isEmpty(), outcome != Step::Unsteppable);
}

void TestSequenceCounter::range_data()
{
    QTest::addColumn<QString>("counter");
    QTest::addColumn<bool>("numberMode");
    QTest::addColumn<int>("increment");
    QTest::addColumn<QString>("walked"); // "FROM TO COUNT", "" for no range, or the reason
    // clang-format off
    QTest::newRow("01-20") << "01-20" << true << 1 << "01 20 20";
    QTest::newRow("7-12, blanks around") << " 7-12 " << true << 1 << "7 12 6";
    QTest::newRow("20-01 counting down") << "20-01" << true << -1 << "20 01 20";
    QTest::newRow("-5-5: from minus five") << "-5-5" << true << 1 << "-5 5 11";
    QTest::newRow("5--3 by -2") << "5--3" << true << -2 << "5 -3 5";
    QTest::newRow("1-10 by 3 stops short of TO") << "1-10" << true << 3 << "1 10 4";
    QTest::newRow("3-3 by 0") << "3-3" << true << 0 << "3 3 1";
    QTest::newRow("A-F") << "A-F" << false << 1 << "A F 6";
    QTest::newRow("F-A down") << "F-A" << false << -1 << "F A 6";
    QTest::newRow("-5 is a number") << "-5" << true << 1 << "";
    QTest::newRow("dash at the end") << "12-" << true << 1 << "";
    QTest::newRow("01-20 in character mode: its first character") << "01-20" << false << 1 << "";
    QTest::newRow("1-2-3") << "1-2-3" << true << 1 << "";
    QTest::newRow("20-01 counting up") << "20-01" << true << 1 << "the range \"20-01\" cannot be reached with increment 1";
    QTest::newRow("1-3 by 0") << "1-3" << true << 0 << "the range \"1-3\" cannot be reached with increment 0";
    QTest::newRow("a-F") << "a-F" << false << 1 << "the range \"a-F\" mixes upper and lower case";
    QTest::newRow("A-9 down: no walk through punctuation") << "A-9" << false << -1 << "the range \"A-9\" mixes letters and digits";
    QTest::newRow("1-a counting numbers") << "1-a" << true << 1 << "the range \"1-a\" mixes letters and digits";
    QTest::newRow("letters in number mode") << "A-F" << true << 1 << "the range \"A-F\" is of letters, but the counter counts numbers";
    QTest::newRow("past 16 bits") << "1-40000" << true << 1 << "the range \"1-40000\" goes outside -32768 to 32767";
    // clang-format on
}

void TestSequenceCounter::range()
{
    QFETCH(QString, counter);
    QFETCH(bool, numberMode);
    QFETCH(int, increment);
    QFETCH(QString, walked);
    const qint16 inc = static_cast<qint16>(increment);
    const SequenceCounter::Range r = SequenceCounter::parseRange(counter, numberMode, inc);
    if (r.kind != SequenceCounter::Range::Walkable) {
        QCOMPARE(r.reason, walked);
        QCOMPARE(r.kind == SequenceCounter::Range::None, walked.isEmpty());
        return;
    }
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(r.from, r.to).arg(r.count), walked);
    // The walk from FROM to TO in its count of steps is the fuzz target's to check.
}

void TestSequenceCounter::split_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("parts"); // url1|url2|url3, or "!" and why it is refused
    QTest::addColumn<bool>("scheme");
    // clang-format off
    QTest::newRow("digits, query kept") << "https://x.org/g/pic017.jpg?s=1" << "https://x.org/g/pic|017|.jpg?s=1" << true;
    QTest::newRow("last run of digits") << "http://h/2024/img_800_017.jpg" << "http://h/2024/img_800_|017|.jpg" << true;
    QTest::newRow("digits only in the query") << "http://h/pic.jpg?id=5" << "http://h/pic.jpg?id=5||" << true;
    QTest::newRow("digits only in a directory") << "http://h/g01/pic.jpg" << "http://h/g01/pic.jpg||" << true;
    QTest::newRow("digits only in host and port") << "http://h1.org:8080/" << "http://h1.org:8080/||" << true;
    QTest::newRow("range") << "https://x.org/g/pic[001-120].jpg" << "https://x.org/g/pic|001-120|.jpg" << true;
    QTest::newRow("letter range") << "https://x.org/g/pic[A-F].jpg" << "https://x.org/g/pic|A-F|.jpg" << true;
    QTest::newRow("range in a directory") << "http://h/g[1-3]/pic.jpg" << "http://h/g|1-3|/pic.jpg" << true;
    QTest::newRow("brackets that are no range") << "http://h/p[x]1.jpg" << "http://h/p[x]|1|.jpg" << true;
    QTest::newRow("escaped blank is not counted") << "http://h/pic%201.jpg" << "http://h/pic%20|1|.jpg" << true;
    QTest::newRow("escape without digits after it") << "http://h/a7%2C.jpg" << "http://h/a|7|%2C.jpg" << true;
    QTest::newRow("no scheme") << "x.org/g/pic01.jpg" << "x.org/g/pic|01|.jpg" << false;
    QTest::newRow("no scheme, host only") << "img2.x.org" << "img2.x.org||" << false;
    QTest::newRow("blanks around") << " http://h/a1.jpg\n" << "http://h/a|1|.jpg" << true;
    QTest::newRow("not a scheme: starts with a digit") << "1x://h/a1" << "1x://h/a|1|" << false;
    QTest::newRow("a letter before the extension") << "http://h/imgA.png" << "http://h/img|A|.png" << true;
    QTest::newRow("no letter inside a word") << "http://h/photo.jpg" << "http://h/photo.jpg||" << true;
    QTest::newRow("the padded number, not the size") << "http://h/pic01_800.jpg" << "http://h/pic|01|_800.jpg" << true;
    QTest::newRow("the padded number, not the scale") << "http://h/img-0042-thumb-2x.png" << "http://h/img-|0042|-thumb-2x.png" << true;
    QTest::newRow("not the digit of the extension") << "http://h/pic01.jp2" << "http://h/pic|01|.jp2" << true;
    QTest::newRow("the extension's digit when alone") << "http://h/pic.jp2" << "http://h/pic.jp|2|" << true;
    QTest::newRow("not a scheme: a slash before it") << "h/a://b2" << "h/a://b|2|" << false;
    // Brackets that look like a range but are none: "!" and the reason the run is refused for.
    const QString noRange = QStringLiteral("!the range \"[%1]\" is neither two numbers nor two letters, as in [01-20] or [A-F]");
    for (const char *inside : {"A-9", "1-a", "-3--1", "+1-+3", "5-5-5", "0x1-0x5"})
        QTest::newRow(inside) << QStringLiteral("http://h/p[%1].jpg").arg(QLatin1String(inside)) << noRange.arg(QLatin1String(inside)) << true;
    QTest::newRow("unclosed range") << "http://h/p[1-5.jpg" << "!the range \"[1-5\" has no closing bracket" << true;
    // clang-format on
}

void TestSequenceCounter::split()
{
    QFETCH(QString, address);
    QFETCH(QString, parts);
    QFETCH(bool, scheme);
    const QString problem = parts.startsWith(u'!') ? parts.mid(1) : QString();
    QCOMPARE(AddressSplit::bracketProblem(address), problem);
    if (!problem.isEmpty())
        return;
    const AddressParts got = AddressSplit::split(address);
    QCOMPARE(got.url1 + u'|' + got.url2 + u'|' + got.url3, parts);
    QCOMPARE(AddressSplit::hasScheme(address.trimmed()), scheme);
    // Joined again they give the address back, a range with its brackets.
    const QString counter = got.url2.contains(u'-') ? u'[' + got.url2 + u']' : got.url2;
    QCOMPARE(got.url1 + counter + got.url3, address.trimmed());
}

// From the split of a pasted address, each move goes to the previous ("-") or next ("+")
// place a counter may stand, round at the ends; the counter's form then decides the mode.
void TestSequenceCounter::stepCandidates_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("moves");
    // url1|url2|url3, or "!" and why it is refused, then the mode
    QTest::addColumn<QString>("parts");
    // clang-format off
    QTest::newRow("to the next number") << "http://h/g2/pic01_800.jpg" << "+" << "http://h/g2/pic01_|800|.jpg numbers";
    QTest::newRow("past the last, round to the first") << "http://h/g2/pic01_800.jpg" << "++" << "http://h/g|2|/pic01_800.jpg numbers";
    QTest::newRow("back to the directory") << "http://h/g2/pic01_800.jpg" << "-" << "http://h/g|2|/pic01_800.jpg numbers";
    QTest::newRow("there and back") << "http://h/g2/pic01_800.jpg" << "+-" << "http://h/g2/pic|01|_800.jpg numbers";
    QTest::newRow("to a letter") << "http://h/p7/imgA.png" << "-" << "http://h/p|7|/imgA.png numbers";
    QTest::newRow("from a number to the letter") << "http://h/p7/imgA.png" << "--" << "http://h/p7/img|A|.png letters";
    QTest::newRow("a range stays") << "http://h/p7/pic[01-20].jpg" << "+" << "http://h/p7/pic|01-20|.jpg numbers";
    QTest::newRow("letter range") << "http://h/pic[a-f].jpg" << "" << "http://h/pic|a-f|.jpg letters";
    QTest::newRow("no candidate") << "http://h/tall.jpg" << "+" << "http://h/tall.jpg|| setting";
    // clang-format on
}

void TestSequenceCounter::stepCandidates()
{
    QFETCH(QString, address);
    QFETCH(QString, moves);
    QFETCH(QString, parts);
    AddressParts got = AddressSplit::split(address);
    for (const QChar move : moves)
        got = AddressSplit::step(got, move == u'+' ? 1 : -1);
    const std::optional<bool> mode = SequenceCounter::numberModeOf(got.url2);
    const QString modeName = !mode   ? QStringLiteral("setting")
                             : *mode ? QStringLiteral("numbers")
                                     : QStringLiteral("letters");
    QCOMPARE(got.url1 + u'|' + got.url2 + u'|' + got.url3 + u' ' + modeName, parts);
}

QUILLOP_TEST_MAIN(TestSequenceCounter)
#include "tst_sequencecounter.moc"
