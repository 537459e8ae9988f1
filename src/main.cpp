#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>

#include "files/ProgramFolder.h"
#include "menu/ExistingConfig.h"
#include "menu/Form1.h"
#include "ui/DefaultInstance.h"
#include "ui/MessageBox.h"
#include "ui/ProgramVersion.h"

namespace {

// The options the program takes, and the script it may be given to open.
void addOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A config script to open for editing, as \"Edit Existing Config File\" "
                       "does."),
        QStringLiteral("[FILE.cfg]"));
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

// Reads the command line and returns the script it names, if any. The help and the version are
// printed and end the program, and so does an option the program does not know, with a message
// saying so.
QString readCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes config scripts for id Tech 3 games from game sets.\n"
                       "Game sets are kept in %1")
            .arg(QDir::toNativeSeparators(scriptloom::programfolder::configDirectory())));
    addOptions(parser);
    parser.process(app);
    return parser.positionalArguments().value(0);
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
    const QString script = readCommandLine(app);

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

    // A script named on the command line opens in the editor as "Edit Existing Config File" opens
    // it. Otherwise, or when it cannot be read (the user is told why), the program starts by
    // loading its main menu, which shows itself and runs from its timer.
    if (script.isEmpty() || !scriptloom::editExistingConfigFile(script)) {
        scriptloom::Form1::instance();
    }

    const int exitCode = QApplication::exec();
    scriptloom::discardAllWindows();
    return exitCode;
}
