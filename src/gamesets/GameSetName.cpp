#include "gamesets/GameSetName.h"

#include <QRegularExpression>

#include "output/ConfigWriter.h"

namespace scriptloom {

QString gameSetNameProblem(const QString& name) {
    if (name.isEmpty()) {
        return QStringLiteral("no file name was given");
    }
    if (name.contains(u'/') || name.contains(u'\\')) {
        return QStringLiteral(
            "a game set is saved right in the config folder, so its name cannot "
            "hold / or \\");
    }
    if (name == u"." || name == u"..") {
        return QStringLiteral("\"%1\" names a folder, not a file").arg(name);
    }
    if (holdsControlCharacter(name)) {
        return QStringLiteral("the name holds a control character");
    }
    if (!scriptCanNameGameSet(name)) {
        return QStringLiteral(
            "a config script cannot name it: its characters must be in Windows-1252, so that "
            "opening the script loads the set again");
    }
    static const QRegularExpression forbidden(QStringLiteral("[:*?\"<>|]"));
    if (const QRegularExpressionMatch found = forbidden.match(name); found.hasMatch()) {
        return QStringLiteral("file names cannot hold %1 on Windows (a colon would name a drive)")
            .arg(found.captured());
    }
    if (name.endsWith(u'.') || name.endsWith(u' ')) {
        return QStringLiteral("Windows drops a dot or blank at the end of a file name");
    }
    // The part before the first dot, blanks at its end dropped, is what Windows compares with its
    // device names.
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(name.section(u'.', 0, 0)).hasMatch()) {
        return QStringLiteral("\"%1\" is the name of a device on Windows").arg(name);
    }
    return {};
}

}  // namespace scriptloom
