#include "SaveNaming.h"

#include "FileOps.h"
#include "MainWindowElements.h"
#include "RunSettings.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

// Only blanks are trimmed: a tab in a name is refused later rather than silently lost.
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

const QRegularExpression &tempNamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\.quillop-([0-9]{1,18})-[A-Za-z0-9]+\\.part$"));
    return pattern;
}

} // namespace

QString SaveNaming::composeName(const QString &url, const QString &appendStr, bool isHeader,
                                const QString &suffix)
{
    const QString base = trimBlanks(FileOps::GetBaseName(url));
    const QString extra = trimBlanks(appendStr);
    const QString stem = isHeader ? extra + base : base + extra;
    return stem + suffix + QLatin1Char('.') + trimBlanks(FileOps::GetExtensionName(url));
}

QString SaveNaming::autoSuffix(int number)
{
    return QStringLiteral("_qp") + QString::number(number);
}

QString SaveNaming::nameProblem(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" is not a usable file name").arg(name);
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QStringLiteral("the file name contains a path separator");
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("the file name contains a control character");
    }
    if (name.toUtf8().size() > maxNameBytes)
        return QStringLiteral("the file name is longer than %1 bytes").arg(maxNameBytes);
    // Such a file would be taken for a leftover of ours and deleted at the next start.
    if (tempNamePid(name) >= 0)
        return QStringLiteral("the file name is reserved for temporary files");
    return QString();
}

QString SaveNaming::targetInDir(const QString &dir, const QString &name, QString *problem)
{
    if (problem)
        *problem = nameProblem(name);
    return FileOps::BuildPath(dir, name);
}

QString SaveNaming::makeSavePath(const QString &url, const RunSettings &settings,
                                 MainWindowElements &window, QString *problem)
{
    const QString target = targetInDir(
        settings.save_dir, composeName(url, settings.append_str, settings.is_header), problem);
    window.setStatusText(target);
    return target;
}

QString SaveNaming::makeAutoName(const QString &url, const RunSettings &settings,
                                 MainWindowElements &window, QString *problem)
{
    // The global generator is seeded by the system once; reseeding from the clock at every
    // draw would repeat the number for draws within one clock tick.
    const int number = QRandomGenerator::global()->bounded(10000, 100000);
    const QString name =
        composeName(url, settings.append_str, settings.is_header, autoSuffix(number));
    const QString target = targetInDir(settings.save_dir, name, problem);
    window.setStatusText(target);
    return target;
}

QString SaveNaming::promptedTarget(const QString &answer, const QString &currentTarget,
                                   const QString &saveDir, QString *problem)
{
    const QString name = answer + QLatin1Char('.') + FileOps::GetExtensionName(currentTarget);
    const QString target = targetInDir(saveDir, name, problem);
    if (problem && problem->isEmpty() &&
        (answer == QLatin1String(".") || answer == QLatin1String("..")))
        *problem = QStringLiteral("\"%1\" is not a usable file name").arg(answer);
    return target;
}

QString SaveNaming::tempNamePrefix(qint64 pid)
{
    return QStringLiteral(".quillop-") + QString::number(pid) + QLatin1Char('-');
}

qint64 SaveNaming::tempNamePid(const QString &name)
{
    if (!name.startsWith(QLatin1String(".quillop-")))
        return -1; // most names, without the pattern's cost
    const QRegularExpressionMatch match = tempNamePattern().match(name);
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}
