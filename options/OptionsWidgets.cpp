#include "OptionsWidgets.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

namespace OptionsWidgets {

namespace {

template <typename W> W *make(QWidget *parent, const char *name, const QString &accessible)
{
    auto *widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessible);
    return widget;
}

// The width a line edit needs to show textWidth pixels of text, as QLineEdit measures
// its own size hint: the text margins, the frame and the style's padding around them.
int boxWidthFor(QLineEdit *box, int textWidth)
{
    constexpr int innerMargin = 2; // the line edit's own margin on either side of the text
    const QMargins text = box->textMargins();
    const QMargins contents = box->contentsMargins();
    const int cursor = box->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, box);
    const int w = textWidth + 2 * innerMargin + cursor + text.left() + text.right() +
                  contents.left() + contents.right();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    option.features = QStyleOptionFrame::None;
    return box->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(w, box->sizeHint().height()), box)
        .width();
}

} // namespace

QLabel *label(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    auto *widget = make<QLabel>(parent, name, text.trimmed());
    widget->setText(text);
    widget->setTextFormat(Qt::PlainText);
    widget->setToolTip(tip);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, SettingsStore::Key key)
{
    const SettingsStore::Setting &s = SettingsStore::setting(key);
    const auto translated = [](const char *text) {
        return text ? QCoreApplication::translate("SettingsStore", text) : QString();
    };
    return label(parent, name, translated(s.caption), translated(s.tooltip));
}

void bind(QWidget *control, SettingsStore::Key key, const char *storedText)
{
    control->setProperty("settingKey", static_cast<int>(key));
    if (storedText)
        control->setProperty("settingText", QString::fromLatin1(storedText));
}

std::optional<SettingsStore::Key> boundKey(const QObject *control)
{
    const QVariant key = control->property("settingKey");
    if (!key.isValid())
        return std::nullopt;
    return static_cast<SettingsStore::Key>(key.toInt());
}

QString boundText(const QObject *control)
{
    return control->property("settingText").toString();
}

QLineEdit *settingBox(QWidget *parent, const char *name, SettingsStore::Key key, QLabel *besides,
                      const QString &tip)
{
    QLineEdit *box = textBox(parent, name, QString(), besides, tip);
    bind(box, key);
    return box;
}

QLabel *wrappingLabel(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    QLabel *widget = label(parent, name, text, tip);
    widget->setWordWrap(true);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

QRadioButton *option(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    QString shown = caption;
    auto *widget =
        make<QRadioButton>(parent, name, shown.replace(QStringLiteral("&&"), QStringLiteral("&")));
    widget->setText(caption);
    widget->setToolTip(tip);
    return widget;
}

QLineEdit *textBox(QWidget *parent, const char *name, const QString &initial, QLabel *besides,
                   const QString &tip)
{
    auto *widget = make<QLineEdit>(parent, name, besides->text().trimmed());
    widget->setText(initial);
    widget->setToolTip(tip);
    besides->setBuddy(widget);
    return widget;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QString &accessible)
{
    auto *widget = make<QPushButton>(parent, name, accessible.isEmpty() ? caption : accessible);
    widget->setText(caption);
    widget->setAutoDefault(false);
    widget->setDefault(false);
    return widget;
}

QFrame *frame(QWidget *parent, const char *name, bool border, const QString &accessible)
{
    auto *widget = make<QFrame>(parent, name, accessible);
    widget->setFrameShape(border ? QFrame::Box : QFrame::NoFrame);
    widget->setFrameShadow(QFrame::Plain);
    return widget;
}

void group(QWidget *owner, std::initializer_list<QRadioButton *> buttons)
{
    auto *buttonGroup = new QButtonGroup(owner);
    buttonGroup->setExclusive(true);
    for (QRadioButton *button : buttons)
        buttonGroup->addButton(button);
    // Tab enters a group at its chosen button and leaves it from there; the arrow keys move
    // within it. Only the chosen one is on the Tab chain (all of them while none is chosen).
    QObject::connect(buttonGroup, &QButtonGroup::buttonToggled, buttonGroup, [buttonGroup] {
        const bool chosen = buttonGroup->checkedButton() != nullptr;
        for (QAbstractButton *b : buttonGroup->buttons())
            b->setFocusPolicy(!chosen || b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    });
}

void yesNo(QWidget *owner, QRadioButton *yes, QRadioButton *no, SettingsStore::Key key)
{
    group(owner, {yes, no});
    bind(yes, key, "True");
    bind(no, key, "False");
}

void keepRoomWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void fitToValue(QLineEdit *box, const QString &longest)
{
    box->setMinimumWidth(boxWidthFor(box, box->fontMetrics().horizontalAdvance(longest)));
}

void fitToCharacters(QLineEdit *box, int characters)
{
    box->setMinimumWidth(boxWidthFor(box, box->fontMetrics().averageCharWidth() * characters));
}

} // namespace OptionsWidgets
