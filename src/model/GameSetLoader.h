#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace scriptloom {

struct GameSetTables;
class NodeTree;

// What loading one game set file found wrong; empty when the file loaded whole.
struct GameSetLoadReport {
    bool opened = false;
    // One sentence per problem, each naming the file.
    QStringList problems;
    // When the file gave no entries and nothing above explains it, or starts with a UTF-8
    // byte-order mark: the likeliest reason, naming the file. The file was read as usual.
    QString notice;
};

// Reads the game set file at path, appends its entries to the tables in file order and places
// each entry in the tree as soon as its lines are read.
//
// The file is a sequence of blocks, each opened by a line that is exactly "SELECTIONS", "SWITCH"
// or "BINDING" and followed by the Section, Name, Command and Comment lines; a Selection block
// then holds "SELECT" and option line pairs up to a line "END". Any other line outside a block is
// passed over.
//
// A file that cannot be read, or that is larger than textfile::kLargestTextFile, changes nothing. A
// block cut off by the end of the file is dropped when its four field lines are incomplete, and
// kept with the options read so far when only its "END" is missing. Options past the 21st are not
// stored, and entries that would pass a table's largest count are not loaded. Every such case is
// reported; the tables and the tree always stay in step, one node per entry.
GameSetLoadReport loadGameSet(const QString& path, GameSetTables& tables, NodeTree& tree);

// The same over the bytes of a file already read; fileName names it in the problems.
// `entryLoaded`, when given, is called after each entry, so that a long load can let the windows
// have their turn.
QStringList loadGameSetBytes(QByteArray bytes, const QString& fileName, GameSetTables& tables,
                             NodeTree& tree, const std::function<void()>& entryLoaded = {});

}  // namespace scriptloom
