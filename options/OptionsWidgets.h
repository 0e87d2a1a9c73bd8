#pragma once

#include "SettingsStore.h"

#include <QString>
#include <initializer_list>
#include <optional>

class QFrame;
class QObject;
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
// The label beside a setting's control: the setting's caption and tooltip.
QLabel *label(QWidget *parent, const char *name, SettingsStore::Key key);
// A caption that may wrap onto more lines at word boundaries.
QLabel *wrappingLabel(QWidget *parent, const char *name, const QString &text,
                      const QString &tip = QString());
// caption may carry "&&" for a shown "&".
QRadioButton *option(QWidget *parent, const char *name, const QString &caption,
                     const QString &tip = QString());
// A text box named after the label beside it, which becomes its buddy.
QLineEdit *textBox(QWidget *parent, const char *name, const QString &initial, QLabel *besides,
                   const QString &tip = QString());
// Ties a control to the setting it edits, so that the dialog fills it, marks the setting when
// the user changes it, checks a number and applies it, all by the key. An option button names
// the stored text it stands for ("True", "4", "socks5").
void bind(QWidget *control, SettingsStore::Key key, const char *storedText = nullptr);
std::optional<SettingsStore::Key> boundKey(const QObject *control);
QString boundText(const QObject *control);
// A text box for a setting, named after the label beside it and bound to the key.
QLineEdit *settingBox(QWidget *parent, const char *name, SettingsStore::Key key, QLabel *besides,
                      const QString &tip = QString());
// A push button that never stands for Enter.
QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QString &accessible = QString());
QFrame *frame(QWidget *parent, const char *name, bool border, const QString &accessible);
// Option buttons are exclusive within their group only.
void group(QWidget *owner, std::initializer_list<QRadioButton *> buttons);
// A frame that keeps its room while hidden, so the page does not move when it comes and goes.
void keepRoomWhenHidden(QWidget *widget);
// A pair of option buttons for a setting that is true or false: grouped, and bound to the key.
void yesNo(QWidget *owner, QRadioButton *yes, QRadioButton *no, SettingsStore::Key key);
// Makes box at least wide enough to show longest whole, without scrolling.
void fitToValue(QLineEdit *box, const QString &longest);
// Makes box at least wide enough for about this many average characters.
void fitToCharacters(QLineEdit *box, int characters);

} // namespace OptionsWidgets
