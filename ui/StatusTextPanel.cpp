#include "StatusTextPanel.h"

#include <QPainter>

namespace {
constexpr int TextMargin = 3; // keeps the text off the sunken frame
} // namespace

StatusTextPanel::StatusTextPanel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

void StatusTextPanel::setStatusText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    // Named by what it shows; the new name is announced to screen readers.
    setAccessibleName(text);
    update();
}

int StatusTextPanel::widthFor(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text) + 2 * (TextMargin + frameWidth());
}

QSize StatusTextPanel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(m_text) + 8, metrics.height() + 4);
}

QSize StatusTextPanel::minimumSizeHint() const
{
    return QSize(minimumWidth(), QFontMetrics(font()).height() + 4);
}

void StatusTextPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(TextMargin, 0, -TextMargin, 0);
    const QString shown = fontMetrics().elidedText(m_text, Qt::ElideMiddle, area.width());
    painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, shown);
}
