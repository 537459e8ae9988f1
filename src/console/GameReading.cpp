#include "console/GameReading.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace scriptloom::console {

namespace {

// The console takes no more words from one command.
constexpr int kMostWords = 1024;

// The engine compares signed chars with ' ', so the bytes from 0x80 up are blanks too.
bool isBlank(char c) {
    return static_cast<signed char>(c) <= ' ';
}

// The bytes that can end a command or start or close a quote or comment; the rest are passed over.
constexpr auto kEndsOrMarks = [] {
    std::array<bool, 256> marks{};
    for (const unsigned char c : {'"', ';', '/', '*', '\n', '\r'}) {
        marks[c] = true;
    }
    return marks;
}();

char lowered(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(QByteArrayView a, const char* b) {
    const auto length = static_cast<qsizetype>(std::strlen(b));
    if (a.size() != length) {
        return false;
    }
    for (qsizetype i = 0; i < length; ++i) {
        if (lowered(a[i]) != b[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

CommandCutter::CommandCutter(QByteArrayView script, Cutting cutting) : cutting_(cutting) {
    // The engine reads the file as a C string.
    const qsizetype nul = script.indexOf('\0');
    script_ = nul < 0 ? script : script.first(nul);
}

// The console's command buffer: it looks for the end of the next command, keeps at most 1023 bytes
// of it and drops the byte that ended it (the ";", the line end, the "/" of "*/", or the byte after
// the 1023 kept ones).
bool CommandCutter::next(QByteArrayView& command) {
    const qsizetype left = script_.size() - position_;
    if (left <= 0) {
        return false;
    }
    const char* text = script_.data() + position_;
    const bool followsComments = cutting_ == Cutting::IoQuake3;
    int quotes = 0;
    qsizetype end = 0;
    for (; end < left; ++end) {
        const char c = text[end];
        if (!kEndsOrMarks[static_cast<unsigned char>(c)]) {
            continue;
        }
        if (c == '"') {
            ++quotes;
        }
        if ((quotes & 1) == 0) {
            if (followsComments && end + 1 < left) {
                const char after = text[end + 1];
                if (!inStarComment_ && c == '/' && after == '/') {
                    inSlashComment_ = true;
                } else if (!inSlashComment_ && c == '/' && after == '*') {
                    inStarComment_ = true;
                } else if (inStarComment_ && c == '*' && after == '/') {
                    inStarComment_ = false;
                    ++end;
                    break;
                }
            }
            if (!inSlashComment_ && !inStarComment_ && c == ';') {
                break;
            }
        }
        if (!inStarComment_ && (c == '\n' || c == '\r')) {
            inSlashComment_ = false;
            break;
        }
    }
    const qsizetype length = std::min(end, kLongestCommand);
    command = QByteArrayView(text, length);
    position_ += length == left ? length : length + 1;
    // The engine puts a line end after every script it runs. It ends a "//" comment; inside a
    // "/*" comment it becomes part of the last command, where an open quote keeps it in a word.
    if (end == left && !inStarComment_) {
        inSlashComment_ = false;
    } else if (end == left && length < kLongestCommand) {
        lastCommand_ = command.toByteArray() + '\n';
        command = lastCommand_;
    }
    return true;
}

// The console's tokenizer; the end of the command and a NUL byte both end it.
bool WordSplitter::next(QByteArrayView& word) {
    if (done_ || count_ == kMostWords) {
        return false;
    }
    const auto at = [this](qsizetype i) { return i < command_.size() ? command_[i] : '\0'; };
    qsizetype i = position_;
    for (;;) {
        while (at(i) != '\0' && isBlank(at(i))) {
            ++i;
        }
        if (at(i) == '\0' || (at(i) == '/' && at(i + 1) == '/')) {
            remark_ = at(i) == '\0' ? -1 : i;
            done_ = true;
            return false;
        }
        if (at(i) != '/' || at(i + 1) != '*') {
            break;
        }
        while (at(i) != '\0' && (at(i) != '*' || at(i + 1) != '/')) {
            ++i;
        }
        if (at(i) == '\0') {
            done_ = true;
            return false;
        }
        i += 2;
    }
    ++count_;
    if (at(i) == '"') {
        const qsizetype start = ++i;
        while (at(i) != '\0' && at(i) != '"') {
            ++i;
        }
        word = command_.sliced(start, i - start);
        done_ = at(i) == '\0';
        position_ = done_ ? i : i + 1;
        return true;
    }
    const qsizetype start = i;
    while (!isBlank(at(i)) && at(i) != '"' &&
           !(at(i) == '/' && (at(i + 1) == '/' || at(i + 1) == '*'))) {
        ++i;
    }
    word = command_.sliced(start, i - start);
    done_ = at(i) == '\0';
    position_ = i;
    return true;
}

QByteArrayList cutCommands(QByteArrayView script, Cutting cutting) {
    QByteArrayList commands;
    CommandCutter cutter(script, cutting);
    for (QByteArrayView command; cutter.next(command);) {
        commands << command.toByteArray();
    }
    return commands;
}

QList<QByteArrayView> splitWords(QByteArrayView command) {
    QList<QByteArrayView> words;
    WordSplitter splitter(command);
    for (QByteArrayView word; splitter.next(word);) {
        words << word;
    }
    return words;
}

bool holdsWord(QByteArrayView command) {
    QByteArrayView word;
    return WordSplitter(command).next(word);
}

int runCommandCount(QByteArrayView script, Cutting cutting) {
    int count = 0;
    CommandCutter cutter(script, cutting);
    for (QByteArrayView command; cutter.next(command);) {
        count += holdsWord(command) ? 1 : 0;
    }
    return count;
}

qsizetype storedTextStart(QByteArrayView commandName) {
    for (const char* name : {"set", "seta", "sets", "setu", "bind"}) {
        if (sameIgnoringCase(commandName, name)) {
            return 2;
        }
    }
    return 1;
}

bool isBindCommand(QByteArrayView commandName) {
    return sameIgnoringCase(commandName, "bind");
}

QByteArray joinWords(const QList<QByteArrayView>& words, qsizetype from) {
    QByteArray joined;
    const qsizetype first = std::max<qsizetype>(from, 0);
    for (qsizetype i = first; i < words.size(); ++i) {
        if (i > first) {
            joined += ' ';
        }
        joined += words[i];
    }
    return joined;
}

}  // namespace scriptloom::console
