#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>

#include "files/ProgramFolder.h"
#include "menu/Form1.h"
#include "ui/DefaultInstance.h"
#include "ui/MessageBox.h"
#include "ui/ProgramVersion.h"

namespace {

// The options the program takes. A file to open would join them as a positional argument.
void addOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
}

// Whether the command line asks only for text (the help or the version), which needs no display,
// so it also works in a terminal without one.
bool asksOnlyForText(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    addOptions(parser);
    parser.parse(arguments);
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
           parser.isSet(QStringLiteral("version"));
}

// Reads the command line. The help and the version are printed and end the program, and so does
// an option the program does not know, with a message saying so.
void readCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes config scripts for id Tech 3 games from game sets.\n"
                       "Game sets are kept in %1")
            .arg(QDir::toNativeSeparators(scriptloom::programfolder::configDirectory())));
    addOptions(parser);
    parser.process(app);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The name is the one the program's files go by: the player's folder of an installed program is
    // named after it (~/.local/share/vantrel-scriptloom on Linux).
    QCoreApplication::setApplicationName(QStringLiteral("vantrel-scriptloom"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(scriptloom::programversion::Major)
                                                .arg(scriptloom::programversion::Minor)
                                                .arg(scriptloom::programversion::Revision));
    if (asksOnlyForText(argc, argv)) {
        const QCoreApplication app(argc, argv);
        readCommandLine(app);
        return 0;
    }

    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.scriptloom"));
    readCommandLine(app);

    // Every window takes this icon. Without Qt's SVG image plugin the icon is empty and the windows
    // simply have none.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/scriptloom.svg")));

    // An installed program gives the player any shipped game set they have not had yet. What could
    // not be copied is told, and the program goes on with what the player's folder holds.
    if (const QStringList problems = scriptloom::programfolder::fillPlayerFolders();
        !problems.isEmpty()) {
        scriptloom::tellUserOfFailure(nullptr, QStringLiteral("Vantrel Scriptloom"),
                                      problems.join(QStringLiteral("\n\n")));
    }

    // The program starts by loading its main menu, which shows itself and runs from its timer.
    scriptloom::Form1::instance();

    const int exitCode = QApplication::exec();
    scriptloom::discardAllWindows();
    return exitCode;
}
