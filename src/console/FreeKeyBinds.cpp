#include "console/FreeKeyBinds.h"

#include "console/GameReading.h"
#include "files/TextFile.h"

namespace scriptloom::console {

namespace {

bool isCommand(QByteArrayView word, QByteArrayView name) {
    return word.compare(name, Qt::CaseInsensitive) == 0;
}

}  // namespace

// The other commands are written at the top of the script, which the game runs with ioquake3's
// cutting.
QHash<QString, QString> freeKeyBinds(const QString& otherCommands) {
    const QByteArray script = textfile::encode(otherCommands);
    QHash<QString, QString> bound;
    CommandCutter cutter(script, Cutting::IoQuake3);
    QByteArrayView command;
    while (cutter.next(command)) {
        const QList<QByteArrayView> words = splitWords(command);
        if (words.isEmpty()) {
            continue;
        }
        if (isCommand(words[0], "unbindall")) {
            bound.clear();
            continue;
        }
        const bool binds = isBindCommand(words[0]) && words.size() >= 3;
        if (!binds && !(isCommand(words[0], "unbind") && words.size() >= 2)) {
            continue;
        }
        const QString key = textfile::decode(words[1]).toCaseFolded();
        const QString text = binds ? textfile::decode(joinWords(words, 2)) : QString();
        if (text.isEmpty()) {
            bound.remove(key);
        } else {
            bound.insert(key, text);
        }
    }
    return bound;
}

}  // namespace scriptloom::console
