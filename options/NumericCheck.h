#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The four numeric boxes of the options dialog and what their checks accept.
namespace NumericCheck {

enum class Box { MaxFiles, Increment, Pause, Port };

// The smallest integer value the box accepts.
qint16 lowerBound(Box box);
// The status bar text of a failing check.
QString message(Box box);
// The integer value of text when the box accepts it: a number (blanks around, optional
// sign, optional fraction, rounded half to even) that fits 16 bits and is not below the
// bound. A number outside 16 bits is refused like text that is no number at all.
std::optional<qint16> accepted(Box box, const QString &text);

} // namespace NumericCheck
