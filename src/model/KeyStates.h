#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace scriptloom {

struct GameSetTables;

// What a key of the keys picture stands for now.
enum class KeyState : std::uint8_t {
    Free,
    Bound,           // a key Binding is bound to it
    BoundByCommand,  // only a `bind` line of the other commands binds it
    Clash,           // key Bindings of more than one Name are bound to it
    NoName,          // the game has no name for it, so nothing can bind it
};

struct KeyShown {
    KeyState state = KeyState::Free;
    // What the key shows under its caption: the Names bound to it, or the text a free line binds.
    QString label;
    // The key's game name, then what binds it.
    QString tip;
};

// What every key of keyboardLayout() shows, in the layout's order, for the tables' key Bindings
// and the other commands' text. Clashes are the tree's: currentKeyClashes() tells them.
std::vector<KeyShown> keysShown(const GameSetTables& tables, const QString& otherCommands);

// The Names of the key Bindings bound to a key, in table order, each once.
QStringList namesBoundTo(const GameSetTables& tables, const QString& key);

}  // namespace scriptloom
