#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace scriptloom {

struct GameSetTables;

// How many commands the game's console runs from one line of a script. The console ends a command
// at a ";" outside double quotes and at a line end; quotes open and close in turn. Pieces that are
// empty or only blanks run nothing and are not counted.
int consoleCommandCount(QStringView line);

// Whether a value put into a command template makes its written line hold more commands than the
// template does on its own (normally one): the value ends the command early, and the game reads
// the rest of the line as another command. Judged on the whole line, so the template's own quotes
// count.
bool valueEndsCommandEarly(QStringView command, QStringView value);

// The names of the entries whose written line would run extra commands, in the order the script
// writes them (Bindings, then Selections; a Switch writes "0" or "1" and never breaks out), each
// name once.
QStringList entriesRunningExtraCommands(const GameSetTables& tables);

// The save dialog's note on those entries, such as "2 values run extra commands: A, B"; empty when
// there are none. Long lists end in "…" after the first few names.
QString extraCommandsNotice(const QStringList& names);

}  // namespace scriptloom
