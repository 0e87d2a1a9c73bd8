#include "MainControls.h"

#include "AddressLineEdit.h"
#include "ComboAccessibility.h"
#include "PreviewLayout.h"
#include "PreviewView.h"
#include "ProgramPaths.h"
#include "ProgressPanel.h"
#include "Twips.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

// Design places, in twips: left, top, width, height.
struct Place
{
    double left, top, width, height;
};
constexpr Place getPlace{120, 120, 495, 300};
constexpr Place stopPlace{650, 120, 495, 300};
constexpr Place url1Place{1200, 80, 3735, 315};
constexpr Place url2Place{5040, 80, 735, 315};
constexpr Place url3Place{5880, 80, 800, 315};
const QString builtInPlaceholder = QStringLiteral(":/nai2.jpg");

QComboBox *addressBox(QWidget *parent, const char *name, const QString &accessible)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    ComboAccessibility::nameByLabel(box, accessible);
    // The lists follow their own rules; Enter must not add to them.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    // No completion: an address is case-sensitive, and a completer would silently turn a
    // typed prefix into the remembered one that differs only in letter case.
    box->setCompleter(nullptr);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    return b;
}

} // namespace

MainControls::MainControls(double logicalDpi, QWidget *parent)
    : QWidget(parent), shp1(new QFrame(this)),
      cmdGet(button(this, "cmdGet", QStringLiteral("Get"))),
      cmdStop(button(this, "cmdStop", QStringLiteral("Stop"))),
      url1(addressBox(this, "url1", QStringLiteral("Address before the counter"))),
      url1Edit(new AddressLineEdit(url1)), url2(new QLineEdit(QStringLiteral("01"), this)),
      url3(addressBox(this, "url3", QStringLiteral("Address after the counter"))),
      img1(new PreviewView(this)), cmdCounter(new QToolButton(this)),
      progress(new ProgressPanel(this)), m_dpi(logicalDpi)
{
    progress->setAutoFillBackground(true);
    connect(progress, &ProgressPanel::shown, this, &MainControls::placeProgress);
    setObjectName(QStringLiteral("clientArea"));
    shp1->setObjectName(QStringLiteral("shp1"));
    shp1->setAccessibleName(QStringLiteral("Address band"));
    shp1->setFrameShape(QFrame::StyledPanel);
    shp1->setFrameShadow(QFrame::Raised);
    shp1->setAutoFillBackground(true);
    shp1->setBackgroundRole(QPalette::Button);
    shp1->lower();

    // A pasted address is spread over the three inputs by the window.
    url1->setLineEdit(url1Edit);
    url1->setCompleter(nullptr); // a new text field brings a completer of its own
    url1Edit->setObjectName(QStringLiteral("url1Edit"));
    url1Edit->setAccessibleName(url1->accessibleName());
    url1->setToolTip(tr("The address up to the counter"));
    url3->setToolTip(tr("The rest of the address after the counter"));
    url3->lineEdit()->setObjectName(QStringLiteral("url3Edit"));
    url1Edit->setPlaceholderText(QStringLiteral("address up to the number"));
    url2->setPlaceholderText(QStringLiteral("01, A or 01-20"));
    url3->lineEdit()->setPlaceholderText(QStringLiteral(".jpg"));

    url2->setObjectName(QStringLiteral("url2"));
    url2->setAccessibleName(QStringLiteral("Counter"));
    img1->setObjectName(QStringLiteral("img1"));
    img1->setAccessibleName(QStringLiteral("Preview"));
    // Enough of an address to see what is being typed, and the whole hint of the empty box.
    const QFontMetrics metrics = url1Edit->fontMetrics();
    url1->setMinimumContentsLength(metrics.horizontalAdvance(url1Edit->placeholderText()) /
                                       qMax(1, metrics.horizontalAdvance(QLatin1Char('x'))) +
                                   2);
    connect(img1, &PreviewView::decodeFailed, this, [this](const QString &path) {
        // A broken placeholder file must not be retried for ever.
        if (path == ProgramPaths::placeholderPath())
            img1->loadFile(builtInPlaceholder);
        else
            showPlaceholder();
        Q_EMIT pictureReplaced();
    });
    connect(img1, &PreviewView::pictureSizeKnown, this, &MainControls::pictureReplaced);

    // The design sizes are kept where the style allows; captions and the text of the
    // inputs must never be cut, so the style's needs win where they are larger.
    const auto place = [this](QWidget *w, const Place &p, int minWidth) {
        const int height = qMin(qMax(px(p.height), w->sizeHint().height()),
                                px(PreviewLayout::BandHeight) - px(p.top) - 2);
        w->setGeometry(px(p.left), px(p.top), qMax(px(p.width), minWidth), height);
    };
    const auto captionWidth = [](QPushButton *b) {
        return b->fontMetrics().horizontalAdvance(b->text()) + 16;
    };
    place(cmdGet, getPlace, captionWidth(cmdGet));
    place(cmdStop, stopPlace, captionWidth(cmdStop));
    cmdStop->move(qMax(cmdStop->x(), cmdGet->geometry().right() + 3), cmdStop->y());
    place(url1, url1Place, 0);
    url1->move(qMax(url1->x(), cmdStop->geometry().right() + 4), url1->y());
    // A range as a pasted address brings it, and the hint of the empty box, show whole.
    const int digits = qMax(url2->fontMetrics().horizontalAdvance(QStringLiteral("001-120")),
                            url2->fontMetrics().horizontalAdvance(url2->placeholderText())) +
                       12;
    place(url2, url2Place, digits);
    cmdCounter->setObjectName(QStringLiteral("cmdCounter"));
    cmdCounter->setText(QStringLiteral("\u00bb"));
    cmdCounter->setAccessibleName(tr("Next counter place"));
    cmdCounter->setToolTip(tr("Count with the next number of the address (Alt+Right; Alt+Left "
                              "goes back)"));
    cmdCounter->setAutoRaise(true);
    cmdCounter->setGeometry(url2->geometry().right() + 1, url2->y(),
                            qMax(cmdCounter->sizeHint().width(), url2->height() * 2 / 3),
                            url2->height());
    const int suffix = url3->fontMetrics().horizontalAdvance(QStringLiteral(".JPEG")) + 36;
    place(url3, url3Place, suffix);

    setTabOrder(url1, url2);
    setTabOrder(url2, cmdCounter);
    setTabOrder(cmdCounter, url3);
    setTabOrder(url3, cmdGet);
    setTabOrder(cmdGet, cmdStop);
}

int MainControls::px(double value) const
{
    return Twips::toPixels(value, m_dpi);
}

double MainControls::twips(int pixels) const
{
    return Twips::fromPixels(pixels, m_dpi);
}

double MainControls::counterWidth() const
{
    return twips(url2->width() + cmdCounter->width());
}

QSizeF MainControls::leastWindow(const QSize &frame, int menuHeight, int statusWidth,
                                 int statusHeight) const
{
    const double band =
        PreviewLayout::leastWidth({0, twips(url1->x()), counterWidth(), twips(url3->width())},
                                  twips(url1->minimumSizeHint().width()));
    const double width =
        std::max({PreviewLayout::MinimumWidth, band, twips(statusWidth + frame.width())});
    const double height =
        std::max(PreviewLayout::MinimumHeight,
                 twips(frame.height() + menuHeight + statusHeight) + PreviewLayout::BandHeight);
    // Whole pixels, so that the window snapped to it is not found too small by rounding.
    const double pixel = twips(1);
    return QSizeF(std::ceil(width / pixel) * pixel, std::ceil(height / pixel) * pixel);
}

void MainControls::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeProgress();
}

void MainControls::placeProgress()
{
    constexpr int Margin = 2;
    const QSize size = progress->sizeHint();
    progress->setGeometry(width() - size.width() - Margin, height() - size.height() - Margin,
                          size.width(), size.height());
    progress->raise();
}

void MainControls::showPlaceholder()
{
    if (!img1->loadFile(ProgramPaths::placeholderPath()))
        img1->loadFile(builtInPlaceholder);
}

void MainControls::arrange(double windowWidth, double windowHeight)
{
    const PreviewLayout::ControlsOut out = PreviewLayout::arrangeControls(
        {windowWidth, twips(url1->x()), counterWidth(), twips(url3->width())});
    shp1->setGeometry(px(out.band.left), px(out.band.top), px(out.band.width), px(out.band.height));
    fitImage(windowWidth, windowHeight);
    url3->move(px(out.url3Left), url3->y());
    url2->move(px(out.url2Left), url2->y());
    cmdCounter->move(url2->geometry().right() + 1, url2->y());
    url1->resize(px(out.url1Width), url1->height());
}

void MainControls::fitImage(double windowWidth, double windowHeight)
{
    const PreviewLayout::Rect area = PreviewLayout::previewArea(windowWidth, windowHeight);
    // The preview cannot reach under the status bar or past the window's edge: that is
    // the size it reports back.
    const QRect wanted(px(area.left), px(area.top), px(area.width), px(area.height));
    const QRect reported = wanted.intersected(rect());
    const QSize picture = img1->pictureSize();
    const PreviewLayout::Rect fit =
        PreviewLayout::fitImage(twips(qMax(0, reported.width())), twips(qMax(0, reported.height())),
                                picture.width(), picture.height());
    const QRect place(px(fit.left), px(fit.top), px(fit.width), px(fit.height));
    // Hidden while it moves, so that it never shows at a stale place; a picture of the same
    // size as the last one, as in most series, moves nothing and costs no repaint.
    if (place == img1->geometry())
        return;
    img1->hide();
    img1->setGeometry(place);
}
