// Feeds arbitrary bytes to the game set loader, twice into the same tables, and checks that the
// tables and the tree stay in step: one entry node per entry, no Selection past 21 options.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "model/TreeAdder.h"

using namespace scriptloom;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    GameSetTables tables;
    tables.resetAll();
    NodeTree tree;
    for (int pass = 0; pass < 2; ++pass) {
        loadGameSetBytes(bytes, QStringLiteral("fuzz.set"), tables, tree);
    }
    int entryNodes = 0;
    for (int number = 1; number <= tree.count(); ++number) {
        entryNodes += tree.node(number).image == kEntryImage ? 1 : 0;
    }
    const int entries =
        tables.Selections.Count() + tables.Switches.Count() + tables.Bindings.Count();
    if (entryNodes != entries) {
        std::abort();
    }
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        if (tables.Selections[i].OptionCount < 0 ||
            tables.Selections[i].OptionCount > kMaxOptions) {
            std::abort();
        }
    }
    return 0;
}
