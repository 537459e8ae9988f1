#include "gamesets/EntryEditing.h"

#include <algorithm>

#include "model/GameSetTables.h"
#include "model/TreeAdder.h"

namespace scriptloom {

namespace {

template <typename Record>
void setTexts(Record& entry, const EntryTexts& texts) {
    entry.Section = texts.Section;
    entry.Name = texts.Name;
    entry.Command = texts.Command;
    entry.Comment = texts.Comment;
}

// Replaces the entry's options with the first 21 of the list, emptying the slots past them;
// returns how many were left out.
int setOptions(SelectionEntry& entry, const QStringList& options) {
    const qsizetype kept = std::min<qsizetype>(options.size(), kMaxOptions);
    for (qsizetype j = 0; j < kMaxOptions; ++j) {
        entry.Options[static_cast<std::size_t>(j)] = j < kept ? options[j] : QString();
    }
    entry.OptionCount = static_cast<std::int16_t>(kept);
    return static_cast<int>(options.size() - kept);
}

// Grows the table when it must, places the node, fills the slot, then counts the entry, so that
// the entry and its node come and go together.
template <typename Record, typename Fill>
EntryEditOutcome add(Table<Record>& table, NodeTree& tree, const EntryTexts& texts, Fill fill) {
    EntryEditOutcome outcome;
    Record* slot = table.makeRoom();
    if (slot == nullptr) {
        outcome.tableFull = true;
        return outcome;
    }
    addEntryNode(texts.Section, texts.Name, tree);
    setTexts(*slot, texts);
    fill(*slot, outcome);
    table.commitAppend();
    outcome.entries = 1;
    return outcome;
}

template <typename Record, typename Fill>
EntryEditOutcome rewrite(Table<Record>& table, const EntryTexts& texts, Fill fill) {
    EntryEditOutcome outcome;
    outcome.entries = table.rewriteNamed(texts.Name, [&](Record& entry) {
        setTexts(entry, texts);
        fill(entry, outcome);
    });
    return outcome;
}

auto optionsFrom(const QStringList& options) {
    return [&options](SelectionEntry& entry, EntryEditOutcome& outcome) {
        outcome.optionsLeftOut = setOptions(entry, options);
    };
}

template <typename Record>
void noOptions(Record& /*entry*/, EntryEditOutcome& /*outcome*/) {}

}  // namespace

EntryEditOutcome addSelection(GameSetTables& tables, NodeTree& tree, const EntryTexts& texts,
                              const QStringList& options) {
    return add(tables.Selections, tree, texts, optionsFrom(options));
}

EntryEditOutcome addSwitch(GameSetTables& tables, NodeTree& tree, const EntryTexts& texts) {
    return add(tables.Switches, tree, texts, noOptions<SwitchEntry>);
}

EntryEditOutcome addBinding(GameSetTables& tables, NodeTree& tree, const EntryTexts& texts) {
    return add(tables.Bindings, tree, texts, noOptions<BindingEntry>);
}

EntryEditOutcome rewriteSelections(GameSetTables& tables, const EntryTexts& texts,
                                   const QStringList& options) {
    return rewrite(tables.Selections, texts, optionsFrom(options));
}

EntryEditOutcome rewriteSwitches(GameSetTables& tables, const EntryTexts& texts) {
    return rewrite(tables.Switches, texts, noOptions<SwitchEntry>);
}

EntryEditOutcome rewriteBindings(GameSetTables& tables, const EntryTexts& texts) {
    return rewrite(tables.Bindings, texts, noOptions<BindingEntry>);
}

}  // namespace scriptloom
