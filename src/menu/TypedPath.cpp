#include "menu/TypedPath.h"

namespace scriptloom {

QString typedScriptPath(const QString& typed) {
    QString path = typed.trimmed();
    for (const QChar quote : {u'"', u'\''}) {
        if (path.size() >= 2 && path.startsWith(quote) && path.endsWith(quote)) {
            return path.sliced(1, path.size() - 2);
        }
    }
    return path;
}

}  // namespace scriptloom
