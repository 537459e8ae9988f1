#pragma once

#include <QString>

namespace scriptloom::gamefolder {

// Where the game keeps its own config scripts on this platform: "baseq3" in the game's folder of
// the user (~/.q3a on Linux, %APPDATA%\Quake3 on Windows, Application Support/Quake3 on macOS).
// The folder need not exist.
QString path();

}  // namespace scriptloom::gamefolder
