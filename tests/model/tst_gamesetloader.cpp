#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "files/TextFile.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "model/TreeAdder.h"
#include "support/TestSupport.h"

using namespace scriptloom;
using test::crlfLines;

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

    // The entries as test::entryTexts lists them (Selections, Bindings, Switches), each with its
    // node and no other entry node left over.
    void verifyLoaded(const QStringList& expected) {
        QCOMPARE(test::entryTexts(tables_, false), expected);
        qsizetype entryNodes = 0;
        for (int n = 1; n <= tree_.count(); ++n) {
            entryNodes += tree_.node(n).image == kEntryImage ? 1 : 0;
        }
        QCOMPARE(entryNodes, expected.size());
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
        QString options23 = "SELECTIONS,S,N,C,Cm";
        for (int i = 1; i <= 23; ++i) {
            options23 += QStringLiteral(",SELECT,%1").arg(i);
        }
        QTest::newRow("one of each kind as the writer lays them out")
            << "SELECTIONS,View,FOV,fov *x,Help,SELECT,90,SELECT,110,END,,"
               "BINDING,Keys,Fire,bind *x,Help,,SWITCH,Mouse,Invert,invert *x,,"
            << QStringList{"View|FOV|fov *x|Help|90;110", "Keys|Fire|bind *x|Help",
                           "Mouse|Invert|invert *x|"}
            << "";
        QTest::newRow("blank lines and stray text between option pairs")
            << "SELECTIONS,S,N,C,Cm,,SELECT,a,note,select,SELECT,b,SELECT ,c,END"
            << QStringList{"S|N|C|Cm|a;b"} << "";
        QTest::newRow("a comment END ends the option list at once")
            << "SELECTIONS,S,N,C,END,SELECT,opt,SELECT,BINDING,BS,BN,BC,BCm,END"
            << QStringList{"S|N|C|END|", "BS|BN|BC|BCm"} << "";
        QTest::newRow("an option END is stored and ends the list")
            << "SELECTIONS,S,N,C,Cm,SELECT,a,SELECT,END,SELECT,late,SWITCH,WS,WN,WC,WCm,END"
            << QStringList{"S|N|C|Cm|a;END", "WS|WN|WC|WCm"} << "";
        QTest::newRow("a switch commented BINDING starts a binding")
            << "SWITCH,S,N,C,BINDING,BS,BN,BC,BCm" << QStringList{"BS|BN|BC|BCm", "S|N|C|BINDING"}
            << "";
        QTest::newRow("other comments reading like keywords are data")
            << "BINDING,S,B,C,SWITCH,x,y,z,SWITCH,S,W,C,SELECTIONS,a,b,c"
            << QStringList{"S|B|C|SWITCH", "S|W|C|SELECTIONS"} << "";
        QTest::newRow("field lines reading like keywords are data")
            << "SWITCH,SELECTIONS,SWITCH,BINDING,SELECT,"
               "SELECTIONS,SWITCH,END,SELECT,BINDING,SELECT,SELECTIONS,END"
            << QStringList{"SWITCH|END|SELECT|BINDING|SELECTIONS",
                           "SELECTIONS|SWITCH|BINDING|SELECT"}
            << "";
        QTest::newRow("keywords in other case or with blanks are passed over")
            << "selections,Switch, SWITCH,BINDING ,SELECT,x,END,S" << QStringList{} << "";
        QTest::newRow("switch cut inside its fields")
            << "SWITCH,S,ok,C,Cm,,SWITCH,S,N,C" << QStringList{"S|ok|C|Cm"} << "line 7";
        QTest::newRow("binding cut after a switch commented BINDING")
            << "SWITCH,S,N,C,BINDING,S,B" << QStringList{"S|N|C|BINDING"} << "line 5";
        QTest::newRow("selection without END")
            << "SWITCH,S,ok,C,Cm,SELECTIONS,S,N,C,Cm,SELECT,a,x"
            << QStringList{"S|N|C|Cm|a", "S|ok|C|Cm"} << "line 6";
        QTest::newRow("SELECT as the last line")
            << "SELECTIONS,S,N,C,Cm,SELECT,a,SELECT" << QStringList{"S|N|C|Cm|a"} << "line 1";
        QTest::newRow("more than 21 options: the first 21 are kept")
            << options23 + ",END,SWITCH,S,ok,C,Cm"
            << QStringList{"S|N|C|Cm|1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21",
                           "S|ok|C|Cm"}
            << "23 options";
    }
    void load_keepsWhatIsComplete() {
        QFETCH(QString, lines);
        QFETCH(QString, problem);
        const GameSetLoadReport report = load(crlfLines(lines.split(u',')));
        const QString said = report.problems.join(u'\n');
        QCOMPARE(report.problems.size(), problem.isEmpty() ? 0 : 1);
        QVERIFY2(problem.isEmpty() ||
                     (said.startsWith(QDir::toNativeSeparators(dir_.filePath("test.set"))) &&
                      said.contains(problem)),
                 qPrintable(said));
        QFETCH(QStringList, expected);
        verifyLoaded(expected);
    }

    // A missing file, a folder and a file over 64 MiB (sparse, so checked before reading) give one
    // problem naming the path and leave the tables and the tree as they were.
    void unreadableFiles_changeNothing() {
        load(crlfLines({"SWITCH", "S", "N", "C", "Cm"}));
        QVERIFY(QDir(dir_.path()).mkpath("folder.set"));
        QFile huge(dir_.filePath("huge.set"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(textfile::kLargestTextFile + 1));
        huge.close();
        for (const auto& [name, told] :
             {std::pair{"missing.set", "Could not open"},
              {"folder.set", "Could not open"},
              {"huge.set", "is too large to be a game set (64.0 MB)."}}) {
            const QString path = QDir::toNativeSeparators(dir_.filePath(QLatin1String(name)));
            const GameSetLoadReport report = loadGameSet(path, tables_, tree_);
            QCOMPARE(report.problems.size(), 1);
            QVERIFY2(report.problems[0].contains(path) && report.problems[0].contains(told),
                     qPrintable(report.problems[0]));
            QVERIFY(!report.opened);
        }
        verifyLoaded({"S|N|C|Cm"});
    }

    // A file alone can fill a table: the 32,766th Switch block is refused and reported. A later
    // file loads its Bindings, even one after a refused Switch commented BINDING, and refused
    // entries get no node.
    void aFullTable_skipsOnlyItsOwnEntries() {
        const QByteArray block("SWITCH\r\nS\r\nN\r\nC\r\nCm\r\n");
        QStringList problems =
            loadGameSetBytes(block.repeated(kLargestTableCapacity + 1), "full.set", tables_, tree_);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].contains("1 entries") && problems[0].contains("Switches"),
                 qPrintable(problems[0]));
        QCOMPARE(tables_.Switches.Count(), kLargestTableCapacity);
        QCOMPARE(tree_.count(), kLargestTableCapacity + 1);  // and the one section node

        problems = load(crlfLines({"SWITCH", "S", "w1", "C", "Cm", "BINDING", "K", "b1", "C", "Cm",
                                   "SWITCH", "S", "w2", "C", "BINDING", "K", "b2", "C", "Cm"}))
                       .problems;
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].contains("2 entries") && problems[0].contains("Switches"),
                 qPrintable(problems[0]));
        QCOMPARE(tables_.Switches.Count(), kLargestTableCapacity);
        QCOMPARE(tables_.Bindings.Count(), 2);
        QCOMPARE(tree_.count(), kLargestTableCapacity + 4);  // K, b1 and b2 added
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
};

QTEST_GUILESS_MAIN(GameSetLoaderTest)
#include "tst_gamesetloader.moc"
