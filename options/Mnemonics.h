#pragma once

#include <QList>

class QTabBar;
class QWidget;

// Alt+letter for every control of the options dialog: each button, option button and
// labelled box gets a letter of its caption that no other control shown with it uses. The
// tabs and the button band are shown with every page; a page's letters need only differ
// from each other and from those.
namespace Mnemonics {

void assign(QTabBar *tabs, QWidget *always, const QList<QWidget *> &pages);

} // namespace Mnemonics
