#include "console/WrittenLine.h"

#include "files/TextFile.h"
#include "model/Placeholder.h"

namespace scriptloom::console {

char scriptByte(QChar c) {
    const char16_t unit = c.unicode();
    return unit < 0x80 ? static_cast<char>(unit) : textfile::encodeChar(unit);
}

void writeLine(QStringView command, QStringView value, WrittenLine& line) {
    Offsets placeholders;
    for (qsizetype at = 0; (at = findPlaceholder(command, at)) >= 0; at += 2) {
        placeholders.append(at);
    }
    const qsizetype growth = value.size() - 2;
    line.bytes.resize(command.size() + placeholders.size() * growth + 2);
    char* out = line.bytes.data();
    const auto put = [&out](QStringView text) {
        for (const QChar c : text) {
            *out++ = scriptByte(c);
        }
    };
    qsizetype at = 0;
    for (const qsizetype found : placeholders) {
        put(command.sliced(at, found - at));
        line.valueStarts.append(out - line.bytes.data());
        put(value);
        at = found + 2;
    }
    put(command.sliced(at));
    *out++ = '\r';
    *out = '\n';
}

}  // namespace scriptloom::console
