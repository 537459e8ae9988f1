#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/TreeAdder.h"
#include "support/TestSupport.h"
#include "ui/NodeTree.h"
#include "ui/TextFile.h"

using namespace scriptloom;
using test::crlfLines;

namespace {

// A Selection's lines with the options 1 to count; the Selection as loaded with the first 21.
QString selectionWithOptions(int count) {
    QString lines = "SELECTIONS,S,N,C,Cm";
    for (int i = 1; i <= count; ++i) {
        lines += QStringLiteral(",SELECT,%1").arg(i);
    }
    return lines + ",END";
}
const QString kFirst21 = "SEL S|N|C|Cm|21:1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21";

}  // namespace

class GameSetLoaderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    GameSetTables tables_;
    NodeTree tree_;

    GameSetLoadReport load(const QByteArray& bytes) {
        const QString path = dir_.filePath("test.set");
        test::writeFile(path, bytes);  // a file that was not written fails the test as missing
        return loadGameSet(path, tables_, tree_);
    }

    // Compares the entries in table order ("SEL section|name|command|comment|count:options",
    // "SW ...", "BIN ...") and checks that each has its node and no other entry node is left.
    void verifyLoaded(const QStringList& expected) {
        const auto fields = [](const auto& e) {
            return QStringList{e.Section, e.Name, e.Command, e.Comment}.join(u'|');
        };
        QStringList loaded;
        for (int i = 0; i < tables_.Selections.Count(); ++i) {
            const SelectionEntry& e = tables_.Selections[i];
            const QStringList options(e.Options.begin(), e.Options.begin() + e.OptionCount);
            loaded << "SEL " + fields(e) + QStringLiteral("|%1:").arg(e.OptionCount) +
                          options.join(u';');
        }
        for (int i = 0; i < tables_.Switches.Count(); ++i) {
            loaded << "SW " + fields(tables_.Switches[i]);
        }
        for (int i = 0; i < tables_.Bindings.Count(); ++i) {
            loaded << "BIN " + fields(tables_.Bindings[i]);
        }
        QCOMPARE(loaded, expected);
        qsizetype entryNodes = 0;
        for (int n = 1; n <= tree_.count(); ++n) {
            entryNodes += tree_.node(n).image == kEntryImage ? 1 : 0;
        }
        QCOMPARE(entryNodes, loaded.size());
    }

private Q_SLOTS:
    void init() {
        tables_.resetAll();
        tree_.removeAll();
    }

    // Each file loads what is complete in it; a damaged one gives one problem, which names the file
    // and the place or count given here.
    void load_keepsWhatIsComplete_data() {
        QTest::addColumn<QString>("lines");  // separated by commas
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("problem");
        QTest::newRow("one of each kind as the writer lays them out")
            << "SELECTIONS,View,FOV,fov *x,Help,SELECT,90,SELECT,110,END,,"
               "BINDING,Keys,Fire,bind *x,Help,,SWITCH,Mouse,Invert,invert *x,,"
            << QStringList{"SEL View|FOV|fov *x|Help|2:90;110", "SW Mouse|Invert|invert *x|",
                           "BIN Keys|Fire|bind *x|Help"}
            << "";
        QTest::newRow("21 options") << selectionWithOptions(21) << QStringList{kFirst21} << "";
        QTest::newRow("blank lines and stray text between option pairs")
            << "SELECTIONS,S,N,C,Cm,,SELECT,a,note,select,SELECT,b,SELECT ,c,END"
            << QStringList{"SEL S|N|C|Cm|2:a;b"} << "";
        QTest::newRow("a comment END ends the option list at once")
            << "SELECTIONS,S,N,C,END,SELECT,opt,SELECT,BINDING,BS,BN,BC,BCm,END"
            << QStringList{"SEL S|N|C|END|0:", "BIN BS|BN|BC|BCm"} << "";
        QTest::newRow("an option END is stored and ends the list")
            << "SELECTIONS,S,N,C,Cm,SELECT,a,SELECT,END,SELECT,late,SWITCH,WS,WN,WC,WCm,END"
            << QStringList{"SEL S|N|C|Cm|2:a;END", "SW WS|WN|WC|WCm"} << "";
        QTest::newRow("a switch commented BINDING starts a binding")
            << "SWITCH,S,N,C,BINDING,BS,BN,BC,BCm"
            << QStringList{"SW S|N|C|BINDING", "BIN BS|BN|BC|BCm"} << "";
        QTest::newRow("other comments reading like keywords are data")
            << "BINDING,S,B,C,SWITCH,x,y,z,SWITCH,S,W,C,SELECTIONS,a,b,c"
            << QStringList{"SW S|W|C|SELECTIONS", "BIN S|B|C|SWITCH"} << "";
        QTest::newRow("field lines reading like keywords are data")
            << "SWITCH,SELECTIONS,SWITCH,BINDING,SELECT,"
               "SELECTIONS,SWITCH,END,SELECT,BINDING,SELECT,SELECTIONS,END"
            << QStringList{"SEL SWITCH|END|SELECT|BINDING|1:SELECTIONS",
                           "SW SELECTIONS|SWITCH|BINDING|SELECT"}
            << "";
        QTest::newRow("keywords in other case or with blanks are passed over")
            << "selections,Switch, SWITCH,BINDING ,SELECT,x,END,S" << QStringList{} << "";
        QTest::newRow("switch cut inside its fields")
            << "SWITCH,S,ok,C,Cm,,SWITCH,S,N,C" << QStringList{"SW S|ok|C|Cm"} << "line 7";
        QTest::newRow("binding cut after a switch commented BINDING")
            << "SWITCH,S,N,C,BINDING,S,B" << QStringList{"SW S|N|C|BINDING"} << "line 5";
        QTest::newRow("selection without END")
            << "SWITCH,S,ok,C,Cm,SELECTIONS,S,N,C,Cm,SELECT,a,x"
            << QStringList{"SEL S|N|C|Cm|1:a", "SW S|ok|C|Cm"} << "line 6";
        QTest::newRow("SELECT as the last line")
            << "SELECTIONS,S,N,C,Cm,SELECT,a,SELECT" << QStringList{"SEL S|N|C|Cm|1:a"} << "line 1";
        QTest::newRow("more than 21 options")
            << selectionWithOptions(23) + ",SWITCH,S,ok,C,Cm"
            << QStringList{kFirst21, "SW S|ok|C|Cm"} << "23 options";
    }
    void load_keepsWhatIsComplete() {
        QFETCH(QString, lines);
        QFETCH(QStringList, expected);
        QFETCH(QString, problem);
        const GameSetLoadReport report = load(crlfLines(lines.split(u',')));
        const QString said = report.problems.join(u'\n');
        QCOMPARE(report.problems.size(), problem.isEmpty() ? 0 : 1);
        QVERIFY2(problem.isEmpty() ||
                     (said.startsWith(QDir::toNativeSeparators(dir_.filePath("test.set"))) &&
                      said.contains(problem)),
                 qPrintable(said));
        verifyLoaded(expected);
    }

    void unreadableFiles_changeNothing() {
        load(crlfLines({"SWITCH", "S", "N", "C", "Cm"}));
        QVERIFY(QDir(dir_.path()).mkpath("folder.set"));
        for (const char* name : {"missing.set", "folder.set"}) {
            const QString path = dir_.filePath(QLatin1String(name));
            const GameSetLoadReport report = loadGameSet(path, tables_, tree_);
            QCOMPARE(report.problems.size(), 1);
            QVERIFY(report.problems[0].contains(QDir::toNativeSeparators(path)));
        }
        verifyLoaded({"SW S|N|C|Cm"});
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

    // A file alone can fill a table: the 32,766th Switch block is refused and reported.
    void aFileOfMoreSwitchesThanATableHolds_fillsItAndSaysSo() {
        const QByteArray block("SWITCH\r\nS\r\nN\r\nC\r\nCm\r\n");
        const QStringList problems =
            loadGameSetBytes(block.repeated(kLargestTableCapacity + 1), "full.set", tables_, tree_);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].contains("1 entries") && problems[0].contains("Switches"),
                 qPrintable(problems[0]));
        QCOMPARE(tables_.Switches.Count(), kLargestTableCapacity);
        QCOMPARE(tree_.count(), kLargestTableCapacity + 1);  // and the one section node
    }

    // A file that loads nothing gets a notice, unless a problem already explains it.
    void aFileThatLoadsNothing_isExplainedOnce() {
        GameSetLoadReport report = load("SWITCH\nS\nN\nC\nCm\n");
        QVERIFY2(report.problems.isEmpty() && report.notice.contains("LF only"),
                 qPrintable(report.notice));
        report = load("SWITCH\r\nS");
        QCOMPARE(report.problems.size(), 1);
        QVERIFY(report.notice.isEmpty());
    }

    // Checked before reading: a sparse file of one byte over 64 MiB costs no time or memory.
    void aFileOver64MiB_isRefusedUnread() {
        const QString path = dir_.filePath("huge.set");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(textfile::kLargestTextFile + 1));
        file.close();
        const GameSetLoadReport report = loadGameSet(path, tables_, tree_);
        QCOMPARE(report.problems, QStringList{QDir::toNativeSeparators(path) +
                                              " is too large to be a game set (64.0 MB)."});
        QVERIFY(!report.opened);
    }
};

QTEST_GUILESS_MAIN(GameSetLoaderTest)
#include "tst_gamesetloader.moc"
