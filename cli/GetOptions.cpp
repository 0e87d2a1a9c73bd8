#include "GetOptions.h"

#include "TransferRules.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <tuple>

namespace {

struct OptionRow
{
    const char *name;
    const char *valueName; // nullptr for a switch
    const char *description;
    const char *key; // the stored setting it overrides, if any
};

constexpr OptionRow optionTable[] = {
    {"save-dir", "DIR", "save the pictures in DIR", "save_dir"},
    {"log-dir", "DIR", "write the daily log in DIR", "log_dir"},
    {"no-log", nullptr, "write no daily log", "is_log"},
    {"pause", "SECONDS", "pause between attempts", "pause_time"},
    {"max", "N", "make at most N attempts", "max_downloads"},
    {"increment", "N", "step the counter by N (not 0)", "increment"},
    {"letters", nullptr, "the counter counts letters", "is_number_mode"},
    {"numbers", nullptr, "the counter counts numbers", "is_number_mode"},
    {"if-exists", "POLICY", "skip, overwrite or rename an existing file", "if_exists"},
    {"append", "TEXT", "add TEXT to each saved name", "append_str"},
    {"append-at", "WHERE", "where the text goes: start or end", "is_header"},
    {"single", nullptr, "fetch the one address only", "isMultiple"},
    {"stop-after-misses", "N", "end after N misses in a row", "stop_after_misses"},
    {"retries", "N", "try a passing failure N more times", "retries"},
    {"proxy", "PROXY", "[socks5://][USER[:PASSWORD]@]HOST:PORT", "proxy_*"},
    {"proxy-password-file", "FILE", "read the proxy password from the first line of FILE",
     "proxy_password"},
    {"no-proxy", nullptr, "connect directly", "is_proxy"},
    {"referer", "REFERER", "auto or an address to send as Referer", "referer"},
    {"user-agent", "TEXT", "the User-Agent sent", "user_agent"},
    {"cookies", "FILE", "send the cookies of a cookies.txt file", "cookie_file"},
    {"ca-file", "FILE", "also trust the authorities in a PEM file", "ca_file"},
    {"dry-run", nullptr, "show what each attempt would do; fetch nothing", nullptr},
    {"quiet", nullptr, "print nothing but errors", nullptr},
    {"json", nullptr, "one JSON object per attempt, not the log line", nullptr},
    {"help", nullptr, "show this help", nullptr},
};

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

QString readableFile(const QString &option, const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("--%1: cannot read the file \"%2\"").arg(option, path);
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

QString existingDir(const QString &option, const QString &path)
{
    if (QFileInfo(path).isDir())
        return {};
    return QStringLiteral("--%1: \"%2\" is not an existing directory").arg(option, path);
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
    const struct
    {
        const char *name;
        std::optional<qint16> *field;
        int low, high;
    } numbers[] = {{"pause", &o.pause, 0, 32767},
                   {"max", &o.maxDownloads, 1, 32767},
                   {"increment", &o.increment, -32768, 32767},
                   {"stop-after-misses", &o.stopAfterMisses, 0, 32767},
                   {"retries", &o.retries, 0, 32767}};
    for (const auto &n : numbers) {
        if (!set(n.name))
            continue;
        *n.field = number(text(n.name), value(n.name), n.low, n.high, &why);
        if (!n.field->has_value())
            return why;
    }
    if (o.increment == qint16(0))
        return QStringLiteral("--increment cannot be 0");
    if (set("save-dir")) {
        o.saveDir = absolute(value("save-dir"));
        if (QString e = existingDir(QStringLiteral("save-dir"), *o.saveDir); !e.isEmpty())
            return e;
    }
    if (set("log-dir")) {
        o.logDir = absolute(value("log-dir"));
        if (QString e = existingDir(QStringLiteral("log-dir"), *o.logDir); !e.isEmpty())
            return e;
    }
    if (set("cookies")) {
        o.cookieFile = absolute(value("cookies"));
        if (QString e = readableFile(QStringLiteral("cookies"), *o.cookieFile,
                                     TransferRules::MaxCookieFileBytes);
            !e.isEmpty())
            return e;
    }
    if (set("ca-file")) {
        o.caFile = absolute(value("ca-file"));
        if (QString e =
                readableFile(QStringLiteral("ca-file"), *o.caFile, TransferRules::MaxCaFileBytes);
            !e.isEmpty())
            return e;
    }
    if (set("if-exists")) {
        const QString policy = value("if-exists");
        if (policy == QLatin1String("skip"))
            o.ifExists = IfExistsPolicy::Skip;
        else if (policy == QLatin1String("overwrite"))
            o.ifExists = IfExistsPolicy::Overwrite;
        else if (policy == QLatin1String("rename"))
            o.ifExists = IfExistsPolicy::Rename;
        else if (policy == QLatin1String("prompt"))
            return QStringLiteral("--if-exists prompt needs the window; use skip, overwrite "
                                  "or rename");
        else
            return QStringLiteral("--if-exists takes skip, overwrite or rename, not \"%1\"")
                .arg(policy);
    }
    if (set("append-at")) {
        const QString where = value("append-at");
        if (where != QLatin1String("start") && where != QLatin1String("end"))
            return QStringLiteral("--append-at takes start or end, not \"%1\"").arg(where);
        o.appendAtStart = where == QLatin1String("start");
    }
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
    if (set("append"))
        o.append = value("append");
    if (set("referer"))
        o.referer = value("referer");
    if (set("user-agent"))
        o.userAgent = value("user-agent");
    for (const auto &[option, what, field] :
         {std::tuple{"referer", "Referer", &o.referer},
          std::tuple{"user-agent", "User-Agent", &o.userAgent}}) {
        const QString problem =
            TransferRules::headerValueProblem(QLatin1String(what), field->value_or(QString()));
        if (!problem.isEmpty())
            return QStringLiteral("--%1: %2").arg(text(option), problem);
    }
    if (set("letters") || set("numbers"))
        o.numberMode = set("numbers");
    o.noProxy = set("no-proxy");
    o.noLog = set("no-log");
    o.single = set("single");
    o.dryRun = set("dry-run");
    o.quiet = set("quiet");
    o.json = set("json");
    return {};
}

QString readAddress(const QStringList &words, GetOptions &o)
{
    if (words.size() == 1) {
        o.address = AddressSplit::split(words[0]);
        if (!o.address.problem.isEmpty())
            return o.address.problem;
    } else if (words.size() == 3) {
        o.address = {words[0].trimmed(), words[1].trimmed(), words[2].trimmed(), {}};
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
    for (const OptionRow &row : optionTable) {
        QCommandLineOption option(text(row.name), text(row.description));
        if (row.valueName)
            option.setValueName(text(row.valueName));
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
    for (const OptionRow &row : optionTable) {
        QString left = QStringLiteral("  --") + text(row.name);
        if (row.valueName)
            left += QLatin1Char(' ') + text(row.valueName);
        QString right = text(row.description);
        if (row.key)
            right += QStringLiteral(" [") + text(row.key) + QLatin1Char(']');
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
