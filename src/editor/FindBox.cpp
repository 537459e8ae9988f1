#include "editor/FindBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include "model/GameSetTables.h"
#include "model/NodeSearch.h"
#include "ui/ModelEvents.h"
#include "ui/TreeView.h"

namespace scriptloom {

FindBox::FindBox(QLineEdit* box, QLabel* noMatch, TreeView* tree, QWidget* window)
    : QObject(window), box_(box), noMatch_(noMatch), tree_(tree) {
    noMatch_->hide();
    box_->installEventFilter(this);
    connect(box_, &QLineEdit::textChanged, this, &FindBox::apply);
    auto* find = new QShortcut(QKeySequence::Find, window);
    connect(find, &QShortcut::activated, this, [this] {
        box_->setFocus();
        box_->selectAll();
    });
    connect(ModelEvents::instance(), &ModelEvents::entriesChanged, this, [this] {
        textsStale_ = true;
        apply();
    });
}

void FindBox::clear() {
    box_->clear();
}

// An empty box shows the whole tree again.
void FindBox::apply() {
    const QString wanted = box_->text().toCaseFolded();
    if (wanted.isEmpty()) {
        tree_->setNodeFilter({});
        noMatch_->hide();
        return;
    }
    searchTexts();
    tree_->setNodeFilter([this, wanted](int number) {
        // A node placed since the texts were gathered stays in view until they are gathered again.
        return static_cast<std::size_t>(number) >= texts_.size() ||
               texts_[static_cast<std::size_t>(number)].contains(wanted);
    });
    noMatch_->setVisible(tree_->shownTopLevelCount() == 0);
}

const std::vector<QString>& FindBox::searchTexts() {
    const NodeTree& nodes = tree_->nodes();
    if (textsStale_ || texts_.size() != static_cast<std::size_t>(nodes.count()) + 1) {
        texts_ = nodeSearchTexts(nodes, programTables());
        textsStale_ = false;
    }
    return texts_;
}

void FindBox::reveal(int node) {
    if (!tree_->showsNode(node)) {
        box_->clear();
    }
}

bool FindBox::eventFilter(QObject* watched, QEvent* event) {
    // The texts are gathered as the box gets the focus, so that the first key typed finds them
    // ready.
    if (event->type() == QEvent::FocusIn) {
        searchTexts();
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            box_->clear();
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterTreeAtFirstMatch();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// The first entry on show is the first child of the first section, or the first node itself
// when it has no children.
void FindBox::enterTreeAtFirstMatch() {
    const QAbstractItemModel* shown = tree_->model();
    QModelIndex first = shown->index(0, 0, QModelIndex());
    if (!first.isValid()) {
        return;
    }
    if (const QModelIndex child = shown->index(0, 0, first); child.isValid()) {
        first = child;
    }
    tree_->setCurrentIndex(first);
    tree_->scrollTo(first);
    tree_->setFocus();
    Q_EMIT matchChosen();
}

}  // namespace scriptloom
