#include "model/KeyStates.h"

#include <QHash>

#include "console/FreeKeyBinds.h"
#include "model/GameSetTables.h"
#include "model/KeyClashes.h"
#include "model/KeyboardLayout.h"

namespace scriptloom {

namespace {

KeyShown shownFor(const KeyPlace& place, const KeyClashes& clashes,
                  const QHash<QString, QString>& freeBinds) {
    if (place.name.isEmpty()) {
        return {KeyState::NoName,
                {},
                place.caption + QStringLiteral(": the game has no name for this key.")};
    }
    const QList<KeyClash> bound = clashes.boundTo(place.name);
    const auto freeText = freeBinds.constFind(place.name.toCaseFolded());
    const bool freeLine = freeText != freeBinds.cend();
    if (bound.isEmpty()) {
        if (!freeLine) {
            return {KeyState::Free, {}, place.name + QStringLiteral(": free")};
        }
        return {KeyState::BoundByCommand, *freeText,
                place.name + QStringLiteral("\nIn the other commands: ") + *freeText};
    }
    QStringList names;
    QStringList lines;
    for (const KeyClash& binding : bound) {
        if (!names.contains(binding.name)) {
            names << binding.name;
        }
        lines << QStringLiteral("%1 (%2)").arg(binding.name, binding.section);
    }
    const bool twice = names.size() > 1;
    QString tip = place.name + (twice ? QStringLiteral(": bound twice\n") : QStringLiteral("\n")) +
                  lines.join(u'\n');
    if (freeLine) {
        // The entries' lines follow the other commands in the script, so the game keeps theirs.
        tip += QStringLiteral("\nAlso in the other commands, written before it: ") + *freeText;
    }
    return {twice ? KeyState::Clash : KeyState::Bound, names.join(QStringLiteral(", ")), tip};
}

}  // namespace

std::vector<KeyShown> keysShown(const GameSetTables& tables, const QString& otherCommands) {
    const KeyClashes& clashes = currentKeyClashes(tables);
    const QHash<QString, QString> freeBinds = console::freeKeyBinds(otherCommands);
    std::vector<KeyShown> shown;
    shown.reserve(keyboardLayout().size());
    for (const KeyPlace& place : keyboardLayout()) {
        shown.push_back(shownFor(place, clashes, freeBinds));
    }
    return shown;
}

QStringList namesBoundTo(const GameSetTables& tables, const QString& key) {
    QStringList names;
    for (const KeyClash& binding : currentKeyClashes(tables).boundTo(key)) {
        if (!names.contains(binding.name)) {
            names << binding.name;
        }
    }
    return names;
}

}  // namespace scriptloom
