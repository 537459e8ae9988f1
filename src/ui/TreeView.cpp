#include "ui/TreeView.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/ImageList.h"

namespace scriptloom {

NodeTreeModel::NodeTreeModel(QObject* parent) : QAbstractItemModel(parent) {
    tree_.setObserver(this);
}

NodeTreeModel::~NodeTreeModel() {
    tree_.setObserver(nullptr);
}

QModelIndex NodeTreeModel::indexOfNode(int number) const {
    if (number < 1 || number > tree_.count()) {
        return {};
    }
    return createIndex(tree_.node(number).row, 0, static_cast<quintptr>(number));
}

int NodeTreeModel::nodeNumber(const QModelIndex& index) const {
    return index.isValid() ? static_cast<int>(index.internalId()) : 0;
}

QModelIndex NodeTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) {
        return {};
    }
    const std::vector<int>& siblings = tree_.children(nodeNumber(parent));
    if (static_cast<std::size_t>(row) >= siblings.size()) {
        return {};
    }
    return createIndex(row, 0, static_cast<quintptr>(siblings[static_cast<std::size_t>(row)]));
}

QModelIndex NodeTreeModel::parent(const QModelIndex& child) const {
    const int number = nodeNumber(child);
    return number == 0 ? QModelIndex() : indexOfNode(tree_.node(number).parent);
}

int NodeTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    return static_cast<int>(tree_.children(nodeNumber(parent)).size());
}

int NodeTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

QVariant NodeTreeModel::data(const QModelIndex& index, int role) const {
    const int number = nodeNumber(index);
    if (number == 0) {
        return {};
    }
    const NodeTree::Node& node = tree_.node(number);
    if (role == Qt::DisplayRole) {
        return node.text;
    }
    if (role == Qt::DecorationRole && images_ != nullptr) {
        return images_->image(node.image);
    }
    return {};
}

void NodeTreeModel::nodeAboutToBeAdded(int parentNumber, int row) {
    beginInsertRows(indexOfNode(parentNumber), row, row);
}

void NodeTreeModel::nodeAdded() {
    endInsertRows();
}

void NodeTreeModel::nodesAboutToBeRemoved() {
    beginResetModel();
}

void NodeTreeModel::nodesRemoved() {
    endResetModel();
}

void NodeTreeModel::refreshNeeded() {
    Q_EMIT refreshRequested();
}

TreeView::TreeView(QWidget* parent) : QTreeView(parent), model_(new NodeTreeModel(this)) {
    setModel(model_);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The redraw is queued: a game set of thousands of entries is placed node by node, and the
    // tree is drawn once the loading hands control back to the window system.
    connect(model_, &NodeTreeModel::refreshRequested, this, [this] { viewport()->update(); });
}

int TreeView::selectedNode() const {
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? 0 : model_->nodeNumber(chosen.first());
}

QString TreeView::selectedText() const {
    const int number = selectedNode();
    return number == 0 ? QString() : nodes().text(number);
}

void TreeView::selectNode(int number) {
    const QModelIndex index = model_->indexOfNode(number);
    if (index.isValid()) {
        scrollTo(index);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
}

QRect TreeView::nodeRect(int number) const {
    return visualRect(model_->indexOfNode(number));
}

void TreeView::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    QTreeView::mousePressEvent(event);
}

void TreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (pressed_) {
        pressed_ = false;
        Q_EMIT Click();
    }
}

void TreeView::keyReleaseEvent(QKeyEvent* event) {
    QTreeView::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) {
        // Shift 1, Ctrl 2, Alt 4, as the key handlers of the program count them.
        Q_EMIT KeyUp(event->key(), (event->modifiers().toInt() >> 25) & 7);
    }
}

}  // namespace scriptloom
