#pragma once

#include <QWidget>

// A horizontal rule drawn as an etched groove: a gray line with a white line just below it.
// Drawn by hand rather than by the style so that it looks the same under every theme.
class EtchedRule : public QWidget
{
    Q_OBJECT
public:
    explicit EtchedRule(QWidget *parent = nullptr);

    // Places the rule: the gray line from grayLeft, the white one from whiteLeft, both ending
    // at right; the white line lies whiteOffset pixels below the gray one at top.
    void setLines(int grayLeft, int whiteLeft, int right, int top, int whiteOffset);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_grayLeft = 0;
    int m_whiteLeft = 0;
    int m_whiteOffset = 1;
};
