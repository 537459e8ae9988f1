#pragma once

class QWidget;

namespace scriptloom {

// "Create New Config File": the game set picker, on screen before its list of the config
// directory is read, and the menu hidden.
void createNewConfigFile();

// "Edit Existing Config File": asks for the script's path and opens it in the editor, then hides
// the menu. Blanks and one pair of quotes around the answer are dropped. A script that cannot be
// read is asked for again, with the answer kept and the reason above the question. An empty
// answer leaves the menu as it is, and a new press is needed to choose again. True when a script
// was opened.
bool editExistingConfigFileFromMenu(QWidget* parent);

// Brings the main menu back: shown, with its timer on, so the menu runs afresh on the next tick.
void showMainMenu();

}  // namespace scriptloom
