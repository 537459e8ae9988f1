#pragma once

#include <QString>
#include <QStringList>

namespace scriptloom {

struct GameSetTables;

// The names of the entries whose written line the game would not read as meant (it runs extra
// commands, stores something other than the value typed, or holds characters the script cannot
// hold), in the order the script writes them: Bindings, then Selections, judged by the value
// they write. A Switch writes "0" or "1" and is never named. Each name is given once.
QStringList entriesWithWarnedValues(const GameSetTables& tables);

// The save dialog's note on those entries, such as "2 values run extra commands or will not reach
// the game as typed: A, B"; empty when there are none. Long lists end in "…" after the first few
// names.
QString warnedValuesNotice(const QStringList& names);

}  // namespace scriptloom
