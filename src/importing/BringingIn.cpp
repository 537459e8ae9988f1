#include "importing/BringingIn.h"

#include <QHash>
#include <utility>

#include "console/GameReading.h"
#include "files/TextFile.h"
#include "importing/WordFitting.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "model/ValueStore.h"
#include "output/ConfigWriter.h"

namespace scriptloom::importing {

namespace {

constexpr int kCommandsBetweenYields = 256;
constexpr int kEntriesBetweenYields = 512;

// An entry's kind and Name: entries that share them share their value.
using EntryKey = std::pair<int, QString>;

EntryKey keyOf(EntryKind kind, const QString& name) {
    return {static_cast<int>(kind), name};
}

// What the lines of the entries that have values change; they are written after the text.
QList<Target> targetsOfValues(const GameSetTables& tables) {
    QList<Target> targets;
    const auto add = [&targets](const QString& command, QStringView written) {
        const QByteArray line = textfile::encode(replacePlaceholder(command, written));
        for (const console::Cutting cutting : console::kBothCuttings) {
            for (const QByteArray& part : console::cutCommands(line, cutting)) {
                targets << targetOf(console::splitWords(part));
            }
        }
    };
    for (int i = 0; i < tables.Bindings.Count(); ++i) {
        if (!tables.Bindings[i].Value.isEmpty()) {
            add(tables.Bindings[i].Command, tables.Bindings[i].Value);
        }
    }
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        if (!tables.Selections[i].Choice.isEmpty()) {
            add(tables.Selections[i].Command, selectionValue(tables.Selections[i].Choice));
        }
    }
    for (int i = 0; i < tables.Switches.Count(); ++i) {
        if (!tables.Switches[i].State.isEmpty()) {
            add(tables.Switches[i].Command, tables.Switches[i].State);
        }
    }
    return targets;
}

QString nameOf(const GameSetTables& tables, EntryKind kind, int index) {
    return withValueField(tables, kind,
                          [index](const auto& table, auto) { return table[index].Name; });
}

// The values the entries of one set take, and the commands they take them from.
struct SetPicks {
    QList<TakenValue> values;
    QSet<int> commands;
};

// Fits the movable commands to the entries of one set.
void fitCommands(const GameSetTables& tables, const OtherCommands& script,
                 const QList<int>& movable, const Yield& yield, SetPicks& picks) {
    const FittingIndex index(tables, yield);
    QHash<EntryKey, qsizetype> picked;  // where each entry's value is in picks.values
    int counted = 0;
    for (const int command : movable) {
        if (yield && ++counted % kCommandsBetweenYields == 0) {
            yield();
        }
        const Words& words = script.commands()[command].words;
        for (const FittingIndex::Fit& fit : index.fits(words)) {
            const EntryKey key = keyOf(fit.kind, nameOf(tables, fit.kind, fit.index));
            const auto earlier = picked.constFind(key);
            // A key binding keeps the first key it is bound to; anything else takes the last.
            if ((earlier != picked.cend() && fit.binds) ||
                !valueTaken(tables, fit.kind, fit.index, fit.value, words)) {
                continue;
            }
            const TakenValue value{fit.kind, key.second, fit.value, command};
            if (earlier == picked.cend()) {
                picked.insert(key, picks.values.size());
                picks.values << value;
            } else {
                picks.values[*earlier] = value;
            }
        }
    }
    for (const TakenValue& value : std::as_const(picks.values)) {
        picks.commands.insert(value.command);
    }
}

SetPicks picksOf(const CandidateSet& set, const OtherCommands& script, const QList<int>& movable,
                 const Yield& yield) {
    const auto yieldNow = [&yield] {
        if (yield) {
            yield();
        }
    };
    GameSetTables tables;
    tables.resetAll();
    NodeTree tree;
    int loaded = 0;
    loadGameSetBytes(set.bytes, set.fileName, tables, tree, [&] {
        if (++loaded % kEntriesBetweenYields == 0) {
            yieldNow();
        }
    });
    SetPicks picks;
    fitCommands(tables, script, movable, yield, picks);
    // Freeing a large set's entries takes a while: a table at a time, with turns between.
    tables.Selections.reset();
    yieldNow();
    tables.Switches.reset();
    yieldNow();
    tables.Bindings.reset();
    yieldNow();
    return picks;
}

}  // namespace

QList<int> chooseSets(const QList<QSet<int>>& takes) {
    QSet<int> taken;
    QList<int> chosen;
    for (;;) {
        int best = -1;
        qsizetype bestGain = 0;
        for (int i = 0; i < takes.size(); ++i) {
            qsizetype gain = 0;
            for (const int command : takes[i]) {
                gain += taken.contains(command) ? 0 : 1;
            }
            if (gain > bestGain) {
                best = i;
                bestGain = gain;
            }
        }
        if (best < 0) {
            break;
        }
        chosen << best;
        taken.unite(takes[best]);
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

BringInPlan planBringingIn(const QString& otherCommands, const GameSetTables& loaded,
                           const QList<CandidateSet>& candidates, const Yield& yield) {
    BringInPlan plan;
    const OtherCommands script(otherCommands, targetsOfValues(loaded), yield);
    QList<int> movable;
    for (int i = 0; i < script.commands().size(); ++i) {
        if (script.commands()[i].movable) {
            movable << i;
        }
    }
    if (movable.isEmpty()) {
        return plan;
    }
    QList<SetPicks> perSet;
    QList<QSet<int>> takes;
    for (const CandidateSet& set : candidates) {
        perSet << picksOf(set, script, movable, yield);
        takes << perSet.back().commands;
    }
    QSet<int> taken;
    for (const int chosen : chooseSets(takes)) {
        plan.sets << candidates[chosen].fileName;
        plan.values += perSet[chosen].values;
        taken.unite(perSet[chosen].commands);
    }
    plan.commands = static_cast<int>(taken.size());
    return plan;
}

BroughtIn bringIn(const BringInPlan& plan, GameSetTables& tables, const QString& otherCommands) {
    const OtherCommands script(otherCommands, {});
    QSet<int> taken;
    QSet<EntryKey> given;
    for (const TakenValue& planned : plan.values) {
        const EntryKey key = keyOf(planned.kind, planned.name);
        if (planned.command >= script.commands().size() || given.contains(key)) {
            continue;
        }
        const int first = withValueField(tables, planned.kind, [&](const auto& table, auto) {
            return table.firstNamed(planned.name);
        });
        const std::optional<QString> value =
            first < 0 ? std::nullopt
                      : valueTaken(tables, planned.kind, first, planned.value,
                                   script.commands()[planned.command].words);
        if (!value) {
            continue;
        }
        withValueField(tables, planned.kind, [&](auto& table, auto field) {
            return storeValueNamed(tables, table, field, planned.name, [&value] { return *value; });
        });
        given.insert(key);
        taken.insert(planned.command);
    }
    OtherCommands::Remaining remaining = script.without(taken);
    return {static_cast<int>(taken.size()), std::move(remaining.text), remaining.lines};
}

bool isUnchangedProgramScript(const QByteArray& script, const QStringList& setsInUse,
                              const QString& otherCommands, const GameSetTables& tables) {
    for (const bool comments : {false, true}) {
        if (writeConfigScript({setsInUse, otherCommands, comments}, tables) == script) {
            return true;
        }
    }
    return false;
}

}  // namespace scriptloom::importing
