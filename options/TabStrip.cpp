#include "TabStrip.h"

#include <QGridLayout>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QVBoxLayout>

TabStrip::TabStrip(QWidget *parent)
    : QWidget(parent), m_bar(new QTabBar(this)), m_panel(new QGridLayout)
{
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
    // Taking the focus on a click lets a refused entry in a numeric box stop the tab change
    // before it happens, like any other control that the focus would move to.
    m_bar->setFocusPolicy(Qt::StrongFocus);
    connect(m_bar, &QTabBar::currentChanged, this, &TabStrip::currentChanged);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_bar, 0, Qt::AlignLeft);
    const int inset = style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
    m_panel->setContentsMargins(inset, inset, inset, inset);
    column->addLayout(m_panel, 1);
}

int TabStrip::addTab(const QString &caption)
{
    return m_bar->addTab(caption);
}

void TabStrip::addPage(QWidget *page)
{
    QSizePolicy policy = page->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    page->setSizePolicy(policy);
    m_panel->addWidget(page, 0, 0);
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
