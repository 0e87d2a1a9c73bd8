#pragma once

#include <QString>

// A whole address, as pasted from a browser or typed on the command line, cut into the three
// inputs: the address up to the counter, the counter, and the rest.
struct AddressParts
{
    QString url1;
    QString url2; // the counter ("017", "A-F", "001-120"); empty when none was found
    QString url3;
    // Why the address cannot be fetched as it stands: a bracket pair that looks like a
    // range but is none ("[A-9]", "[-3--1]", "[0x1-0x5]", an unclosed "[1-5"). The parts
    // then hold the whole address in url1.
    QString problem;
    bool hasCounter() const { return !url2.isEmpty(); }
};

namespace AddressSplit {

// - A range in brackets, as curl writes it ("pic[001-120].jpg", "pic[A-F].jpg"), becomes the
//   counter "001-120"; the brackets are dropped.
// - Otherwise the last run of digits in the last path segment (before any query or fragment)
//   is the counter: "https://x.org/g/pic017.jpg?s=1" gives "https://x.org/g/pic", "017",
//   ".jpg?s=1".
// - An address whose last segment holds no digits stays whole in url1.
// Blanks around the address are dropped. Joining the parts gives the address back (with the
// brackets around a range).
AddressParts split(const QString &address);

// Empty when address holds no bracket pair that looks like a range without being one;
// otherwise why (see AddressParts::problem).
QString bracketProblem(const QString &address);

// True when text holds "scheme://" with a scheme of letters, digits, "+", "-" or ".".
bool hasScheme(const QString &text);

} // namespace AddressSplit
