#pragma once

#include <QHash>
#include <QString>

namespace scriptloom::console {

// The keys that the other commands bind, read as the game reads them: each key, in one letter
// case, to the text the game keeps for it. The commands run in order, so a later `bind` of a key
// replaces an earlier one, `bind KEY ""`, `unbind KEY` and `unbindall` take bindings away, and
// `bind KEY` alone only shows the binding.
QHash<QString, QString> freeKeyBinds(const QString& otherCommands);

}  // namespace scriptloom::console
