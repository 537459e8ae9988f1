#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace scriptloom {

// A Selection offers at most this many options.
inline constexpr std::int16_t kMaxOptions = 21;

// A command whose value is picked from a list. Choice is empty while nothing is chosen.
struct SelectionEntry {
    QString Section;
    QString Name;
    QString Command;
    QString Comment;
    std::array<QString, kMaxOptions> Options;
    std::int16_t OptionCount = 0;
    QString Choice;
};

// An on/off command. State is "" (not set), "0" (off) or "1" (on).
struct SwitchEntry {
    QString Section;
    QString Name;
    QString Command;
    QString Comment;
    QString State;
};

// A command bound or set to a key or value the user types. Value is empty while not set.
struct BindingEntry {
    QString Section;
    QString Name;
    QString Command;
    QString Comment;
    QString Value;
};

}  // namespace scriptloom
