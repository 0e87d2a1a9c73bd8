// What a server may send, whole or split at any byte as a socket may deliver it. Whole fetches
// run in tst_transfer; the framing rules are held here alone.
#include "HttpResponseParser.h"
#include "TestEnvironment.h"

namespace {

using Step = HttpResponseParser::Step;

struct Outcome
{
    Step end = Step::NeedMore;
    QByteArray body;
    QByteArray leftover;
};

// Feeds input in pieces of the given size (0: all at once), then reports the close of the
// connection when eof is set.
Outcome feed(HttpResponseParser &parser, const QByteArray &input, qsizetype piece, bool eof)
{
    Outcome out;
    const qsizetype step = piece > 0 ? piece : qMax<qsizetype>(input.size(), 1);
    for (qsizetype at = 0; at < input.size() && out.end == Step::NeedMore; at += step) {
        QByteArrayView rest = QByteArrayView(input).sliced(at, qMin(step, input.size() - at));
        for (Step s = Step::Body; s != Step::NeedMore && out.end == Step::NeedMore;) {
            QByteArrayView body;
            s = parser.parse(rest, &body);
            if (s == Step::Body)
                out.body += body.toByteArray();
            if (s == Step::Complete || s == Step::Failed) {
                out.end = s;
                out.leftover = rest.toByteArray() + input.mid(at + step);
            }
        }
    }
    if (out.end == Step::NeedMore && eof)
        out.end = parser.finishInput();
    return out;
}

} // namespace

class TestHttpResponseParser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void response_data();
    void response();
};

void TestHttpResponseParser::response_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("eof");      // the server closes after input
    QTest::addColumn<QString>("error"); // empty: the response is complete
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("note"); // the value of X-Note, in any case

    const QString malformed = QStringLiteral("malformed response from the server");
    const QString badLength = QStringLiteral("malformed Content-Length from the server");
    const QString cut = QStringLiteral("connection closed before the whole body arrived");
    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    const QByteArray chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";
    const QByteArray longValue(HttpResponseParser::MaxLineLength, 'a');
    // Short lines that together pass the bound of a head (twice over, for the trailers).
    const QByteArray field = "X-Small: 0123456789012345678901234567890123456789\r\n";
    const QByteArray lines = field.repeated(HttpResponseParser::MaxHeadSize / field.size() + 1);
    const QByteArray interim = "HTTP/1.1 100 Continue\r\n\r\n";
    const QByteArray none;
    // clang-format off
    QTest::newRow("bare LF line ends, no reason phrase") << QByteArray("HTTP/1.1 404\nContent-Length: 2\n\nno") << false << QString() << 404 << QByteArray("no") << none;
    QTest::newRow("folded, repeated and broken fields") << ok + "X-Note: one\r\n  two\r\n\tthree\r\ngarbage\r\nX Note: bad\r\n: none\r\nx-note: four\r\nContent-Length: 0\r\n\r\n" << false << QString() << 200 << none << QByteArray("one two three, four");
    QTest::newRow("interim responses skipped, fields and all") << "HTTP/1.1 100 Continue\r\nX-Note: early\r\n\r\nHTTP/1.1 103 Early Hints\r\n\r\n" + ok + "Content-Length: 2\r\n\r\nok" << false << QString() << 200 << QByteArray("ok") << none;
    QTest::newRow("switching protocols was never asked for") << QByteArray("HTTP/1.1 101 Switching Protocols\r\n\r\n") << false << malformed << 101 << none << none;
    QTest::newRow("204 has no body whatever its length says") << QByteArray("HTTP/1.1 204 No Content\r\nContent-Length: 9\r\n\r\n") << false << QString() << 204 << none << none;
    QTest::newRow("conflicting lengths") << ok + "Content-Length: 3\r\nContent-Length: 4\r\n\r\n" << false << badLength << 200 << none << none;
    QTest::newRow("length past 64 bits") << ok + "Content-Length: 99999999999999999999\r\n\r\n" << false << badLength << 200 << none << none;
    QTest::newRow("chunked with extensions and trailers") << chunked + "5;name=value\r\nhello\r\n6 ; x\r\n world\r\nA\r\n0123456789\r\n0\r\nX-Sum: none\r\n\r\n" << false << QString() << 200 << QByteArray("hello world0123456789") << none;
    QTest::newRow("chunked wins over a length") << ok + "Content-Length: 100\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nab\r\n0\r\n\r\n" << false << QString() << 200 << QByteArray("ab") << none;
    QTest::newRow("chunk size past 64 bits") << chunked + "10000000000000000\r\n" << false << malformed << 200 << none << none;
    QTest::newRow("chunk longer than its size") << chunked + "2\r\nabc\r\n0\r\n\r\n" << false << malformed << 200 << QByteArray("ab") << none;
    QTest::newRow("closed inside a chunk") << chunked + "a\r\nabc" << true << cut << 200 << QByteArray("abc") << none;
    QTest::newRow("no http status line") << QByteArray("SSH-2.0-OpenSSH_9.2\r\n") << false << malformed << 0 << none << none;
    QTest::newRow("chunk size line past its bound") << chunked + "1;" + longValue + "\r\n" << false << malformed << 200 << none << none;
    QTest::newRow("short lines past the head's bound") << ok + lines << false << malformed << 200 << none << none;
    QTest::newRow("endless interim responses") << interim.repeated(HttpResponseParser::MaxHeadSize / interim.size() + 1) << false << malformed << 0 << none << none;
    QTest::newRow("endless trailers") << chunked + "0\r\n" + lines + lines << false << malformed << 200 << none << none;
    // clang-format on
}

void TestHttpResponseParser::response()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, eof);
    QFETCH(QString, error);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, note);
    // What follows a response that ends by itself belongs to no request of ours.
    const QByteArray next = error.isEmpty() && !eof ? "HTTP/1.1 200 OK\r\n" : "";

    // The same verdict whichever way the bytes are split.
    for (const qsizetype piece : {0, 1, 7}) {
        HttpResponseParser parser;
        const Outcome out = feed(parser, input + next, piece, eof);
        const QByteArray where = "pieces of " + QByteArray::number(piece);
        QVERIFY2(out.end == (error.isEmpty() ? Step::Complete : Step::Failed), where.constData());
        QCOMPARE(parser.error(), error);
        QCOMPARE(parser.statusCode(), status);
        QCOMPARE(out.body, body);
        QCOMPARE(parser.header("X-NOTE"), note);
        if (!next.isEmpty())
            QCOMPARE(out.leftover, next);
    }
}

QUILLOP_TEST_MAIN(TestHttpResponseParser)
#include "tst_httpresponseparser.moc"
