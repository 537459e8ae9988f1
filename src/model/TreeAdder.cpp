#include "model/TreeAdder.h"

#include "model/NodeTree.h"

namespace scriptloom {

void addEntryNode(const QString& section, const QString& name, NodeTree& tree) {
    // The first node with the section's text becomes the parent, whether it is a section node or
    // an entry node; the tree's text index answers exactly what a scan from node 1 would.
    int parent = tree.firstNodeWithText(section);
    if (parent == 0) {
        parent = tree.addTopLevel(section, kSectionImage);
    }
    tree.addChild(parent, name, kEntryImage);
    tree.refresh();
}

}  // namespace scriptloom
