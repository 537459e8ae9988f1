#include "menu/ConfigScriptReader.h"

#include "files/TextFile.h"
#include "menu/CommandTemplates.h"
#include "model/GameSetTables.h"
#include "model/ValueStore.h"

namespace scriptloom {

namespace {

void storeValue(GameSetTables& tables, TemplateMatch& match) {
    switch (match.kind) {
        case EntryKind::Binding:
            storeValueAt(tables, tables.Bindings, &BindingEntry::Value, match.index,
                         std::move(match.value));
            return;
        case EntryKind::Switch:
            storeValueAt(tables, tables.Switches, &SwitchEntry::State, match.index,
                         std::move(match.value));
            return;
        case EntryKind::Selection:
            storeValueAt(tables, tables.Selections, &SelectionEntry::Choice, match.index,
                         std::move(match.value));
            return;
    }
}

}  // namespace

void readConfigScript(textfile::LineReader& lines, GameSetTables& tables,
                      const ConfigScriptReaderActions& actions) {
    TemplateMatcher matcher(tables);
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        actions.lineRead();
        if (line.startsWith(u"//LOAD")) {
            // The seventh character is the blank the writer puts there, whatever it really is.
            actions.loadGameSet(line.mid(7));
        } else if (line.isEmpty()) {
            continue;
        } else if (line.startsWith(u"//")) {
            actions.appendOtherCommand(line);
        } else if (std::optional<TemplateMatch> match = matcher.firstFit(line)) {
            storeValue(tables, *match);
        } else {
            actions.appendOtherCommand(line);
        }
    }
}

}  // namespace scriptloom
