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
// - the marker line, the other commands (each a "//" line here, so none fits a template) and,
//   when comments are written, each written entry's comment line come back as other commands, in
//   file order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

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
    };
    actions.appendOtherCommand = [&](const QString& line) { appended << line; };
    actions.lineRead = [] {};
    textfile::LineReader scriptLines(script);
    readConfigScript(scriptLines, read, actions);

    check(loads.size() == 1);
    check(!scriptCanNameGameSet(setName) || loads[0] == setName);
    QStringList expectedOther = QStringList{QString(kConfigMarkerLine)} + freeLines;
    for (int i = 0; i < written.Bindings.Count(); ++i) {
        const QString& value = written.Bindings[i].Value;
        check(read.Bindings[i].Value == withoutOuterQuotes(value));
        if (comments && !value.isEmpty()) {
            expectedOther << QStringLiteral("// ") + written.Bindings[i].Comment;
        }
    }
    for (int i = 0; i < written.Selections.Count(); ++i) {
        const QString& choice = written.Selections[i].Choice;
        check(read.Selections[i].Choice == withoutOuterQuotes(selectionValue(choice).toString()));
        if (comments && !choice.isEmpty()) {
            expectedOther << QStringLiteral("// ") + written.Selections[i].Comment;
        }
    }
    for (int i = 0; i < written.Switches.Count(); ++i) {
        const QString& state = written.Switches[i].State;
        check(read.Switches[i].State == withoutOuterQuotes(state));
        if (comments && !state.isEmpty()) {
            expectedOther << QStringLiteral("// ") + written.Switches[i].Comment;
        }
    }
    check(appended == expectedOther);
    return 0;
}
