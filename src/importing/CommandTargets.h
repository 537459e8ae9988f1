#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSet>
#include <cstdint>

namespace scriptloom::importing {

// The words of one command, as the game splits it.
using Words = QList<QByteArrayView>;

// What running a command changes, as far as moving it later in a script is concerned. A command
// that names a cvar or a key changes that one; "unbindall" changes every key; a command that runs
// other commands, reads every cvar or ends the script's run may change anything.
struct Target {
    enum class Kind : std::uint8_t { Nothing, Cvar, Key, AllKeys, Everything };
    Kind kind = Kind::Nothing;
    QByteArray name;  // the cvar or key, in lower case: the game ignores its letter case

    bool operator==(const Target&) const = default;
};

// set/seta/sets/setu/reset/toggle/unset NAME change cvar NAME; bind/unbind KEY change key KEY;
// unbindall changes every key; exec, vstr, quit, writeconfig, map and the *_restart commands may
// change anything; any other command NAME is a cvar's name followed by its value.
Target targetOf(const Words& words);
// Where the rest of a command starts after its name and the cvar or key it names: 2 when the
// second word is such a name, else 1.
qsizetype argumentsStart(const Words& words);

// The targets changed by the commands after some point of a script, gathered as the script is
// walked backwards.
class ChangedLater {
public:
    void add(const Target& target);
    // Whether a command changing `target`, moved after all of them, could end differently.
    bool overlaps(const Target& target) const;

private:
    bool everything_ = false;
    bool allKeys_ = false;
    QSet<QByteArray> cvars_;
    QSet<QByteArray> keys_;
};

}  // namespace scriptloom::importing
