#pragma once

#include <QAbstractItemModel>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <functional>

#include "model/NodeTree.h"

namespace scriptloom {

class ImageList;

// What is shown beside a node's text without being part of it: a note, dimmed unless it warns,
// whether the text is drawn bold, and a tip shown when the pointer rests on the node.
struct NodeMark {
    QString note;
    bool bold = false;
    bool warns = false;
    QString tip = {};
};

// The roles under which a node's note, and whether it warns, are offered to the view.
inline constexpr int kNodeNoteRole = Qt::UserRole + 1;
inline constexpr int kNodeWarnsRole = Qt::UserRole + 2;

// Shows a NodeTree: one row per node, each with its text and the picture of its image number.
class NodeTreeModel : public QAbstractItemModel, private NodeTree::Observer {
    Q_OBJECT

public:
    explicit NodeTreeModel(QObject* parent = nullptr);
    ~NodeTreeModel() override;

    NodeTree& nodes() { return tree_; }
    const NodeTree& nodes() const { return tree_; }
    void setImageList(const ImageList* images) { images_ = images; }
    // Where the marks of the nodes come from; without one no node is marked.
    void setMarkSource(std::function<NodeMark(int number)> source) { marks_ = std::move(source); }

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
    std::function<NodeMark(int number)> marks_;
};

// Shows only the nodes that a test accepts, with the sections of those nodes, and every node
// under an accepted section.
class NodeFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit NodeFilterModel(QObject* parent = nullptr);
    void setTest(std::function<bool(int number)> accepts);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::function<bool(int number)> accepts_;
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
    // Whether the node is on show, that is not left out by the filter.
    bool showsNode(int number) const { return viewIndexOfNode(number).isValid(); }
    QRect nodeRect(int number) const;

    // Shows only the nodes the test accepts, with their sections, all expanded; an empty test
    // shows the whole tree again. The nodes themselves, their texts and numbers stay as they are.
    void setNodeFilter(std::function<bool(int number)> accepts);
    bool filtered() const { return model() == filter_; }
    // How many top-level nodes are on show.
    int shownTopLevelCount() const { return model()->rowCount(QModelIndex()); }
    void setMarkSource(std::function<NodeMark(int number)> source);
    // Redraws the marks after values changed.
    void refreshMarks() { viewport()->update(); }

Q_SIGNALS:
    void Click();
    void KeyUp(int keyCode, int shift);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QModelIndex viewIndexOfNode(int number) const;
    void showModel(QAbstractItemModel* model);

    NodeTreeModel* model_;
    NodeFilterModel* filter_;
    bool pressed_ = false;
};

}  // namespace scriptloom
