#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace scriptloom {
class NodeTree;
struct GameSetTables;
}  // namespace scriptloom

namespace scriptloom::test {

// The tree as "number:text/image", children in brackets, e.g. "1:A/1(2:a/3) 3:B/1(4:b/3)".
QString treeShape(const NodeTree& tree, int parent = 0);

// Every entry that has a value, as "Name=value": Bindings, then Switches, then Selections.
QStringList entryValues(const GameSetTables& tables);

// Every entry as "Section|Name|Command|Comment", a Selection's options after it ("|a;b"), and with
// values its value field last ("|value"): Selections, then Bindings, then Switches.
QStringList entryTexts(const GameSetTables& tables, bool withValues = true);

// A game set block as its file holds it, followed by an empty line. The comment defaults to
// "Comment of NAME"; a Selection ("SELECTIONS") gets the options.
QStringList gameSetBlock(const QString& keyword, const QString& name, const QString& command,
                         const QString& comment = {}, const QStringList& options = {"90"});

// The lines joined as a file writes them: each ended with CR LF, in Windows-1252.
QByteArray crlfLines(const QStringList& lines);

// Writes bytes to a file, creating its folder; fails the calling test on error.
bool writeFile(const QString& path, const QByteArray& bytes);
// The bytes of a file, or "(missing)" when it cannot be read.
QByteArray readFile(const QString& path);

}  // namespace scriptloom::test
