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
    // and the place or count given here. A file that loads nothing gets a notice of why, unless a
    // problem already explains it.
    void load_keepsWhatIsComplete_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("notice");
        const auto row = [](const char* tag, const QString& lines, const QStringList& expected,
                            const char* problem = "", const char* notice = "") {
            QTest::newRow(tag) << crlfLines(lines.split(u',')) << expected << QString(problem)
                               << QString(notice);
        };
        QString options23 = "SELECTIONS,S,N,C,Cm";
        for (int i = 1; i <= 23; ++i) {
            options23 += QStringLiteral(",SELECT,%1").arg(i);
        }
        row("one of each kind as the writer lays them out",
            "SELECTIONS,View,FOV,fov *x,Help,SELECT,90,SELECT,110,END,,"
            "BINDING,Keys,Fire,bind *x,Help,,SWITCH,Mouse,Invert,invert *x,,",
            {"View|FOV|fov *x|Help|90;110", "Keys|Fire|bind *x|Help", "Mouse|Invert|invert *x|"});
        row("blank lines and stray text between option pairs",
            "SELECTIONS,S,N,C,Cm,,SELECT,a,note,select,SELECT,b,SELECT ,c,END", {"S|N|C|Cm|a;b"});
        row("a comment END ends the option list at once",
            "SELECTIONS,S,N,C,END,SELECT,opt,SELECT,BINDING,BS,BN,BC,BCm,END",
            {"S|N|C|END|", "BS|BN|BC|BCm"});
        row("an option END is stored and ends the list",
            "SELECTIONS,S,N,C,Cm,SELECT,a,SELECT,END,SELECT,late,SWITCH,WS,WN,WC,WCm,END",
            {"S|N|C|Cm|a;END", "WS|WN|WC|WCm"});
        row("a switch commented BINDING starts a binding", "SWITCH,S,N,C,BINDING,BS,BN,BC,BCm",
            {"BS|BN|BC|BCm", "S|N|C|BINDING"});
        row("other comments reading like keywords are data",
            "BINDING,S,B,C,SWITCH,x,y,z,SWITCH,S,W,C,SELECTIONS,a,b,c",
            {"S|B|C|SWITCH", "S|W|C|SELECTIONS"});
        row("field lines reading like keywords are data",
            "SWITCH,SELECTIONS,SWITCH,BINDING,SELECT,"
            "SELECTIONS,SWITCH,END,SELECT,BINDING,SELECT,SELECTIONS,END",
            {"SWITCH|END|SELECT|BINDING|SELECTIONS", "SELECTIONS|SWITCH|BINDING|SELECT"});
        row("keywords in other case or with blanks are passed over",
            "selections,Switch, SWITCH,BINDING ,SELECT,x,END,S", {}, "",
            "holds no game set entries.");
        QTest::newRow("lone LF line ends")
            << QByteArray("SWITCH\nS\nN\nC\nCm\n") << QStringList() << ""
            << "LF only";
        row("cut inside its only block: the problem explains it", "SWITCH,S,N,C", {}, "line 1");
        row("binding cut after a switch commented BINDING", "SWITCH,S,N,C,BINDING,S,B",
            {"S|N|C|BINDING"}, "line 5");
        row("selection without END", "SWITCH,S,ok,C,Cm,SELECTIONS,S,N,C,Cm,SELECT,a,x",
            {"S|N|C|Cm|a", "S|ok|C|Cm"}, "line 6");
        row("SELECT as the last line", "SELECTIONS,S,N,C,Cm,SELECT,a,SELECT", {"S|N|C|Cm|a"},
            "line 1");
        row("more than 21 options: the first 21 are kept", options23 + ",END,SWITCH,S,ok,C,Cm",
            {"S|N|C|Cm|1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21", "S|ok|C|Cm"},
            "23 options");
        // A full table refuses only its own kind: a Binding after a refused Switch commented
        // BINDING still loads. Refused entries get no node.
        QTest::newRow("a full table")
            << crlfLines({"SWITCH", "S", "N", "C", "Cm"}).repeated(kLargestTableCapacity) +
                   crlfLines(
                       QString("SWITCH,S,w1,C,Cm,BINDING,K,b1,C,Cm,SWITCH,S,w2,C,BINDING,K,b2,"
                               "C,Cm")
                           .split(u','))
            << QStringList{"K|b1|C|Cm", "K|b2|C|Cm"} +
                   QStringList(kLargestTableCapacity, "S|N|C|Cm")
            << "2 entries were not loaded because the Switches table is full (32765 entries)."
            << "";
    }
    void load_keepsWhatIsComplete() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QFETCH(QString, notice);
        const GameSetLoadReport report = load(bytes);
        const QString said = report.problems.join(u'\n');
        QCOMPARE(report.problems.size(), problem.isEmpty() ? 0 : 1);
        QVERIFY2(problem.isEmpty() ||
                     (said.startsWith(QDir::toNativeSeparators(dir_.filePath("test.set"))) &&
                      said.contains(problem)),
                 qPrintable(said));
        QVERIFY2(notice.isEmpty() ? report.notice.isEmpty() : report.notice.contains(notice),
                 qPrintable(report.notice));
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
            const QString said = report.problems.join(u'\n');
            QVERIFY2(!report.opened && report.problems.size() == 1 && said.contains(path) &&
                         said.contains(told),
                     qPrintable(said));
        }
        verifyLoaded({"S|N|C|Cm"});
    }
};

QTEST_GUILESS_MAIN(GameSetLoaderTest)
#include "tst_gamesetloader.moc"
