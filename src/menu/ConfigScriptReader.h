#pragma once

#include <QString>
#include <functional>

namespace scriptloom {

struct GameSetTables;

namespace textfile {
class LineReader;
}

// What reading a config script does outside the tables.
struct ConfigScriptReaderActions {
    // A "//LOAD" line: load and mark as in use every game set of exactly this file name. False
    // when the game set folder has no such set: the line is then kept among the other commands.
    std::function<bool(const QString& fileName)> loadGameSet;
    // A comment line, or a command line that fits no entry: it goes back to the other commands.
    std::function<void(const QString& line)> appendOtherCommand;
    // Called after each line is read, before it is acted on, so the windows stay responsive.
    std::function<void()> lineRead;
};

// Turns a config script back into what the editor works on, line by line in file order:
// - a line starting with "//LOAD" (in that case) names a game set, from its eighth character on;
//   a set the folder lacks keeps its line among the other commands;
// - an empty line is passed over;
// - the marker line the writer puts first is dropped, as the next save writes it afresh;
// - any other line starting with "//" is kept among the other commands, unless it is the comment
//   line the writer puts before an entry's command: "// " and the Comment of the entry that the
//   very next line gives its value to. That line is dropped, as a save with comments writes it
//   afresh, so opening and saving a script does not pile up copies of it;
// - any other line gives its value to the first entry whose Command template it fits (Bindings,
//   then Switches, then Selections, lowest index first), or is kept among the other commands.
// The tables are read as they stand when each line is reached, so a command line before the load
// line of its game set finds no entry.
void readConfigScript(textfile::LineReader& lines, GameSetTables& tables,
                      const ConfigScriptReaderActions& actions);

}  // namespace scriptloom
