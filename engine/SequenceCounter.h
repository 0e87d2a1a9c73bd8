#pragma once

#include <QString>
#include <QtGlobal>

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

} // namespace SequenceCounter
