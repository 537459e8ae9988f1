#include "model/NodeTree.h"

namespace scriptloom {

const std::vector<int>& NodeTree::children(int number) const {
    return number == 0 ? topLevel_ : node(number).children;
}

int NodeTree::addTopLevel(const QString& text, std::int16_t image) {
    return add(0, text, image);
}

int NodeTree::addChild(int parentNumber, const QString& text, std::int16_t image) {
    return add(parentNumber, text, image);
}

int NodeTree::add(int parentNumber, const QString& text, std::int16_t image) {
    const int row = static_cast<int>(children(parentNumber).size());
    if (observer_ != nullptr) {
        observer_->nodeAboutToBeAdded(parentNumber, row);
    }
    nodes_.push_back(Node{text, image, parentNumber, row, {}});
    const int number = count();
    // Taken after the push: the parent's child list moves when the node vector grows.
    std::vector<int>& siblings =
        parentNumber == 0 ? topLevel_ : nodes_[static_cast<std::size_t>(parentNumber - 1)].children;
    siblings.push_back(number);
    if (!firstByText_.contains(text)) {
        firstByText_.insert(text, number);
    }
    if (observer_ != nullptr) {
        observer_->nodeAdded();
    }
    return number;
}

void NodeTree::removeAll() {
    if (observer_ != nullptr) {
        observer_->nodesAboutToBeRemoved();
    }
    nodes_.clear();
    topLevel_.clear();
    firstByText_.clear();
    if (observer_ != nullptr) {
        observer_->nodesRemoved();
    }
}

void NodeTree::refresh() {
    if (observer_ != nullptr) {
        observer_->refreshNeeded();
    }
}

}  // namespace scriptloom
