#include "HttpResponseParser.h"
#include "TestEnvironment.h"

namespace {

struct Outcome
{
    HttpResponseParser::Step end = HttpResponseParser::Step::NeedMore;
    QByteArray body;
    QByteArray leftover;
};

// Feeds input in pieces of the given size (0: all at once), as a socket might deliver it,
// then reports the close of the connection when eof is set.
Outcome feed(HttpResponseParser &parser, const QByteArray &input, qsizetype piece, bool eof)
{
    using Step = HttpResponseParser::Step;
    Outcome out;
    const qsizetype step = piece > 0 ? piece : qMax<qsizetype>(input.size(), 1);
    for (qsizetype at = 0; at < input.size() && out.end == Step::NeedMore; at += step) {
        QByteArrayView rest = QByteArrayView(input).sliced(at, qMin(step, input.size() - at));
        for (;;) {
            QByteArrayView body;
            const Step s = parser.parse(rest, &body);
            if (s == Step::Body)
                out.body += body.toByteArray();
            if (s == Step::Complete || s == Step::Failed) {
                out.end = s;
                out.leftover = rest.toByteArray() + input.mid(at + step);
                break;
            }
            if (s == Step::NeedMore)
                break;
        }
    }
    if (out.end == Step::NeedMore && eof)
        out.end = parser.finishInput();
    return out;
}

const QByteArray Ok = "HTTP/1.1 200 OK\r\n";
const QByteArray Chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";

} // namespace

class TestHttpResponseParser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void response_data();
    void response();
    void bytesAfterTheResponseAreLeftAlone();
    void oversizedHeads_data();
    void oversizedHeads();
};

void TestHttpResponseParser::response_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("eof");      // the server closes after input
    QTest::addColumn<QString>("error"); // empty: the response is complete
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("keepAlive");
    QTest::addColumn<QByteArray>("headerName");
    QTest::addColumn<QByteArray>("headerValue");

    const QString malformed = QStringLiteral("malformed response from the server");
    const QString badLength = QStringLiteral("malformed Content-Length from the server");
    const QString cut = QStringLiteral("connection closed before the whole body arrived");
    const QString reset = QStringLiteral("connection reset");
    const QByteArray ct = "content-type";

    QTest::newRow("length-framed body")
        << Ok + "Content-Type: image/gif\r\nContent-Length: 5\r\n\r\nhello" << false << QString()
        << 200 << QByteArray("hello") << true << ct << QByteArray("image/gif");
    QTest::newRow("bare LF line ends, no reason phrase")
        << QByteArray("HTTP/1.1 404\nContent-Length: 2\n\nno") << false << QString() << 404
        << QByteArray("no") << true << ct << QByteArray();
    QTest::newRow("blank lines before the status line")
        << "\r\n\r\n" + Ok + "Content-Length: 0\r\n\r\n"
        << false << QString() << 200 << QByteArray() << true << ct << QByteArray();
    QTest::newRow("folded and repeated fields")
        << Ok + "X-Note: one\r\n  two\r\n\tthree\r\nx-note: four\r\nContent-Length: 0\r\n\r\n"
        << false << QString() << 200 << QByteArray() << true << QByteArray("X-NOTE")
        << QByteArray("one two three, four");
    QTest::newRow("lines that are no fields are skipped")
        << Ok + "garbage line\r\n: no name\r\nBad Name: x\r\nContent-Length: 1\r\n\r\nz" << false
        << QString() << 200 << QByteArray("z") << true << QByteArray("bad name") << QByteArray();
    QTest::newRow("interim responses are skipped")
        << "HTTP/1.1 100 Continue\r\nX-Early: 1\r\n\r\nHTTP/1.1 103 Early Hints\r\n\r\n" + Ok +
               "Content-Length: 2\r\n\r\nok"
        << false << QString() << 200 << QByteArray("ok") << true << QByteArray("x-early")
        << QByteArray();
    QTest::newRow("switching protocols was never asked for")
        << QByteArray("HTTP/1.1 101 Switching Protocols\r\n\r\n") << false << malformed << 101
        << QByteArray() << false << ct << QByteArray();
    QTest::newRow("204 has no body whatever its length says")
        << QByteArray("HTTP/1.1 204 No Content\r\nContent-Length: 9\r\n\r\n") << false << QString()
        << 204 << QByteArray() << true << ct << QByteArray();
    QTest::newRow("HTTP/1.0 body runs to the close")
        << QByteArray("HTTP/1.0 200 OK\r\n\r\nall of it") << true << QString() << 200
        << QByteArray("all of it") << false << ct << QByteArray();
    QTest::newRow("HTTP/1.0 keep-alive with a length")
        << QByteArray("HTTP/1.0 200 OK\r\nConnection: Keep-Alive\r\nContent-Length: 1\r\n\r\nk")
        << false << QString() << 200 << QByteArray("k") << true << ct << QByteArray();
    QTest::newRow("Connection: close ends the connection")
        << Ok + "Connection: keep-alive, Close\r\nContent-Length: 1\r\n\r\nk" << false << QString()
        << 200 << QByteArray("k") << false << ct << QByteArray();
    QTest::newRow("repeated equal lengths")
        << Ok + "Content-Length: 3\r\nContent-Length: 3, 3\r\n\r\nabc" << false << QString() << 200
        << QByteArray("abc") << true << ct << QByteArray();
    QTest::newRow("conflicting lengths")
        << Ok + "Content-Length: 3\r\nContent-Length: 4\r\n\r\n"
        << false << badLength << 200 << QByteArray() << false << ct << QByteArray();
    QTest::newRow("length that is no number")
        << Ok + "Content-Length: crap\r\n\r\n"
        << false << badLength << 200 << QByteArray() << false << ct << QByteArray();
    QTest::newRow("length past 64 bits")
        << Ok + "Content-Length: 99999999999999999999\r\n\r\n"
        << false << badLength << 200 << QByteArray() << false << ct << QByteArray();
    QTest::newRow("body shorter than its length")
        << Ok + "Content-Length: 10\r\n\r\nshort" << true << cut << 200 << QByteArray("short")
        << false << ct << QByteArray();
    QTest::newRow("closed before the head ended")
        << Ok + "Content-Type: ima" << true << reset << 200 << QByteArray() << false << ct
        << QByteArray();
    QTest::newRow("chunked with extensions and trailers")
        << Chunked + "5;name=value\r\nhello\r\n6 ; x\r\n world\r\nA\r\n0123456789\r\n"
                     "0\r\nX-Trailer: 1\r\n\r\n"
        << false << QString() << 200 << QByteArray("hello world0123456789") << true << ct
        << QByteArray();
    QTest::newRow("chunked wins over a length")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n"
                      "Transfer-Encoding: chunked\r\n\r\n2\r\nab\r\n0\r\n\r\n")
        << false << QString() << 200 << QByteArray("ab") << true << ct << QByteArray();
    QTest::newRow("other coding runs to the close")
        << Ok + "Transfer-Encoding: gzip\r\n\r\nzzz" << true << QString() << 200
        << QByteArray("zzz") << false << ct << QByteArray();
    QTest::newRow("chunk size no hex number")
        << Chunked + "zz\r\nhello\r\n"
        << false << malformed << 200 << QByteArray() << false << ct << QByteArray();
    QTest::newRow("chunk size past 64 bits")
        << Chunked + "10000000000000000\r\n"
        << false << malformed << 200 << QByteArray() << false << ct << QByteArray();
    QTest::newRow("chunk longer than its size")
        << Chunked + "2\r\nabc\r\n0\r\n\r\n"
        << false << malformed << 200 << QByteArray("ab") << false << ct << QByteArray();
    QTest::newRow("closed inside a chunk") << Chunked + "a\r\nabc" << true << cut << 200
                                           << QByteArray("abc") << false << ct << QByteArray();
    QTest::newRow("no http status line")
        << QByteArray("SSH-2.0-OpenSSH_9.2\r\n") << false << malformed << 0 << QByteArray() << false
        << ct << QByteArray();
    QTest::newRow("other protocol version")
        << QByteArray("HTTP/2 200\r\n\r\n") << false << malformed << 0 << QByteArray() << false
        << ct << QByteArray();
    QTest::newRow("status with letters")
        << QByteArray("HTTP/1.1 2x0 OK\r\n\r\n") << false << malformed << 0 << QByteArray() << false
        << ct << QByteArray();
}

void TestHttpResponseParser::response()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, eof);
    QFETCH(QString, error);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, keepAlive);
    QFETCH(QByteArray, headerName);
    QFETCH(QByteArray, headerValue);

    // The same verdict whichever way the bytes are split.
    for (const qsizetype piece : {0, 1, 2, 7}) {
        HttpResponseParser parser;
        const Outcome out = feed(parser, input, piece, eof);
        const QByteArray where = "pieces of " + QByteArray::number(piece);
        QVERIFY2(out.end == (error.isEmpty() ? HttpResponseParser::Step::Complete
                                             : HttpResponseParser::Step::Failed),
                 where.constData());
        QCOMPARE(parser.error(), error);
        QCOMPARE(parser.statusCode(), status);
        QCOMPARE(out.body, body);
        QCOMPARE(parser.keepAlive(), keepAlive);
        QCOMPARE(parser.header(headerName), headerValue);
    }
}

void TestHttpResponseParser::bytesAfterTheResponseAreLeftAlone()
{
    // Whatever follows a response belongs to no request of ours; it must not be read as body.
    const QByteArray next = "HTTP/1.1 200 OK\r\n";
    for (const QByteArray &response :
         {Ok + "Content-Length: 2\r\n\r\nab", Chunked + "2\r\nab\r\n0\r\n\r\n"}) {
        HttpResponseParser parser;
        const Outcome out = feed(parser, response + next, 0, false);
        QVERIFY(out.end == HttpResponseParser::Step::Complete);
        QCOMPARE(out.body, QByteArray("ab"));
        QCOMPARE(out.leftover, next);
    }
}

void TestHttpResponseParser::oversizedHeads_data()
{
    QTest::addColumn<QByteArray>("input");
    const QByteArray longValue(HttpResponseParser::MaxLineLength, 'a');
    QTest::newRow("one field line past its bound") << Ok + "X-Big: " + longValue + "\r\n";
    QTest::newRow("chunk size line past its bound") << Chunked + "1;" + longValue + "\r\n";
    QByteArray many = Ok;
    while (many.size() <= HttpResponseParser::MaxHeadSize)
        many += "X-Small: 0123456789012345678901234567890123456789\r\n";
    QTest::newRow("many short lines past the head's bound") << many;
    QByteArray interim;
    while (interim.size() <= HttpResponseParser::MaxHeadSize)
        interim += "HTTP/1.1 100 Continue\r\n\r\n";
    QTest::newRow("endless interim responses") << interim;
    QByteArray trailers = Chunked + "0\r\n";
    while (trailers.size() <= 2 * HttpResponseParser::MaxHeadSize)
        trailers += "X-Trailer: 0123456789012345678901234567890123456789\r\n";
    QTest::newRow("endless trailers") << trailers;
}

void TestHttpResponseParser::oversizedHeads()
{
    QFETCH(QByteArray, input);
    for (const qsizetype piece : {0, 1000}) {
        HttpResponseParser parser;
        const Outcome out = feed(parser, input, piece, false);
        QVERIFY(out.end == HttpResponseParser::Step::Failed);
        QCOMPARE(parser.error(), QStringLiteral("malformed response from the server"));
    }
}

QUILLOP_TEST_MAIN(TestHttpResponseParser)
#include "tst_httpresponseparser.moc"
