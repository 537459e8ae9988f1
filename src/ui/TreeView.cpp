#include "ui/TreeView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

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
    if (role == Qt::FontRole && marks_ && marks_(number).bold) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == kNodeNoteRole && marks_) {
        const QString note = marks_(number).note;
        return note.isEmpty() ? QVariant() : QVariant(note);
    }
    if (role == kNodeWarnsRole && marks_) {
        return marks_(number).warns;
    }
    if (role == Qt::ToolTipRole && marks_) {
        const QString tip = marks_(number).tip;
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    return {};
}

NodeFilterModel::NodeFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setRecursiveFilteringEnabled(true);
    setAutoAcceptChildRows(true);
}

void NodeFilterModel::setTest(std::function<bool(int number)> accepts) {
    accepts_ = std::move(accepts);
    invalidateFilter();
}

bool NodeFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const auto* nodes = static_cast<const NodeTreeModel*>(sourceModel());
    return !accepts_ || accepts_(nodes->nodeNumber(nodes->index(sourceRow, 0, sourceParent)));
}

namespace {

// Draws a node's note after its text: dimmed, or in red when it warns.
class NodeNoteDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QString note = index.data(kNodeNoteRole).toString();
        if (note.isEmpty()) {
            return;
        }
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
        const QRect textArea =
            style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
        const int textWidth = item.fontMetrics.horizontalAdvance(item.text) + kGap;
        const bool selected = option.state & QStyle::State_Selected;
        QColor colour = item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        if (index.data(kNodeWarnsRole).toBool() && !selected) {
            colour = kWarningColour;
        } else {
            colour.setAlphaF(0.55F);
        }
        painter->save();
        painter->setFont(option.font);
        painter->setPen(colour);
        painter->drawText(textArea.adjusted(textWidth, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          note);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QString note = index.data(kNodeNoteRole).toString();
        if (!note.isEmpty()) {
            size.rwidth() += option.fontMetrics.horizontalAdvance(note) + 2 * kGap;
        }
        return size;
    }

private:
    static constexpr int kGap = 8;
    static constexpr QColor kWarningColour{176, 0, 0};
};

}  // namespace

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

TreeView::TreeView(QWidget* parent)
    : QTreeView(parent), model_(new NodeTreeModel(this)), filter_(new NodeFilterModel(this)) {
    setModel(model_);
    setItemDelegate(new NodeNoteDelegate(this));
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
    if (chosen.isEmpty()) {
        return 0;
    }
    return model_->nodeNumber(filtered() ? filter_->mapToSource(chosen.first()) : chosen.first());
}

QModelIndex TreeView::viewIndexOfNode(int number) const {
    const QModelIndex index = model_->indexOfNode(number);
    return filtered() ? filter_->mapFromSource(index) : index;
}

// Only a filter that is in use watches the nodes, so that placing thousands of nodes costs no
// filtering while the whole tree is shown.
void TreeView::setNodeFilter(std::function<bool(int number)> accepts) {
    if (!accepts && !filtered()) {
        return;
    }
    const int selected = selectedNode();
    if (!accepts) {
        showModel(model_);
        filter_->setSourceModel(nullptr);
    } else {
        // A new test rebuilds the filter in one go: the view takes one reset far faster than
        // the removal of thousands of rows one range at a time.
        filter_->setSourceModel(nullptr);
        filter_->setTest(std::move(accepts));
        filter_->setSourceModel(model_);
        if (!filtered()) {
            showModel(filter_);
        }
        expandAll();
    }
    if (const QModelIndex index = viewIndexOfNode(selected); index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    }
}

void TreeView::showModel(QAbstractItemModel* model) {
    QItemSelectionModel* old = selectionModel();
    setModel(model);
    delete old;
}

void TreeView::setMarkSource(std::function<NodeMark(int number)> source) {
    model_->setMarkSource(std::move(source));
    viewport()->update();
}

QString TreeView::selectedText() const {
    const int number = selectedNode();
    return number == 0 ? QString() : nodes().text(number);
}

void TreeView::selectNode(int number) {
    const QModelIndex index = viewIndexOfNode(number);
    if (index.isValid()) {
        scrollTo(index);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
}

QRect TreeView::nodeRect(int number) const {
    return visualRect(viewIndexOfNode(number));
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
