#include <QApplication>
#include <QIcon>

#include "menu/Form1.h"
#include "ui/DefaultInstance.h"
#include "ui/ProgramVersion.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel Scriptloom"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(scriptloom::programversion::Major)
                                            .arg(scriptloom::programversion::Minor)
                                            .arg(scriptloom::programversion::Revision));

    // Every window takes this icon. Without Qt's SVG image plugin the icon is empty and the windows
    // simply have none.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/scriptloom.svg")));

    // The program starts by loading its main menu, which shows itself and runs from its timer.
    scriptloom::Form1::instance();

    const int exitCode = QApplication::exec();
    scriptloom::discardAllWindows();
    return exitCode;
}
