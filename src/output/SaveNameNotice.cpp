#include "output/SaveNameNotice.h"

namespace scriptloom {

QString saveNameNotice(const QString& fileName, bool fileExists) {
    // The name may hold folders; the game looks only at the last part.
    const QString lastPart = fileName.section(u'/', -1);
    if (lastPart.compare(QLatin1String("q3config.cfg"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral(
            "The game rewrites q3config.cfg when it exits: your script would be lost.");
    }
    if (fileExists) {
        return QStringLiteral("Replaces the existing %1.").arg(fileName);
    }
    // exec adds ".cfg" only to a name without any extension, so such a file is never found.
    if (!lastPart.isEmpty() && !lastPart.contains(u'.')) {
        return QStringLiteral("The game's exec command looks for names ending in .cfg.");
    }
    return {};
}

}  // namespace scriptloom
