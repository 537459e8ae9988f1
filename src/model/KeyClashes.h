#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <cstdint>

#include "model/Entries.h"
#include "model/Table.h"

namespace scriptloom {

struct GameSetTables;

// Another key Binding bound to the same key.
struct KeyClash {
    QString name;
    QString section;
    bool operator==(const KeyClash&) const = default;
};

// Which key Bindings (those whose command binds a key) share their key with a key Binding of
// another Name. Key names are compared in any letter case; an empty value binds nothing. Built
// once from the table and asked many times, so that a tree of thousands of entries can mark its
// nodes as it draws them.
class KeyClashes {
public:
    explicit KeyClashes(const Table<BindingEntry>& bindings);

    // Whether a key Binding of this Name shares its key with another Name.
    bool clashes(const QString& name) const { return clashingNames_.contains(name); }

    // The other key Bindings, in table order, bound to the key of the first key Binding of this
    // Name; entries named `name` are not listed, nor the same Name and section twice.
    QList<KeyClash> clashesOf(const QString& name) const;

    // The key Bindings bound to a key (a game key name, in any letter case), in table order, each
    // Name and section once.
    QList<KeyClash> boundTo(const QString& key) const;

private:
    const Table<BindingEntry>& bindings_;
    // Key name folded to one case, to the key Bindings bound to it.
    QHash<QString, QList<std::int16_t>> byKey_;
    QSet<QString> clashingNames_;
};

// The clash index of these tables as they stand now. It is built again only when the Bindings or
// the values have changed since it was last asked for, so every view that marks clashes shares one.
const KeyClashes& currentKeyClashes(const GameSetTables& tables);

// The line that names the other entries: "Also bound to: Jump (Movement), Fire (Weapons)"; empty
// for none.
QString clashLine(const QList<KeyClash>& clashes);

}  // namespace scriptloom
