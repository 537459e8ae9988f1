#include "gamesets/GameSetWriter.h"

#include <QDir>
#include <QFileInfo>

#include "model/GameSetTables.h"

namespace scriptloom {

namespace {

template <typename Record>
void writeFields(textfile::LineWriter& out, QStringView keyword, const Record& entry) {
    out.writeLine(keyword);
    out.writeLine(entry.Section);
    out.writeLine(entry.Name);
    out.writeLine(entry.Command);
    out.writeLine(entry.Comment);
}

}  // namespace

QByteArray writeGameSet(const GameSetTables& tables) {
    textfile::LineWriter out;
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        const SelectionEntry& entry = tables.Selections[i];
        writeFields(out, u"SELECTIONS", entry);
        for (int j = 0; j < entry.OptionCount; ++j) {
            out.writeLine(u"SELECT");
            out.writeLine(entry.Options[static_cast<std::size_t>(j)]);
        }
        out.writeLine(u"END");
        out.writeLine(u"");
    }
    for (int i = 0; i < tables.Bindings.Count(); ++i) {
        writeFields(out, u"BINDING", tables.Bindings[i]);
        out.writeLine(u"");
    }
    for (int i = 0; i < tables.Switches.Count(); ++i) {
        writeFields(out, u"SWITCH", tables.Switches[i]);
        out.writeLine(u"");
    }
    return out.bytes();
}

textfile::WriteResult saveGameSetFile(const QString& path, const QByteArray& bytes) {
    if (QFileInfo(path).isFile()) {
        const QString backup = path + QStringLiteral(".bak");
        const textfile::ReadResult previous = textfile::readWholeFile(path);
        textfile::WriteResult kept{false, previous.error};
        if (previous.ok) {
            kept = textfile::writeWholeFile(backup, previous.bytes);
        }
        if (!kept.ok) {
            return {false, QStringLiteral("its previous content could not be kept as %1: %2")
                               .arg(QDir::toNativeSeparators(backup), kept.error)};
        }
    }
    return textfile::writeWholeFile(path, bytes);
}

}  // namespace scriptloom
