#include "output/OneCommand.h"

#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"

namespace scriptloom {

int consoleCommandCount(QStringView line) {
    int count = 0;
    bool inQuotes = false;
    bool pieceHasText = false;
    const auto endPiece = [&] {
        count += pieceHasText ? 1 : 0;
        pieceHasText = false;
    };
    for (const QChar c : line) {
        if (c == u'\r' || c == u'\n') {
            // A line end ends the command whatever the quotes, and the next line starts afresh.
            endPiece();
            inQuotes = false;
        } else if (c == u';' && !inQuotes) {
            endPiece();
        } else {
            if (c == u'"') {
                inQuotes = !inQuotes;
            }
            pieceHasText = pieceHasText || !c.isSpace();
        }
    }
    endPiece();
    return count;
}

bool valueEndsCommandEarly(QStringView command, QStringView value) {
    return consoleCommandCount(replacePlaceholder(command, value)) >
           consoleCommandCount(replacePlaceholder(command, u""));
}

QStringList entriesRunningExtraCommands(const GameSetTables& tables) {
    QStringList names;
    const auto note = [&names](const QString& name, const QString& command, QStringView value) {
        if (!value.isEmpty() && valueEndsCommandEarly(command, value) && !names.contains(name)) {
            names << name;
        }
    };
    for (int i = 0; i < tables.Bindings.Count(); ++i) {
        const BindingEntry& entry = tables.Bindings[i];
        note(entry.Name, entry.Command, entry.Value);
    }
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        const SelectionEntry& entry = tables.Selections[i];
        note(entry.Name, entry.Command, selectionValue(entry.Choice));
    }
    return names;
}

QString extraCommandsNotice(const QStringList& names) {
    if (names.isEmpty()) {
        return {};
    }
    constexpr qsizetype kNamed = 4;
    QString listed = names.mid(0, kNamed).join(QStringLiteral(", "));
    if (names.size() > kNamed) {
        listed += QStringLiteral(", …");
    }
    return names.size() == 1
               ? QStringLiteral("1 value runs extra commands: %1").arg(listed)
               : QStringLiteral("%1 values run extra commands: %2").arg(names.size()).arg(listed);
}

}  // namespace scriptloom
