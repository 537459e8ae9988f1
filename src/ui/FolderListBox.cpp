#include "ui/FolderListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace scriptloom {

namespace {

constexpr int kFolderRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;

// Draws each row moved in by its level, so the rows read as a path from the root downwards.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem moved(option);
        moved.rect.setLeft(moved.rect.left() + indent(option, index));
        QStyledItemDelegate::paint(painter, moved, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(option, index), 0);
    }

private:
    static int indent(const QStyleOptionViewItem& option, const QModelIndex& index) {
        const int step = option.fontMetrics.height();
        return step * index.data(kLevelRole).toInt();
    }
};

}  // namespace

FolderListBox::FolderListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderListBox::openRow);
    setPath(QDir::currentPath());
}

bool FolderListBox::setPath(const QString& folder) {
    // The path is cleaned before it is looked at, so "x/.." means the folder that holds x, the
    // same folder the list then shows, even when x itself may not be entered.
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QFileInfo info(path);
    if (folder.isEmpty() || !info.exists()) {
        folderError_ = QStringLiteral("the folder does not exist");
        return false;
    }
    if (!info.isDir()) {
        folderError_ = QStringLiteral("it is not a folder");
        return false;
    }
    if (!info.isReadable()) {
        folderError_ = QStringLiteral("the folder cannot be read");
        return false;
    }
    QStringList subfolders =
        QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    std::sort(subfolders.begin(), subfolders.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });

    QStringList chain{path};
    while (!QDir(chain.first()).isRoot()) {
        const QString parent = QFileInfo(chain.first()).path();
        if (parent == chain.first()) {
            break;  // nothing lies above it, though the system does not call it a root
        }
        chain.prepend(parent);
    }

    path_ = path;
    folderError_.clear();
    clear();
    for (int level = 0; level < chain.size(); ++level) {
        const QString& above = chain.at(level);
        addFolder(above, level == 0 ? QDir::toNativeSeparators(above) : QFileInfo(above).fileName(),
                  level, true);
    }
    const QString prefix = path.endsWith(u'/') ? path : path + u'/';
    for (const QString& name : subfolders) {
        addFolder(prefix + name, name, static_cast<int>(chain.size()), false);
    }
    setCurrentRow(static_cast<int>(chain.size()) - 1);
    Q_EMIT Change();
    return true;
}

QString FolderListBox::folderAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry == nullptr ? QString() : entry->data(kFolderRole).toString();
}

int FolderListBox::levelAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry == nullptr ? -1 : entry->data(kLevelRole).toInt();
}

void FolderListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QListWidget::keyPressEvent(event);
        return;
    }
    // Taken here, so Enter opens the folder and does not also press a dialog's default button.
    event->accept();
    if (currentItem() != nullptr) {
        openRow(currentItem());
    }
}

void FolderListBox::openRow(QListWidgetItem* row) {
    const QString folder = row->data(kFolderRole).toString();
    if (!setPath(folder)) {
        Q_EMIT OpenFailed(folder);
    }
}

void FolderListBox::addFolder(const QString& folder, const QString& text, int level, bool open) {
    auto* entry = new QListWidgetItem(
        style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon), text,
        this);
    entry->setData(kFolderRole, folder);
    entry->setData(kLevelRole, level);
}

}  // namespace scriptloom
