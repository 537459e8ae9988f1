#pragma once

#include <QListWidget>
#include <QString>

namespace scriptloom {

// Lists a folder the way a folder tree reads from its root: the folders from the root down to the
// current folder, each one step further in and shown open, then the subfolders of the current
// folder one step further in again, shown closed and in name order. Double-clicking a row or
// pressing Enter on it opens that folder. Change is raised every time a folder is read, also when
// it is the same folder again, so whatever shows its files can follow.
class FolderListBox : public QListWidget {
    Q_OBJECT

public:
    // Starts at the current folder.
    explicit FolderListBox(QWidget* parent = nullptr);

    // Absolute and cleaned, with no separator at the end except for a root.
    QString path() const { return path_; }
    // Reads the folder and raises Change. When it cannot be listed the previous folder and rows
    // stay, folderError says why and the result is false.
    bool setPath(const QString& folder);
    // Why the last folder asked for could not be listed; empty when it was listed.
    QString folderError() const { return folderError_; }

    // Full path of the folder on a row, or an empty text when there is no such row.
    QString folderAt(int row) const;
    // How many steps in a row is drawn: 0 for the root, one more for each folder below it; -1
    // when there is no such row.
    int levelAt(int row) const;

Q_SIGNALS:
    void Change();
    // The user tried to open a folder that cannot be listed; folderError says why.
    void OpenFailed(const QString& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openRow(QListWidgetItem* row);
    void addFolder(const QString& folder, const QString& text, int level, bool open);

    QString path_;
    QString folderError_;
};

}  // namespace scriptloom
