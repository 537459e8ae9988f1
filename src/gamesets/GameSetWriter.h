#pragma once

#include <QByteArray>
#include <QString>

#include "files/TextFile.h"

namespace scriptloom {

struct GameSetTables;

// Every loaded entry as one game set file: all Selections, then all Bindings, then all Switches,
// each kind in table order. A block is its keyword, the Section, Name, Command and Comment lines,
// for a Selection one "SELECT" line and its option per option and an "END" line, then one empty
// line. Texts are written exactly as stored; values are not written, a game set holds none. Lines
// end in CR LF, in Windows-1252. Empty tables give an empty file.
QByteArray writeGameSet(const GameSetTables& tables);

// Saves a game set over whatever the path holds, keeping what was there as "<path>.bak" (one
// generation; that name is no "*.set", so no list offers it). Both are written safely: on any
// failure the file at `path` is left exactly as it was, and the reason is given.
textfile::WriteResult saveGameSetFile(const QString& path, const QByteArray& bytes);

}  // namespace scriptloom
