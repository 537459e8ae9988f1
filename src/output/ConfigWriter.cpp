#include "output/ConfigWriter.h"

#include <QDir>
#include <algorithm>

#include "files/TextFile.h"
#include "model/GameSetTables.h"
#include "model/Placeholder.h"

namespace scriptloom {

namespace {

// Writes the lines of every entry of one kind that has a value.
template <typename Record, typename ValueOf>
void writeEntries(textfile::LineWriter& out, const Table<Record>& table, bool comments,
                  ValueOf valueOf) {
    for (int i = 0; i < table.Count(); ++i) {
        const Record& entry = table[i];
        const QStringView value = valueOf(entry);
        if (value.isEmpty()) {
            continue;
        }
        if (comments) {
            out.writeLine(QString(QStringLiteral("// ") + entry.Comment));
        }
        out.writeLine(replacePlaceholder(entry.Command, value));
    }
}

}  // namespace

QString replacePlaceholder(QStringView command, QStringView value) {
    QString line;
    line.reserve(command.size() + value.size());
    qsizetype at = 0;
    for (qsizetype found = 0; (found = findPlaceholder(command, at)) >= 0; at = found + 2) {
        line += command.sliced(at, found - at);
        line += value;
    }
    line += command.sliced(at);
    return line;
}

QStringView selectionValue(QStringView choice) {
    const qsizetype dash = choice.indexOf(u'-');
    return dash < 0 ? choice : choice.first(dash + 1);
}

QString configScriptPath(const QString& folder, const QString& fileName) {
    // A full path typed or pasted as the name says where the script goes.
    if (QDir::isAbsolutePath(fileName)) {
        return QDir::fromNativeSeparators(fileName);
    }
    // A root folder already ends in a separator; one is enough.
    return folder.endsWith(u'/') ? folder + fileName : folder + u'/' + fileName;
}

QByteArray writeConfigScript(const ConfigScriptContents& contents, const GameSetTables& tables) {
    textfile::LineWriter out;
    out.writeLine(QString(kConfigMarkerLine));
    for (const QString& gameSet : contents.loadedGameSets) {
        out.writeLine(QString(kLoadLinePrefix) + gameSet);
    }
    out.writeLine(u"");
    // The other commands end in a line end of their own when they were opened from a script or
    // typed with one: adding another would give the script one more empty line at every save.
    QStringView otherCommands = contents.otherCommands;
    if (otherCommands.endsWith(u"\r\n")) {
        otherCommands.chop(2);
    }
    out.writeLine(otherCommands);
    writeEntries(out, tables.Bindings, contents.comments,
                 [](const BindingEntry& entry) { return QStringView(entry.Value); });
    writeEntries(out, tables.Selections, contents.comments,
                 [](const SelectionEntry& entry) { return selectionValue(entry.Choice); });
    writeEntries(out, tables.Switches, contents.comments,
                 [](const SwitchEntry& entry) { return QStringView(entry.State); });
    return out.bytes();
}

}  // namespace scriptloom

namespace scriptloom {

bool holdsControlCharacter(QStringView text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool scriptCanNameGameSet(QStringView fileName) {
    return textfile::canEncode(fileName) && !holdsControlCharacter(fileName);
}

}  // namespace scriptloom
