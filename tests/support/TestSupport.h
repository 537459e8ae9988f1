#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace scriptloom::test {

// The lines joined as a file writes them: each ended with CR LF, in Windows-1252.
QByteArray crlfLines(const QStringList& lines);

// Writes bytes to a file, creating its folder; fails the calling test on error.
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace scriptloom::test
