#pragma once

#include <QString>
#include <optional>

#include "model/GameSetTables.h"

namespace scriptloom {

// The kind of entry the editor shows for a Name: a Selection of that Name if there is one, else a
// Switch, else a Binding; nothing when no entry has the Name.
std::optional<EntryKind> kindShownFor(const GameSetTables& tables, const QString& name);

// The value of the entry the editor shows for a Name, "" when it has none or there is no entry.
QString valueShownFor(const GameSetTables& tables, const QString& name);

}  // namespace scriptloom
