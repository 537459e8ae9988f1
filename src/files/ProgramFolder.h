#pragma once

#include <QString>
#include <QStringList>

namespace scriptloom::programfolder {

// The folder the program runs from, without a trailing separator. It is the executable's folder
// unless a test has pointed it elsewhere.
QString path();
// Points the program folder at another place, and the player's data folder too when one is given
// (tests); empty paths restore the defaults.
void setOverride(const QString& folder, const QString& playerFolder = {});

// The folder of the game sets, decided here and nowhere else. A program run from its own folder
// (the build folder, an unpacked archive) keeps them in "config" beside the executable. An
// installed program has no such folder, but ships its sets in ../share/vantrel-scriptloom/config
// from the executable's folder, which is read-only; its game sets are then the player's own, in
// "config" of the player's data folder (~/.local/share/vantrel-scriptloom on Linux).
QString configDirectory();
// The folder of the ready-made config scripts a player can start from, beside the game sets and
// decided by the same rule.
QString startingPointsDirectory();
// Full path of the game set file with the given name in the config directory. The name is used as
// the list shows it, with nothing checked or added.
QString gameSetPath(const QString& fileName);

// Run once at every start: for an installed program, copies into the player's folders each shipped
// file the player has not been given yet (see copyShippedFilesOnce); a program run from its own
// folder has nothing to copy. Returns what went wrong, one message per file.
QStringList fillPlayerFolders();

}  // namespace scriptloom::programfolder
