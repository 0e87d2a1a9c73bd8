#include "TabStrip.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QShortcut>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// QScrollArea asks for no more than 36 by 24 lines of text; the pages ask for what they
// need, and scroll only when the window cannot give it.
class PageScroller : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        return widget() ? widget()->sizeHint() : QScrollArea::sizeHint();
    }
};

} // namespace

TabStrip::TabStrip(QWidget *parent)
    : QWidget(parent), m_bar(new QTabBar(this)), m_scroll(new PageScroller(this)),
      m_panel(new QGridLayout)
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
    // Never narrower than the pages need, even where a wrapping caption would let the
    // scroll area squeeze them to its own width: it scrolls instead.
    m_panel->setSizeConstraint(QLayout::SetMinimumSize);
    // The frame drawn around the panel shows through.
    auto *pages = new QWidget;
    pages->setLayout(m_panel);
    m_scroll->setObjectName(QStringLiteral("pageScroller"));
    m_scroll->setAccessibleName(tr("Page contents"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(pages);
    m_scroll->viewport()->setAutoFillBackground(false);
    pages->setAutoFillBackground(false);
    column->addWidget(m_scroll, 1);

    const auto key = [this](QKeySequence::StandardKey which, int offset) {
        auto *shortcut = new QShortcut(which, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, offset] { stepPage(offset); });
    };
    key(QKeySequence::NextChild, 1);
    key(QKeySequence::PreviousChild, -1);
}

void TabStrip::settle()
{
    m_panel->invalidate();
    m_panel->activate();
}

void TabStrip::stepPage(int offset)
{
    const int count = m_bar->count();
    if (count == 0)
        return;
    m_bar->setFocus(Qt::TabFocusReason);
    if (!m_bar->hasFocus())
        return;
    setCurrentIndex(((currentIndex() + offset) % count + count) % count);
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
