#include "StatusBar.h"

#include "StatusTextPanel.h"
#include "Twips.h"

#include <QAccessible>
#include <QLabel>
#include <QLocale>
#include <QTime>

namespace {
constexpr double StatusMinimumTwips = 882;
constexpr double StatePanelTwips = 882;
constexpr double ClockPanelTwips = 1499;
} // namespace

StatusBar::StatusBar(double logicalDpi, QWidget *parent)
    : QStatusBar(parent), m_text(new StatusTextPanel(this)), m_state(new QLabel(this)),
      m_clock(new QLabel(this))
{
    setObjectName(QStringLiteral("statbar"));
    setAccessibleName(QStringLiteral("Status bar"));
    setSizeGripEnabled(false);

    m_text->setObjectName(QStringLiteral("p_sat"));
    // Named by the text it shows; the tooltip says what that text is.
    m_text->setToolTip(QStringLiteral("Currebt File Status"));
    m_text->setMinimumWidth(Twips::toPixels(StatusMinimumTwips, logicalDpi));
    m_text->setFrameShape(QFrame::StyledPanel);
    m_text->setFrameShadow(QFrame::Sunken);

    m_state->setObjectName(QStringLiteral("p_con"));
    m_state->setToolTip(QStringLiteral("Connection"));
    m_state->setAccessibleName(QStringLiteral("Connection"));
    m_state->setFixedWidth(Twips::toPixels(StatePanelTwips, logicalDpi));
    m_state->setAlignment(Qt::AlignCenter);
    m_state->setFrameShape(QFrame::StyledPanel);
    m_state->setFrameShadow(QFrame::Sunken);

    m_clock->setObjectName(QStringLiteral("clock"));
    m_clock->setToolTip(QStringLiteral("Time of day"));
    m_clock->setFixedWidth(Twips::toPixels(ClockPanelTwips, logicalDpi));
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setFrameShape(QFrame::StyledPanel);
    m_clock->setFrameShadow(QFrame::Sunken);

    addWidget(m_text, 1);
    addPermanentWidget(m_state);
    addPermanentWidget(m_clock);

    connect(&m_clockTimer, &QTimer::timeout, this, &StatusBar::tick);
    m_clockTimer.start(1000);
    tick();
}

void StatusBar::setStatusText(const QString &text)
{
    m_text->setStatusText(text);
}

QString StatusBar::statusText() const
{
    return m_text->statusText();
}

void StatusBar::setStatePicture(const QIcon &picture)
{
    m_state->setPixmap(picture.pixmap(16, 16));
}

int StatusBar::leastWidth() const
{
    // The idle texts stand for a long time and show on one line; other texts may take more.
    const int least = m_text->minimumSizeHint().width();
    int idle = least;
    for (const QString &fixed :
         {QStringLiteral("Engine Stopped"), QStringLiteral("downloading completed")})
        idle = qMax(idle, m_text->widthFor(fixed));
    return minimumSizeHint().width() - least + idle;
}

int StatusBar::oneLineHeight() const
{
    return sizeHint().height() - m_text->minimumSizeHint().height() + m_text->oneLineHeight();
}

QString StatusBar::clockText() const
{
    return m_clock->text();
}

void StatusBar::tick()
{
    const QString now = QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat);
    if (m_clock->text() == now)
        return;
    m_clock->setText(now);
    QAccessibleEvent changed(m_clock, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
