// Reads arbitrary bytes as a script under both ways of cutting, and compares the commands that run
// and their words with a plain model of the engine's own loop written out below: a buffer that
// holds the script and the line end the engine adds, from which each command is copied and then
// split as a C string. Also judges the input as a template and a value, which must not crash, and
// whose short answer must agree with the full one.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "console/GameReading.h"
#include "console/WrittenValueWarning.h"

using namespace scriptloom;
using namespace scriptloom::console;

namespace {

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

using Command = std::vector<std::string>;

// The engine's char is signed: the bytes from 0x80 up compare below ' '.
int byteAt(const char* text) {
    return static_cast<signed char>(*text);
}

Command modelWords(const char* text) {
    Command words;
    while (words.size() < 1024) {
        for (;;) {
            while (*text && byteAt(text) <= ' ') {
                ++text;
            }
            if (!*text || (text[0] == '/' && text[1] == '/')) {
                return words;
            }
            if (text[0] != '/' || text[1] != '*') {
                break;
            }
            while (*text && (text[0] != '*' || text[1] != '/')) {
                ++text;
            }
            if (!*text) {
                return words;
            }
            text += 2;
        }
        std::string word;
        if (*text == '"') {
            for (++text; *text && *text != '"'; ++text) {
                word += *text;
            }
            words.push_back(word);
            if (!*text) {
                return words;
            }
            ++text;
            continue;
        }
        for (; byteAt(text) > ' ' && *text != '"'; ++text) {
            if (text[0] == '/' && (text[1] == '/' || text[1] == '*')) {
                break;
            }
            word += *text;
        }
        words.push_back(word);
        if (!*text) {
            return words;
        }
    }
    return words;
}

std::vector<Command> modelCommands(const std::string& script, bool followsComments) {
    std::string buffer = script.substr(0, script.find('\0')) + '\n';
    std::vector<Command> commands;
    bool inSlash = false;
    bool inStar = false;
    while (!buffer.empty()) {
        int quotes = 0;
        std::size_t i = 0;
        for (; i < buffer.size(); ++i) {
            if (buffer[i] == '"') {
                ++quotes;
            }
            if (!(quotes & 1)) {
                if (followsComments && i + 1 < buffer.size()) {
                    if (!inStar && buffer[i] == '/' && buffer[i + 1] == '/') {
                        inSlash = true;
                    } else if (!inSlash && buffer[i] == '/' && buffer[i + 1] == '*') {
                        inStar = true;
                    } else if (inStar && buffer[i] == '*' && buffer[i + 1] == '/') {
                        inStar = false;
                        ++i;
                        break;
                    }
                }
                if (!inSlash && !inStar && buffer[i] == ';') {
                    break;
                }
            }
            if (!inStar && (buffer[i] == '\n' || buffer[i] == '\r')) {
                inSlash = false;
                break;
            }
        }
        i = std::min<std::size_t>(i, 1023);
        const std::string line = buffer.substr(0, i);
        buffer.erase(0, i == buffer.size() ? i : i + 1);
        Command words = modelWords(line.c_str());
        if (!words.empty()) {
            commands.push_back(words);
        }
    }
    return commands;
}

std::vector<Command> moduleCommands(QByteArrayView script, Cutting cutting) {
    std::vector<Command> commands;
    for (const QByteArray& command : cutCommands(script, cutting)) {
        Command words;
        for (const QByteArrayView word : splitWords(command)) {
            words.emplace_back(word.data(), word.size());
        }
        if (!words.empty()) {
            commands.push_back(words);
        }
    }
    return commands;
}

}  // namespace

// The whole input is the script. Its first line is also a command template and the rest, read as
// UTF-8, the value typed into it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    const QByteArrayView bytes(script.data(), static_cast<qsizetype>(script.size()));
    for (const Cutting cutting : kBothCuttings) {
        const std::vector<Command> read = moduleCommands(bytes, cutting);
        check(read == modelCommands(script, cutting == Cutting::IoQuake3),
              "the commands and words differ from the engine's loop");
        check(runCommandCount(bytes, cutting) == static_cast<int>(read.size()),
              "the count of commands that run differs");
    }

    const qsizetype lineEnd = bytes.indexOf('\n');
    const QString command = QString::fromLatin1(bytes.first(lineEnd < 0 ? 0 : lineEnd));
    const QString value = QString::fromUtf8(lineEnd < 0 ? bytes : bytes.sliced(lineEnd + 1));
    const WrittenValue judged = judgeWrittenValue(command, value);
    check(judged.warns() == writtenValueWarns(command, value), "the short judgement differs");
    check(judged.warns() == !writtenValueWarning(judged).isEmpty(), "a warning without words");
    return 0;
}
