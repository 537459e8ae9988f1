#pragma once

#include "model/Entries.h"
#include "model/Table.h"

namespace scriptloom {

// The three tables that hold every entry of the game sets in use. They are always reset together.
struct GameSetTables {
    Table<SelectionEntry> Selections;
    Table<SwitchEntry> Switches;
    Table<BindingEntry> Bindings;
    // Moves whenever a value is stored (model/ValueStore.h) or the entries are reset.
    std::uint32_t valuesRevision = 0;

    void resetAll() {
        Selections.reset();
        Switches.reset();
        Bindings.reset();
        ++valuesRevision;
    }
};

// The program-wide tables that the windows read and write.
GameSetTables& programTables();

}  // namespace scriptloom
