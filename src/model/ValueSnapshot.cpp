#include "model/ValueSnapshot.h"

namespace scriptloom {

ValueSnapshot snapshotValues(const GameSetTables& tables, EntryKind kind, const QString& name) {
    ValueSnapshot snapshot{kind, {}};
    withValueField(tables, kind, [&](const auto& table, auto field) {
        for (const std::int16_t i : table.indicesNamed(name)) {
            snapshot.values.append({i, table[i].*field});
        }
    });
    return snapshot;
}

QString restoreValues(GameSetTables& tables, const ValueSnapshot& snapshot) {
    QString firstName;
    withValueField(tables, snapshot.kind, [&](auto& table, auto field) {
        for (const auto& [index, value] : snapshot.values) {
            if (index >= table.Count()) {
                continue;
            }
            if (firstName.isEmpty()) {
                firstName = table[index].Name;
            }
            storeValueAt(tables, table, field, index, value);
        }
    });
    return firstName;
}

}  // namespace scriptloom
