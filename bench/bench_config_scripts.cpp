// Times writing a config script for 10,000 entries with values, and opening a 10,000-line script
// against 3,000 loaded entries. Prints the numbers; asserts nothing.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchSupport.h"
#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "menu/ConfigScriptReader.h"
#include "menu/ExistingConfig.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "output/ConfigWriter.h"
#include "output/Form6.h"
#include "ui/DefaultInstance.h"

using namespace scriptloom;

namespace {

// Entries as shipped game sets write them: Selections and Switches set a cvar in quotes, Bindings
// share the "bind " head and differ in their tails.
void fillTables(GameSetTables& tables, int perKind) {
    tables.resetAll();
    for (int i = 0; i < perKind; ++i) {
        const QString n = QString::number(i);
        tables.Bindings.append({"Keys " + QString::number(i % 50), "Binding " + n,
                                "bind *x \"weapon " + n + "\"", "Selects weapon " + n, "F" + n});
        tables.Selections.append({"Display " + QString::number(i % 50),
                                  "Selection " + n,
                                  "seta sel_" + n + " \"*x\"",
                                  "Picks selection " + n,
                                  {"0 - Off", "1 - Low", "2 - High"},
                                  3,
                                  "2 - High"});
        tables.Switches.append({"Display " + QString::number(i % 50), "Switch " + n,
                                "seta sw_" + n + " \"*x\"", "Turns switch " + n + " on", "1"});
    }
}

// The game set file of the same entries, without values.
QByteArray gameSetFile(const GameSetTables& tables) {
    textfile::LineWriter out;
    const auto fields = [&out](const char* kind, const auto& entry) {
        out.writeLine(QString::fromLatin1(kind));
        out.writeLine(entry.Section);
        out.writeLine(entry.Name);
        out.writeLine(entry.Command);
        out.writeLine(entry.Comment);
    };
    for (int i = 0; i < tables.Bindings.Count(); ++i) {
        fields("BINDING", tables.Bindings[i]);
    }
    for (int i = 0; i < tables.Switches.Count(); ++i) {
        fields("SWITCH", tables.Switches[i]);
    }
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        fields("SELECTIONS", tables.Selections[i]);
        for (int j = 0; j < tables.Selections[i].OptionCount; ++j) {
            out.writeLine(u"SELECT");
            out.writeLine(tables.Selections[i].Options[static_cast<std::size_t>(j)]);
        }
        out.writeLine(u"END");
    }
    return out.bytes();
}

double timeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void report(const char* what, std::vector<double> runs) {
    std::printf("%s: median %.1f ms over %zu runs (min %.1f)\n", what, bench::median(runs),
                runs.size(), *std::min_element(runs.begin(), runs.end()));
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir folder;

    // Writing: 10,000 entries with values, comments wanted.
    GameSetTables big;
    fillTables(big, 3334);
    const ConfigScriptContents contents{{"big.set"}, "echo hello\r\nname Visor", true};
    std::vector<double> writeRuns;
    std::vector<double> saveRuns;
    QByteArray script;
    for (int run = 0; run < 9; ++run) {
        writeRuns.push_back(timeMs([&] { script = writeConfigScript(contents, big); }));
        saveRuns.push_back(timeMs([&] {
            textfile::writeWholeFile(folder.filePath("big.cfg"), writeConfigScript(contents, big));
        }));
    }
    std::printf("script for %d entries: %lld bytes\n",
                big.Bindings.Count() + big.Selections.Count() + big.Switches.Count(),
                static_cast<long long>(script.size()));
    report("write the script in memory", writeRuns);
    report("write and save it through a temporary file", saveRuns);

    // Opening: 3,000 entries in one game set; a script giving each a value, with comments, and
    // free lines up to 10,000 lines.
    GameSetTables loaded;
    fillTables(loaded, 1000);
    programfolder::setOverride(folder.path());
    QDir(folder.path()).mkpath(QStringLiteral("config"));
    textfile::writeWholeFile(programfolder::gameSetPath("three-thousand.set"), gameSetFile(loaded));
    QString otherCommands;
    const int entryLines = 2 * 3000;  // a comment and a command per entry
    const int headerLines = 3;        // marker, load line, empty line
    for (int i = 0; i < 10000 - entryLines - headerLines; ++i) {
        otherCommands += QStringLiteral("echo free line %1\r\n").arg(i);
    }
    otherCommands.chop(2);
    const QByteArray toOpen =
        writeConfigScript({{"three-thousand.set"}, otherCommands, true}, loaded);
    const QString scriptPath = folder.filePath("open-me.cfg");
    textfile::writeWholeFile(scriptPath, toOpen);
    int lineCount = 0;
    for (textfile::LineReader lines(toOpen); !lines.atEnd(); lines.readLine()) {
        ++lineCount;
    }
    std::printf("script to open: %d lines, %lld bytes\n", lineCount,
                static_cast<long long>(toOpen.size()));

    std::vector<double> readerRuns;
    for (int run = 0; run < 5; ++run) {
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;
        QString other;
        ConfigScriptReaderActions actions;
        actions.loadGameSet = [&](const QString& name) {
            loadGameSet(programfolder::gameSetPath(name), tables, tree);
            return true;
        };
        actions.appendOtherCommand = [&other](const QString& line) {
            other += line + QStringLiteral("\r\n");
        };
        actions.lineRead = [] {};
        readerRuns.push_back(timeMs([&] {
            textfile::LineReader lines(textfile::readWholeFile(scriptPath).bytes);
            readConfigScript(lines, tables, actions);
        }));
    }
    report("open it: read, load the set, fit every line (no windows)", readerRuns);

    std::vector<double> windowRuns;
    for (int run = 0; run < 5; ++run) {
        windowRuns.push_back(timeMs([&] { editExistingConfigFile(scriptPath); }));
    }
    report("open it in the windows: editor, other commands, window events every 30 ms", windowRuns);
    std::printf("peak resident memory %.1f MiB\n", bench::procStatusMiB("VmHWM:"));

    discardAllWindows();
    return 0;
}
