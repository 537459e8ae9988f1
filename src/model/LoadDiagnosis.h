#pragma once

#include <QByteArrayView>
#include <QString>

namespace scriptloom {

// Why a game set file gave no entries, told from its bytes, for the status line; fileName names the
// file in the text. The likeliest reason is named: no bytes at all, text stored as UTF-16, lines
// that end in LF only (the file would hold keyword lines if a lone LF ended a line), or a UTF-8
// byte-order mark in front of the first keyword. A file that starts with that mark is named even
// when other entries loaded, because the mark hides its first entry. Empty when entries loaded and
// the file has no mark.
QString gameSetLoadNotice(QByteArrayView bytes, const QString& fileName, int entriesLoaded);

// Whether a file's lines end in LF only: it holds a line feed and no carriage return. The program
// reads such a file as one line.
bool linesEndInLfOnly(QByteArrayView bytes);

// What the status line says about an opened config script that is not text (it holds a NUL or
// another control byte than a tab, a line or page break), or else whose lines end in LF only;
// empty for any other script.
QString configScriptNotice(QByteArrayView bytes, const QString& fileName);

// The number (from 1) of the first line, ended by CR LF or a lone CR as the program reads lines,
// that is longer than `limit` bytes; 0 when there is none.
int firstLineLongerThan(QByteArrayView bytes, qsizetype limit);

}  // namespace scriptloom
