#include "FrmMain.h"
#include "GetCommand.h"
#include "GetOptions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

namespace {

void describeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillop"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillop"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLOP_VERSION));
}

// The window's configuration lives in its settings store; its command line only answers
// --help and --version. `quillop get` has options of its own.
void defineOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Downloads a series of images whose addresses differ only in a running "
                       "number or letter."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// The window's help, followed by that of `quillop get`.
[[noreturn]] void showHelp(const QCommandLineParser &parser)
{
    const QString help = parser.helpText() +
                         QStringLiteral("\nWithout a window, from a terminal or a script:\n\n") +
                         GetOptionsParser::helpText();
    std::fputs(help.toLocal8Bit().constData(), stdout);
    std::exit(0);
}

// QApplication aborts when no display can be opened, so --help and --version are answered
// by a core application first: they must work over ssh and in scripts. Qt's own GUI options
// (-platform, -style, -reverse ...) are only known to QApplication, hence single-dash words
// are read as long options here, and --help-all, which lists those, and any error are left
// to the second pass.
void answerInformationOptions(int &argc, char **argv)
{
    QCoreApplication core(argc, argv);
    describeProgram();
    QCommandLineParser parser;
    defineOptions(parser);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        showHelp(parser);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
}

} // namespace

int main(int argc, char *argv[])
{
    // Before any GUI object: `quillop get` runs on a core application and needs no display.
    if (GetCommand::isRequested(argc, argv))
        return GetCommand::run(argc, argv);
    // The pictures are compiled into a static library, whose resource registration the
    // linker drops unless something refers to it.
    Q_INIT_RESOURCE(assets);
    answerInformationOptions(argc, argv);

    QApplication app(argc, argv);
    describeProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillop.quillop"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillop.svg")));

    QCommandLineParser parser;
    defineOptions(parser);
    parser.process(app);

    FrmMain window;
    window.start();
    return app.exec();
}
