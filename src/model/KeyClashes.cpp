#include "model/KeyClashes.h"

#include <QStringList>
#include <algorithm>
#include <optional>

#include "model/GameSetTables.h"
#include "model/KeyNames.h"

namespace scriptloom {

namespace {

// A key name in one letter case: " Mouse2" and "MOUSE2" are one key.
QString foldedKey(const QString& key) {
    return key.trimmed().toCaseFolded();
}

// The key a Binding's value names.
QString keyOf(const BindingEntry& entry) {
    return foldedKey(entry.Value);
}

}  // namespace

KeyClashes::KeyClashes(const Table<BindingEntry>& bindings) : bindings_(bindings) {
    for (std::int16_t i = 0; i < bindings.Count(); ++i) {
        const BindingEntry& entry = bindings[i];
        if (!commandBindsKey(entry.Command)) {
            continue;
        }
        const QString key = keyOf(entry);
        if (!key.isEmpty()) {
            byKey_[key].append(i);
        }
    }
    for (const QList<std::int16_t>& sharing : std::as_const(byKey_)) {
        const QString& first = bindings[sharing.front()].Name;
        const bool shared = std::any_of(sharing.begin(), sharing.end(),
                                        [&](std::int16_t i) { return bindings[i].Name != first; });
        if (shared) {
            for (const std::int16_t i : sharing) {
                clashingNames_.insert(bindings[i].Name);
            }
        }
    }
}

QList<KeyClash> KeyClashes::clashesOf(const QString& name) const {
    QList<KeyClash> others;
    for (const std::int16_t i : bindings_.indicesNamed(name)) {
        if (!commandBindsKey(bindings_[i].Command)) {
            continue;
        }
        for (const std::int16_t j : byKey_.value(keyOf(bindings_[i]))) {
            const KeyClash clash{bindings_[j].Name, bindings_[j].Section};
            if (clash.name != name && !others.contains(clash)) {
                others.append(clash);
            }
        }
        break;
    }
    return others;
}

QList<KeyClash> KeyClashes::boundTo(const QString& key) const {
    QList<KeyClash> bound;
    for (const std::int16_t i : byKey_.value(foldedKey(key))) {
        const KeyClash binding{bindings_[i].Name, bindings_[i].Section};
        if (!bound.contains(binding)) {
            bound.append(binding);
        }
    }
    return bound;
}

QString clashLine(const QList<KeyClash>& clashes) {
    if (clashes.isEmpty()) {
        return {};
    }
    QStringList named;
    for (const KeyClash& clash : clashes) {
        named << QStringLiteral("%1 (%2)").arg(clash.name, clash.section);
    }
    return QStringLiteral("Also bound to: ") + named.join(QStringLiteral(", "));
}

const KeyClashes& currentKeyClashes(const GameSetTables& tables) {
    struct Built {
        const GameSetTables* tables;
        std::uint32_t bindingsRevision;
        std::uint32_t valuesRevision;
    };
    static std::optional<KeyClashes> index;
    static Built builtFor{};
    const Built now{&tables, tables.Bindings.revision(), tables.valuesRevision};
    if (!index || builtFor.tables != now.tables ||
        builtFor.bindingsRevision != now.bindingsRevision ||
        builtFor.valuesRevision != now.valuesRevision) {
        index.emplace(tables.Bindings);
        builtFor = now;
    }
    return *index;
}

}  // namespace scriptloom
