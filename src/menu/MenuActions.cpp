#include "menu/MenuActions.h"

#include <QTimer>

#include "files/GameFolder.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "menu/ExistingConfig.h"
#include "menu/Form1.h"
#include "menu/MenuState.h"
#include "menu/MenuTexts.h"
#include "ui/InputBox.h"

namespace scriptloom {

void createNewConfigFile() {
    Form2* picker = Form2::instance();
    picker->show();
    picker->pointFileListAt(programfolder::configDirectory());
    Form1::instance()->hide();
}

bool editExistingConfigFileFromMenu(QWidget* parent) {
    const QString path =
        inputBox(parent, kOpenPrompt, kOpenTitle, kOpenDefaultPath,
                 QStringLiteral("Config scripts (*.cfg *.CFG);;All files (*)"), gamefolder::path());
    // The box took the button's release, so the button counts as up again.
    if (path.isEmpty() || !editExistingConfigFile(path, parent)) {
        menuState().MouseButtonDown = kFalse;
        return false;
    }
    Form1::instance()->hide();
    return true;
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
