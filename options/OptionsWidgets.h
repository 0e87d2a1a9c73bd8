#pragma once

#include <QString>
#include <initializer_list>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Makers of the options dialog's controls. Each control gets its object name (the name the
// program and the tests look it up by), an accessible name (its caption, or the caption of
// the label beside it) and its tooltip. Placing them is left to the pages' layouts.
namespace OptionsWidgets {

QLabel *label(QWidget *parent, const char *name, const QString &text,
              const QString &tip = QString());
// A caption that may wrap onto more lines at word boundaries.
QLabel *wrappingLabel(QWidget *parent, const char *name, const QString &text,
                      const QString &tip = QString());
// caption may carry "&&" for a shown "&".
QRadioButton *option(QWidget *parent, const char *name, const QString &caption,
                     const QString &tip = QString());
// A text box named after the label beside it, which becomes its buddy.
QLineEdit *textBox(QWidget *parent, const char *name, const QString &initial, QLabel *besides,
                   const QString &tip = QString());
// A push button that never stands for Enter.
QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QString &accessible = QString());
QFrame *frame(QWidget *parent, const char *name, bool border, const QString &accessible);
// Option buttons are exclusive within their group only.
void group(QWidget *owner, std::initializer_list<QRadioButton *> buttons);
// Makes box at least wide enough to show longest whole, without scrolling.
void fitToValue(QLineEdit *box, const QString &longest);
// Makes box at least wide enough for about this many average characters.
void fitToCharacters(QLineEdit *box, int characters);

} // namespace OptionsWidgets
