#pragma once

#include <QAbstractItemModel>
#include <QTreeView>

#include "ui/NodeTree.h"

namespace scriptloom {

class ImageList;

// Shows a NodeTree: one row per node, each with its text and the picture of its image number.
class NodeTreeModel : public QAbstractItemModel, private NodeTree::Observer {
    Q_OBJECT

public:
    explicit NodeTreeModel(QObject* parent = nullptr);
    ~NodeTreeModel() override;

    NodeTree& nodes() { return tree_; }
    const NodeTree& nodes() const { return tree_; }
    void setImageList(const ImageList* images) { images_ = images; }

    QModelIndex indexOfNode(int number) const;
    int nodeNumber(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;

Q_SIGNALS:
    void refreshRequested();

private:
    void nodeAboutToBeAdded(int parentNumber, int row) override;
    void nodeAdded() override;
    void nodesAboutToBeRemoved() override;
    void nodesRemoved() override;
    void refreshNeeded() override;

    NodeTree tree_;
    const ImageList* images_ = nullptr;
};

// The editor's tree: nodes numbered from 1 in the order they were added, single selection, new
// nodes collapsed. Click is raised when a mouse click in the tree ends, wherever it lands (on a
// node, on an expand button or on empty space); KeyUp when a key is released while the tree has
// the focus (not for the repeats of a held key).
class TreeView : public QTreeView {
    Q_OBJECT

public:
    explicit TreeView(QWidget* parent = nullptr);

    NodeTree& nodes() { return model_->nodes(); }
    const NodeTree& nodes() const { return model_->nodes(); }
    void setImageList(const ImageList* images) { model_->setImageList(images); }

    // Number of the selected node, or 0 when no node is selected.
    int selectedNode() const;
    // Text of the selected node, or an empty text when no node is selected.
    QString selectedText() const;
    // Selects the node with the given number, as a click on it would (tests, keyboard helpers).
    void selectNode(int number);
    QRect nodeRect(int number) const;

Q_SIGNALS:
    void Click();
    void KeyUp(int keyCode, int shift);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    NodeTreeModel* model_;
    bool pressed_ = false;
};

}  // namespace scriptloom
