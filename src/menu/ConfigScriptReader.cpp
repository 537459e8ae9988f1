#include "menu/ConfigScriptReader.h"

#include "files/TextFile.h"
#include "menu/CommandTemplates.h"
#include "model/GameSetTables.h"
#include "model/ValueStore.h"
#include "output/ConfigWriter.h"

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

// The Comment of the entry a match gives its value to.
const QString& commentOf(const GameSetTables& tables, const TemplateMatch& match) {
    switch (match.kind) {
        case EntryKind::Binding:
            return tables.Bindings[match.index].Comment;
        case EntryKind::Switch:
            return tables.Switches[match.index].Comment;
        case EntryKind::Selection:
            break;
    }
    return tables.Selections[match.index].Comment;
}

// Whether a comment line is the one the writer puts before the command line of this entry.
bool isWrittenComment(const QString& comment, const GameSetTables& tables,
                      const TemplateMatch& match) {
    const QString& text = commentOf(tables, match);
    return comment.size() == text.size() + 3 && comment.startsWith(u"// ") &&
           QStringView(comment).sliced(3) == text;
}

}  // namespace

void readConfigScript(textfile::LineReader& lines, GameSetTables& tables,
                      const ConfigScriptReaderActions& actions) {
    TemplateMatcher matcher(tables);
    // A comment line waits for the line after it, which decides whether the writer wrote it;
    // null while no comment line waits.
    QString comment;
    const auto keepComment = [&] {
        if (!comment.isNull()) {
            actions.appendOtherCommand(comment);
            comment = QString();
        }
    };
    while (!lines.atEnd()) {
        QString line = lines.readLine();
        actions.lineRead();
        if (line.startsWith(u"//LOAD")) {
            keepComment();
            // The seventh character is the blank the writer puts there, whatever it really is.
            if (!actions.loadGameSet(line.mid(7))) {
                actions.appendOtherCommand(line);
            }
        } else if (line.isEmpty()) {
            keepComment();
        } else if (line == kConfigMarkerLine) {
            keepComment();
        } else if (line.startsWith(u"//")) {
            keepComment();
            comment = std::move(line);
        } else if (std::optional<TemplateMatch> match = matcher.firstFit(line)) {
            if (!comment.isNull() && isWrittenComment(comment, tables, *match)) {
                comment = QString();
            }
            keepComment();
            storeValue(tables, *match);
        } else {
            keepComment();
            actions.appendOtherCommand(line);
        }
    }
    keepComment();
}

}  // namespace scriptloom
