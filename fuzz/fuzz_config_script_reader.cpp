// Reads arbitrary config scripts, with the game set they load made of arbitrary bytes too, and
// checks what the reader does with each line against the line's own kind: every line is read once
// and announced; each "//LOAD" line asks for the name after its seventh character, in file order;
// every other "//" line comes back among the other commands, in file order; no empty line and no
// load line ever does; and the tables and the tree stay in step, one node per entry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "files/TextFile.h"
#include "menu/ConfigScriptReader.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "model/TreeAdder.h"

using namespace scriptloom;

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

// The bytes before the first NUL are the game set "fuzz.set"; the rest is the script. Without a
// NUL the whole input is the script and no set has entries.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray gameSet = split < 0 ? QByteArray() : input.left(split);
    const QByteArray script = split < 0 ? input : input.mid(split + 1);

    QStringList expectedLoads;
    QStringList expectedComments;
    int lineCount = 0;
    textfile::LineReader scan(script);
    while (!scan.atEnd()) {
        const QString line = scan.readLine();
        ++lineCount;
        if (line.startsWith(u"//LOAD")) {
            expectedLoads << line.mid(7);
        } else if (line.startsWith(u"//")) {
            expectedComments << line;
        }
    }

    GameSetTables tables;
    tables.resetAll();
    NodeTree tree;
    QStringList loads;
    QStringList appended;
    int announced = 0;
    ConfigScriptReaderActions actions;
    actions.loadGameSet = [&](const QString& name) {
        loads << name;
        // A few loads of the same set are enough to reach every path; more only slow the run.
        if (name == u"fuzz.set" && loads.size() <= 4) {
            loadGameSetBytes(gameSet, name, tables, tree);
        }
    };
    actions.appendOtherCommand = [&](const QString& line) { appended << line; };
    actions.lineRead = [&] { ++announced; };
    textfile::LineReader lines(script);
    readConfigScript(lines, tables, actions);

    check(announced == lineCount);
    check(loads == expectedLoads);
    qsizetype next = 0;
    for (const QString& line : appended) {
        check(!line.isEmpty() && !line.startsWith(u"//LOAD"));
        if (next < expectedComments.size() && line == expectedComments[next]) {
            ++next;
        }
    }
    check(next == expectedComments.size());
    int entryNodes = 0;
    for (int number = 1; number <= tree.count(); ++number) {
        entryNodes += tree.node(number).image == kEntryImage ? 1 : 0;
    }
    check(entryNodes ==
          tables.Selections.Count() + tables.Switches.Count() + tables.Bindings.Count());
    return 0;
}
