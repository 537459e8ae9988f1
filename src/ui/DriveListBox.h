#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

namespace scriptloom {

// Lists the drives to save on: the drive letters on Windows, the mounted volumes elsewhere, each
// known by its root path. Change is raised only when the user picks another drive, never when the
// program chooses one.
class DriveListBox : public QComboBox {
    Q_OBJECT

public:
    // Lists the drives of this machine and chooses the one that holds the current folder.
    explicit DriveListBox(QWidget* parent = nullptr);

    // Root path of the chosen drive, or an empty text when none is listed.
    QString drive() const;
    // Chooses the listed drive that holds the path: the one with the longest root path that
    // contains it. Nothing changes when no listed drive holds it.
    void setDrive(const QString& pathOnDrive);
    // Lists these root paths instead of the drives found on the machine; the chosen drive stays
    // when it is still listed, otherwise the first one is chosen.
    void setDrives(const QStringList& rootPaths);

    // Why the drive cannot be used; empty when its root is a folder that can be listed.
    static QString notReadyReason(const QString& rootPath);

Q_SIGNALS:
    void Change();

private:
    void chooseRow(int row);

    QString chosen_;
};

}  // namespace scriptloom
