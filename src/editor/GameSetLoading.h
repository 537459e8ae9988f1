#pragma once

#include <QString>

namespace scriptloom {

// Loads one game set file into the program-wide tables and the editor's tree, with the editor's
// busy pointer shown meanwhile; what could not be loaded is told on the editor's status line.
void loadGameSetIntoEditor(const QString& path);

}  // namespace scriptloom
