#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/TreeAdder.h"
#include "support/TestSupport.h"
#include "ui/NodeTree.h"

using namespace scriptloom;
using test::crlfLines;

namespace {

// Every entry in table order: "SEL section|name|command|comment|count:options", "SW ...", "BIN
// ...".
QStringList entries(const GameSetTables& tables) {
    const auto fields = [](const auto& e) {
        return QStringList{e.Section, e.Name, e.Command, e.Comment}.join(u'|');
    };
    QStringList out;
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        const SelectionEntry& e = tables.Selections[i];
        const QStringList options(e.Options.begin(), e.Options.begin() + e.OptionCount);
        out << QStringLiteral("SEL %1|%2:%3")
                   .arg(fields(e))
                   .arg(e.OptionCount)
                   .arg(options.join(u';'));
    }
    for (int i = 0; i < tables.Switches.Count(); ++i) {
        out << QStringLiteral("SW ") + fields(tables.Switches[i]);
    }
    for (int i = 0; i < tables.Bindings.Count(); ++i) {
        out << QStringLiteral("BIN ") + fields(tables.Bindings[i]);
    }
    return out;
}

// Every entry has one entry node under a node of its section's text, and every entry node has its
// entry.
void verifyInStep(const GameSetTables& tables, const NodeTree& tree) {
    QStringList fromTables;
    const auto collect = [&fromTables](const auto& table) {
        for (int i = 0; i < table.Count(); ++i) {
            fromTables << table[i].Section + u'/' + table[i].Name;
        }
    };
    collect(tables.Selections);
    collect(tables.Switches);
    collect(tables.Bindings);
    QStringList fromTree;
    for (int n = 1; n <= tree.count(); ++n) {
        if (tree.node(n).image == kEntryImage) {
            fromTree << tree.text(tree.node(n).parent) + u'/' + tree.text(n);
        }
    }
    fromTables.sort();
    fromTree.sort();
    QCOMPARE(fromTree, fromTables);
}

QStringList selectionWithOptions(int count) {
    QStringList lines{"SELECTIONS", "S", "N", "C", "Cm"};
    for (int i = 1; i <= count; ++i) {
        lines << "SELECT" << QString::number(i);
    }
    return lines << "END";
}

QString optionsUpTo(int count) {
    QStringList options;
    for (int i = 1; i <= count; ++i) {
        options << QString::number(i);
    }
    return QStringLiteral("SEL S|N|C|Cm|%1:").arg(count) + options.join(u';');
}

}  // namespace

class GameSetLoaderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    GameSetTables tables_;
    NodeTree tree_;

    GameSetLoadReport load(const QByteArray& bytes, const QString& name = "test.set") {
        const QString path = dir_.filePath(name);
        if (!test::writeFile(path, bytes)) {
            qFatal("cannot write %s", qPrintable(path));
        }
        return loadGameSet(path, tables_, tree_);
    }

private Q_SLOTS:
    void init() {
        tables_.resetAll();
        tree_.removeAll();
    }

    void wellFormedFiles_loadWhole_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one of each kind as the writer lays them out")
            << crlfLines({"SELECTIONS", "View",   "FOV",       "fov *x", "Help", "SELECT",
                          "90",         "SELECT", "110",       "END",    "",     "BINDING",
                          "Keys",       "Fire",   "bind *x",   "Help",   "",     "SWITCH",
                          "Mouse",      "Invert", "invert *x", "",       ""})
            << QStringList{"SEL View|FOV|fov *x|Help|2:90;110", "SW Mouse|Invert|invert *x|",
                           "BIN Keys|Fire|bind *x|Help"};
        QTest::newRow("no SELECT lines") << crlfLines({"SELECTIONS", "S", "N", "C", "Cm", "END"})
                                         << QStringList{"SEL S|N|C|Cm|0:"};
        QTest::newRow("21 options")
            << crlfLines(selectionWithOptions(21)) << QStringList{optionsUpTo(21)};
        QTest::newRow("blank lines and stray text between option pairs")
            << crlfLines({"SELECTIONS", "S", "N", "C", "Cm", "", "SELECT", "a", "note", "select",
                          "SELECT", "b", "SELECT ", "c", "END"})
            << QStringList{"SEL S|N|C|Cm|2:a;b"};
        QTest::newRow("a comment END ends the option list at once")
            << crlfLines({"SELECTIONS", "S", "N", "C", "END", "SELECT", "opt", "SELECT", "BINDING",
                          "BS", "BN", "BC", "BCm", "END"})
            << QStringList{"SEL S|N|C|END|0:", "BIN BS|BN|BC|BCm"};
        QTest::newRow("an option END is stored and ends the list")
            << crlfLines({"SELECTIONS", "S", "N", "C", "Cm", "SELECT", "a", "SELECT", "END",
                          "SELECT", "late", "SWITCH", "WS", "WN", "WC", "WCm", "END"})
            << QStringList{"SEL S|N|C|Cm|2:a;END", "SW WS|WN|WC|WCm"};
        QTest::newRow("a switch commented BINDING starts a binding")
            << crlfLines({"SWITCH", "S", "N", "C", "BINDING", "BS", "BN", "BC", "BCm"})
            << QStringList{"SW S|N|C|BINDING", "BIN BS|BN|BC|BCm"};
        QTest::newRow("other comments reading like keywords are data")
            << crlfLines({"BINDING", "S", "B", "C", "SWITCH", "x", "y", "z", "SWITCH", "S", "W",
                          "C", "SELECTIONS", "a", "b", "c"})
            << QStringList{"SW S|W|C|SELECTIONS", "BIN S|B|C|SWITCH"};
        QTest::newRow("field lines reading like keywords are data")
            << crlfLines({"SWITCH", "SELECTIONS", "SWITCH", "BINDING", "SELECT", "SELECTIONS",
                          "SWITCH", "END", "SELECT", "BINDING", "SELECT", "SELECTIONS", "END"})
            << QStringList{"SEL SWITCH|END|SELECT|BINDING|1:SELECTIONS",
                           "SW SELECTIONS|SWITCH|BINDING|SELECT"};
        QTest::newRow("keywords in other case or with blanks are passed over")
            << crlfLines({"selections", "Switch", " SWITCH", "BINDING ", "SELECT", "x", "END", "S"})
            << QStringList{};
        QTest::newRow("blank lines only") << crlfLines({"", "", " "}) << QStringList{};
        QTest::newRow("lone CR line ends")
            << QByteArray("SWITCH\rS\rN\rC\rCm\rBINDING\r\nS\rB\r\nC\rCm")
            << QStringList{"SW S|N|C|Cm", "BIN S|B|C|Cm"};
    }
    void wellFormedFiles_loadWhole() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        const GameSetLoadReport report = load(bytes);
        QVERIFY(report.opened);
        QCOMPARE(report.problems, QStringList());
        QCOMPARE(entries(tables_), expected);
        verifyInStep(tables_, tree_);
    }

    void damagedFiles_keepWhatIsCompleteAndSayWhere_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("detail");
        const QStringList first{"SWITCH", "S", "ok", "C", "Cm"};
        QTest::newRow("switch cut inside its fields")
            << first + QStringList{"", "SWITCH", "S", "N", "C"} << QStringList{"SW S|ok|C|Cm"}
            << "line 7";
        QTest::newRow("binding cut after a switch commented BINDING")
            << QStringList{"SWITCH", "S", "N", "C", "BINDING", "S", "B"}
            << QStringList{"SW S|N|C|BINDING"} << "line 5";
        QTest::newRow("selection without END")
            << first + QStringList{"SELECTIONS", "S", "N", "C", "Cm", "SELECT", "a", "x"}
            << QStringList{"SEL S|N|C|Cm|1:a", "SW S|ok|C|Cm"} << "line 6";
        QTest::newRow("SELECT as the last line")
            << QStringList{"SELECTIONS", "S", "N", "C", "Cm", "SELECT", "a", "SELECT"}
            << QStringList{"SEL S|N|C|Cm|1:a"} << "line 1";
        QTest::newRow("more than 21 options")
            << selectionWithOptions(23) + first << QStringList{optionsUpTo(21), "SW S|ok|C|Cm"}
            << "23 options";
    }
    void damagedFiles_keepWhatIsCompleteAndSayWhere() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QFETCH(QString, detail);
        const GameSetLoadReport report = load(crlfLines(lines), "damaged.set");
        QCOMPARE(report.problems.size(), 1);
        QVERIFY2(
            report.problems[0].contains(QDir::toNativeSeparators(dir_.filePath("damaged.set"))),
            qPrintable(report.problems[0]));
        QVERIFY2(report.problems[0].contains(detail), qPrintable(report.problems[0]));
        QCOMPARE(entries(tables_), expected);
        verifyInStep(tables_, tree_);
    }

    void unreadableFiles_changeNothing() {
        load(crlfLines({"SWITCH", "S", "N", "C", "Cm"}));
        QVERIFY(QDir(dir_.path()).mkpath("folder.set"));
        for (const char* name : {"missing.set", "folder.set"}) {
            const QString path = dir_.filePath(QLatin1String(name));
            const GameSetLoadReport report = loadGameSet(path, tables_, tree_);
            QVERIFY(!report.opened);
            QCOMPARE(report.problems.size(), 1);
            QVERIFY(report.problems[0].contains(QDir::toNativeSeparators(path)));
        }
        QCOMPARE(entries(tables_), QStringList{"SW S|N|C|Cm"});
        QCOMPARE(tree_.count(), 2);
    }

    // The table refuses the 32,766th entry; the loader leaves it out without a node.
    void aFullTable_skipsOnlyItsOwnEntries() {
        for (int i = 0; i < kLargestTableCapacity; ++i) {
            tables_.Switches.append(SwitchEntry{});
        }
        // The binding after a refused switch commented BINDING still loads.
        const GameSetLoadReport report =
            load(crlfLines({"SWITCH", "S", "w1", "C", "Cm", "BINDING", "K", "b1", "C", "Cm",
                            "SWITCH", "S", "w2", "C", "BINDING", "K", "b2", "C", "Cm"}));
        QCOMPARE(report.problems.size(), 1);
        QVERIFY2(
            report.problems[0].contains("2 entries") && report.problems[0].contains("Switches"),
            qPrintable(report.problems[0]));
        QCOMPARE(tables_.Switches.Count(), kLargestTableCapacity);
        QCOMPARE(tables_.Switches.Capacity(), kLargestTableCapacity);
        QCOMPARE(test::treeShape(tree_), QStringLiteral("1:K/1(2:b1/3,3:b2/3)"));
        QCOMPARE(tables_.Bindings.Count(), 2);
    }
};

QTEST_GUILESS_MAIN(GameSetLoaderTest)
#include "tst_gamesetloader.moc"
