#pragma once

#include <QString>
#include <vector>

#include "model/GameSetTables.h"
#include "model/NodeTree.h"

namespace scriptloom {

// What the editor's find box compares with, per node number (index 0 is unused), folded to one
// letter case: a section's own name, and for an entry node its Name with the Command and Comment
// of every entry of that Name.
std::vector<QString> nodeSearchTexts(const NodeTree& nodes, const GameSetTables& tables);

}  // namespace scriptloom
