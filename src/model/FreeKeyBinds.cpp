#include "model/FreeKeyBinds.h"

#include <QRegularExpression>

#include "model/KeyNames.h"

namespace scriptloom {

// Each line whose command binds a key, by the rule that tells a key Binding's template: the word
// after "bind" is the key, and the rest of the line, without the quotes around it, its text.
QHash<QString, QString> freeKeyBinds(const QString& otherCommands) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    static const QRegularExpression bindLine(QStringLiteral(R"(^\s*\S+\s+(\S+)\s+(.*?)\s*$)"));
    QHash<QString, QString> bound;
    for (const QString& line : otherCommands.split(lineEnd)) {
        if (!commandBindsKey(line)) {
            continue;
        }
        const QRegularExpressionMatch words = bindLine.match(line);
        QString text = words.captured(2);
        if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) {
            text = text.mid(1, text.size() - 2);
        }
        if (words.hasMatch() && !text.isEmpty()) {
            bound.insert(words.captured(1).toCaseFolded(), text);
        }
    }
    return bound;
}

}  // namespace scriptloom
