#include "GetOptions.h"

#include "TransferRules.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <tuple>

namespace {

using SettingsStore::Key;
using SettingsStore::OptionValue;

// The options that are no single setting; the others come from the settings table.
struct ExtraOption
{
    SettingsStore::CliOption option;
    const char *keys; // the stored settings it overrides, if any
};

constexpr ExtraOption extraOptions[] = {
    {{.name = "proxy",
      .valueName = "PROXY",
      .help = "[socks5://][USER[:PASSWORD]@]HOST:PORT",
      .helpOrder = 150},
     "proxy_*"},
    {{.name = "proxy-password-file",
      .valueName = "FILE",
      .help = "read the proxy password from the first line of FILE",
      .helpOrder = 151},
     "proxy_password"},
    {{.name = "dry-run",
      .help = "show what each attempt would do; fetch nothing",
      .helpOrder = 210},
     nullptr},
    {{.name = "quiet", .help = "print nothing but errors", .helpOrder = 220}, nullptr},
    {{.name = "json", .help = "one JSON object per attempt, not the log line", .helpOrder = 230},
     nullptr},
    {{.name = "help", .help = "show this help", .helpOrder = 240}, nullptr},
};

// Every option of `quillop get`, in the order of its help.
struct OptionRow
{
    const SettingsStore::CliOption *option;
    const SettingsStore::Setting *setting; // nullptr for an extra option
    const char *keys;
};

QList<OptionRow> optionRows()
{
    QList<OptionRow> rows;
    for (const SettingsStore::Setting &s : SettingsStore::allSettings()) {
        for (const SettingsStore::CliOption &o : s.cli) {
            if (o.name)
                rows.append({&o, &s, s.name});
        }
    }
    for (const ExtraOption &e : extraOptions)
        rows.append({&e.option, nullptr, e.keys});
    std::stable_sort(rows.begin(), rows.end(), [](const OptionRow &a, const OptionRow &b) {
        return a.option->helpOrder < b.option->helpOrder;
    });
    return rows;
}

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

// A number within [low, high]; sets why when it is not.
std::optional<qint16> number(const QString &option, const QString &value, int low, int high,
                             QString *why)
{
    bool ok = false;
    const int n = value.trimmed().toInt(&ok, 10);
    if (ok && n >= low && n <= high)
        return qint16(n);
    *why = QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
               .arg(option)
               .arg(low)
               .arg(high)
               .arg(value);
    return std::nullopt;
}

bool hasWebScheme(const QString &address)
{
    return address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

// Paths as the log and the output show them, whatever the working directory was.
QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// A CA file is bounded tighter than a cookie file: it goes into memory whole.
QString readableFile(const QString &option, const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("--%1: cannot read the file \"%2\"").arg(option, path);
    const qint64 maxBytes = option == QLatin1String("ca-file") ? TransferRules::MaxCaFileBytes
                                                               : TransferRules::MaxCookieFileBytes;
    if (info.size() > maxBytes)
        return QStringLiteral("--%1: the file \"%2\" is larger than %3 MiB")
            .arg(option, path)
            .arg(maxBytes / (1024 * 1024));
    return {};
}

// The first line of a small regular file: a password kept out of the process list.
QString passwordFromFile(const QString &path, QString *why)
{
    QByteArray contents;
    QString problem;
    if (!TransferRules::readBoundedFile(path, 64 * 1024, &contents, &problem)) {
        *why = QStringLiteral("--proxy-password-file: cannot read the file \"%1\": %2")
                   .arg(path, problem);
        return {};
    }
    const qsizetype end = contents.indexOf('\n');
    QByteArray line = end < 0 ? contents : contents.left(end);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// A folder that does not exist yet is made when the run starts; a file is no folder.
QString folderPath(const QString &option, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return {};
    return QStringLiteral("--%1: \"%2\" is not a directory").arg(option, path);
}

// "skip=1 overwrite=2" as pairs of word and stored text.
QList<std::pair<QString, QString>> choicesOf(const SettingsStore::CliOption &o)
{
    QList<std::pair<QString, QString>> pairs;
    for (const QString &pair : text(o.choices).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        pairs.append({pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1)});
    return pairs;
}

// "a, b or c"
QString orList(const QStringList &words)
{
    if (words.size() < 2)
        return words.join(QString());
    return words.mid(0, words.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") +
           words.last();
}

// The stored text an option gives its setting; sets why when the value is not taken.
std::optional<QString> settingText(const SettingsStore::Setting &s,
                                   const SettingsStore::CliOption &o, const QString &value,
                                   QString *why)
{
    const QString name = text(o.name);
    switch (o.value) {
    case OptionValue::Switch:
        return text(o.choices);
    case OptionValue::Text:
        return value;
    case OptionValue::Number:
        if (const auto n = number(name, value, s.min, s.max, why))
            return QString::number(*n);
        return std::nullopt;
    case OptionValue::Directory:
        *why = folderPath(name, absolute(value));
        return why->isEmpty() ? std::optional(absolute(value)) : std::nullopt;
    case OptionValue::File:
        *why = readableFile(name, absolute(value));
        return why->isEmpty() ? std::optional(absolute(value)) : std::nullopt;
    case OptionValue::Choice: {
        QStringList words;
        for (const auto &[word, stored] : choicesOf(o)) {
            if (value == word)
                return stored;
            words << word;
        }
        if (s.key == Key::if_exists && value == QLatin1String("prompt"))
            *why = QStringLiteral("--if-exists prompt needs the window; use skip, overwrite "
                                  "or rename");
        else
            *why = QStringLiteral("--%1 takes %2, not \"%3\"").arg(name, orList(words), value);
        return std::nullopt;
    }
    }
    return std::nullopt;
}

// Reads the options' values into options; the first problem found is returned.
QString readValues(const QCommandLineParser &p, GetOptions &o)
{
    QString why;
    const auto set = [&p](const char *name) { return p.isSet(text(name)); };
    const auto value = [&p](const char *name) { return p.value(text(name)); };
    const auto conflict = [&](const char *a, const char *b) {
        return set(a) && set(b)
                   ? QStringLiteral("--%1 and --%2 exclude each other").arg(text(a), text(b))
                   : QString();
    };
    for (const auto &[a, b] : {std::pair{"letters", "numbers"}, std::pair{"log-dir", "no-log"},
                               std::pair{"proxy", "no-proxy"}}) {
        if (const QString c = conflict(a, b); !c.isEmpty())
            return c;
    }
    for (const OptionRow &row : optionRows()) {
        if (!row.setting || !set(row.option->name))
            continue;
        const auto stored = settingText(*row.setting, *row.option, value(row.option->name), &why);
        if (!stored)
            return why;
        o.overrides.insert(row.setting->key, *stored);
    }
    if (o.overrides.value(Key::increment) == QLatin1String("0"))
        return QStringLiteral("--increment cannot be 0");
    if (set("proxy")) {
        o.proxy = GetOptionsParser::parseProxy(value("proxy"), &why);
        if (!o.proxy)
            return why;
    }
    // The password: from its file, else from --proxy, else from the environment; never
    // from a word that every user sees in the process list, if the user so chooses.
    if (set("proxy-password-file")) {
        o.proxyPassword = passwordFromFile(absolute(value("proxy-password-file")), &why);
        if (!why.isEmpty())
            return why;
    } else if (o.proxy && o.proxy->hasPassword) {
        o.proxyPassword = o.proxy->password;
    } else if (qEnvironmentVariableIsSet("QUILLOP_PROXY_PASSWORD")) {
        o.proxyPassword = qEnvironmentVariable("QUILLOP_PROXY_PASSWORD");
    }
    for (const OptionRow &row : optionRows()) {
        if (!row.setting || !o.overrides.contains(row.setting->key))
            continue;
        const QString problem =
            SettingsStore::valueProblem(row.setting->key, o.overrides.value(row.setting->key));
        if (!problem.isEmpty())
            return QStringLiteral("--%1: %2").arg(text(row.option->name), problem);
    }
    o.dryRun = set("dry-run");
    o.quiet = set("quiet");
    o.json = set("json");
    return {};
}

QString readAddress(const QStringList &words, GetOptions &o)
{
    if (words.size() == 1) {
        if (const QString problem = AddressSplit::bracketProblem(words[0]); !problem.isEmpty())
            return problem;
        o.address = AddressSplit::split(words[0]);
    } else if (words.size() == 3) {
        o.address = {words[0].trimmed(), words[1].trimmed(), words[2].trimmed()};
        if (o.address.url2.isEmpty())
            return QStringLiteral("the counter (the second word) is empty");
    } else {
        return QStringLiteral("give one ADDRESS, or URL1 COUNTER URL3");
    }
    if (o.address.url1.isEmpty() && !o.address.hasCounter() && o.address.url3.isEmpty())
        return QStringLiteral("the address is empty");
    // As the window does when Get is pressed: an address without a scheme is https.
    if (!AddressSplit::hasScheme(o.address.url1))
        o.address.url1.prepend(QStringLiteral("https://"));
    else if (!hasWebScheme(o.address.url1))
        return QStringLiteral("only http:// and https:// addresses can be fetched");
    return {};
}

} // namespace

std::optional<GetOptions::Proxy> GetOptionsParser::parseProxy(const QString &text, QString *why)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:(socks5|http)://)?(?:([^:@/]*)(:[^@/]*)?@)?([^:@/"
                       "\\s]+|\\[[0-9A-Fa-f:.]+\\]):([0-9]+)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(text.trimmed());
    const std::optional<int> port =
        m.hasMatch() ? SettingsStore::parsePort(m.captured(5)) : std::nullopt;
    if (!port) {
        // A password in it is nobody's business on a terminal or in a log of the shell.
        *why = QStringLiteral("--proxy takes [socks5://][USER[:PASSWORD]@]HOST:PORT with a port "
                              "from 1 to 65535, not \"%1\"")
                   .arg(TransferRules::hideCredentials(text));
        return std::nullopt;
    }
    GetOptions::Proxy proxy;
    if (m.captured(1).compare(QLatin1String("socks5"), Qt::CaseInsensitive) == 0)
        proxy.type = ConnectionOptions::ProxyType::Socks5;
    proxy.user = m.captured(2);
    proxy.hasPassword = !m.captured(3).isEmpty();
    proxy.password = m.captured(3).mid(1);
    proxy.host = m.captured(4);
    proxy.port = *port;
    return proxy;
}

GetCommandLine GetOptionsParser::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow &row : optionRows()) {
        QCommandLineOption option(text(row.option->name), text(row.option->help));
        if (row.option->valueName)
            option.setValueName(text(row.option->valueName));
        parser.addOption(option);
    }
    GetCommandLine result;
    // QCommandLineParser takes the first word as the program's name.
    if (!parser.parse(QStringList{QStringLiteral("get")} + arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.helpAsked = true;
        return result;
    }
    result.error = readAddress(parser.positionalArguments(), result.options);
    if (result.error.isEmpty())
        result.error = readValues(parser, result.options);
    return result;
}

QString GetOptionsParser::helpText()
{
    QString help = QStringLiteral(
        "Usage: quillop get ADDRESS [options]\n"
        "       quillop get URL1 COUNTER URL3 [options]\n\n"
        "Downloads a numbered series of pictures without a window.\n"
        "ADDRESS takes a range in brackets, as in https://x.org/g/pic[01-20].jpg or\n"
        "pic[A-F].jpg, or is a plain address whose last run of digits is the counter;\n"
        "an address without a scheme gets https:// in front. A range ends the run at its\n"
        "last value, a counter of letters at Z (or z).\n"
        "The stored settings apply; each option overrides its setting (in brackets) for\n"
        "this run only, and nothing is written to the store.\n\nOptions:\n");
    for (const OptionRow &row : optionRows()) {
        QString left = QStringLiteral("  --") + text(row.option->name);
        if (row.option->valueName)
            left += QLatin1Char(' ') + text(row.option->valueName);
        QString right = text(row.option->help);
        if (row.keys)
            right += QStringLiteral(" [") + text(row.keys) + QLatin1Char(']');
        // A long option name puts its description on a line of its own.
        const qsizetype column = 25;
        help += left.size() < column ? left.leftJustified(column)
                                     : left + QLatin1Char('\n') + QString(column, u' ');
        help += right + QLatin1Char('\n');
    }
    help += QStringLiteral(
        "\nA password written into --proxy is seen by every user of the machine in the list\n"
        "of processes while the program starts; --proxy-password-file, or the environment\n"
        "variable QUILLOP_PROXY_PASSWORD, keeps it out of sight. No message shows it.\n"
        "\nOne log line per attempt goes to standard output (a JSON object with --json);\n"
        "progress and the summary go to standard error.\n\n"
        "Exit status: 0 every attempt saved or skipped a picture; 1 an attempt failed or\n"
        "was not a picture; 2 a usage error (nothing fetched); 130 stopped by Ctrl+C or\n"
        "SIGTERM (the file in progress removed); 141 when standard output was closed.\n");
    return help;
}
