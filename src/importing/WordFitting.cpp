#include "importing/WordFitting.h"

#include <algorithm>

#include "console/GameReading.h"
#include "files/TextFile.h"
#include "model/GameSetTables.h"
#include "model/ValueStore.h"
#include "output/ConfigWriter.h"

namespace scriptloom::importing {

namespace {

constexpr std::size_t kEntriesBetweenYields = 1024;

// The game ignores the case of ASCII letters only.
char lowered(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameLetters(QByteArrayView a, QByteArrayView b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowered(x) == lowered(y); });
}

// The fixed words of a template or command with the value word left out, in lower case, with
// their number and the value word's place: what two must share for one to fit the other.
QByteArray fixedWordsKey(const Words& words, int valueWord) {
    QByteArray key = QByteArray::number(words.size()) + ':' + QByteArray::number(valueWord);
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i != valueWord) {
            // Words never hold a NUL byte: it ends the game's reading.
            key += '\0';
            for (const char c : words[i]) {
                key += lowered(c);
            }
        }
    }
    return key;
}

// Where the value goes in a template's words: the first word holding "*x" in any case, and the
// bytes of that word before and after it.
struct ValuePlace {
    int word = -1;
    qsizetype before = 0;
    qsizetype after = 0;
};

ValuePlace valuePlace(const Words& words) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArrayView word = words[i];
        for (qsizetype at = 0; at + 1 < word.size(); ++at) {
            if (word[at] == '*' && lowered(word[at + 1]) == 'x') {
                return {static_cast<int>(i), at, word.size() - at - 2};
            }
        }
    }
    return {};
}

// The commands holding words that a text runs, each as its words, under one way of cutting.
struct RunCommands {
    QByteArrayList commands;
    QList<Words> words;
};

RunCommands runCommands(QByteArrayView text, console::Cutting cutting) {
    RunCommands run;
    for (QByteArray& command : console::cutCommands(text, cutting)) {
        if (console::holdsWord(command)) {
            run.commands << std::move(command);
        }
    }
    for (const QByteArray& command : std::as_const(run.commands)) {
        run.words << console::splitWords(command);
    }
    return run;
}

// Whether two bound texts run the same commands when the key is pressed, under both engines.
bool runTheSame(QByteArrayView a, QByteArrayView b) {
    for (const console::Cutting cutting : console::kBothCuttings) {
        const RunCommands runA = runCommands(a, cutting);
        const RunCommands runB = runCommands(b, cutting);
        if (runA.words.size() != runB.words.size()) {
            return false;
        }
        for (qsizetype i = 0; i < runA.words.size(); ++i) {
            if (!doTheSame(runA.words[i], runB.words[i])) {
                return false;
            }
        }
    }
    return true;
}

// Whether the line is one command from its first byte to its last under both engines' cutting,
// so that writing it on a line of its own runs exactly that command.
bool isOneWholeCommand(QByteArrayView line) {
    for (const console::Cutting cutting : console::kBothCuttings) {
        console::CommandCutter cutter(line, cutting);
        QByteArrayView command;
        if (!cutter.next(command) || command.data() != line.data() ||
            command.size() != line.size()) {
            return false;
        }
    }
    return true;
}

// Whether the program's line for a Command with this written value does what the command did.
bool writesTheSame(const QString& command, const QString& written, const Words& original) {
    const QByteArray line = textfile::encode(replacePlaceholder(command, written));
    return isOneWholeCommand(line) && doTheSame(console::splitWords(line), original);
}

}  // namespace

TemplateWords templateWords(QStringView command) {
    TemplateWords fitting;
    const QByteArray bytes = textfile::encode(command);
    const Words words = console::splitWords(bytes);
    for (const QByteArrayView word : words) {
        fitting.lowered << word.toByteArray().toLower();
    }
    const ValuePlace place = valuePlace(words);
    // A value in the command's own name would make any command fit.
    fitting.valueWord = place.word == 0 ? -1 : place.word;
    fitting.before = place.before;
    fitting.after = place.after;
    fitting.binds = !words.isEmpty() && console::isBindCommand(words[0]);
    return fitting;
}

std::optional<QByteArray> fittingValue(const Words& command, const TemplateWords& fitting) {
    if (fitting.valueWord < 0 || command.size() != fitting.lowered.size()) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < command.size(); ++i) {
        if (i != fitting.valueWord && !sameLetters(command[i], fitting.lowered[i])) {
            return std::nullopt;
        }
    }
    const QByteArrayView word = command[fitting.valueWord];
    const QByteArrayView pattern = fitting.lowered[fitting.valueWord];
    if (word.size() < fitting.before + fitting.after ||
        !sameLetters(word.first(fitting.before), pattern.first(fitting.before)) ||
        !sameLetters(word.last(fitting.after), pattern.last(fitting.after))) {
        return std::nullopt;
    }
    return word.sliced(fitting.before, word.size() - fitting.before - fitting.after).toByteArray();
}

bool doTheSame(const Words& a, const Words& b) {
    if (a.isEmpty() || b.isEmpty()) {
        return a.isEmpty() && b.isEmpty();
    }
    if (!sameLetters(a[0], b[0]) || targetOf(a) != targetOf(b)) {
        return false;
    }
    if (console::storedTextStart(a[0]) == 2) {
        // With no word after the name the command only shows what is stored.
        if ((a.size() > 2) != (b.size() > 2)) {
            return false;
        }
        const QByteArray storedA = console::joinWords(a, 2);
        const QByteArray storedB = console::joinWords(b, 2);
        return console::isBindCommand(a[0]) ? runTheSame(storedA, storedB) : storedA == storedB;
    }
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = argumentsStart(a); i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

std::optional<QString> valueTaken(const GameSetTables& tables, EntryKind kind, int index,
                                  QByteArrayView value, const Words& command) {
    const QString text = textfile::decode(value);
    if (text.isEmpty() || (kind == EntryKind::Switch && text != u"0" && text != u"1")) {
        return std::nullopt;
    }
    QString stored = text;
    if (kind == EntryKind::Selection) {
        const SelectionEntry& entry = tables.Selections[index];
        for (std::int16_t j = 0; j < entry.OptionCount && j < kMaxOptions; ++j) {
            const QString& option = entry.Options[static_cast<std::size_t>(j)];
            if (selectionValue(option) == text) {
                stored = option;
                break;
            }
        }
    }
    const QString written =
        kind == EntryKind::Selection ? selectionValue(stored).toString() : stored;
    // The value goes to every entry of the kind and Name, so each of their lines must hold.
    const bool allHold = withValueField(tables, kind, [&](const auto& table, auto) {
        const QList<std::int16_t> named = table.indicesNamed(table[index].Name);
        return std::all_of(named.begin(), named.end(), [&](std::int16_t i) {
            return writesTheSame(table[i].Command, written, command);
        });
    });
    return allHold ? std::optional<QString>(stored) : std::nullopt;
}

FittingIndex::FittingIndex(const GameSetTables& tables, const Yield& yield) : tables_(tables) {
    std::size_t added = 0;
    const auto addAll = [&](EntryKind kind, const auto& table) {
        for (int i = 0; i < table.Count(); ++i) {
            add(kind, i, table[i].Command);
            if (yield && ++added % kEntriesBetweenYields == 0) {
                yield();
            }
        }
    };
    addAll(EntryKind::Binding, tables.Bindings);
    addAll(EntryKind::Switch, tables.Switches);
    addAll(EntryKind::Selection, tables.Selections);
}

void FittingIndex::add(EntryKind kind, int index, const QString& command) {
    const QByteArray bytes = textfile::encode(command);
    const Words words = console::splitWords(bytes);
    const ValuePlace place = valuePlace(words);
    if (place.word <= 0) {
        return;
    }
    byFixedWords_[fixedWordsKey(words, place.word)].append(static_cast<int>(items_.size()));
    QList<int>& places = valuePlaces_[words.size()];
    if (!places.contains(place.word)) {
        places.append(place.word);
    }
    items_.push_back({kind, index});
}

QList<FittingIndex::Fit> FittingIndex::fits(const Words& command) const {
    const auto places = valuePlaces_.constFind(command.size());
    if (places == valuePlaces_.cend()) {
        return {};
    }
    QList<int> candidates;
    for (const int place : *places) {
        candidates += byFixedWords_.value(fixedWordsKey(command, place));
    }
    std::sort(candidates.begin(), candidates.end());
    QList<Fit> found;
    for (const int candidate : candidates) {
        const Item& item = items_[static_cast<std::size_t>(candidate)];
        const TemplateWords fitting = templateWords(
            withValueField(tables_, item.kind, [&item](const auto& table, auto) -> const QString& {
                return table[item.index].Command;
            }));
        if (std::optional<QByteArray> value = fittingValue(command, fitting)) {
            found.append({item.kind, item.index, std::move(*value), fitting.binds});
        }
    }
    return found;
}

}  // namespace scriptloom::importing
