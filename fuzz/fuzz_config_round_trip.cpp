// Writes a config script from entries with arbitrary values and reads it back into the same entries
// without values, then checks that everything set comes back.
//
// The invariant, for entries whose command templates no other entry's line can fit (here every
// Command is a head "eNNN " unique to its entry, then "*x", then a tail without "*x") and values,
// tails and comments without a CR (a CR ends a line; a lone LF does not):
// - every value comes back as it was written, except that the reader takes one leading double
//   quote off it and then one trailing double quote: a Binding's Value and a Switch's State as
//   set, a Selection's Choice as the writer writes it (up to and including its first "-");
// - an entry without a value stays without one;
// - a game set name a script can hold (scriptCanNameGameSet) comes back on its load line;
// - the other commands (each a "//" line here, so none fits a template) come back as other
//   commands, in file order, but for one equal to the marker line, and, without comments, for the
//   last one when it is the comment line of the first entry written; the marker line and the
//   comment lines written before the entries do not come back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "files/TextFile.h"
#include "menu/ConfigScriptReader.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"

using namespace scriptloom;

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

QString withoutOuterQuotes(QString value) {
    if (value.startsWith(u'"')) {
        value.remove(0, 1);
    }
    if (value.endsWith(u'"')) {
        value.chop(1);
    }
    return value;
}

constexpr int kLargestEntryCount = 999;

}  // namespace

// Input: the first byte's lowest bit asks for comments. Then lines, ended by CR LF or a lone CR:
// the game set's name (as UTF-8, so it may hold characters a script cannot); the other commands,
// a lone LF between free lines; then one line per entry, the kinds in turn Binding, Switch,
// Selection, holding its value, tail and comment separated by the byte 0x01 (Windows-1252).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool comments = (data[0] & 1) != 0;
    textfile::LineReader lines(
        QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    const QString setName = QString::fromUtf8(textfile::encode(lines.readLine()));
    QStringList freeLines;
    for (const QString& line : lines.readLine().split(u'\n')) {
        freeLines << QStringLiteral("// ") + line;
    }

    GameSetTables written;
    written.resetAll();
    for (int i = 0; !lines.atEnd() && i < kLargestEntryCount; ++i) {
        const QStringList fields = lines.readLine().split(QChar(1));
        QString tail = fields.value(1);
        tail.remove(u'*');  // no second placeholder
        const QString command = QStringLiteral("e%1 *x").arg(i, 3, 10, QChar(u'0')) + tail;
        const QString name = QString::number(i);
        switch (i % 3) {
            case 0:
                written.Bindings.append({"S", name, command, fields.value(2), fields.value(0)});
                break;
            case 1:
                written.Switches.append({"S", name, command, fields.value(2), fields.value(0)});
                break;
            default:
                written.Selections.append(
                    {"S", name, command, fields.value(2), {}, 0, fields.value(0)});
                break;
        }
    }

    const ConfigScriptContents contents{{setName}, freeLines.join(u"\r\n"), comments};
    const QByteArray script = writeConfigScript(contents, written);

    // The entries as loading the set gives them: everything but the values.
    GameSetTables read;
    read.resetAll();
    QStringList loads;
    QStringList appended;
    ConfigScriptReaderActions actions;
    actions.loadGameSet = [&](const QString& name) {
        loads << name;
        for (int i = 0; i < written.Bindings.Count(); ++i) {
            BindingEntry entry = written.Bindings[i];
            entry.Value.clear();
            read.Bindings.append(entry);
        }
        for (int i = 0; i < written.Switches.Count(); ++i) {
            SwitchEntry entry = written.Switches[i];
            entry.State.clear();
            read.Switches.append(entry);
        }
        for (int i = 0; i < written.Selections.Count(); ++i) {
            SelectionEntry entry = written.Selections[i];
            entry.Choice.clear();
            read.Selections.append(entry);
        }
        return true;
    };
    actions.appendOtherCommand = [&](const QString& line) { appended << line; };
    actions.lineRead = [] {};
    textfile::LineReader scriptLines(script);
    readConfigScript(scriptLines, read, actions);

    check(loads.size() == 1);
    check(!scriptCanNameGameSet(setName) || loads[0] == setName);
    // The comment of the first entry written, the kinds in the writer's order.
    std::optional<QString> firstComment;
    const auto noteWritten = [&firstComment](const QString& value, const QString& comment) {
        if (!value.isEmpty() && !firstComment.has_value()) {
            firstComment = QStringLiteral("// ") + comment;
        }
    };
    for (int i = 0; i < written.Bindings.Count(); ++i) {
        const QString& value = written.Bindings[i].Value;
        check(read.Bindings[i].Value == withoutOuterQuotes(value));
        noteWritten(value, written.Bindings[i].Comment);
    }
    for (int i = 0; i < written.Selections.Count(); ++i) {
        const QString& choice = written.Selections[i].Choice;
        check(read.Selections[i].Choice == withoutOuterQuotes(selectionValue(choice).toString()));
        noteWritten(selectionValue(choice).toString(), written.Selections[i].Comment);
    }
    for (int i = 0; i < written.Switches.Count(); ++i) {
        const QString& state = written.Switches[i].State;
        check(read.Switches[i].State == withoutOuterQuotes(state));
        noteWritten(state, written.Switches[i].Comment);
    }
    QStringList expectedOther;
    for (qsizetype i = 0; i < freeLines.size(); ++i) {
        const bool last = i == freeLines.size() - 1;
        if (freeLines[i] != kConfigMarkerLine &&
            !(last && !comments && firstComment == freeLines[i])) {
            expectedOther << freeLines[i];
        }
    }
    check(appended == expectedOther);
    return 0;
}
