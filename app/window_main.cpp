#include "FrmMain.h"
#include "Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

// The window program, started by `quillop` (which answers --help, --version and `get` itself).
int main(int argc, char *argv[])
{
    // The pictures are compiled into a static library, whose resource registration the
    // linker drops unless something refers to it.
    Q_INIT_RESOURCE(assets);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillop"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillop"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLOP_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillop.quillop"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillop.svg")));
    Translations::install(app);

    // Its configuration lives in the settings store; the command line only takes Qt's own
    // options, and refuses anything else.
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    FrmMain window;
    window.start();
    return app.exec();
}
