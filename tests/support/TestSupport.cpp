#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/TextFile.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"

namespace scriptloom::test {

QByteArray crlfLines(const QStringList& lines) {
    textfile::LineWriter writer;
    for (const QString& line : lines) {
        writer.writeLine(line);
    }
    return writer.bytes();
}

QStringList gameSetBlock(const QString& keyword, const QString& name, const QString& command,
                         const QString& comment, const QStringList& options) {
    QStringList lines{keyword, "Section", name, command,
                      comment.isEmpty() ? "Comment of " + name : comment};
    if (keyword == "SELECTIONS") {
        for (const QString& option : options) {
            lines << "SELECT" << option;
        }
        lines << "END";
    }
    return lines << "";
}

QStringList entryValues(const GameSetTables& tables) {
    QStringList values;
    const auto collect = [&values](const auto& table, auto field) {
        for (int i = 0; i < table.Count(); ++i) {
            if (!(table[i].*field).isEmpty()) {
                values << table[i].Name + u'=' + table[i].*field;
            }
        }
    };
    collect(tables.Bindings, &BindingEntry::Value);
    collect(tables.Switches, &SwitchEntry::State);
    collect(tables.Selections, &SelectionEntry::Choice);
    return values;
}

QStringList entryTexts(const GameSetTables& tables, bool withValues) {
    QStringList out;
    const auto texts = [](const auto& e) {
        return QStringList{e.Section, e.Name, e.Command, e.Comment}.join(u'|');
    };
    const auto value = [withValues](const QString& v) { return withValues ? u'|' + v : QString(); };
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        const SelectionEntry& e = tables.Selections[i];
        out << texts(e) + u'|' +
                   QStringList(e.Options.begin(), e.Options.begin() + e.OptionCount).join(u';') +
                   value(e.Choice);
    }
    for (int i = 0; i < tables.Bindings.Count(); ++i) {
        out << texts(tables.Bindings[i]) + value(tables.Bindings[i].Value);
    }
    for (int i = 0; i < tables.Switches.Count(); ++i) {
        out << texts(tables.Switches[i]) + value(tables.Switches[i].State);
    }
    return out;
}

QString treeShape(const NodeTree& tree, int parent) {
    QStringList parts;
    for (const int number : tree.children(parent)) {
        QString part = QString::number(number) + u':' + tree.text(number) + u'/' +
                       QString::number(tree.node(number).image);
        if (!tree.children(number).empty()) {
            part += u'(' + treeShape(tree, number) + u')';
        }
        parts << part;
    }
    return parts.join(parent == 0 ? u' ' : u',');
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

}  // namespace scriptloom::test
