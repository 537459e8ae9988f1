#include "model/KeyNames.h"

#include <QHash>
#include <QSet>
#include <Qt>
#include <array>
#include <utility>

namespace scriptloom {

namespace {

using Outcome = PressedKey::Outcome;

PressedKey named(const char* name) {
    return {Outcome::Named, QString::fromLatin1(name)};
}

// Keys whose game name does not depend on the keypad.
const QHash<int, const char*>& mainKeyNames() {
    static const QHash<int, const char*> names = {
        {Qt::Key_Space, "SPACE"},         {Qt::Key_Tab, "TAB"},
        {Qt::Key_Backtab, "TAB"},         {Qt::Key_Return, "ENTER"},
        {Qt::Key_Backspace, "BACKSPACE"}, {Qt::Key_Up, "UPARROW"},
        {Qt::Key_Down, "DOWNARROW"},      {Qt::Key_Left, "LEFTARROW"},
        {Qt::Key_Right, "RIGHTARROW"},    {Qt::Key_Alt, "ALT"},
        {Qt::Key_AltGr, "ALT"},           {Qt::Key_Control, "CTRL"},
        {Qt::Key_Shift, "SHIFT"},         {Qt::Key_CapsLock, "CAPSLOCK"},
        {Qt::Key_Insert, "INS"},          {Qt::Key_Delete, "DEL"},
        {Qt::Key_PageDown, "PGDN"},       {Qt::Key_PageUp, "PGUP"},
        {Qt::Key_Home, "HOME"},           {Qt::Key_End, "END"},
        {Qt::Key_Pause, "PAUSE"},         {Qt::Key_Semicolon, "SEMICOLON"},
        {Qt::Key_NumLock, "KP_NUMLOCK"},  {Qt::Key_Enter, "KP_ENTER"},
    };
    return names;
}

// The keypad's keys, as Qt reports them with the keypad flag: with Num Lock on the digits and
// signs, with it off the moving keys. Either way the game names the key, not what it types.
const QHash<int, const char*>& keypadKeyNames() {
    static const QHash<int, const char*> names = {
        {Qt::Key_7, "KP_HOME"},
        {Qt::Key_Home, "KP_HOME"},
        {Qt::Key_8, "KP_UPARROW"},
        {Qt::Key_Up, "KP_UPARROW"},
        {Qt::Key_9, "KP_PGUP"},
        {Qt::Key_PageUp, "KP_PGUP"},
        {Qt::Key_4, "KP_LEFTARROW"},
        {Qt::Key_Left, "KP_LEFTARROW"},
        {Qt::Key_5, "KP_5"},
        {Qt::Key_Clear, "KP_5"},
        {Qt::Key_6, "KP_RIGHTARROW"},
        {Qt::Key_Right, "KP_RIGHTARROW"},
        {Qt::Key_1, "KP_END"},
        {Qt::Key_End, "KP_END"},
        {Qt::Key_2, "KP_DOWNARROW"},
        {Qt::Key_Down, "KP_DOWNARROW"},
        {Qt::Key_3, "KP_PGDN"},
        {Qt::Key_PageDown, "KP_PGDN"},
        {Qt::Key_0, "KP_INS"},
        {Qt::Key_Insert, "KP_INS"},
        {Qt::Key_Period, "KP_DEL"},
        {Qt::Key_Comma, "KP_DEL"},
        {Qt::Key_Delete, "KP_DEL"},
        {Qt::Key_Enter, "KP_ENTER"},
        {Qt::Key_Return, "KP_ENTER"},
        {Qt::Key_Slash, "KP_SLASH"},
        {Qt::Key_Minus, "KP_MINUS"},
        {Qt::Key_Plus, "KP_PLUS"},
        {Qt::Key_Asterisk, "KP_STAR"},
        {Qt::Key_Equal, "KP_EQUALS"},
        {Qt::Key_NumLock, "KP_NUMLOCK"},
    };
    return names;
}

// Every name the game reads after "bind" besides single characters, folded to upper case.
const QSet<QString>& namedKeys() {
    static const QSet<QString> names = [] {
        QSet<QString> all;
        for (const char* name :
             {"TAB",          "ENTER",     "ESCAPE",       "SPACE",    "BACKSPACE",     "UPARROW",
              "DOWNARROW",    "LEFTARROW", "RIGHTARROW",   "ALT",      "CTRL",          "SHIFT",
              "CAPSLOCK",     "INS",       "DEL",          "PGDN",     "PGUP",          "HOME",
              "END",          "PAUSE",     "SEMICOLON",    "MWHEELUP", "MWHEELDOWN",    "KP_HOME",
              "KP_UPARROW",   "KP_PGUP",   "KP_LEFTARROW", "KP_5",     "KP_RIGHTARROW", "KP_END",
              "KP_DOWNARROW", "KP_PGDN",   "KP_ENTER",     "KP_INS",   "KP_DEL",        "KP_SLASH",
              "KP_MINUS",     "KP_PLUS",   "KP_NUMLOCK",   "KP_STAR",  "KP_EQUALS"}) {
            all.insert(QString::fromLatin1(name));
        }
        const std::array<std::pair<const char*, int>, 4> numbered = {
            {{"F", 15}, {"MOUSE", 5}, {"JOY", 32}, {"AUX", 16}}};
        for (const auto& [prefix, last] : numbered) {
            for (int n = 1; n <= last; ++n) {
                all.insert(QString::fromLatin1(prefix) + QString::number(n));
            }
        }
        return all;
    }();
    return names;
}

// A single character binds as itself when it is printable ASCII and no quote or command
// separator, which the script's own syntax takes.
bool bindsAsItself(char16_t c) {
    return c > u' ' && c < 0x7f && c != u'"' && c != u';';
}

}  // namespace

PressedKey pressedKeyName(int qtKey, bool keypad) {
    if (qtKey == Qt::Key_Escape) {
        return {Outcome::Cancelled, {}};
    }
    if (qtKey == Qt::Key_QuoteDbl) {
        return {Outcome::Unbindable, {}};
    }
    if (keypad) {
        if (const auto found = keypadKeyNames().constFind(qtKey);
            found != keypadKeyNames().cend()) {
            return named(*found);
        }
    }
    if (const auto found = mainKeyNames().constFind(qtKey); found != mainKeyNames().cend()) {
        return named(*found);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F15) {
        return {Outcome::Named, QStringLiteral("F%1").arg(qtKey - Qt::Key_F1 + 1)};
    }
    // Qt codes printable ASCII keys by their character, letters in upper case.
    if (qtKey > 0 && qtKey < 0x7f && bindsAsItself(static_cast<char16_t>(qtKey))) {
        return {Outcome::Named, QString(QChar(static_cast<char16_t>(qtKey))).toLower()};
    }
    return {Outcome::Unnamed, {}};
}

bool isModifierKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
            return true;
        default:
            return false;
    }
}

QString mouseButtonName(int qtButton) {
    switch (qtButton) {
        case Qt::LeftButton:
            return QStringLiteral("MOUSE1");
        case Qt::RightButton:
            return QStringLiteral("MOUSE2");
        case Qt::MiddleButton:
            return QStringLiteral("MOUSE3");
        case Qt::BackButton:
            return QStringLiteral("MOUSE4");
        case Qt::ForwardButton:
            return QStringLiteral("MOUSE5");
        default:
            return {};
    }
}

QString wheelStepName(int verticalDelta) {
    if (verticalDelta > 0) {
        return QStringLiteral("MWHEELUP");
    }
    if (verticalDelta < 0) {
        return QStringLiteral("MWHEELDOWN");
    }
    return {};
}

bool isGameKeyName(QStringView name) {
    if (name.size() == 1) {
        return bindsAsItself(name.front().unicode());
    }
    return namedKeys().contains(name.toString().toUpper());
}

bool commandBindsKey(QStringView command) {
    qsizetype start = 0;
    while (start < command.size() && (command[start] == u' ' || command[start] == u'\t')) {
        ++start;
    }
    return command.mid(start).startsWith(u"bind ", Qt::CaseInsensitive);
}

}  // namespace scriptloom
