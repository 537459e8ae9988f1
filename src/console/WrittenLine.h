#pragma once

#include <QChar>
#include <QStringView>
#include <QVarLengthArray>

namespace scriptloom::console {

// Small fixed buffers: a value is judged on every keystroke and for every entry when the save
// dialog comes up, so the judgement allocates nothing for lines of ordinary length.
using Bytes = QVarLengthArray<char, 256>;
using Offsets = QVarLengthArray<qsizetype, 4>;

// A line as the script holds it: the template with every "*x" replaced by the value, in
// Windows-1252, and the line end after it; `valueStarts` says where each copy of the value starts.
struct WrittenLine {
    Bytes bytes;
    Offsets valueStarts;
};

// The byte the script holds for a character: itself below 0x80, else its Windows-1252 byte, or
// "?" where Windows-1252 has none.
char scriptByte(QChar c);

// Writes the line for this value into `line`, which starts empty.
void writeLine(QStringView command, QStringView value, WrittenLine& line);

}  // namespace scriptloom::console
