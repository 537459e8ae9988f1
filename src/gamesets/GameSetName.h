#pragma once

#include <QString>

namespace scriptloom {

// Whether a name typed for saving a game set may be used as a file name in the config directory:
// an empty text when it may, otherwise the plain reason it may not. A usable name names a file
// right inside that directory (no folder separators, no drive, not "." or ".."), and one that
// Windows can hold too, so that a set written on any system can be copied to any other: no
// control characters, only characters a config script can name the set
// with (Windows-1252), none of : * ? " < > |, no trailing dot or blank, and no device name such as
// CON, NUL, COM1 or LPT1, with or without an extension, in any letter case.
QString gameSetNameProblem(const QString& name);

}  // namespace scriptloom
