#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <utility>

#include "model/ValueStore.h"

namespace scriptloom {

// The values of every entry of one kind and Name, each beside its index: what an edit of that
// Name changes, and what taking the edit back puts in place again.
struct ValueSnapshot {
    EntryKind kind = EntryKind::Selection;
    QList<std::pair<std::int16_t, QString>> values;
    bool operator==(const ValueSnapshot&) const = default;
};

ValueSnapshot snapshotValues(const GameSetTables& tables, EntryKind kind, const QString& name);

// Puts each value back into the entry at its index, and returns the Name of the first of those
// entries ("" for an empty snapshot). Indices past the table's end are passed over.
QString restoreValues(GameSetTables& tables, const ValueSnapshot& snapshot);

}  // namespace scriptloom
