#include "CaptionFit.h"

#include "OptionsPages.h"
#include "TabStrip.h"
#include "Twips.h"

#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <algorithm>

namespace {

constexpr int Gap = 4; // pixels kept between a widened control and its neighbour

int px(QWidget *widget, int twips)
{
    return Twips::toPixels(twips, widget->logicalDpiX());
}

// A plain frame holding controls; a frame without any (a line) is a control itself.
bool isContainer(const QWidget *widget)
{
    return widget->metaObject() == &QFrame::staticMetaObject &&
           widget->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

QRect fittedLabel(QLabel *label)
{
    QRect r = label->geometry();
    if (label->heightForWidth(r.width()) <= r.height())
        return r;
    const QFontMetrics metrics = label->fontMetrics();
    const QMargins margins = label->contentsMargins();
    const int extra = margins.left() + margins.right() + 2 * label->margin() + 2;
    const int oneLine = metrics.horizontalAdvance(label->text()) + extra;
    // A caption designed for one line stays on one line; a longer text gets more lines.
    if (r.height() < 2 * metrics.lineSpacing()) {
        r.setWidth(std::max(r.width(), oneLine));
        r.setHeight(std::max(r.height(), label->heightForWidth(r.width())));
    } else {
        r.setHeight(label->heightForWidth(r.width()));
    }
    return r;
}

QRect fittedButton(QRadioButton *button)
{
    QRect r = button->geometry();
    const QSize hint = button->sizeHint();
    r.setWidth(std::max(r.width(), hint.width()));
    if (hint.height() > r.height()) {
        // Grow about the middle, so the caption stays on the designed row.
        const int grow = hint.height() - r.height();
        r.adjust(0, -grow / 2, 0, grow - grow / 2);
        if (r.top() < 0)
            r.moveTop(0);
    }
    return r;
}

// What a control shows: a label's text may end well before the right and bottom of its box.
QRect usedRect(QWidget *widget)
{
    QRect r = widget->geometry();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        r.setWidth(std::min(r.width(), label->fontMetrics().horizontalAdvance(label->text()) + 2));
        r.setHeight(std::min(r.height(), label->heightForWidth(label->width())));
    }
    return r;
}

// Rows touching by a few pixels (a caption just above a box) are not the same row.
bool sameRow(const QRect &a, const QRect &b)
{
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return overlap > std::min(a.height(), b.height()) / 3;
}

// Moves other to start at x. A wide text box gives up some of its width instead, so the row
// does not grow longer than it must.
void pushTo(QWidget *other, int x)
{
    QRect r = other->geometry();
    const int shift = x - r.left();
    if (qobject_cast<QLineEdit *>(other) && r.width() >= 3 * r.height()) {
        const int give = std::min(shift, r.width() / 3);
        r.setLeft(x);
        r.setRight(r.right() + shift - give);
        other->setGeometry(r);
        return;
    }
    other->move(x, r.top());
}

void fitContainer(QWidget *container)
{
    QList<QWidget *> children = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QHash<QWidget *, QRect> designed;
    for (QWidget *child : std::as_const(children))
        designed.insert(child, child->geometry());

    for (QWidget *child : std::as_const(children)) {
        if (isContainer(child))
            fitContainer(child);
        else if (auto *label = qobject_cast<QLabel *>(child))
            label->setGeometry(fittedLabel(label));
        else if (auto *button = qobject_cast<QRadioButton *>(child))
            button->setGeometry(fittedButton(button));
    }

    // A caption that now reaches further pushes the controls to its right in the same row;
    // frames keep their designed places (some overlap by design).
    QList<QWidget *> leaves;
    for (QWidget *child : std::as_const(children)) {
        if (!isContainer(child))
            leaves << child;
    }
    std::sort(leaves.begin(), leaves.end(), [&](QWidget *a, QWidget *b) {
        return designed.value(a).left() < designed.value(b).left();
    });
    for (int i = 0; i < leaves.size(); ++i) {
        const QRect used = usedRect(leaves[i]);
        for (int j = i + 1; j < leaves.size(); ++j) {
            QWidget *other = leaves[j];
            if (designed.value(other).left() <= designed.value(leaves[i]).left() ||
                !sameRow(used, usedRect(other)))
                continue;
            if (other->x() < used.right() + 1 + Gap)
                pushTo(other, used.right() + 1 + Gap);
        }
    }

    // A caption that now runs into the control just above it moves down the little it must.
    for (QWidget *upper : std::as_const(leaves)) {
        for (QLabel *lower : container->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
            const QRect a = usedRect(upper), b = usedRect(lower);
            if (upper != lower && a.intersects(b) && !sameRow(a, b) && a.top() < b.top())
                lower->move(lower->x(), a.bottom() + 1);
        }
    }

    QRect used;
    for (QWidget *child : std::as_const(children))
        used |= child->geometry();
    const int frame = qobject_cast<QFrame *>(container) ? 2 : 0;
    QSize size = container->size();
    size = size.expandedTo(QSize(used.right() + 1 + frame + Gap, used.bottom() + 1 + frame));
    container->resize(size);
}

} // namespace

QRect CaptionFit::pageGeometry(QWidget *dialog, const OptionsPages &ui)
{
    const QRect strip = ui.tab1->geometry();
    const int top = std::max(px(dialog, 330), ui.tab1->bar()->sizeHint().height() + 3);
    return QRect(strip.left() + px(dialog, 120), strip.top() + top, strip.width() - px(dialog, 255),
                 strip.height() - top - px(dialog, 30));
}

QSize CaptionFit::fitDialog(QWidget *dialog, OptionsPages &ui, QSize designed)
{
    QSize page = pageGeometry(dialog, ui).size();
    const QSize designedPage = page;
    for (QFrame *frame : ui.frameArray) {
        frame->setGeometry(pageGeometry(dialog, ui));
        fitContainer(frame);
        page = page.expandedTo(frame->size());
    }
    const QSize growth = page - designedPage;
    ui.tab1->resize(ui.tab1->size() + growth);
    ui.tab1->resize(
        ui.tab1->size().expandedTo(QSize(ui.tab1->bar()->sizeHint().width() + px(dialog, 120), 0)));
    for (QFrame *frame : ui.frameArray)
        frame->setGeometry(pageGeometry(dialog, ui));

    const int width = std::max(designed.width(), ui.tab1->geometry().right() + 1 + px(dialog, 75));
    const int dx = width - designed.width();
    const int dy = std::max(0, ui.tab1->geometry().bottom() + 1 - px(dialog, 3735));
    // The buttons keep their designed right edge and spacing, each as wide as its caption
    // needs; the band behind them stretches to hold them.
    int right = ui.cmdApply->geometry().right() + 1 + dx;
    const int spacing = px(dialog, 105);
    for (QPushButton *button : {ui.cmdApply, ui.cmdCancel, ui.cmdOK}) {
        const QSize size = button->size().expandedTo(button->sizeHint());
        button->setGeometry(right - size.width(), button->y() + dy, size.width(), size.height());
        right = button->x() - spacing;
    }
    QRect band = ui.Shape2->geometry().adjusted(0, dy, dx, dy);
    const QRect buttons = ui.cmdOK->geometry() | ui.cmdApply->geometry();
    band.setLeft(std::min(band.left(), buttons.left() - px(dialog, 75)));
    band.setRight(std::max(band.right(), buttons.right() + px(dialog, 75)));
    band.setTop(std::min(band.top(), buttons.top() - px(dialog, 45)));
    band.setBottom(std::max(band.bottom(), buttons.bottom() + px(dialog, 45)));
    ui.Shape2->setGeometry(band);
    const int statusHeight = std::max(ui.statbar->height(), ui.statbar->sizeHint().height());
    const int height = std::max(designed.height() + dy, band.bottom() + 1 + px(dialog, 75)) +
                       (statusHeight - ui.statbar->height());
    ui.statbar->setGeometry(0, height - statusHeight, width, statusHeight);
    return QSize(width, height);
}
