#include "StatusTextPanel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int TextMargin = 3; // keeps the text off the sunken frame
constexpr int MaxLines = 4;   // past these even a summary is cut at its end
const QString ellipsis = QStringLiteral("\u2026");

// Where the address (or path) in a status text stands: the word with "://", else the first
// word that begins with "/". -1 when there is none.
std::pair<qsizetype, qsizetype> addressIn(const QString &text)
{
    qsizetype at = text.indexOf(QLatin1String("://"));
    qsizetype start = -1;
    if (at > 0) {
        start = text.lastIndexOf(QLatin1Char(' '), at) + 1;
    } else {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('/') && (i == 0 || text[i - 1] == QLatin1Char(' '))) {
                start = i;
                break;
            }
        }
    }
    if (start < 0)
        return {-1, -1};
    qsizetype end = text.indexOf(QLatin1Char(' '), start);
    if (end < 0)
        end = text.size();
    // "could not save to /g/pic.jpg: reason": the colon is the sentence's.
    if (end > start && text[end - 1] == QLatin1Char(':'))
        --end;
    return {start, end};
}

// The address in at most width pixels with its end whole: "https://x.org/g/…/pic013.jpg".
// Empty when not even the file name fits.
QString elideAddress(const QString &address, const QFontMetrics &m, int width)
{
    if (m.horizontalAdvance(address) <= width)
        return address;
    const qsizetype slash = address.lastIndexOf(QLatin1Char('/'));
    const QString tail = slash >= 0 ? address.mid(slash) : address;
    const int room = width - m.horizontalAdvance(ellipsis + tail);
    if (room < 0)
        return {};
    QString head = address.left(slash < 0 ? 0 : slash);
    while (!head.isEmpty() && m.horizontalAdvance(head) > room)
        head.chop(1);
    return head + ellipsis + tail;
}

// Words onto lines of width pixels. An address gives up its middle to stay on its line; a
// word wider than a line is cut in its middle.
QStringList wrap(const QString &text, const QFontMetrics &m, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        const QString start = line.isEmpty() ? line : line + QLatin1Char(' ');
        if (m.horizontalAdvance(start + word) <= width) {
            line = start + word;
            continue;
        }
        const QString kept = word.contains(QLatin1Char('/'))
                                 ? elideAddress(word, m, width - m.horizontalAdvance(start))
                                 : QString();
        if (!kept.isEmpty()) {
            line = start + kept;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line = word;
        if (m.horizontalAdvance(line) > width) {
            const QString shortened = elideAddress(line, m, width);
            line = shortened.isEmpty() ? m.elidedText(line, Qt::ElideMiddle, width) : shortened;
        }
    }
    lines << line;
    return lines;
}

} // namespace

StatusTextPanel::StatusTextPanel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

QStringList StatusTextPanel::shownLines(const QString &text, const QFontMetrics &m, int width)
{
    if (m.horizontalAdvance(text) <= width)
        return {text};
    const auto [start, end] = addressIn(text);
    if (start >= 0) {
        const QString before = text.left(start), after = text.mid(end);
        const QString address =
            elideAddress(text.mid(start, end - start), m,
                         width - m.horizontalAdvance(before) - m.horizontalAdvance(after));
        if (!address.isEmpty())
            return {before + address + after};
    }
    QStringList lines = wrap(text, m, width);
    if (lines.size() > MaxLines) {
        lines = lines.mid(0, MaxLines);
        lines.last() = m.elidedText(lines.last() + ellipsis, Qt::ElideRight, width);
    }
    return lines;
}

QStringList StatusTextPanel::shownLines() const
{
    return m_lines;
}

void StatusTextPanel::setStatusText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    // Named by what it shows; the new name is announced to screen readers.
    setAccessibleName(text);
    relayoutLines();
    update();
}

int StatusTextPanel::textWidth() const
{
    return contentsRect().width() - 2 * TextMargin;
}

int StatusTextPanel::oneLineHeight() const
{
    return fontMetrics().height() + 4;
}

void StatusTextPanel::relayoutLines()
{
    const qsizetype before = m_lines.size();
    m_lines = shownLines(m_text, fontMetrics(), textWidth());
    // Only a change in the number of lines asks the status bar for another height.
    if (m_lines.size() != before)
        updateGeometry();
}

int StatusTextPanel::widthFor(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text) + 2 * (TextMargin + frameWidth());
}

QSize StatusTextPanel::sizeHint() const
{
    return QSize(widthFor(m_text), minimumSizeHint().height());
}

QSize StatusTextPanel::minimumSizeHint() const
{
    const int lines = qMax<int>(1, int(m_lines.size()));
    return QSize(minimumWidth(), fontMetrics().lineSpacing() * (lines - 1) + oneLineHeight());
}

bool StatusTextPanel::event(QEvent *event)
{
    // The whole text on hover when it is not shown whole; else what the line is.
    if (event->type() == QEvent::ToolTip && m_lines.join(QLatin1Char(' ')) != m_text) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), m_text, this);
        return true;
    }
    return QLabel::event(event);
}

void StatusTextPanel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    relayoutLines();
}

void StatusTextPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(TextMargin, 0, -TextMargin, 0);
    const int height = fontMetrics().lineSpacing() * int(m_lines.size());
    QRect line(area.left(), area.top() + (area.height() - height) / 2, area.width(),
               fontMetrics().lineSpacing());
    for (const QString &text : m_lines) {
        painter.drawText(line, Qt::AlignVCenter | Qt::AlignLeft, text);
        line.translate(0, line.height());
    }
}
