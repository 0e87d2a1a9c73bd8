#include "HttpResponseParser.h"

#include "TransferRules.h"

#include <limits>
#include <utility>

namespace {

const QString Malformed = QStringLiteral("malformed response from the server");

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Whether a comma-separated field value holds token (any case).
bool hasToken(const QByteArray &value, QByteArrayView token)
{
    for (const QByteArray &part : value.split(',')) {
        if (part.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

void HttpResponseParser::reset()
{
    *this = HttpResponseParser();
}

HttpResponseParser::Step HttpResponseParser::fail(const QString &reason)
{
    m_state = State::Failed;
    m_error = reason;
    return Step::Failed;
}

HttpResponseParser::LineResult HttpResponseParser::takeLine(QByteArrayView &input)
{
    const qsizetype eol = input.indexOf('\n');
    const qsizetype used = eol < 0 ? input.size() : eol;
    if (m_line.size() + used > MaxLineLength + 1) // + 1: the CR before the LF
        return LineResult::TooLong;
    const bool inHead =
        m_state == State::StatusLine || m_state == State::Headers || m_state == State::Trailers;
    if (inHead) {
        m_headBytes += eol < 0 ? used : used + 1;
        if (m_headBytes > MaxHeadSize)
            return LineResult::TooLong;
    }
    m_line.append(input.first(used));
    input = input.sliced(eol < 0 ? used : used + 1);
    if (eol < 0)
        return LineResult::Partial;
    if (m_line.endsWith('\r'))
        m_line.chop(1);
    return LineResult::Line;
}

bool HttpResponseParser::parseStatusLine()
{
    // "HTTP/1.x 200 OK"; the reason phrase may be missing or empty.
    const QByteArray &l = m_line;
    if (l.size() < 12 || !l.startsWith("HTTP/1.") || !isDigit(l[7]) || l[8] != ' ')
        return false;
    if (!isDigit(l[9]) || !isDigit(l[10]) || !isDigit(l[11]) || l[9] == '0')
        return false;
    if (l.size() > 12 && l[12] != ' ')
        return false;
    m_minorVersion = l[7] - '0';
    m_status = (l[9] - '0') * 100 + (l[10] - '0') * 10 + (l[11] - '0');
    return true;
}

void HttpResponseParser::addHeaderLine()
{
    if (m_line.startsWith(' ') || m_line.startsWith('\t')) {
        // An obsolete folded continuation: part of the previous field's value. Before any
        // field it belongs to nothing and is dropped.
        if (!m_headers.isEmpty()) {
            QByteArray &value = m_headers.last().second;
            const QByteArray more = m_line.trimmed();
            if (!more.isEmpty())
                value += (value.isEmpty() ? "" : " ") + more;
        }
        return;
    }
    const qsizetype colon = m_line.indexOf(':');
    if (colon <= 0)
        return; // not a field; tolerated like other clients do
    const QByteArray name = m_line.left(colon).trimmed();
    if (name.isEmpty() || name.contains(' ') || name.contains('\t'))
        return;
    m_headers.append({name, m_line.mid(colon + 1).trimmed()});
}

HttpResponseParser::Step HttpResponseParser::endOfHead()
{
    if (m_status < 200) {
        // An interim answer (100 Continue, 103 Early Hints): the real one follows. A switch
        // of protocols was never asked for.
        if (m_status == 101)
            return fail(Malformed);
        m_headers.clear();
        m_status = 0;
        m_state = State::StatusLine;
        return Step::NeedMore;
    }
    qint64 length = -1;
    for (const auto &h : std::as_const(m_headers)) {
        if (h.first.compare("Content-Length", Qt::CaseInsensitive) != 0)
            continue;
        // Repeated fields or lists are fine only when every value agrees.
        for (const QByteArray &part : h.second.split(',')) {
            const qint64 value = TransferRules::parseContentLength(part);
            if (value < 0 || (length >= 0 && value != length))
                return fail(QStringLiteral("malformed Content-Length from the server"));
            length = value;
        }
    }
    const QByteArray coding = header("Transfer-Encoding");
    if (m_status == 204 || m_status == 304) {
        m_state = State::Complete;
    } else if (!coding.isEmpty()) {
        // A transfer coding overrides any Content-Length; only chunked (last) frames the
        // body, anything else runs to the close.
        const QList<QByteArray> codings = coding.split(',');
        if (codings.last().trimmed().compare("chunked", Qt::CaseInsensitive) == 0) {
            m_state = State::ChunkSize;
        } else {
            m_state = State::CloseBody;
            m_closeDelimited = true;
        }
    } else if (length >= 0) {
        m_remaining = length;
        m_state = length == 0 ? State::Complete : State::LengthBody;
    } else {
        m_state = State::CloseBody;
        m_closeDelimited = true;
    }
    return Step::HeadDone;
}

bool HttpResponseParser::parseChunkSize()
{
    // "1a3f", "1a3f;name=value", with optional blanks before the extension.
    QByteArrayView text(m_line);
    const qsizetype semicolon = text.indexOf(';');
    if (semicolon >= 0)
        text = text.first(semicolon);
    text = text.trimmed();
    if (text.isEmpty())
        return false;
    qint64 size = 0;
    for (const char c : text) {
        const int digit = hexValue(c);
        if (digit < 0 || size > (std::numeric_limits<qint64>::max() >> 4))
            return false;
        size = size * 16 + digit;
    }
    m_remaining = size;
    return true;
}

HttpResponseParser::Step HttpResponseParser::takeBody(QByteArrayView &input, QByteArrayView *body)
{
    const qsizetype n = m_state == State::CloseBody
                            ? input.size()
                            : qsizetype(qMin<qint64>(m_remaining, input.size()));
    *body = input.first(n);
    input = input.sliced(n);
    if (m_state != State::CloseBody) {
        m_remaining -= n;
        if (m_remaining == 0)
            m_state = m_state == State::LengthBody ? State::Complete : State::ChunkEnd;
    }
    return Step::Body;
}

HttpResponseParser::Step HttpResponseParser::parse(QByteArrayView &input, QByteArrayView *body)
{
    if (!input.isEmpty())
        m_receivedAnything = true;
    for (;;) {
        switch (m_state) {
        case State::Complete:
            return Step::Complete;
        case State::Failed:
            return Step::Failed;
        case State::LengthBody:
        case State::ChunkData:
        case State::CloseBody:
            if (input.isEmpty())
                return Step::NeedMore;
            return takeBody(input, body);
        case State::StatusLine:
        case State::Headers:
        case State::ChunkSize:
        case State::ChunkEnd:
        case State::Trailers:
            break;
        }
        if (input.isEmpty())
            return Step::NeedMore;
        const LineResult line = takeLine(input);
        if (line == LineResult::TooLong)
            return fail(Malformed);
        if (line == LineResult::Partial)
            return Step::NeedMore;
        switch (m_state) {
        case State::StatusLine:
            // Blank lines before the status line are stray ends of an earlier message.
            if (!m_line.isEmpty()) {
                if (!parseStatusLine())
                    return fail(Malformed);
                m_state = State::Headers;
            }
            break;
        case State::Headers:
            if (m_line.isEmpty()) {
                m_line.clear();
                const Step step = endOfHead();
                if (step != Step::NeedMore)
                    return step;
            } else {
                addHeaderLine();
            }
            break;
        case State::ChunkSize:
            if (!parseChunkSize())
                return fail(Malformed);
            if (m_remaining > 0) {
                m_state = State::ChunkData;
            } else {
                m_state = State::Trailers;
                m_headBytes = 0;
            }
            break;
        case State::ChunkEnd:
            if (!m_line.isEmpty())
                return fail(Malformed);
            m_state = State::ChunkSize;
            break;
        case State::Trailers:
            // Fields after the last chunk add nothing the transfer needs.
            if (m_line.isEmpty())
                m_state = State::Complete;
            break;
        default:
            break;
        }
        m_line.clear();
    }
}

HttpResponseParser::Step HttpResponseParser::finishInput()
{
    switch (m_state) {
    case State::Complete:
        return Step::Complete;
    case State::Failed:
        return Step::Failed;
    case State::CloseBody:
        m_state = State::Complete;
        return Step::Complete;
    case State::StatusLine:
    case State::Headers:
        return fail(QStringLiteral("connection reset"));
    default:
        return fail(QStringLiteral("connection closed before the whole body arrived"));
    }
}

QByteArray HttpResponseParser::header(QByteArrayView name) const
{
    QByteArray joined;
    bool found = false;
    for (const auto &h : m_headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (found)
            joined += ", ";
        joined += h.second;
        found = true;
    }
    return joined;
}

bool HttpResponseParser::hasHeader(QByteArrayView name) const
{
    for (const auto &h : m_headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool HttpResponseParser::keepAlive() const
{
    if (m_state != State::Complete || m_closeDelimited)
        return false;
    const QByteArray connection = header("Connection");
    if (m_minorVersion == 0)
        return hasToken(connection, "keep-alive");
    return !hasToken(connection, "close");
}
