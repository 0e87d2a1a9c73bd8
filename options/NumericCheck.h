#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The numeric boxes of the options dialog and what their checks accept.
namespace NumericCheck {

enum class Box { MaxFiles, Increment, Pause, Port, Misses, Retries };

// The smallest integer value the box accepts.
int lowerBound(Box box);
// The status bar text of a failing check.
QString message(Box box);
// The integer value of text when the box accepts it: a number (blanks around, optional
// sign, optional fraction, rounded half to even) that fits its field and is not below the
// bound. The fields are 16 bits, the port 1 to 65535; a number outside its field is refused
// like text that is no number at all.
std::optional<int> accepted(Box box, const QString &text);

} // namespace NumericCheck
