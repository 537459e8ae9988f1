#pragma once

#include <QString>

class QWidget;

namespace scriptloom {

// Opens a saved config script for editing: the other commands are emptied and shown, the game set
// list is read afresh with nothing selected, the editor is shown on empty tables and tree, and the
// script is read into them line by line. The editor's status line names the game sets the script
// names but the folder lacks (their load lines stay among the other commands), and says when the
// file does not look like a config script. A file that cannot be read changes nothing, and why is
// returned, naming the file; an empty text when the script was opened.
QString openExistingConfigFile(const QString& path);

// As openExistingConfigFile(), telling the user over `parent` why a file could not be read; false
// when it could not.
bool editExistingConfigFile(const QString& path, QWidget* parent = nullptr);

// Loads and marks as in use every item of the game set list with exactly this name, as a "//LOAD"
// line of a script does. False when the list has no item of that name.
bool loadAndSelectGameSet(const QString& fileName);

}  // namespace scriptloom
