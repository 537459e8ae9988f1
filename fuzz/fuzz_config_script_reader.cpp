// Reads arbitrary config scripts, with the game set they load made of arbitrary bytes too, and
// checks what the reader does with each line against the line's own kind: every line is read once
// and announced; each "//LOAD" line asks for the name after its seventh character, in file order,
// and comes back among the other commands only when the folder lacks that set; every other "//"
// line comes back among the other commands, in file order, but for the marker line, which never
// does, and a line directly before a command line, which may be dropped as the writer's comment
// for that command; no empty line ever comes back; and the tables and the tree stay in step, one
// node per entry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "files/TextFile.h"
#include "menu/ConfigScriptReader.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "model/TreeAdder.h"
#include "output/ConfigWriter.h"

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

    QStringList scriptLines;
    textfile::LineReader scan(script);
    while (!scan.atEnd()) {
        scriptLines << scan.readLine();
    }
    QStringList expectedLoads;
    // The "//" lines that come back, in file order; those marked may be dropped.
    QStringList expectedComments;
    std::vector<bool> mayDrop;
    for (qsizetype i = 0; i < scriptLines.size(); ++i) {
        const QString& line = scriptLines[i];
        const QString next = scriptLines.value(i + 1);
        if (line.startsWith(u"//LOAD")) {
            expectedLoads << line.mid(7);
            if (line.mid(7) != u"fuzz.set") {
                expectedComments << line;
                mayDrop.push_back(false);
            }
        } else if (line.startsWith(u"//") && line != kConfigMarkerLine) {
            expectedComments << line;
            mayDrop.push_back(!next.isEmpty() && !next.startsWith(u"//"));
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
        return name == u"fuzz.set";
    };
    actions.appendOtherCommand = [&](const QString& line) { appended << line; };
    actions.lineRead = [&] { ++announced; };
    textfile::LineReader lines(script);
    readConfigScript(lines, tables, actions);

    check(announced == scriptLines.size());
    check(loads == expectedLoads);
    QStringList appendedComments;
    for (const QString& line : appended) {
        check(!line.isEmpty());
        if (line.startsWith(u"//")) {
            appendedComments << line;
        }
    }
    // The comments that came back are the expected ones with only droppable ones left out:
    // matched[j] tells whether the first j that came back match the expected ones so far.
    std::vector<bool> matched(static_cast<std::size_t>(appendedComments.size()) + 1, false);
    matched[0] = true;
    for (qsizetype i = 0; i < expectedComments.size(); ++i) {
        for (qsizetype j = appendedComments.size(); j >= 0; --j) {
            const auto at = static_cast<std::size_t>(j);
            const bool kept =
                j > 0 && matched[at - 1] && appendedComments[j - 1] == expectedComments[i];
            matched[at] = kept || (matched[at] && mayDrop[static_cast<std::size_t>(i)]);
        }
    }
    check(matched.back());
    int entryNodes = 0;
    for (int number = 1; number <= tree.count(); ++number) {
        entryNodes += tree.node(number).image == kEntryImage ? 1 : 0;
    }
    check(entryNodes ==
          tables.Selections.Count() + tables.Switches.Count() + tables.Bindings.Count());
    return 0;
}
