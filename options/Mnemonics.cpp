#include "Mnemonics.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabBar>

#include <algorithm>
#include <functional>

namespace {

struct Item
{
    QString caption;
    int scope;               // -1: shown with every page, else the page's index
    QList<qsizetype> places; // where a letter may be marked, the better first
    std::function<void(const QString &)> setText;
    qsizetype chosen = -1;
};

QChar letterAt(const Item &item, qsizetype place)
{
    return item.caption[place].toLower();
}

// The letters of a caption that may carry the mark: first letters of words before the
// others, each letter once. A caption that is marked already keeps its letter. "&&" is a
// shown "&".
QList<qsizetype> placesIn(const QString &caption)
{
    QList<qsizetype> starts, others;
    QString seen;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] != QLatin1Char('&'))
                return {-1 - (i + 1)}; // marked already: its letter, as a negative place
            ++i;
            continue;
        }
        if (!c.isLetterOrNumber() || seen.contains(c.toLower()))
            continue;
        seen += c.toLower();
        (i == 0 || !caption[i - 1].isLetterOrNumber() ? starts : others).append(i);
    }
    return starts + others;
}

bool clash(const Item &a, const Item &b)
{
    return a.scope < 0 || b.scope < 0 || a.scope == b.scope;
}

QChar markOf(const Item &item, qsizetype place)
{
    return letterAt(item, place < 0 ? -1 - place : place);
}

// Gives each item a letter no clashing item has, trying the better places first; the
// most constrained items go first, which keeps the search short.
bool solve(QList<Item *> &order, int at, int &budget)
{
    if (at == order.size())
        return true;
    if (--budget < 0)
        return false;
    Item &item = *order[at];
    if (item.places.isEmpty()) // nothing to mark
        return solve(order, at + 1, budget);
    for (const qsizetype place : std::as_const(item.places)) {
        const QChar letter = markOf(item, place);
        const bool taken = std::any_of(order.begin(), order.begin() + at, [&](const Item *other) {
            return other->chosen != -1 && clash(item, *other) &&
                   markOf(*other, other->chosen) == letter;
        });
        if (taken)
            continue;
        item.chosen = place;
        if (solve(order, at + 1, budget))
            return true;
    }
    item.chosen = -1;
    return false;
}

void collect(QWidget *scope, int index, QList<Item> &items)
{
    for (QWidget *w : scope->findChildren<QWidget *>()) {
        auto *button = qobject_cast<QAbstractButton *>(w);
        auto *label = qobject_cast<QLabel *>(w);
        if (button && !button->text().isEmpty())
            items.append({button->text(), index, placesIn(button->text()),
                          [button](const QString &text) { button->setText(text); }});
        else if (label && label->buddy())
            items.append({label->text(), index, placesIn(label->text()),
                          [label](const QString &text) { label->setText(text); }});
    }
}

} // namespace

void Mnemonics::assign(QTabBar *tabs, QWidget *always, const QList<QWidget *> &pages)
{
    QList<Item> items;
    collect(always, -1, items);
    for (int i = 0; i < tabs->count(); ++i)
        items.append({tabs->tabText(i), -1, placesIn(tabs->tabText(i)),
                      [tabs, i](const QString &text) { tabs->setTabText(i, text); }});
    for (int i = 0; i < pages.size(); ++i)
        collect(pages[i], i, items);

    QList<Item *> order;
    for (Item &item : items)
        order.append(&item);
    std::stable_sort(order.begin(), order.end(), [](const Item *a, const Item *b) {
        return a->places.size() < b->places.size();
    });
    int budget = 200000;
    if (!solve(order, 0, budget))
        return; // no letters at all rather than some that clash
    for (const Item &item : std::as_const(items)) {
        if (item.chosen >= 0)
            item.setText(item.caption.left(item.chosen) + QLatin1Char('&') +
                         item.caption.mid(item.chosen));
    }
}
