#include "model/EntryLookup.h"

namespace scriptloom {

std::optional<EntryKind> kindShownFor(const GameSetTables& tables, const QString& name) {
    if (tables.Selections.firstNamed(name) >= 0) {
        return EntryKind::Selection;
    }
    if (tables.Switches.firstNamed(name) >= 0) {
        return EntryKind::Switch;
    }
    if (tables.Bindings.firstNamed(name) >= 0) {
        return EntryKind::Binding;
    }
    return std::nullopt;
}

QString valueShownFor(const GameSetTables& tables, const QString& name) {
    if (const int i = tables.Selections.firstNamed(name); i >= 0) {
        return tables.Selections[i].Choice;
    }
    if (const int j = tables.Switches.firstNamed(name); j >= 0) {
        return tables.Switches[j].State;
    }
    if (const int k = tables.Bindings.firstNamed(name); k >= 0) {
        return tables.Bindings[k].Value;
    }
    return {};
}

}  // namespace scriptloom
