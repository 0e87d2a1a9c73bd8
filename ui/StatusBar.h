#pragma once

#include <QIcon>
#include <QStatusBar>
#include <QTimer>

class QLabel;
class StatusTextPanel;

// The status bar statbar: the status line p_sat, the state picture p_con and a clock
// that keeps itself current.
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    // logicalDpi converts the panels' widths, which are given in twips.
    StatusBar(double logicalDpi, QWidget *parent = nullptr);

    void setStatusText(const QString &text);
    QString statusText() const;
    void setStatePicture(const QIcon &picture);

    QString clockText() const;
    StatusTextPanel &statusPanel() { return *m_text; }

    // The narrowest the bar may be with the program's fixed status texts shown whole.
    int leastWidth() const;
    // Its height with a status text of one line.
    int oneLineHeight() const;

private:
    void tick();

    StatusTextPanel *m_text;
    QLabel *m_state;
    QLabel *m_clock;
    QTimer m_clockTimer;
};
