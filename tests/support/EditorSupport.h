#pragma once

#include <QStringList>

namespace scriptloom {
class TreeView;
}  // namespace scriptloom

namespace scriptloom::test {

// Opens the config editor on the named game sets of the program folder, as the picker's OK does;
// false when the editor does not come on screen.
bool openEditorOn(const QStringList& sets);

// Clicks the node with this number, as the user would, with every section open.
void clickNode(TreeView& tree, int number);

}  // namespace scriptloom::test
