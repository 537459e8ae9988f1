#pragma once

#include <QString>
#include <QStringList>

namespace scriptloom {

struct GameSetTables;
class NodeTree;

// The four texts of an entry as the game set editor's boxes hold them.
struct EntryTexts {
    QString Section;
    QString Name;
    QString Command;
    QString Comment;
};

// What adding or rewriting entries did.
struct EntryEditOutcome {
    // Entries appended (0 or 1) or rewritten.
    int entries = 0;
    // Options past the 21st that a Selection could not hold and so were not stored.
    int optionsLeftOut = 0;
    // The table already held its largest number of entries, so nothing was added.
    bool tableFull = false;
};

// Adding appends a new entry built from the texts, with its value not set, and places its node in
// the tree before the entry is counted, as loading does; a full table takes nothing and gets no
// node. A Selection takes the first 21 options of the list, in list order.
EntryEditOutcome addSelection(GameSetTables& tables, NodeTree& tree, const EntryTexts& texts,
                              const QStringList& options);
EntryEditOutcome addSwitch(GameSetTables& tables, NodeTree& tree, const EntryTexts& texts);
EntryEditOutcome addBinding(GameSetTables& tables, NodeTree& tree, const EntryTexts& texts);

// Rewriting gives every entry of one kind whose Name is texts.Name the four texts (and a
// Selection the first 21 options of the list). Values are kept, a Selection's Choice too, even
// when it is no longer among the options. Entries of the other kinds are never looked at, and
// the tree is left alone.
EntryEditOutcome rewriteSelections(GameSetTables& tables, const EntryTexts& texts,
                                   const QStringList& options);
EntryEditOutcome rewriteSwitches(GameSetTables& tables, const EntryTexts& texts);
EntryEditOutcome rewriteBindings(GameSetTables& tables, const EntryTexts& texts);

}  // namespace scriptloom
