#pragma once

#include <QLatin1StringView>
#include <QString>
#include <cstdint>

namespace scriptloom {

// The main menu's items, in the order the menu acts on them: a new config, an existing config,
// and the end of the program.
inline constexpr QLatin1StringView kMenuItemTexts[] = {
    QLatin1StringView("Create New Config File"),
    QLatin1StringView("Edit Existing Config File"),
    QLatin1StringView("Exit"),
};

// The letter that, with Alt, acts on each item at once: C, E and X, as "Edit" and "Exit" share E.
inline constexpr char kMenuItemKeys[] = {'C', 'E', 'X'};

// Shown on the menu's surface until its first frame is drawn.
inline constexpr QLatin1StringView kMenuStartingText("Initializing Menu...");

// The question "Edit Existing Config File" asks.
inline constexpr QLatin1StringView kOpenPrompt(
    "Please enter the full path of the file you wish to open");
inline constexpr QLatin1StringView kOpenTitle("Open...");
inline constexpr QLatin1StringView kOpenDefaultPath("d:\\q3test\\baseq3\\ac.cfg");

// The menu's title line: the program's name and its version, with the minor version and the
// revision side by side, so version 1.0.0 reads "v1.00".
inline QString versionedTitle(std::int16_t major, std::int16_t minor, std::int16_t revision) {
    return QStringLiteral("Vantrel Scriptloom v%1.%2%3").arg(major).arg(minor).arg(revision);
}

}  // namespace scriptloom
