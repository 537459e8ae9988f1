#include "files/ProgramFolder.h"

#include <QCoreApplication>

namespace scriptloom::programfolder {

namespace {
QString& overrideFolder() {
    static QString folder;
    return folder;
}
}  // namespace

QString path() {
    const QString& folder = overrideFolder();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setOverride(const QString& folder) {
    QString cleaned = folder;
    while (cleaned.size() > 1 && cleaned.endsWith(QLatin1Char('/'))) {
        cleaned.chop(1);
    }
    overrideFolder() = cleaned;
}

QString configDirectory() {
    return path() + QStringLiteral("/config");
}

QString gameSetPath(const QString& fileName) {
    return path() + QStringLiteral("/config/") + fileName;
}

}  // namespace scriptloom::programfolder
