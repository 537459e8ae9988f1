#pragma once

#include <QString>
#include <QStringView>

namespace scriptloom {

// The game's names for keys, mouse buttons and wheel steps, as a "bind" line writes them, and
// how the keys of the keyboard Qt reports map onto them.

// What pressing a key gives when the user binds by pressing.
struct PressedKey {
    enum class Outcome {
        Named,       // `name` is the game's name for the key
        Cancelled,   // Escape: the user gave up
        Unbindable,  // a key the game cannot bind: `"`
        Unnamed,     // a key the game has no name for
    };
    Outcome outcome = Outcome::Unnamed;
    QString name;
};

// The game's name for a Qt key code. `keypad` tells a key of the numeric keypad
// (Qt::KeypadModifier) from the main key of the same code.
PressedKey pressedKeyName(int qtKey, bool keypad);

// Whether a Qt key code is a modifier (Shift, Ctrl, Alt, AltGr, the system key). A modifier is
// bound only when it is released with no other key pressed meanwhile, so that Shift and ' give
// the double quote, not SHIFT.
bool isModifierKey(int qtKey);

// The game's name for a Qt mouse button (Qt::MouseButton), or "" for a button it has no name for.
QString mouseButtonName(int qtButton);

// The game's name for a wheel step: up for a positive vertical turn, down for a negative one, ""
// for none.
QString wheelStepName(int verticalDelta);

// Whether the game binds a key by this name, in any letter case.
bool isGameKeyName(QStringView name);

// Whether an entry's command binds a key: it begins with "bind " after any leading blanks, in any
// letter case. Such an entry's value is a key name.
bool commandBindsKey(QStringView command);

}  // namespace scriptloom
