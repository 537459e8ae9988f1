#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace scriptloom {

// The nodes of the editor's tree, numbered from 1 across the whole tree in the order they were
// added. A node holds its text and an image number; removing all nodes starts the numbering again
// at 1. A view shows the nodes through NodeTree::Observer.
class NodeTree {
public:
    // Told of every change, so that a view can keep its rows in step with the nodes.
    class Observer {
    public:
        virtual void nodeAboutToBeAdded(int parentNumber, int row) = 0;
        virtual void nodeAdded() = 0;
        virtual void nodesAboutToBeRemoved() = 0;
        virtual void nodesRemoved() = 0;
        virtual void refreshNeeded() = 0;

    protected:
        ~Observer() = default;
    };

    struct Node {
        QString text;
        std::int16_t image = 0;
        int parent = 0;  // 0 for a top-level node
        int row = 0;     // position among its parent's children
        std::vector<int> children;
    };

    void setObserver(Observer* observer) { observer_ = observer; }

    int count() const { return static_cast<int>(nodes_.size()); }
    // The node with the given number, 1 to count().
    const Node& node(int number) const { return nodes_[static_cast<std::size_t>(number - 1)]; }
    const QString& text(int number) const { return node(number).text; }
    // The children of a node, or the top-level nodes for number 0.
    const std::vector<int>& children(int number) const;

    // Adds a node after the existing top-level nodes and returns its number.
    int addTopLevel(const QString& text, std::int16_t image);
    // Adds a node after the existing children of node parentNumber and returns its number.
    int addChild(int parentNumber, const QString& text, std::int16_t image);
    void removeAll();
    // Asks the view to redraw at once.
    void refresh();

    // The lowest-numbered node whose text equals the given text exactly, or 0. Nodes are only ever
    // added at the end, so the first node of a text stays the first until all nodes are removed.
    int firstNodeWithText(const QString& text) const { return firstByText_.value(text, 0); }

private:
    int add(int parentNumber, const QString& text, std::int16_t image);

    std::vector<Node> nodes_;
    std::vector<int> topLevel_;
    QHash<QString, int> firstByText_;
    Observer* observer_ = nullptr;
};

}  // namespace scriptloom
