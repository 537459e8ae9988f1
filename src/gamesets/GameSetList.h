#pragma once

#include <QString>

class QLabel;

namespace scriptloom {

class FileListBox;

// Points a list of game sets at a folder, reading it afresh with nothing selected. The status
// label under the list says why when the folder cannot be listed, and is hidden otherwise.
void pointGameSetListAt(FileListBox& list, QLabel& status, const QString& folder);

}  // namespace scriptloom
