#include "importing/CommandTargets.h"

#include "console/GameReading.h"

namespace scriptloom::importing {

namespace {

bool isOneOf(const QByteArray& name, std::initializer_list<const char*> names) {
    for (const char* candidate : names) {
        if (name == candidate) {
            return true;
        }
    }
    return false;
}

const std::initializer_list<const char*> kCvarCommands = {"set",   "seta",   "sets", "setu",
                                                          "reset", "toggle", "unset"};

}  // namespace

Target targetOf(const Words& words) {
    if (words.isEmpty()) {
        return {};
    }
    const QByteArray command = words[0].toByteArray().toLower();
    const QByteArray named = words.size() > 1 ? words[1].toByteArray().toLower() : QByteArray();
    if (isOneOf(command, kCvarCommands)) {
        return named.isEmpty() ? Target{} : Target{Target::Kind::Cvar, named};
    }
    if (console::isBindCommand(words[0]) || command == "unbind") {
        return named.isEmpty() ? Target{} : Target{Target::Kind::Key, named};
    }
    if (command == "unbindall") {
        return {Target::Kind::AllKeys, {}};
    }
    // These run other commands, read the cvars as they stand, or stop the script: whatever was
    // set before them must stay before them.
    if (isOneOf(command,
                {"exec", "execq", "vstr", "+vstr", "-vstr", "cvar_restart", "quit", "writeconfig",
                 "map", "devmap", "spmap", "spdevmap", "map_restart", "connect", "reconnect",
                 "disconnect", "killserver", "demo", "cinematic"}) ||
        command.endsWith("_restart")) {
        return {Target::Kind::Everything, {}};
    }
    return {Target::Kind::Cvar, command};
}

qsizetype argumentsStart(const Words& words) {
    if (words.isEmpty()) {
        return 0;
    }
    const QByteArray command = words[0].toByteArray().toLower();
    return isOneOf(command, kCvarCommands) || console::isBindCommand(words[0]) ||
                   command == "unbind"
               ? 2
               : 1;
}

void ChangedLater::add(const Target& target) {
    switch (target.kind) {
        case Target::Kind::Nothing:
            return;
        case Target::Kind::Cvar:
            cvars_.insert(target.name);
            return;
        case Target::Kind::Key:
            keys_.insert(target.name);
            return;
        case Target::Kind::AllKeys:
            allKeys_ = true;
            return;
        case Target::Kind::Everything:
            everything_ = true;
            return;
    }
}

bool ChangedLater::overlaps(const Target& target) const {
    switch (target.kind) {
        case Target::Kind::Nothing:
            return everything_;
        case Target::Kind::Cvar:
            return everything_ || cvars_.contains(target.name);
        case Target::Kind::Key:
            return everything_ || allKeys_ || keys_.contains(target.name);
        case Target::Kind::AllKeys:
        case Target::Kind::Everything:
            break;
    }
    return true;
}

}  // namespace scriptloom::importing
