#pragma once

#include <QWidget>

class QGridLayout;
class QScrollArea;
class QTabBar;

// A row of tabs above a framed panel that holds the pages. Unlike QTabWidget it does not
// show or hide the pages itself: the dialog shows the one that belongs to the selected tab.
// Every page keeps its room while hidden, so the panel is as large as the largest page and
// does not change size when another page is shown. The panel scrolls when the strip is
// given less room than the pages need (a small screen, a large scale), so that every
// control stays reachable. Ctrl+Tab and Ctrl+Shift+Tab show the next and previous page.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

    QTabBar *bar() const { return m_bar; }
    int addTab(const QString &caption);
    // Puts page into the panel, over the pages added before it.
    void addPage(QWidget *page);
    // 0-based index of the selected tab.
    int currentIndex() const;
    void setCurrentIndex(int index);
    // The page by offset from the current one, round at the ends. The tab bar takes the
    // focus first, as a click would, so an entry that refuses to be left keeps its page.
    void stepPage(int offset);
    QScrollArea *scrollArea() const { return m_scroll; }
    // A page came into sight or changed its frame: the panel takes its size at once (a hidden
    // page does not tell its parent when its size changes).
    void settle();

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTabBar *m_bar;
    QScrollArea *m_scroll;
    QGridLayout *m_panel;
};
