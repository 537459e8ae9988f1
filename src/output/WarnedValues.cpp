#include "output/WarnedValues.h"

#include <QSet>

#include "console/WrittenValue.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"

namespace scriptloom {

QStringList entriesWithWarnedValues(const GameSetTables& tables) {
    QStringList names;
    QSet<QString> named;
    const auto note = [&](const QString& name, const QString& command, QStringView value) {
        if (console::writtenValueWarns(command, value) && !named.contains(name)) {
            names << name;
            named.insert(name);
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

QString warnedValuesNotice(const QStringList& names) {
    if (names.isEmpty()) {
        return {};
    }
    constexpr qsizetype kNamed = 4;
    QString listed = names.mid(0, kNamed).join(QStringLiteral(", "));
    if (names.size() > kNamed) {
        listed += QStringLiteral(", …");
    }
    return names.size() == 1
               ? QStringLiteral(
                     "1 value runs extra commands or will not reach the game as typed: %1")
                     .arg(listed)
               : QStringLiteral(
                     "%1 values run extra commands or will not reach the game as typed: %2")
                     .arg(names.size())
                     .arg(listed);
}

}  // namespace scriptloom
