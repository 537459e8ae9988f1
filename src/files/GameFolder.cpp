#include "files/GameFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace scriptloom::gamefolder {

QString path() {
#if defined(Q_OS_WIN)
    return qEnvironmentVariable("APPDATA") + QStringLiteral("/Quake3/baseq3");
#elif defined(Q_OS_MACOS)
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quake3/baseq3");
#else
    return QDir::homePath() + QStringLiteral("/.q3a/baseq3");
#endif
}

}  // namespace scriptloom::gamefolder
