#include "importing/OtherCommands.h"

#include <QHash>
#include <algorithm>

#include "console/GameReading.h"
#include "files/TextFile.h"

namespace scriptloom::importing {

namespace {

constexpr int kCommandsBetweenYields = 512;

// A command as one engine cuts it: where it is and what it changes.
struct CutCommand {
    qsizetype start;
    Target target;
    int listed;  // its place in OtherCommands::commands(), or -1
};

bool holdsLineEndOrStarComment(QByteArrayView command) {
    return command.contains('\r') || command.contains('\n') || command.contains("/*");
}

// A piece of a line that stays: blanks around it go, unless a quote left open keeps the trailing
// ones inside a word.
QStringView trimmedPiece(QStringView piece) {
    while (!piece.isEmpty() && piece.front().unicode() <= u' ') {
        piece = piece.sliced(1);
    }
    if (piece.count(u'"') % 2 == 0) {
        while (!piece.isEmpty() && piece.back().unicode() <= u' ') {
            piece.chop(1);
        }
    }
    return piece;
}

}  // namespace

OtherCommands::OtherCommands(const QString& text, const QList<Target>& changedAfter,
                             const Yield& yield)
    : text_(text), bytes_(textfile::encode(text)) {
    const auto yieldNow = [&yield](int counted) {
        if (yield && counted % kCommandsBetweenYields == 0) {
            yield();
        }
    };
    QList<CutCommand> cut;
    // The original engine's commands, by start: only a command it cuts from the same bytes may
    // move.
    QHash<qsizetype, qsizetype> originalLengths;
    for (const console::Cutting cutting : console::kBothCuttings) {
        console::CommandCutter cutter(bytes_, cutting);
        const bool ioquake3 = cutting == console::Cutting::IoQuake3;
        int counted = 0;
        for (QByteArrayView command;;) {
            const qsizetype start = cutter.position();
            if (!cutter.next(command)) {
                break;
            }
            yieldNow(++counted);
            // The last command inside an unclosed "/*" is a copy with the engine's line end.
            const bool inText = command.data() == bytes_.constData() + start;
            Words words;
            console::WordSplitter splitter(command);
            for (QByteArrayView word; splitter.next(word);) {
                words << word;
            }
            if (!ioquake3) {
                originalLengths.insert(start, inText ? command.size() : -1);
                cut.append({start, targetOf(words), -1});
                continue;
            }
            int listed = -1;
            if (inText && !words.isEmpty()) {
                const qsizetype remark = splitter.remarkStart();
                listed = static_cast<int>(commands_.size());
                commands_.append({start, command.size(), remark < 0 ? -1 : start + remark, words});
            }
            cut.append({start, targetOf(words), listed});
        }
    }

    // Walks the commands of both cuttings from the end, so that each one is judged against
    // everything that runs after it.
    std::stable_sort(cut.begin(), cut.end(),
                     [](const CutCommand& a, const CutCommand& b) { return a.start > b.start; });
    ChangedLater later;
    for (const Target& target : changedAfter) {
        later.add(target);
    }
    for (qsizetype group = 0; group < cut.size();) {
        qsizetype end = group;
        while (end < cut.size() && cut[end].start == cut[group].start) {
            ++end;
        }
        for (qsizetype i = group; i < end; ++i) {
            if (cut[i].listed < 0) {
                continue;
            }
            Command& command = commands_[cut[i].listed];
            const Target& target = cut[i].target;
            command.movable =
                originalLengths.value(command.start, -2) == command.length &&
                command.length < console::kLongestCommand &&
                !holdsLineEndOrStarComment(
                    QByteArrayView(bytes_).sliced(command.start, command.length)) &&
                (target.kind == Target::Kind::Cvar || target.kind == Target::Kind::Key) &&
                !later.overlaps(target);
        }
        for (qsizetype i = group; i < end; ++i) {
            later.add(cut[i].target);
        }
        group = end;
    }
}

OtherCommands::Remaining OtherCommands::without(const QSet<int>& taken) const {
    QList<int> order(taken.cbegin(), taken.cend());
    std::sort(order.begin(), order.end());
    QStringList lines;
    qsizetype next = 0;
    for (qsizetype lineStart = 0; lineStart < text_.size();) {
        qsizetype lineEnd = text_.indexOf(QLatin1String("\r\n"), lineStart);
        const bool ended = lineEnd >= 0;
        lineEnd = ended ? lineEnd : text_.size();
        qsizetype from = lineStart;
        bool touched = false;
        for (; next < order.size() && commands_[order[next]].start < lineEnd; ++next) {
            const Command& command = commands_[order[next]];
            touched = true;
            // The ";" that ended the command before it goes with it.
            qsizetype gapEnd = command.start;
            if (gapEnd > from && text_[gapEnd - 1] == u';') {
                --gapEnd;
            }
            addPieces(lines, from, gapEnd);
            if (command.remark >= 0) {
                addPieces(lines, command.remark, command.start + command.length);
            }
            // So does the byte that ended it.
            from = std::min(command.start + command.length + 1, lineEnd);
        }
        if (touched) {
            addPieces(lines, from, lineEnd);
        } else {
            lines << text_.sliced(lineStart, lineEnd - lineStart);
        }
        lineStart = ended ? lineEnd + 2 : lineEnd;
    }
    Remaining remaining;
    remaining.text = lines.join(QLatin1String("\r\n"));
    if (!lines.isEmpty() && text_.endsWith(QLatin1String("\r\n"))) {
        remaining.text += QLatin1String("\r\n");
    }
    remaining.lines = static_cast<int>(std::count_if(
        lines.cbegin(), lines.cend(), [](const QString& line) { return !line.isEmpty(); }));
    return remaining;
}

// Adds the stretch of the text as lines, cut at every lone line end inside it, each trimmed; what
// is left empty goes.
void OtherCommands::addPieces(QStringList& lines, qsizetype from, qsizetype to) const {
    if (to <= from) {
        return;
    }
    const QStringView stretch = QStringView(text_).sliced(from, to - from);
    qsizetype pieceStart = 0;
    for (qsizetype i = 0; i <= stretch.size(); ++i) {
        if (i == stretch.size() || stretch[i] == u'\r' || stretch[i] == u'\n') {
            const QStringView piece = trimmedPiece(stretch.sliced(pieceStart, i - pieceStart));
            if (!piece.isEmpty()) {
                lines << piece.toString();
            }
            pieceStart = i + 1;
        }
    }
}

}  // namespace scriptloom::importing
