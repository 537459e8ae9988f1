#include "ui/FileListBox.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace scriptloom {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void FileListBox::setPath(const QString& folder) {
    path_ = folder;
    reread();
}

void FileListBox::setPattern(const QString& pattern) {
    pattern_ = pattern;
    if (!path_.isEmpty()) {
        reread();
    }
}

void FileListBox::reread() {
    clear();
    folderError_.clear();
    const QFileInfo info(path_);
    if (!info.exists()) {
        folderError_ = QStringLiteral("the folder does not exist");
        return;
    }
    if (!info.isDir()) {
        folderError_ = QStringLiteral("it is not a folder");
        return;
    }
    if (!info.isReadable()) {
        folderError_ = QStringLiteral("the folder cannot be read");
        return;
    }
    // Patterns match without regard to letter case, as on the systems game sets come from.
    QStringList names = QDir(path_).entryList({pattern_}, QDir::Files | QDir::Hidden, QDir::NoSort);
    std::sort(names.begin(), names.end(), listedBefore);
    addItems(names);
}

bool FileListBox::listedBefore(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QString FileListBox::itemName(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry == nullptr ? QString() : entry->text();
}

bool FileListBox::isSelected(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry != nullptr && entry->isSelected();
}

void FileListBox::setSelected(int index, bool selected) {
    QListWidgetItem* entry = item(index);
    if (entry == nullptr) {
        return;
    }
    if (selected && selectionMode() == QAbstractItemView::SingleSelection) {
        setCurrentItem(entry);  // a single-selection list holds one chosen file at most
    }
    entry->setSelected(selected);
}

QString FileListBox::fileName() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

}  // namespace scriptloom
