#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace scriptloom::test {

// The game's own engine: Debian's ioquake3-server (/usr/lib/ioquake3/ioq3ded), or the binary
// SCRIPTLOOM_ENGINE names.
QString engineBinary();

// Runs the engine as a dedicated server without network or game data: its game folder
// is `home`/check, which gets a default.cfg, and `commands` are console commands given on its
// command line, such as {"+exec", "run.cfg"}. Gives the engine's output, or false and the reason
// when it is missing or does not finish within 30 s.
bool runEngine(const QString& home, const QStringList& commands, QByteArray& output,
               QString& problem);

// Every cvar a "cvarlist" printed after the line `marker`, by its name in lower case (the game
// finds cvars in any letter case).
QHash<QByteArray, QByteArray> listedCvars(const QByteArray& output, const QByteArray& marker);

}  // namespace scriptloom::test
