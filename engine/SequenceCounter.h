#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The running counter of url2 and the composition of an address from the three inputs.
namespace SequenceCounter {

// The three texts, each trimmed of leading and trailing blanks, joined with nothing between.
QString composeUrl(const QString &url1, const QString &url2, const QString &url3);

struct Step
{
    enum Outcome {
        Stepped,    // newText is the next counter
        LetterEnd,  // a letter would step past Z or z: the run ends, url2 unchanged
        Unsteppable // the counter cannot be stepped: the run ends, url2 unchanged; see reason
    };
    Outcome outcome = Stepped;
    QString newText;
    QString reason; // for Unsteppable: why, in words a user understands
};

// The next value of the counter text t, in number or character mode.
Step advanceCounter(const QString &counter, bool numberMode, qint16 increment);

// What the counter's own form counts: digits (signed) and ranges of them are numbers, a single
// letter and a range of letters are letters. Nothing for any other text (an empty counter
// included): the setting decides.
std::optional<bool> numberModeOf(const QString &counter);

// "FROM-TO" in url2: the run starts at FROM and its attempt at TO is the last one (or the
// last value before TO when the increment steps over it). In number mode each end is a
// signed number ("-5-5" runs from -5 to 5); in character mode each end is one character.
struct Range
{
    enum Kind {
        None,       // not a range: the counter as it is
        Walkable,   // from and to are set
        Unreachable // the increment can never walk it; reason says why
    };
    Kind kind = None;
    QString from, to;
    QString reason;
    int count = 0; // for Walkable: the number of values from FROM to TO
};
Range parseRange(const QString &counter, bool numberMode, qint16 increment);

// Where counter stands against the range's end to, seen in the direction of increment. A
// counter that is no value of the mode (the user edited it) counts as before the end.
enum EndSide { Before, AtEnd, Past };
EndSide sideOfEnd(const QString &counter, const QString &to, bool numberMode, qint16 increment);

// True when the attempt at counter attempted ends a range that ends at to: it was at TO (or
// past it), or the counter after it (next) has stepped over TO.
bool endsRange(const QString &attempted, const QString &next, const QString &to, bool numberMode,
               qint16 increment);

} // namespace SequenceCounter
