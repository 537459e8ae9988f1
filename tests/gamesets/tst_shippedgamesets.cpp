#include <QDir>
#include <QHash>
#include <QTest>

#include "files/TextFile.h"
#include "gamesets/GameSetWriter.h"
#include "menu/ConfigScriptReader.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "output/ConfigWriter.h"
#include "support/TestSupport.h"

using namespace scriptloom;
using test::gameSetBlock;

namespace {

struct GameSetFile {
    QString name;
    QByteArray bytes;
};

// Values typed into every Binding to see that its line reads back: a key, numbers, free text.
const QStringList kSampleValues{"MOUSE1", "0.5", "-0.022", "Big Joe", "sarge/blue"};

// A switch every fault below is set beside, in a file of its own.
QStringList frameRate() {
    return gameSetBlock("SWITCH", "Frame rate", R"(seta cg_drawFPS "*x")");
}

QStringList options(const SelectionEntry& entry) {
    return {entry.Options.cbegin(), entry.Options.cbegin() + entry.OptionCount};
}

// Loads game sets together, as when every one is in use, and lists everything in them that would
// let a player down: a block that does not load as written, a Command without exactly one "*x",
// an option the writer would cut at a dash, a name the editor could confuse with another entry or
// a section, an entry without help, and a value whose written line does not read back to it.
class ContentCheck {
public:
    explicit ContentCheck(const QList<GameSetFile>& files) {
        tables.resetAll();
        QStringList fileNames;
        for (const GameSetFile& file : files) {
            faults << loadGameSetBytes(file.bytes, file.name, tables, tree_);
            checkLoadsAsWritten(file);
            fileNames << file.name;
        }
        checkEntries();
        checkValuesReadBack(fileNames);
    }

    QStringList faults;
    GameSetTables tables;

private:
    // The game set writer, given what the file loaded, must write each of its blocks again, each
    // followed by one empty line; a stray line, a missing field or a lone LF line end breaks that.
    void checkLoadsAsWritten(const GameSetFile& file) {
        GameSetTables alone;
        NodeTree tree;
        loadGameSetBytes(file.bytes, file.name, alone, tree);
        const QString blockEnd = QStringLiteral("\r\n\r\n");
        QStringList written = textfile::decode(writeGameSet(alone)).split(blockEnd);
        for (const QString& block : textfile::decode(file.bytes).split(blockEnd)) {
            if (!written.removeOne(block)) {
                faults << file.name + ": the block \"" + block.left(40) +
                              "\" does not load as written";
            }
        }
    }

    void checkEntries() {
        QHash<QString, QString> entryNames;  // lower-case name -> the name as written
        QHash<QString, QString> sections;
        const auto check = [&](const auto& table) {
            for (int i = 0; i < table.Count(); ++i) {
                const auto& entry = table[i];
                if (entry.Command.count(u"*x", Qt::CaseInsensitive) != 1) {
                    faults << entry.Name + ": its command must hold *x exactly once";
                }
                if (entry.Comment.trimmed().isEmpty()) {
                    faults << entry.Name + ": no comment";
                }
                // Some engines split a line at ";" even inside a "//" comment, so help text
                // written with comments on must hold neither a ";" nor a quote.
                if (entry.Comment.contains(u';') || entry.Comment.contains(u'"')) {
                    faults << entry.Name + ": its comment holds a \";\" or a quote";
                }
                if (entry.Command.startsWith("bind ") && !entry.Comment.contains("Usual key: ")) {
                    faults << entry.Name + ": the comment suggests no key";
                }
                if (entryNames.contains(entry.Name.toLower()) || entry.Name.isEmpty()) {
                    faults << '"' + entry.Name + "\" is named twice";
                }
                entryNames.insert(entry.Name.toLower(), entry.Name);
                sections.insert(entry.Section.toLower(), entry.Section);
            }
        };
        check(tables.Bindings);
        check(tables.Switches);
        check(tables.Selections);
        for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
            if (entryNames.contains(section.key()) || section.key().isEmpty()) {
                faults << "section \"" + section.value() + "\" is named like an entry";
            }
        }
        for (int i = 0; i < tables.Selections.Count(); ++i) {
            const QStringList all = options(tables.Selections[i]);
            for (const QString& option : all) {
                if (option.contains(u'-') || option.isEmpty() || all.count(option) > 1) {
                    faults << tables.Selections[i].Name + ": option \"" + option +
                                  "\" is empty, repeated or holds a dash";
                }
            }
        }
    }

    // Round after round, every entry gets a value (a Selection its next option, a Switch 0 then
    // 1, a Binding each sample value), the script is written and read back with every set
    // loaded, and each entry must come back with its own value and no line left over.
    void checkValuesReadBack(const QStringList& fileNames) {
        for (int round = 0;; ++round) {
            setValues(round);
            const QStringList written = test::entryValues(tables);
            if (written.isEmpty()) {
                return;
            }
            textfile::LineReader lines(
                writeConfigScript(ConfigScriptContents{fileNames, {}, true}, tables));
            setValues(-1);
            const auto leftOver = [this](const QString& line) {
                if (!line.startsWith("//")) {
                    faults << "\"" + line + "\" fits no entry";
                }
            };
            readConfigScript(lines, tables, {[](const QString&) { return true; }, leftOver, [] {}});
            const QStringList readBack = test::entryValues(tables);
            for (const QString& value : written) {
                if (!readBack.contains(value)) {
                    faults << value + ": its written line does not read back to that value";
                }
            }
        }
    }

    // The values of a round; an entry whose values have run out, and every entry in round -1,
    // gets none.
    void setValues(int round) {
        for (int i = 0; i < tables.Selections.Count(); ++i) {
            tables.Selections[i].Choice = options(tables.Selections[i]).value(round);
        }
        for (int i = 0; i < tables.Switches.Count(); ++i) {
            tables.Switches[i].State = QStringList{"0", "1"}.value(round);
        }
        for (int i = 0; i < tables.Bindings.Count(); ++i) {
            tables.Bindings[i].Value = kSampleValues.value(round);
        }
    }

    NodeTree tree_;
};

}  // namespace

class ShippedGameSetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shippedGameSetsHoldNoFaults() {
        QList<GameSetFile> files;
        const QDir folder(SCRIPTLOOM_SHIPPED_SETS);
        for (const QString& name : folder.entryList({"*.set"}, QDir::Files, QDir::Name)) {
            files.append({name, test::readFile(folder.filePath(name))});
        }
        const ContentCheck check(files);
        QVERIFY2(check.faults.isEmpty(), qPrintable(check.faults.join(u'\n')));
        const GameSetTables& t = check.tables;
        QVERIFY(t.Selections.Count() + t.Switches.Count() + t.Bindings.Count() >= 150);
    }

    // The checks that do more than test one field find their fault in "a.set", loaded after a
    // set of the frame rate switch alone.
    void findsEachFault_data() {
        QTest::addColumn<QByteArray>("set");
        QTest::addColumn<QString>("fault");
        const auto row = [](const char* tag, const QStringList& lines, const char* fault) {
            QTest::newRow(tag) << test::crlfLines(lines) << QString(fault);
        };
        QTest::newRow("lone LF line ends")
            << test::crlfLines(frameRate()).replace("\r\n", "\n") << "does not load";
        row("22 options",
            gameSetBlock("SELECTIONS", "Picmip", "r_picmip *x", {}, QStringList(22, "1")),
            "only the first 21");
        row("name twice, in any case and kind",
            gameSetBlock("BINDING", "frame rate", R"(seta com_maxfps "*x")"), "named twice");
        row("section named like an entry", gameSetBlock("SWITCH", "Section", "cg_gibs *x"),
            "named like an entry");
        row("option losing its quote on reading",
            gameSetBlock("SELECTIONS", "Name", "seta name *x", {}, {"\"x"}), "does not read back");
        row("line taken by an earlier entry's template",
            gameSetBlock("BINDING", "Fps", R"(seta cg_drawFPS "*x")"), "does not read back");
    }

    void findsEachFault() {
        QFETCH(QByteArray, set);
        QFETCH(QString, fault);
        const QString faults =
            ContentCheck({{"fps.set", test::crlfLines(frameRate())}, {"a.set", set}})
                .faults.join(u'\n');
        QVERIFY2(faults.contains(fault), qPrintable(faults));
    }
};

QTEST_GUILESS_MAIN(ShippedGameSetsTest)
#include "tst_shippedgamesets.moc"
