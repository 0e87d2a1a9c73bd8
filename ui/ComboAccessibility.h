#pragma once

class QComboBox;
class QString;

namespace ComboAccessibility {

// Has screen readers name an editable combo box by its accessible name, as they name a line
// edit. Qt names a combo box on Linux by the text it holds (".jpg"), leaving the name to a
// label relation that an address box without a visible label cannot give.
// Call before anything else asks for the box's accessibility; the text field that the box
// has then gets the same name.
void nameByLabel(QComboBox *box, const QString &name);

} // namespace ComboAccessibility
