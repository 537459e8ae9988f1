#pragma once

#include <QString>
#include <cstdint>

namespace scriptloom {

class NodeTree;

// Image numbers of the editor's image list used by the tree.
inline constexpr std::int16_t kSectionImage = 1;
inline constexpr std::int16_t kEntryImage = 3;

// Places one entry in the tree: as the last child of the first node, of any kind, whose text
// equals the section, or under a new top-level section node when no node has that text. Then the
// tree is redrawn.
void addEntryNode(const QString& section, const QString& name, NodeTree& tree);

}  // namespace scriptloom
