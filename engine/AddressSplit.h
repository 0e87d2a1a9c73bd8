#pragma once

#include <QList>
#include <QString>

// A whole address, as pasted from a browser or typed on the command line, cut into the three
// inputs: the address up to the counter, the counter, and the rest.
struct AddressParts
{
    QString url1;
    QString url2; // the counter ("017", "A-F", "001-120"); empty when none was found
    QString url3;
    bool hasCounter() const { return !url2.isEmpty(); }
};

namespace AddressSplit {

// - A range in brackets, as curl writes it ("pic[001-120].jpg", "pic[A-F].jpg"), becomes the
//   counter "001-120"; the brackets are dropped.
// - Otherwise a run of digits in the last path segment (before any query or fragment) is the
//   counter: the last one written with leading zeros, else the last one, digits of the
//   extension only when the name has none ("pic01.jp2"). "https://x.org/g/pic017.jpg?s=1"
//   gives "https://x.org/g/pic", "017", ".jpg?s=1".
// - A last segment without digits whose name ends in a letter standing apart ("imgA.png",
//   "pic_b.jpg") splits at that letter.
// - Any other address stays whole in url1.
// Blanks around the address are dropped. Joining the parts gives the address back (with the
// brackets around a range).
AddressParts split(const QString &address);

// Empty when address holds no bracket pair that looks like a range without being one
// ("[A-9]", "[-3--1]", "[0x1-0x5]", an unclosed "[1-5"); otherwise why. Such an address
// would be fetched literally, attempt after attempt: it is refused before any request.
QString bracketProblem(const QString &address);

// A place in an address where a counter may stand.
struct Candidate
{
    qsizetype start;
    qsizetype length;
};
// Every such place in order: each run of digits after the host (not those of an escape), and
// the letter split() would take in the last segment.
QList<Candidate> candidates(const QString &address);
// The parts with the counter moved to the previous (direction < 0) or next candidate of the
// address they make up, round at the ends. Parts with a range, or an address without any
// candidate, come back as they are.
AddressParts step(const AddressParts &parts, int direction);

// True when text holds "scheme://" with a scheme of letters, digits, "+", "-" or ".".
bool hasScheme(const QString &text);

} // namespace AddressSplit
