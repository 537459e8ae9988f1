#include <QDir>
#include <QHash>
#include <QTest>

#include "files/TextFile.h"
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

QStringList options(const SelectionEntry& entry) {
    return {entry.Options.cbegin(), entry.Options.cbegin() + entry.OptionCount};
}

// The lines of a block as the file must hold them for the block to load exactly as written.
template <typename Entry>
QStringList blockLines(const char* keyword, const Entry& entry) {
    QStringList lines{keyword, entry.Section, entry.Name, entry.Command, entry.Comment};
    if constexpr (std::is_same_v<Entry, SelectionEntry>) {
        for (const QString& option : options(entry)) {
            lines << "SELECT" << option;
        }
        lines << "END";
    }
    return lines;
}

// Loads game sets together, as when every one is in use, and lists everything in them that would
// let a player down: a block that does not load as written, a Command without exactly one "*x",
// an option the writer would cut at a dash, a name the editor could confuse with another entry or
// a section, an entry without help, and a value whose written line does not read back to it.
class ContentCheck {
public:
    explicit ContentCheck(const QList<GameSetFile>& files) {
        tables_.resetAll();
        for (const GameSetFile& file : files) {
            const int selections = tables_.Selections.Count();
            const int switches = tables_.Switches.Count();
            const int bindings = tables_.Bindings.Count();
            faults << loadGameSetBytes(file.bytes, file.name, tables_, tree_);
            checkLoadsAsWritten(file, selections, switches, bindings);
        }
        checkEntries();
        checkValuesReadBack(files);
    }

    QStringList faults;
    const GameSetTables& tables() const { return tables_; }

private:
    // Every block, separated from the next by one empty line, must be exactly the lines its
    // entry loaded with; a stray line, a missing field or a lone LF line end breaks that.
    void checkLoadsAsWritten(const GameSetFile& file, int selection, int aSwitch, int binding) {
        const QStringList blocks = textfile::decode(file.bytes).split(QStringLiteral("\r\n\r\n"));
        int line = 1;
        for (int b = 0; b < blocks.size(); ++b) {
            const QString& block = blocks[b];
            const QString keyword = block.section(QStringLiteral("\r\n"), 0, 0);
            QStringList expected;
            if (keyword == "SELECTIONS" && selection < tables_.Selections.Count()) {
                expected = blockLines("SELECTIONS", tables_.Selections[selection++]);
            } else if (keyword == "SWITCH" && aSwitch < tables_.Switches.Count()) {
                expected = blockLines("SWITCH", tables_.Switches[aSwitch++]);
            } else if (keyword == "BINDING" && binding < tables_.Bindings.Count()) {
                expected = blockLines("BINDING", tables_.Bindings[binding++]);
            }
            const bool lastAndEmpty = b == blocks.size() - 1 && block.isEmpty();
            if (!lastAndEmpty && block != expected.join(QStringLiteral("\r\n"))) {
                faults << QStringLiteral("%1, line %2: the block there does not load as written")
                              .arg(file.name)
                              .arg(line);
                return;
            }
            line += block.count(QStringLiteral("\r\n")) + 2;
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
        check(tables_.Bindings);
        check(tables_.Switches);
        check(tables_.Selections);
        for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
            if (entryNames.contains(section.key()) || section.key().isEmpty()) {
                faults << "section \"" + section.value() + "\" is named like an entry";
            }
        }
        for (int i = 0; i < tables_.Selections.Count(); ++i) {
            const SelectionEntry& entry = tables_.Selections[i];
            const QStringList all = options(entry);
            for (const QString& option : all) {
                if (option.contains(u'-') || option.isEmpty() || all.count(option) > 1) {
                    faults << entry.Name + ": option \"" + option +
                                  "\" is empty, repeated or holds a dash";
                }
            }
        }
    }

    // Round after round, every entry gets a value (a Selection its next option, a Switch 0 then
    // 1, a Binding each sample value), the script is written and read back with every set
    // loaded, and each entry must come back with its own value and no line left over.
    void checkValuesReadBack(const QList<GameSetFile>& files) {
        QStringList fileNames;
        for (const GameSetFile& file : files) {
            fileNames << file.name;
        }
        for (int round = 0;; ++round) {
            setValues(round);
            const QStringList written = test::entryValues(tables_);
            if (written.isEmpty()) {
                return;
            }
            textfile::LineReader lines(
                writeConfigScript(ConfigScriptContents{fileNames, {}, true}, tables_));
            setValues(-1);
            QStringList leftOver;
            readConfigScript(lines, tables_,
                             {[](const QString&) {},
                              [&leftOver](const QString& line) {
                                  if (!line.startsWith("//")) {
                                      leftOver << line;
                                  }
                              },
                              [] {}});
            const QStringList readBack = test::entryValues(tables_);
            for (const QString& value : written) {
                if (!readBack.contains(value)) {
                    faults << value + ": its written line does not read back to that value";
                }
            }
            for (const QString& line : leftOver) {
                faults << "\"" + line + "\" fits no entry";
            }
        }
    }

    // The values of a round; an entry whose values have run out, and every entry in round -1,
    // gets none.
    void setValues(int round) {
        for (int i = 0; i < tables_.Selections.Count(); ++i) {
            SelectionEntry& entry = tables_.Selections[i];
            entry.Choice = options(entry).value(round);
        }
        for (int i = 0; i < tables_.Switches.Count(); ++i) {
            tables_.Switches[i].State = QStringList{"0", "1"}.value(round);
        }
        for (int i = 0; i < tables_.Bindings.Count(); ++i) {
            tables_.Bindings[i].Value = kSampleValues.value(round);
        }
    }

    GameSetTables tables_;
    NodeTree tree_;
};

}  // namespace

Q_DECLARE_METATYPE(QList<GameSetFile>)

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
        const GameSetTables& tables = check.tables();
        QVERIFY(tables.Selections.Count() > 0 && tables.Switches.Count() > 0 &&
                tables.Bindings.Count() > 0);
        QVERIFY(tables.Selections.Count() + tables.Switches.Count() + tables.Bindings.Count() >=
                150);
    }

    void findsEachFault_data() {
        QTest::addColumn<QList<GameSetFile>>("files");
        QTest::addColumn<QString>("fault");

        const auto set = [](const QString& name, const QStringList& lines) {
            return GameSetFile{name, test::crlfLines(lines)};
        };
        const QStringList fire =
            gameSetBlock("BINDING", "Fire", R"(bind *x "+attack")", "Usual key: A");
        const QStringList fps = gameSetBlock("SWITCH", "Frame rate", R"(seta cg_drawFPS "*x")");

        QTest::newRow("field line missing")
            << QList{set("a.set", fps.mid(0, 4) + fire)} << "does not load";
        QTest::newRow("lone LF line ends")
            << QList{GameSetFile{"a.set", test::crlfLines(fps).replace("\r\n", "\n")}}
            << "does not load";
        QTest::newRow("22 options")
            << QList{set("a.set", gameSetBlock("SELECTIONS", "Picmip", R"(seta r_picmip "*x")", {},
                                               QStringList(22, "1")))}
            << "only the first 21";
        QTest::newRow("option with a dash")
            << QList{set("a.set", gameSetBlock("SELECTIONS", "Mode", R"(seta r_mode "*x")", {},
                                               {"-1", "0"}))}
            << "holds a dash";
        QTest::newRow("command without *x")
            << QList{set("a.set", gameSetBlock("SWITCH", "Run", "seta cl_run 1"))}
            << "exactly once";
        QTest::newRow("name twice, across files and kinds")
            << QList{set("a.set", fps),
                     set("b.set", gameSetBlock("BINDING", "frame rate", R"(seta com_maxfps "*x")"))}
            << "named twice";
        QTest::newRow("section named like an entry")
            << QList{set("a.set", fps + gameSetBlock("SWITCH", "Section", R"(seta cg_gibs "*x")"))}
            << "named like an entry";
        QTest::newRow("empty comment")
            << QList{set("a.set", gameSetBlock("SWITCH", "Gibs", R"(seta cg_gibs "*x")", " "))}
            << "no comment";
        for (const char* comment : {"Gore; 1 on", R"(Gore "on")"}) {
            QTest::newRow(comment)
                << QList{set("a.set",
                             gameSetBlock("SWITCH", "Gibs", R"(seta cg_gibs "*x")", comment))}
                << "holds a \";\" or a quote";
        }
        QTest::newRow("key binding without a usual key")
            << QList{set("a.set", gameSetBlock("BINDING", "Jump", R"(bind *x "+moveup")"))}
            << "suggests no key";
        QTest::newRow("option losing its quote on reading")
            << QList{set("a.set", gameSetBlock("SELECTIONS", "Name", "seta name *x", {}, {"\"x"}))}
            << "does not read back";
        QTest::newRow("line taken by an earlier entry's template")
            << QList{set("a.set", fps + gameSetBlock("BINDING", "Fps", R"(seta cg_drawFPS "*x")"))}
            << "does not read back";
    }

    void findsEachFault() {
        QFETCH(QList<GameSetFile>, files);
        QFETCH(QString, fault);

        const QString faults = ContentCheck(files).faults.join(u'\n');
        QVERIFY2(faults.contains(fault), qPrintable(faults));
    }
};

QTEST_GUILESS_MAIN(ShippedGameSetsTest)
#include "tst_shippedgamesets.moc"
