#pragma once

#include <optional>

#include "menu/CommandTemplates.h"
#include "model/GameSetTables.h"

namespace scriptloom::test {

// The first fit found the slow way, trying every Binding, Switch and Selection in order: what the
// template index must agree with.
inline std::optional<TemplateMatch> firstFitByScan(const GameSetTables& tables,
                                                   const QString& line) {
    for (int i = 0; i < tables.Bindings.Count(); ++i) {
        if (auto value = valueFittingTemplate(line, tables.Bindings[i].Command, true)) {
            return TemplateMatch{EntryKind::Binding, i, *value};
        }
    }
    for (int i = 0; i < tables.Switches.Count(); ++i) {
        if (auto value = valueFittingTemplate(line, tables.Switches[i].Command, false)) {
            return TemplateMatch{EntryKind::Switch, i, *value};
        }
    }
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        if (auto value = valueFittingTemplate(line, tables.Selections[i].Command, false)) {
            return TemplateMatch{EntryKind::Selection, i, *value};
        }
    }
    return std::nullopt;
}

}  // namespace scriptloom::test
