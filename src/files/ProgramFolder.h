#pragma once

#include <QString>

namespace scriptloom::programfolder {

// The folder the program runs from, without a trailing separator. It is the executable's folder
// unless a test has pointed it elsewhere.
QString path();
// Points the program folder at another place (tests); an empty path restores the default.
void setOverride(const QString& folder);

// The folder of the game sets: "config" in the program folder.
QString configDirectory();
// Full path of the game set file with the given name in the config directory. The name is used as
// the list shows it, with nothing checked or added.
QString gameSetPath(const QString& fileName);

}  // namespace scriptloom::programfolder
