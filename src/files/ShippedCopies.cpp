#include "files/ShippedCopies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "files/TextFile.h"

namespace scriptloom {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Creates the folder and the folders above it, giving the system's reason when that fails.
QString makeFolder(const QString& folder) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdU16String()), error);
    return error ? QString::fromStdString(error.message()) : QString();
}

}  // namespace

QStringList copyShippedFilesOnce(const QString& shippedFolder, const QString& playerFolder,
                                 const QString& recordPath) {
    QStringList recorded;
    if (QFileInfo::exists(recordPath)) {
        const textfile::ReadResult record = textfile::readWholeFile(recordPath);
        if (!record.ok) {
            return {
                QStringLiteral("Cannot read file %1:\n%2.").arg(native(recordPath), record.error)};
        }
        recorded = QString::fromUtf8(record.bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    if (const QString error = makeFolder(playerFolder); !error.isEmpty()) {
        return {QStringLiteral("Cannot create folder %1:\n%2.").arg(native(playerFolder), error)};
    }

    QStringList problems;
    const qsizetype recordedBefore = recorded.size();
    for (const QString& name : QDir(shippedFolder).entryList(QDir::Files, QDir::Name)) {
        if (recorded.contains(name)) {
            continue;
        }
        const QString target = playerFolder + QLatin1Char('/') + name;
        const QFileInfo targetInfo(target);
        if (!targetInfo.exists() && !targetInfo.isSymLink()) {
            QFile source(shippedFolder + QLatin1Char('/') + name);
            if (!source.copy(target)) {
                problems << QStringLiteral("Cannot copy file %1 to %2:\n%3.")
                                .arg(native(source.fileName()), native(target),
                                     source.errorString());
                continue;
            }
            // The copy is the player's to change, whatever the shipped file allowed.
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner |
                                              QFileDevice::WriteOwner);
        }
        recorded << name;
    }

    if (recorded.size() != recordedBefore) {
        const textfile::WriteResult written = textfile::writeWholeFile(
            recordPath, (recorded.join(QLatin1Char('\n')) + '\n').toUtf8());
        if (!written.ok) {
            problems << QStringLiteral("Cannot write file %1:\n%2.")
                            .arg(native(recordPath), written.error);
        }
    }
    return problems;
}

}  // namespace scriptloom
