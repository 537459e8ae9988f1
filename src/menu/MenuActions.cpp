#include "menu/MenuActions.h"

#include <QFileInfo>
#include <QTimer>

#include "files/GameFolder.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "menu/ExistingConfig.h"
#include "menu/Form1.h"
#include "menu/MenuState.h"
#include "menu/MenuTexts.h"
#include "menu/TypedPath.h"
#include "ui/InputBox.h"
#include "ui/ProgramControl.h"

namespace scriptloom {

namespace {

// Where "Browse..." opens when the folder of the typed path does not exist: the starting points
// that ship with the program, else the game's folder.
QString browseFolder() {
    const QString startingPoints = programfolder::startingPointsDirectory();
    return QFileInfo(startingPoints).isDir() ? startingPoints : gamefolder::path();
}

}  // namespace

void createNewConfigFile() {
    Form2* picker = Form2::instance();
    showModeless(picker, Form1::instance());
    picker->pointFileListAt(programfolder::configDirectory());
    Form1::instance()->hide();
}

bool editExistingConfigFileFromMenu(QWidget* parent) {
    QString prompt = kOpenPrompt;
    QString answer = kOpenDefaultPath;
    for (;;) {
        answer =
            inputBox(parent, prompt, kOpenTitle, answer,
                     QStringLiteral("Config scripts (*.cfg *.CFG);;All files (*)"), browseFolder());
        const QString path = typedScriptPath(answer);
        if (path.isEmpty()) {
            break;
        }
        const QString problem = openExistingConfigFile(path);
        if (problem.isEmpty()) {
            Form1::instance()->hide();
            return true;
        }
        // Asked again with what was typed, and why it could not be opened above the question.
        prompt = problem + QStringLiteral("\n\n") + kOpenPrompt;
    }
    // The box took the button's release, so the button counts as up again.
    menuState().MouseButtonDown = kFalse;
    return false;
}

void showMainMenu() {
    Form1* menu = Form1::instance();
    menu->show();
    menu->raise();
    menu->activateWindow();
    if (!menu->Timer1()->isActive()) {
        menu->Timer1()->start();
    }
}

}  // namespace scriptloom
