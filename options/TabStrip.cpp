#include "TabStrip.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

TabStrip::TabStrip(QWidget *parent) : QWidget(parent), m_bar(new QTabBar(this))
{
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(false);
    // Taking the focus on a click lets a refused entry in a numeric box stop the tab change
    // before it happens, like any other control that the focus would move to.
    m_bar->setFocusPolicy(Qt::StrongFocus);
    connect(m_bar, &QTabBar::currentChanged, this, &TabStrip::currentChanged);
}

int TabStrip::addTab(const QString &caption)
{
    const int index = m_bar->addTab(caption);
    m_bar->resize(m_bar->sizeHint().width(), m_bar->sizeHint().height());
    return index;
}

int TabStrip::currentIndex() const
{
    return m_bar->currentIndex();
}

void TabStrip::setCurrentIndex(int index)
{
    m_bar->setCurrentIndex(index);
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = m_bar->size();
    option.tabBarRect = m_bar->geometry();
    option.rect = rect().adjusted(0, m_bar->height() - 1, 0, 0);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

void TabStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_bar->move(0, 0);
}
