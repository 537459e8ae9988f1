#pragma once

#include <QString>

#include "model/GameSetTables.h"

namespace scriptloom {

// The one way a value gets into the tables, so that whoever shows values can tell by
// GameSetTables::valuesRevision that they have changed.

// Stores a value into the given field of every entry of the table whose Name is `name`, lowest
// index first, and returns how many there were. The value is made afresh for each entry.
template <typename Record, typename MakeValue>
int storeValueNamed(GameSetTables& tables, Table<Record>& table, QString Record::*field,
                    const QString& name, MakeValue makeValue) {
    const QList<std::int16_t> named = table.indicesNamed(name);
    for (const std::int16_t i : named) {
        table[i].*field = makeValue();
    }
    if (!named.isEmpty()) {
        ++tables.valuesRevision;
    }
    return static_cast<int>(named.size());
}

// Calls f(table, field) with the table of the kind and the field that holds an entry's value:
// Choice, State or Value.
template <typename Tables, typename F>
decltype(auto) withValueField(Tables& tables, EntryKind kind, F&& f) {
    switch (kind) {
        case EntryKind::Selection:
            return f(tables.Selections, &SelectionEntry::Choice);
        case EntryKind::Switch:
            return f(tables.Switches, &SwitchEntry::State);
        case EntryKind::Binding:
            break;
    }
    return f(tables.Bindings, &BindingEntry::Value);
}

// Stores a value into the given field of the entry at `index`.
template <typename Record>
void storeValueAt(GameSetTables& tables, Table<Record>& table, QString Record::*field, int index,
                  QString value) {
    table[index].*field = std::move(value);
    ++tables.valuesRevision;
}

}  // namespace scriptloom
