#include "ui/DriveListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace scriptloom {

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// Whether the path lies on or under the root: "/mnt/a" holds "/mnt/a/x" but not "/mnt/ab".
bool holds(const QString& root, const QString& path) {
    if (!path.startsWith(root, kPathCase)) {
        return false;
    }
    return path.size() == root.size() || root.endsWith(u'/') || path.at(root.size()) == u'/';
}

}  // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    setInsertPolicy(QComboBox::NoInsert);
#ifdef Q_OS_WIN
    for (const QFileInfo& letter : QDir::drives()) {
        const QString root = letter.absoluteFilePath();
        addItem(QDir::toNativeSeparators(root), root);
    }
#else
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    volumes.removeIf([](const QStorageInfo& v) { return !v.isValid() || !v.isReady(); });
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.rootPath() < b.rootPath();
    });
    for (const QStorageInfo& volume : volumes) {
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        addItem(name == root ? root : QStringLiteral("%1 (%2)").arg(root, name), root);
    }
#endif
    setDrive(QDir::currentPath());
    if (chosen_.isEmpty()) {
        chooseRow(0);
    }
    // activated comes from the user only (mouse, keys, wheel); choices made in code do not raise
    // it.
    connect(this, &QComboBox::activated, this, [this](int row) {
        const QString before = chosen_;
        chosen_ = itemData(row).toString();
        if (chosen_ != before) {
            Q_EMIT Change();
        }
    });
}

QString DriveListBox::drive() const {
    return currentData().toString();
}

void DriveListBox::setDrive(const QString& pathOnDrive) {
    if (pathOnDrive.isEmpty()) {
        return;
    }
    const QFileInfo info(pathOnDrive);
    QString path = QDir::cleanPath(info.absoluteFilePath());
    if (info.exists()) {
        // The volume the system reports wins, so a folder reached through a link is placed on the
        // drive it is really stored on.
        const QStorageInfo volume(info.canonicalFilePath());
        const int row = volume.isValid() ? findData(volume.rootPath()) : -1;
        if (row >= 0) {
            chooseRow(row);
            return;
        }
        path = info.canonicalFilePath();
    }
    int best = -1;
    qsizetype bestLength = -1;
    for (int row = 0; row < count(); ++row) {
        const QString root = itemData(row).toString();
        if (root.size() > bestLength && holds(root, path)) {
            best = row;
            bestLength = root.size();
        }
    }
    if (best >= 0) {
        chooseRow(best);
    }
}

void DriveListBox::setDrives(const QStringList& rootPaths) {
    const QString before = chosen_;
    clear();
    for (const QString& root : rootPaths) {
        addItem(QDir::toNativeSeparators(root), root);
    }
    const int kept = findData(before);
    chooseRow(kept >= 0 ? kept : 0);
}

QString DriveListBox::notReadyReason(const QString& rootPath) {
    const QFileInfo root(rootPath);
    if (rootPath.isEmpty() || !root.exists() || !root.isDir()) {
        return QStringLiteral("the drive is not ready");
    }
    if (!root.isReadable()) {
        return QStringLiteral("it cannot be read");
    }
    return {};
}

void DriveListBox::chooseRow(int row) {
    setCurrentIndex(row);
    chosen_ = drive();
}

}  // namespace scriptloom
