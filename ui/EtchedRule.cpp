#include "EtchedRule.h"

#include <QPainter>

namespace {
constexpr int whiteWidth = 2;
}

EtchedRule::EtchedRule(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EtchedRule::setLines(int grayLeft, int whiteLeft, int right, int top, int whiteOffset)
{
    const int left = qMin(grayLeft, whiteLeft);
    m_grayLeft = grayLeft - left;
    m_whiteLeft = whiteLeft - left;
    m_whiteOffset = qMax(1, whiteOffset);
    setGeometry(left, top, right - left + 1, m_whiteOffset + whiteWidth);
    update();
}

void EtchedRule::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRect(m_grayLeft, 0, width() - m_grayLeft, 1), QColor(128, 128, 128));
    painter.fillRect(QRect(m_whiteLeft, m_whiteOffset, width() - m_whiteLeft, whiteWidth),
                     Qt::white);
}
