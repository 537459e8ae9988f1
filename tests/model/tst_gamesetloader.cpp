#include <QDir>
#include <QRegularExpression>
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

// Every entry, table by table in table order: "SEL section|name|command|comment|count:options",
// "SW section|name|command|comment", "BIN ...".
QStringList entries(const GameSetTables& tables) {
    const auto fields = [](const auto& e) {
        return QStringList{e.Section, e.Name, e.Command, e.Comment}.join(u'|');
    };
    QStringList out;
    for (int i = 0; i < tables.Selections.Count(); ++i) {
        const SelectionEntry& e = tables.Selections[i];
        const QStringList options(e.Options.begin(), e.Options.begin() + e.OptionCount);
        out << QStringLiteral("SEL %1|%2:%3")
                   .arg(fields(e), QString::number(e.OptionCount), options.join(u';'));
    }
    for (int i = 0; i < tables.Switches.Count(); ++i) {
        out << QStringLiteral("SW ") + fields(tables.Switches[i]);
    }
    for (int i = 0; i < tables.Bindings.Count(); ++i) {
        out << QStringLiteral("BIN ") + fields(tables.Bindings[i]);
    }
    return out;
}

// Every entry has an entry node under a node with its section's text, and every entry node
// belongs to an entry; section nodes are top-level and never childless.
void verifyInStep(const GameSetTables& tables, const NodeTree& tree) {
    QStringList fromTables;
    auto collect = [&fromTables](const auto& table) {
        for (int i = 0; i < table.Count(); ++i) {
            fromTables << table[i].Section + u'\x1f' + table[i].Name;
        }
    };
    collect(tables.Selections);
    collect(tables.Switches);
    collect(tables.Bindings);

    QStringList fromTree;
    for (int n = 1; n <= tree.count(); ++n) {
        const NodeTree::Node& node = tree.node(n);
        if (node.image == kEntryImage) {
            QVERIFY(node.parent != 0);
            fromTree << tree.text(node.parent) + u'\x1f' + node.text;
        } else {
            QCOMPARE(node.image, kSectionImage);
            QCOMPARE(node.parent, 0);
            QVERIFY(!node.children.empty());
        }
    }
    fromTables.sort();
    fromTree.sort();
    QCOMPARE(fromTree, fromTables);
}

// Whether the problem, with the file's name taken out, mentions the detail as whole words.
bool mentions(const QString& problem, const QString& path, const QString& detail) {
    QString rest = problem;
    rest.remove(QDir::toNativeSeparators(path));
    const QRegularExpression words(QStringLiteral("\\b") + QRegularExpression::escape(detail) +
                                   QStringLiteral("\\b"));
    return rest.contains(words);
}

QString writeSet(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    return test::writeFile(path, bytes) ? path : QString();
}

QStringList selectionBlock(int options) {
    QStringList lines{"SELECTIONS", "S", "N", "C", "Cm"};
    for (int i = 1; i <= options; ++i) {
        lines << QStringLiteral("SELECT") << QStringLiteral("o%1").arg(i);
    }
    return lines << QStringLiteral("END");
}

// "o1;o2;...", as entries() lists the options of selectionBlock().
QString optionList(int count) {
    QStringList options;
    for (int i = 1; i <= count; ++i) {
        options << QStringLiteral("o%1").arg(i);
    }
    return options.join(u';');
}

}  // namespace

class GamesetloaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadWellFormedFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("one of each kind as the writer lays them out")
            << crlfLines({"SELECTIONS", "View",   "FOV",       "fov *x", "Help", "SELECT",
                          "90",         "SELECT", "110",       "END",    "",     "BINDING",
                          "Keys",       "Fire",   "bind *x",   "Help",   "",     "SWITCH",
                          "Mouse",      "Invert", "invert *x", "",       ""})
            << QStringList{"SEL View|FOV|fov *x|Help|2:90;110", "SW Mouse|Invert|invert *x|",
                           "BIN Keys|Fire|bind *x|Help"};
        QTest::newRow("selection without SELECT lines")
            << crlfLines({"SELECTIONS", "S", "N", "C", "Cm", "END"})
            << QStringList{"SEL S|N|C|Cm|0:"};
        QTest::newRow("exactly 21 options")
            << crlfLines(selectionBlock(21))
            << QStringList{QStringLiteral("SEL S|N|C|Cm|21:") + optionList(21)};
        QTest::newRow("blank lines and stray text between option pairs")
            << crlfLines({"SELECTIONS", "S", "N", "C", "Cm", "", "SELECT", "a", "note", "  ",
                          "select", "SELECT", "b", "SELECT ", "c", "END"})
            << QStringList{"SEL S|N|C|Cm|2:a;b"};
        QTest::newRow("comment END ends the option list at once")
            << crlfLines({"SELECTIONS", "S", "N", "C", "END", "SELECT", "opt", "SELECT", "BINDING",
                          "BS", "BN", "BC", "BCm", "END"})
            << QStringList{"SEL S|N|C|END|0:", "BIN BS|BN|BC|BCm"};
        QTest::newRow("option END is stored and ends the option list")
            << crlfLines({"SELECTIONS", "S", "N", "C", "Cm", "SELECT", "a", "SELECT", "END",
                          "SELECT", "late", "SWITCH", "WS", "WN", "WC", "WCm", "END"})
            << QStringList{"SEL S|N|C|Cm|2:a;END", "SW WS|WN|WC|WCm"};
        QTest::newRow("switch comment BINDING starts a binding")
            << crlfLines({"SWITCH", "S", "N", "C", "BINDING", "BS", "BN", "BC", "BCm"})
            << QStringList{"SW S|N|C|BINDING", "BIN BS|BN|BC|BCm"};
        QTest::newRow("comments reading like other keywords are data")
            << crlfLines({"BINDING", "S", "B", "C", "SWITCH", "x", "y", "z", "SWITCH", "S", "W",
                          "C", "SELECTIONS", "a", "b", "c"})
            << QStringList{"SW S|W|C|SELECTIONS", "BIN S|B|C|SWITCH"};
        QTest::newRow("field lines reading like keywords are data")
            << crlfLines({"SWITCH",     "SELECTIONS", "SWITCH", "BINDING",    "SELECT",
                          "BINDING",    "END",        "SELECT", "SELECTIONS", "",
                          "SELECTIONS", "SWITCH",     "END",    "SELECT",     "BINDING",
                          "SELECT",     "SELECTIONS", "SELECT", "SELECT",     "END"})
            << QStringList{"SEL SWITCH|END|SELECT|BINDING|2:SELECTIONS;SELECT",
                           "SW SELECTIONS|SWITCH|BINDING|SELECT", "BIN END|SELECT|SELECTIONS|"};
        QTest::newRow("empty field lines") << crlfLines({"SWITCH", "", "", "", "", "SELECTIONS", "",
                                                         "", "", "", "SELECT", "", "END"})
                                           << QStringList{"SEL ||||1:", "SW |||"};
        QTest::newRow("keywords in other case or with blanks are passed over")
            << crlfLines({"selections", "Switch", " SWITCH", "BINDING ", "\tBINDING", "SELECT", "x",
                          "END", "S", "N", "C", "Cm"})
            << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("blank lines only") << crlfLines({"", "", " "}) << QStringList{};
        QTest::newRow("lone CR line ends")
            << QByteArray("SWITCH\rS\rN\rC\rCm\rBINDING\r\nS\rB\r\nC\rCm")
            << QStringList{"SW S|N|C|Cm", "BIN S|B|C|Cm"};
        QTest::newRow("lone LF does not end a line")
            << QByteArray("SWITCH\nS\nN\nC\nCm\n") << QStringList{};
        QTest::newRow("Windows-1252 bytes in a name")
            << QByteArray("SWITCH\r\nS\r\n\x80 \xE9\x9F\x81\r\nC\r\nCm\r\n")
            << QStringList{QStringLiteral(u"SW S|\u20AC \u00E9\u0178\u0081|C|Cm")};
    }

    void loadWellFormedFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = writeSet(dir, QStringLiteral("test.set"), bytes);
        QVERIFY(!path.isEmpty());
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;

        const GameSetLoadReport report = loadGameSet(path, tables, tree);
        QVERIFY(report.opened);
        QCOMPARE(report.problems, QStringList());
        QCOMPARE(entries(tables), expected);
        verifyInStep(tables, tree);
    }

    void load_placesEachEntryInTheTreeInFileOrder() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString first =
            writeSet(dir, QStringLiteral("first.set"),
                     crlfLines({"SWITCH", "A", "s1", "c", "", "SELECTIONS", "B", "n2", "c", "",
                                "END", "BINDING", "A", "b3", "c", ""}));
        const QString second = writeSet(dir, QStringLiteral("second.set"),
                                        crlfLines({"SWITCH", "B", "s4", "c", "", "SWITCH", "s1",
                                                   "s5", "c", "", "BINDING", "C", "b6", "c", ""}));
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;

        QVERIFY(loadGameSet(first, tables, tree).problems.isEmpty());
        QCOMPARE(test::treeShape(tree), QStringLiteral("1:A/1(2:s1/3,5:b3/3) 3:B/1(4:n2/3)"));

        // A second file adds to what is loaded, after it.
        QVERIFY(loadGameSet(second, tables, tree).problems.isEmpty());
        QCOMPARE(entries(tables), (QStringList{"SEL B|n2|c||0:", "SW A|s1|c|", "SW B|s4|c|",
                                               "SW s1|s5|c|", "BIN A|b3|c|", "BIN C|b6|c|"}));
        QCOMPARE(test::treeShape(tree),
                 QStringLiteral("1:A/1(2:s1/3(7:s5/3),5:b3/3) 3:B/1(4:n2/3,6:s4/3) 8:C/1(9:b6/3)"));
        verifyInStep(tables, tree);
    }

    void loadDamagedFile_keepsWhatIsComplete_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("problemDetail");

        const QStringList before{"SWITCH", "S", "ok", "C", "Cm"};
        QTest::newRow("switch cut inside its fields")
            << before + QStringList{"", "SWITCH", "S", "N", "C"} << QStringList{"SW S|ok|C|Cm"}
            << QStringLiteral("line 7");
        QTest::newRow("binding cut after its keyword")
            << before + QStringList{"BINDING"} << QStringList{"SW S|ok|C|Cm"}
            << QStringLiteral("line 6");
        QTest::newRow("binding cut after a switch commented BINDING")
            << QStringList{"SWITCH", "S", "N", "C", "BINDING", "S", "B"}
            << QStringList{"SW S|N|C|BINDING"} << QStringLiteral("line 5");
        QTest::newRow("selection without END")
            << before + QStringList{"SELECTIONS", "S", "N", "C", "Cm", "SELECT", "a", "x"}
            << QStringList{"SEL S|N|C|Cm|1:a", "SW S|ok|C|Cm"} << QStringLiteral("line 6");
        QTest::newRow("selection ending at its comment")
            << QStringList{"SELECTIONS", "S", "N", "C", "Cm"} << QStringList{"SEL S|N|C|Cm|0:"}
            << QStringLiteral("line 1");
        QTest::newRow("SELECT as the last line")
            << QStringList{"SELECTIONS", "S", "N", "C", "Cm", "SELECT", "a", "SELECT"}
            << QStringList{"SEL S|N|C|Cm|1:a"} << QStringLiteral("line 1");
        QTest::newRow("more than 21 options")
            << selectionBlock(23) + before
            << QStringList{QStringLiteral("SEL S|N|C|Cm|21:") + optionList(21), "SW S|ok|C|Cm"}
            << QStringLiteral("23 options");
    }

    void loadDamagedFile_keepsWhatIsComplete() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QFETCH(QString, problemDetail);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = writeSet(dir, QStringLiteral("damaged.set"), crlfLines(lines));
        QVERIFY(!path.isEmpty());
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;

        const GameSetLoadReport report = loadGameSet(path, tables, tree);
        QVERIFY(report.opened);
        QCOMPARE(report.problems.size(), 1);
        QVERIFY2(report.problems[0].contains(QDir::toNativeSeparators(path)),
                 qPrintable(report.problems[0]));
        QVERIFY2(mentions(report.problems[0], path, problemDetail), qPrintable(report.problems[0]));
        QCOMPARE(entries(tables), expected);
        verifyInStep(tables, tree);
    }

    void loadUnreadableFile_changesNothing_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing file") << QStringLiteral("missing.set");
        QTest::newRow("a folder") << QStringLiteral("folder.set");
    }

    void loadUnreadableFile_changesNothing() {
        QFETCH(QString, relativePath);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.set")));
        const QString good =
            writeSet(dir, QStringLiteral("good.set"), crlfLines({"SWITCH", "S", "N", "C", "Cm"}));
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;
        QVERIFY(loadGameSet(good, tables, tree).problems.isEmpty());
        const QStringList entriesBefore = entries(tables);
        const QString treeBefore = test::treeShape(tree);

        const QString path = dir.filePath(relativePath);
        const GameSetLoadReport report = loadGameSet(path, tables, tree);
        QVERIFY(!report.opened);
        QCOMPARE(report.problems.size(), 1);
        QVERIFY2(report.problems[0].contains(QDir::toNativeSeparators(path)),
                 qPrintable(report.problems[0]));
        QCOMPARE(entries(tables), entriesBefore);
        QCOMPARE(test::treeShape(tree), treeBefore);
    }

    void loadIntoFullTable_skipsOnlyThatTablesEntries() {
        constexpr int kLargest = 32765;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path =
            writeSet(dir, QStringLiteral("more.set"),
                     crlfLines({"SWITCH", "S", "w1", "C", "Cm", "BINDING", "K", "b1", "C", "Cm",
                                "SWITCH", "S", "w2", "C", "BINDING", "K", "b2", "C", "Cm"}));
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;
        for (int i = 0; i < kLargest; ++i) {
            tables.Switches.append(SwitchEntry{});
        }
        QCOMPARE(tables.Switches.Count(), kLargest);

        const GameSetLoadReport report = loadGameSet(path, tables, tree);
        QVERIFY(report.opened);
        QCOMPARE(report.problems.size(), 1);
        const QString& problem = report.problems[0];
        QVERIFY2(problem.contains(QDir::toNativeSeparators(path)), qPrintable(problem));
        QVERIFY2(mentions(problem, path, QStringLiteral("Switches")), qPrintable(problem));
        QVERIFY2(mentions(problem, path, QStringLiteral("2")), qPrintable(problem));

        QCOMPARE(tables.Switches.Count(), kLargest);
        QCOMPARE(tables.Switches.Capacity(), kLargest);
        // The binding that follows a refused switch commented BINDING still loads.
        QCOMPARE(tables.Bindings.Count(), 2);
        QCOMPARE(tables.Bindings[0].Name, QStringLiteral("b1"));
        QCOMPARE(tables.Bindings[1].Name, QStringLiteral("b2"));
        QCOMPARE(test::treeShape(tree), QStringLiteral("1:K/1(2:b1/3,3:b2/3)"));
    }
};

QTEST_GUILESS_MAIN(GamesetloaderTest)
#include "tst_gamesetloader.moc"
