#pragma once

#include <QListWidget>
#include <QString>

namespace scriptloom {

// Lists the names of the files in one folder that match a pattern, in ascending name order.
// Setting the path reads the folder again, with no item selected; the list does not follow later
// changes in the folder by itself.
class FileListBox : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(QString pattern READ pattern WRITE setPattern)

public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& folder);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);

    // Why the folder could not be listed the last time it was read; empty when it was listed.
    QString folderError() const { return folderError_; }

    QString itemName(int index) const;
    bool isSelected(int index) const;
    void setSelected(int index, bool selected);
    // The selected file's name in a single-selection list, or an empty text.
    QString fileName() const;

    // Whether name `a` is listed before name `b`: letter case aside, then by case.
    static bool listedBefore(const QString& a, const QString& b);

private:
    void reread();

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    QString folderError_;
};

}  // namespace scriptloom
