#include "FrmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillop"));
    QApplication::setOrganizationName(QStringLiteral("Quillop"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLOP_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quillop"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillop.svg")));

    // The program's configuration lives in its settings store; the command line only
    // answers --help and --version.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Downloads a series of images whose addresses differ only in a running "
                       "number or letter."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    FrmMain window;
    window.start();
    return app.exec();
}
