#pragma once

#include <QHash>
#include <QString>

namespace scriptloom {

// The keys that the other commands bind with `bind KEY "text"` lines: each key, in one letter
// case, to the text it is bound to. When a key is bound more than once, the last line wins, as it
// does in the game; a `bind KEY` line without text only shows the binding and binds nothing.
QHash<QString, QString> freeKeyBinds(const QString& otherCommands);

}  // namespace scriptloom
