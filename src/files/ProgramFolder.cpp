#include "files/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/ShippedCopies.h"

namespace scriptloom::programfolder {

namespace {

struct Overrides {
    QString programFolder;
    QString playerFolder;
};

Overrides& overrides() {
    static Overrides folders;
    return folders;
}

QString withoutTrailingSeparators(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    return folder;
}

// The folders an installed program keeps for each player, each filled from the shipped folder of
// the same name.
const QStringList& playerFolderNames() {
    static const QStringList names{QStringLiteral("config"), QStringLiteral("starting-points")};
    return names;
}

// The read-only files of an installed program, found from the executable's folder so that the
// whole installation can be moved.
QString sharedFolder() {
    return QDir::cleanPath(path() + QStringLiteral("/../share/vantrel-scriptloom"));
}

// A program is installed when its game sets are not beside the executable but its shipped sets are
// in the shared folder; "config" beside the executable always wins.
bool isInstalled() {
    return !QFileInfo(path() + QStringLiteral("/config")).isDir() &&
           QFileInfo(sharedFolder() + QStringLiteral("/config")).isDir();
}

// Where an installed program keeps the player's own files; empty when the system names no such
// place (no home folder).
QString playerDataFolder() {
    const QString& folder = overrides().playerFolder;
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                            : folder;
}

// The folder of that name the program works in: beside the executable, or the player's own for an
// installed program. Without a player's folder the shipped one can still be read.
QString folderNamed(const QString& name) {
    if (!isInstalled()) {
        return path() + QLatin1Char('/') + name;
    }
    const QString player = playerDataFolder();
    return (player.isEmpty() ? sharedFolder() : player) + QLatin1Char('/') + name;
}

}  // namespace

QString path() {
    const QString& folder = overrides().programFolder;
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setOverride(const QString& folder, const QString& playerFolder) {
    overrides() = {withoutTrailingSeparators(folder), withoutTrailingSeparators(playerFolder)};
}

QString configDirectory() {
    return folderNamed(QStringLiteral("config"));
}

QString startingPointsDirectory() {
    return folderNamed(QStringLiteral("starting-points"));
}

QString gameSetPath(const QString& fileName) {
    return configDirectory() + QLatin1Char('/') + fileName;
}

QStringList fillPlayerFolders() {
    const QString player = playerDataFolder();
    if (!isInstalled() || player.isEmpty()) {
        return {};
    }
    QStringList problems;
    for (const QString& name : playerFolderNames()) {
        // An installation may ship no starting points; then the player gets no folder for them.
        if (!QFileInfo(sharedFolder() + QLatin1Char('/') + name).isDir()) {
            continue;
        }
        problems << copyShippedFilesOnce(
            sharedFolder() + QLatin1Char('/') + name, player + QLatin1Char('/') + name,
            player + QLatin1Char('/') + name + QStringLiteral("-copied.txt"));
    }
    return problems;
}

}  // namespace scriptloom::programfolder
