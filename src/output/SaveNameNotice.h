#pragma once

#include <QString>

namespace scriptloom {

// The line under the save dialog's name box: what saving under that name will do, or an empty
// text when there is nothing to say. When several apply, the most harmful is told: the game's own
// q3config.cfg, then replacing a file, then a name the game's exec cannot find.
QString saveNameNotice(const QString& fileName, bool fileExists);

}  // namespace scriptloom
