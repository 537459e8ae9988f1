#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "importing/OtherCommands.h"
#include "model/Entries.h"

namespace scriptloom {
struct GameSetTables;
}

namespace scriptloom::importing {

// A game set of the folder that is not in use, as its file holds it.
struct CandidateSet {
    QString fileName;
    QByteArray bytes;

    bool operator==(const CandidateSet&) const = default;
};

// One value an entry takes from a command of the other-commands text.
struct TakenValue {
    EntryKind kind;
    QString name;
    QByteArray value;  // as the command held it
    int command;       // its place in OtherCommands::commands()
};

// What bringing the other commands in would do.
struct BringInPlan {
    QStringList sets;  // the game sets to load, in list order
    QList<TakenValue> values;
    int commands = 0;  // how many commands they take
};

// The sets to load, by their place in the list: one at a time, the set that takes the most
// commands not taken yet (the first in list order among equals), until no set adds one. Returned
// in list order.
QList<int> chooseSets(const QList<QSet<int>>& takes);

// Which of the candidate sets would take commands of the other-commands text, and which values
// their entries would take. A command is taken only when it may move (OtherCommands::Command),
// fits an entry's Command word for word and the entry's line does the same as the command. Within
// a set an entry takes one command: a key binding the first key it is bound to, anything else the
// last command that fits, so a cvar set twice takes its last value. `loaded` are the entries of
// the sets in use, whose values are written after the text.
BringInPlan planBringingIn(const QString& otherCommands, const GameSetTables& loaded,
                           const QList<CandidateSet>& candidates, const Yield& yield = {});

struct BroughtIn {
    int commands = 0;
    QString otherCommands;  // what stays
    int linesLeft = 0;
};

// Gives the planned values to the entries once their sets are loaded into the tables, each to
// every entry of its kind and Name, and takes the commands out of the other-commands text. A
// value whose entries would now write anything else than its command (an entry of the same Name
// loaded before, with another Command) is not given, and its command stays.
BroughtIn bringIn(const BringInPlan& plan, GameSetTables& tables, const QString& otherCommands);

// Whether the script is exactly what the program writes for the state it was read into, with or
// without comments: a script the program wrote, opened unchanged.
bool isUnchangedProgramScript(const QByteArray& script, const QStringList& setsInUse,
                              const QString& otherCommands, const GameSetTables& tables);

}  // namespace scriptloom::importing
