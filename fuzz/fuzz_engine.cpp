// libFuzzer target for the engine's pure text functions: the counter with its ranges, the
// save name derived from an address (or typed at the prompt), and the split of a pasted
// address. Nothing may crash, and each function keeps its promise:
// - a range is walked to its end within its count of values, every value at least as wide
//   in digits as FROM in number mode;
// - a save name is either refused or a file directly inside the save directory;
// - the three parts of a split address join to the trimmed address (a bracket range with
//   its brackets).
#include "AddressSplit.h"
#include "SaveNaming.h"
#include "SequenceCounter.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void counter(const QString &text, bool numberMode, qint16 increment)
{
    SequenceCounter::advanceCounter(text, numberMode, increment);
    const SequenceCounter::Range range = SequenceCounter::parseRange(text, numberMode, increment);
    check((range.kind == SequenceCounter::Range::Unreachable) == !range.reason.isEmpty());
    if (range.kind != SequenceCounter::Range::Walkable)
        return;
    check(range.count >= 1 && range.count <= 65536);
    // Long walks find no more than the short ones.
    if (range.count > 2000)
        return;
    const auto digits = [](const QString &v) {
        return v.size() - (v.startsWith(QLatin1Char('-')) || v.startsWith(QLatin1Char('+')));
    };
    QString value = range.from;
    for (int i = 1; i <= range.count; ++i) {
        if (numberMode)
            check(digits(value) >= digits(range.from));
        const auto side = SequenceCounter::sideOfEnd(value, range.to, numberMode, increment);
        if (i < range.count)
            check(side == SequenceCounter::Before);
        const SequenceCounter::Step step =
            SequenceCounter::advanceCounter(value, numberMode, increment);
        if (step.outcome != SequenceCounter::Step::Stepped) {
            check(i == range.count || !numberMode); // only letters end before their range
            return;
        }
        // Past the end, or at a counter that ends the run by itself (a blank is no counter).
        if (i == range.count)
            check(side == SequenceCounter::AtEnd ||
                  SequenceCounter::sideOfEnd(step.newText, range.to, numberMode, increment) ==
                      SequenceCounter::Past ||
                  SequenceCounter::advanceCounter(step.newText, numberMode, increment).outcome !=
                      SequenceCounter::Step::Stepped);
        value = step.newText;
    }
}

void insideSaveDir(const QString &target, const QString &name, const QString &problem,
                   const QString &dir)
{
    if (!problem.isEmpty())
        return;
    check(!name.isEmpty() && name != QLatin1String(".") && name != QLatin1String(".."));
    check(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\0')));
    const QFileInfo info(target);
    check(info.fileName() == name);
    check(info.absolutePath() == dir);
    check(QDir::cleanPath(target) == target);
}

void saveName(const QString &text, bool isHeader)
{
    static const QString dir = QStringLiteral("/srv/quillop/save");
    const qsizetype cut = text.indexOf(QLatin1Char('\n'));
    const QString url = cut < 0 ? text : text.left(cut);
    const QString extra = cut < 0 ? QString() : text.mid(cut + 1);
    const QString name = SaveNaming::composeName(url, extra, isHeader);
    QString problem;
    const QString target = SaveNaming::targetInDir(dir, name, &problem);
    insideSaveDir(target, name, problem, dir);
    // The same text typed as the answer at the prompt for a new name.
    const QString prompted = SaveNaming::promptedTarget(extra, target, dir, &problem);
    insideSaveDir(prompted, QFileInfo(prompted).fileName(), problem, dir);
}

void split(const QString &text)
{
    const AddressParts parts = AddressSplit::split(text);
    const QString whole = text.trimmed();
    const QString plain = parts.url1 + parts.url2 + parts.url3;
    const QString bracketed =
        parts.url1 + QLatin1Char('[') + parts.url2 + QLatin1Char(']') + parts.url3;
    check(plain == whole || (parts.url2.indexOf(QLatin1Char('-'), 1) > 0 && bracketed == whole));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const uint8_t which = data[0];
    const qint16 increment = qint16(uint16_t(data[1]) | uint16_t(data[2]) << 8);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));
    switch (which % 3) {
    case 0:
        counter(text, which & 0x80, increment);
        break;
    case 1:
        saveName(text, which & 0x80);
        break;
    default:
        split(text);
        break;
    }
    return 0;
}
