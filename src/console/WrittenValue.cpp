#include "console/WrittenValue.h"

#include <QVarLengthArray>
#include <algorithm>

#include "console/GameReading.h"
#include "console/WrittenLine.h"
#include "files/TextFile.h"

namespace scriptloom::console {

namespace {

using Words = QVarLengthArray<QByteArrayView, 16>;

QByteArrayView view(const Bytes& bytes) {
    return {bytes.data(), bytes.size()};
}

// The template is read on its own with this value: one plain byte, which can neither end a
// command, nor start a comment or a quote, nor split a word.
constexpr char16_t kStandIn[] = u"0";

void collectWords(QByteArrayView command, Words& words) {
    words.clear();
    WordSplitter splitter(command);
    for (QByteArrayView word; splitter.next(word);) {
        words.append(word);
    }
}

// A command's reading in the form the comparison needs: the words before the stored text, each
// ended by a NUL (no word can hold one); then, only when the command stores anything, a 1 byte
// and the stored text, its words joined by one blank.
struct Reading {
    Bytes bytes;
    // Where the stored text starts in `bytes`; -1 when nothing is stored.
    qsizetype storedFrom = -1;
    // The copies of the value put into the stored text, and where they start and end.
    int valuesInStored = 0;
    qsizetype firstValueAt = -1;
    qsizetype lastValueEnd = -1;

    QByteArrayView stored() const {
        return storedFrom < 0 ? QByteArrayView() : view(bytes).sliced(storedFrom);
    }
};

// Where the stand-in value sits in a command of the template's line: the command as cut, and the
// offsets of the stand-ins in the line, whose command starts at `begin`.
struct StandIns {
    QByteArrayView command;
    qsizetype begin = 0;
    const Offsets* offsets = nullptr;

    // The stand-ins inside a word of the command, as offsets into the word, in order.
    Offsets inWord(QByteArrayView word) const {
        Offsets found;
        const qsizetype wordAt = begin + (word.data() - command.data());
        for (const qsizetype at : *offsets) {
            if (at >= wordAt && at < wordAt + word.size()) {
                found.append(at - wordAt);
            }
        }
        return found;
    }
};

// With `standIns` given, each stand-in byte is replaced by the value, which gives what was meant.
void readWords(const Words& words, qsizetype storedStart, Reading& out,
               const StandIns* standIns = nullptr, QByteArrayView value = {}) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i == storedStart) {
            out.bytes.append('\1');
            out.storedFrom = out.bytes.size();
        } else if (i > storedStart) {
            out.bytes.append(' ');
        }
        const QByteArrayView word = words[i];
        qsizetype copied = 0;
        for (const qsizetype at : standIns ? standIns->inWord(word) : Offsets()) {
            out.bytes.append(word.data() + copied, at - copied);
            if (i >= storedStart) {
                ++out.valuesInStored;
                out.firstValueAt = out.firstValueAt < 0 ? out.bytes.size() : out.firstValueAt;
            }
            out.bytes.append(value.data(), value.size());
            out.lastValueEnd = out.bytes.size();
            copied = at + 1;
        }
        out.bytes.append(word.data() + copied, word.size() - copied);
        if (i < storedStart) {
            out.bytes.append('\0');
        }
    }
}

// The first word that holds a copy of the value, or -1.
qsizetype wordHoldingValue(const Words& words, const StandIns& standIns) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (!standIns.inWord(words[i]).isEmpty()) {
            return i;
        }
    }
    return -1;
}

// The commands a bound text runs when its key is pressed: the console reads it as a line of its
// own.
int commandsOnKeyPress(QByteArrayView boundText, Cutting cutting) {
    Bytes line;
    line.append(boundText.data(), boundText.size());
    line.append('\n');
    return runCommandCount(view(line), cutting);
}

// What the game stores in place of the value: the part of the stored text where the value
// should be, when the template's own text around it is still there; otherwise all of it.
QByteArray readInstead(const Words& words, qsizetype valueWord, qsizetype storedStart,
                       const Reading& read, const Reading& meant) {
    if (valueWord < storedStart) {
        return valueWord < words.size() ? words[valueWord].toByteArray() : QByteArray();
    }
    const QByteArrayView stored = read.stored();
    if (meant.valuesInStored != 1) {
        return stored.toByteArray();
    }
    const QByteArrayView before =
        view(meant.bytes).sliced(meant.storedFrom, meant.firstValueAt - meant.storedFrom);
    const QByteArrayView after = view(meant.bytes).sliced(meant.lastValueEnd);
    if (stored.size() < before.size() + after.size() || !stored.startsWith(before) ||
        !stored.endsWith(after)) {
        return stored.toByteArray();
    }
    return stored.sliced(before.size(), stored.size() - before.size() - after.size()).toByteArray();
}

// What one way of cutting makes of the written line, next to the template's own line.
struct CuttingReading {
    bool endsEarly = false;
    bool readOtherwise = false;
    bool keyRunsMore = false;
    QByteArray readAs;  // what is read instead, when asked for
};

CuttingReading readUnder(Cutting cutting, const WrittenLine& standIn, const WrittenLine& written,
                         qsizetype valueSize, bool withTexts) {
    CuttingReading result;
    const QByteArrayView standInLine = view(standIn.bytes);
    const QByteArrayView writtenLine = view(written.bytes);
    const qsizetype firstValue = standIn.valueStarts.value(0, -1);

    // The template's own reading: the commands it runs, and the one that holds the value.
    int templateRuns = 0;
    qsizetype begin = -1;
    QByteArrayView templateCommand;
    CommandCutter templateCutter(standInLine, cutting);
    for (QByteArrayView command;;) {
        const qsizetype at = templateCutter.position();
        if (!templateCutter.next(command)) {
            break;
        }
        templateRuns += holdsWord(command) ? 1 : 0;
        if (begin < 0 && firstValue >= at && firstValue <= at + command.size()) {
            begin = at;
            templateCommand = command;
        }
    }
    if (begin < 0) {
        return result;  // the value stands past a NUL byte, where the game reads nothing
    }
    // Where that command should end in the written line: each copy of the value before its end
    // moves the end by the value's length less the stand-in's.
    const qsizetype templateEnd = begin + templateCommand.size();
    qsizetype expectedEnd = templateEnd;
    for (const qsizetype at : standIn.valueStarts) {
        expectedEnd += at < templateEnd ? valueSize - 1 : 0;
    }

    // The written line: the value's command starts where the template's does, since the text
    // before the value is the same. A command that starts inside it was cut off from it.
    int writtenRuns = 0;
    bool found = false;
    QByteArrayView valueCommand;
    CommandCutter writtenCutter(writtenLine, cutting);
    for (QByteArrayView command;;) {
        const qsizetype at = writtenCutter.position();
        if (!writtenCutter.next(command)) {
            break;
        }
        const bool runs = holdsWord(command);
        writtenRuns += runs ? 1 : 0;
        if (at == begin) {
            found = true;
            valueCommand = command;
        } else if (runs && at > begin && at <= expectedEnd) {
            result.endsEarly = true;
        }
    }
    result.endsEarly = result.endsEarly || !found || writtenRuns > templateRuns;
    // A command that runs on past its end takes in what follows it, up to the next lines.
    result.readOtherwise = found && begin + valueCommand.size() > expectedEnd;

    Words templateWords;
    collectWords(templateCommand, templateWords);
    const StandIns standIns{templateCommand, begin, &standIn.valueStarts};
    const qsizetype valueWord = wordHoldingValue(templateWords, standIns);
    if (valueWord < 0) {
        return result;  // the template puts its value where the game never reads it
    }
    const qsizetype storedStart = storedTextStart(templateWords[0]);
    const QByteArrayView value = writtenLine.sliced(written.valueStarts[0], valueSize);
    Reading meant;
    readWords(templateWords, storedStart, meant, &standIns, value);
    Words writtenWords;
    collectWords(valueCommand, writtenWords);
    Reading read;
    readWords(writtenWords, storedStart, read);
    result.readOtherwise = result.readOtherwise || view(read.bytes) != view(meant.bytes);
    if (result.readOtherwise && withTexts) {
        result.readAs = readInstead(writtenWords, valueWord, storedStart, read, meant);
    }

    // A bound text is read again as a line of its own each time its key is pressed.
    if (valueWord >= storedStart && isBindCommand(templateWords[0])) {
        Reading own;
        readWords(templateWords, storedStart, own);
        for (const Cutting keyCutting : kBothCuttings) {
            result.keyRunsMore =
                result.keyRunsMore || commandsOnKeyPress(read.stored(), keyCutting) >
                                          commandsOnKeyPress(own.stored(), keyCutting);
        }
    }
    return result;
}

bool isUnwritable(QChar c) {
    return c != u'?' && scriptByte(c) == '?';
}

WrittenValue judge(QStringView command, QStringView value, bool withTexts) {
    WrittenValue judged;
    if (value.isEmpty()) {
        return judged;
    }
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (!isUnwritable(value[i])) {
            continue;
        }
        // A character beyond 16 bits is one character, though written as two "?".
        const qsizetype size =
            value[i].isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        const QString character = value.sliced(i, size).toString();
        if (!judged.unwritable.contains(character)) {
            judged.unwritable << character;
        }
        if (!withTexts) {
            return judged;
        }
        i += size - 1;
    }

    WrittenLine standIn;
    WrittenLine written;
    writeLine(command, kStandIn, standIn);
    writeLine(command, value, written);
    if (written.valueStarts.isEmpty()) {
        return judged;  // a template without "*x" is written as it is
    }
    // The two ways of cutting differ only at comments; a line without "//" or "/*" is read alike.
    const QByteArrayView writtenBytes = view(written.bytes);
    const bool cuttingsAgree = !writtenBytes.contains("//") && !writtenBytes.contains("/*");
    for (const Cutting cutting : kBothCuttings) {
        if (cutting == Cutting::Original && cuttingsAgree) {
            break;
        }
        const CuttingReading reading =
            readUnder(cutting, standIn, written, value.size(), withTexts);
        judged.endsEarly = judged.endsEarly || reading.endsEarly;
        judged.keyRunsMore = judged.keyRunsMore || reading.keyRunsMore;
        if (reading.readOtherwise && !judged.readOtherwise) {
            judged.readOtherwise = true;
            judged.readAs = textfile::decode(reading.readAs);
        }
    }
    return judged;
}

// A value of printable ASCII that holds no blank, quote, ";", "/" or "*", in a line too short to
// be cut, cannot change how its line is cut or split: the game reads the line as it reads the
// template with any other such value, so the value reaches the game as typed. Most values are
// like this (numbers, key names), and the save dialog counts thousands of them.
bool isPlainWord(QStringView command, QStringView value) {
    // At most one "*x" in every two characters of the template.
    if (command.size() + command.size() / 2 * value.size() + 2 > kLongestCommand) {
        return false;
    }
    return std::all_of(value.begin(), value.end(), [](QChar c) {
        return c.unicode() > u' ' && c.unicode() < 0x7F && c != u'"' && c != u';' && c != u'/' &&
               c != u'*';
    });
}

}  // namespace

WrittenValue judgeWrittenValue(QStringView command, QStringView value) {
    return judge(command, value, true);
}

bool writtenValueWarns(QStringView command, QStringView value) {
    return !isPlainWord(command, value) && judge(command, value, false).warns();
}

}  // namespace scriptloom::console
