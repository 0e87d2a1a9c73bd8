#include "GetCommand.h"
#include "GetOptions.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// `quillop` itself links only QtCore, libcurl and the engine: `quillop get`, --help and
// --version start without loading the window's libraries (a third of the start-up time of a
// run from a script). Anything else goes on in the window program beside it.
namespace {

void describeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillop"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillop"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLOP_VERSION));
}

// The window's help, followed by that of `quillop get`.
[[noreturn]] void showHelp(const QCommandLineParser &parser)
{
    const QString help = parser.helpText() +
                         QCoreApplication::translate(
                             "Main", "\nWithout a window, from a terminal or a script:\n\n") +
                         GetOptionsParser::helpText();
    std::fputs(help.toLocal8Bit().constData(), stdout);
    std::exit(0);
}

// Qt's own GUI options (-platform, -style, -reverse ...) are only known to the window
// program, hence single-dash words are read as long options here, and --help-all, which lists
// those, and any error are left to the window program. Returns the window program's path.
QByteArray answerInformationOptions(int &argc, char **argv)
{
    QCoreApplication core(argc, argv);
    describeProgram();
    Translations::install(core);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "Main", "Downloads a series of images whose addresses differ only in a running "
                "number or letter."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        showHelp(parser);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    return QFile::encodeName(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quillop-window")));
}

} // namespace

int main(int argc, char *argv[])
{
    if (GetCommand::isRequested(argc, argv))
        return GetCommand::run(argc, argv);
    const QByteArray window = answerInformationOptions(argc, argv);
    // argv[0] stays as it was, so the desktop still knows the window by the name "quillop".
    ::execv(window.constData(), argv);
    std::fprintf(stderr, "quillop: cannot start %s: %s\n", window.constData(),
                 std::strerror(errno));
    return 127;
}
