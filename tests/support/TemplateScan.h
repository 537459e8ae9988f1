#pragma once

#include <optional>

#include "menu/CommandTemplates.h"
#include "model/GameSetTables.h"

namespace scriptloom::test {

// The first fit found the slow way, trying every Binding, Switch and Selection in order: what the
// template index must agree with.
inline std::optional<TemplateMatch> firstFitByScan(const GameSetTables& tables,
                                                   const QString& line) {
    std::optional<TemplateMatch> fit;
    const auto scan = [&](EntryKind kind, const auto& table) {
        for (int i = 0; i < table.Count() && !fit; ++i) {
            if (auto value =
                    valueFittingTemplate(line, table[i].Command, kind == EntryKind::Binding)) {
                fit = TemplateMatch{kind, i, *value};
            }
        }
    };
    scan(EntryKind::Binding, tables.Bindings);
    scan(EntryKind::Switch, tables.Switches);
    scan(EntryKind::Selection, tables.Selections);
    return fit;
}

}  // namespace scriptloom::test
