#pragma once

#include <QString>

class QWidget;

namespace scriptloom {

// Opens a saved config script for editing: the other commands are emptied and shown, the game set
// list is read afresh with nothing selected, the editor is shown on empty tables and tree, and the
// script is read into them line by line. A file that cannot be read changes nothing: the user is
// told which file and why, over `parent`, and false is returned.
bool editExistingConfigFile(const QString& path, QWidget* parent = nullptr);

}  // namespace scriptloom
