#include <QApplication>

#include "gamesets/Form2.h"
#include "ui/DefaultInstance.h"
#include "ui/ProgramFolder.h"
#include "ui/ProgramVersion.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel Scriptloom"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(scriptloom::programversion::Major)
                                            .arg(scriptloom::programversion::Minor)
                                            .arg(scriptloom::programversion::Revision));

    // A new config starts by picking game sets from the config directory; the dialog is on
    // screen before its list is filled.
    scriptloom::Form2* picker = scriptloom::Form2::instance();
    picker->show();
    picker->pointFileListAt(scriptloom::programfolder::configDirectory());

    const int exitCode = QApplication::exec();
    scriptloom::discardAllWindows();
    return exitCode;
}
