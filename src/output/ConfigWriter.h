#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace scriptloom {

struct GameSetTables;

// The first line of every config script the program writes. Opening a script again recognises the
// game sets by the "//LOAD " lines that follow it.
inline constexpr QLatin1StringView kConfigMarkerLine(
    "// Do not remove the following lines if you want to edit this file in Scriptloom again");
inline constexpr QLatin1StringView kLoadLinePrefix("//LOAD ");

// Everything besides the entries that goes into a config script.
struct ConfigScriptContents {
    QStringList loadedGameSets;  // file names of the game sets in use, in list order
    QString otherCommands;       // the free lines, separated by CR LF, written unchanged
    bool comments = false;       // each command line preceded by "// " and the entry's comment
};

// The bytes of a config script: the marker line, one "//LOAD " line per game set, an empty line,
// the other commands and a line end (unless they end in one already), then the command line of
// every Binding, Selection and Switch that has a value, in that order and in table order within
// each kind. Lines end in CR LF; text is in Windows-1252.
QByteArray writeConfigScript(const ConfigScriptContents& contents, const GameSetTables& tables);

// The command with every "*x" (in either letter case) replaced by the value. The value is not
// scanned again, so a value that itself holds "*x" is written as it is.
QString replacePlaceholder(QStringView command, QStringView value);

// The value a Selection's choice writes: up to and including its first "-", so that options such
// as "2 - High" write "2 -"; the whole choice when it has no "-".
QStringView selectionValue(QStringView choice);

// Whether the text holds a control character, a line break among them.
bool holdsControlCharacter(QStringView text);

// Whether a "//LOAD " line can name this game set file so that opening the script loads it again:
// every character has a Windows-1252 byte (any other is written as "?") and none is a control
// character (a line break would split the line).
bool scriptCanNameGameSet(QStringView fileName);

// Where a script of that name in that folder is saved: the folder and the name, joined as they
// are, or the name alone when it is a full path; the name is used as typed, with no extension
// added.
QString configScriptPath(const QString& folder, const QString& fileName);

}  // namespace scriptloom
