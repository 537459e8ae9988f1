#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace scriptloom {

// The three kinds of entry, in the order a line of a script is matched against them.
enum class EntryKind : std::uint8_t { Binding, Switch, Selection };

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

// Whether a text is one of a Selection's options, exactly as listed.
inline bool isListedOption(const SelectionEntry& entry, const QString& text) {
    for (std::int16_t j = 0; j < entry.OptionCount && j < kMaxOptions; ++j) {
        if (entry.Options[static_cast<std::size_t>(j)] == text) {
            return true;
        }
    }
    return false;
}

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
