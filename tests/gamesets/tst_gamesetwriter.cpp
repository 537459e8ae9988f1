#include <QTest>

#include "gamesets/GameSetWriter.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "support/TestSupport.h"

using namespace scriptloom;

namespace {

// Appends entries given as {keyword, Section, Name, Command, Comment, options...}, each with a
// value set, which a game set must never hold.
void appendEntries(GameSetTables& tables, const QList<QStringList>& entries) {
    for (const QStringList& e : entries) {
        if (e[0] == "SELECTIONS") {
            SelectionEntry entry{e[1], e[2], e[3], e[4], {}, std::int16_t(e.size() - 5), "chosen"};
            std::copy(e.begin() + 5, e.end(), entry.Options.begin());
            tables.Selections.append(entry);
        } else if (e[0] == "SWITCH") {
            tables.Switches.append({e[1], e[2], e[3], e[4], "1"});
        } else {
            tables.Bindings.append({e[1], e[2], e[3], e[4], "MOUSE1"});
        }
    }
}

}  // namespace

class GameSetWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each expected file in tests/data/game-sets was written by hand, byte by byte. Loading it
    // gives back the entries it was written from, fields that read like keywords included.
    void write_matchesTheExpectedFileByteForByte_data() {
        QTest::addColumn<QList<QStringList>>("entries");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty tables") << QList<QStringList>{} << "empty.set";
        QTest::newRow("selection without options")
            << QList<QStringList>{{"SELECTIONS", "Crosshair", "Crosshair style",
                                   "cg_drawCrosshair *x", "Shape of the crosshair"}}
            << "selection-without-options.set";
        QStringList fov{"SELECTIONS", "View", "Field of view", "cg_fov *x", ""};
        for (int i = 70; i <= 90; ++i) {
            fov << QString::number(i);
        }
        QTest::newRow("21 options") << QList<QStringList>{fov} << "twenty-one-options.set";
        QTest::newRow("switches read first are written after the bindings")
            << QList<QStringList>{{"SWITCH", "HUD", "Show FPS", "cg_drawFPS *x", "Frame rate"},
                                  {"BINDING", "Keys", "Fire", "bind *x +attack", "Fires"},
                                  {"SWITCH", "HUD", "Show timer", "cg_drawTimer *x", "Clock"},
                                  {"SELECTIONS", "S", "Sel", "sel *x", "c", "1"},
                                  {"BINDING", "Keys", "Jump", "bind *x +moveup", "Jumps"}}
            << "kinds-in-order.set";
        QTest::newRow("keywords, empty fields and Windows-1252 text as stored")
            << QList<QStringList>{{"SELECTIONS", "SWITCH", "", "end *x", "SELECT", "", "END"},
                                  {"BINDING", "", "Money", "seta price €*x", "Café – “quoted”"},
                                  {"SELECTIONS", "END", "SELECTIONS", "SWITCH", "", "SELECT", "",
                                   "BINDING"},
                                  {"SWITCH", "BINDING", "", "END", "SWITCH"},
                                  {"BINDING", "SELECT", "END", "", "BINDING"}}
            << "keywords-and-text-as-stored.set";
    }
    void write_matchesTheExpectedFileByteForByte() {
        QFETCH(QList<QStringList>, entries);
        QFETCH(QString, expected);
        GameSetTables tables;
        appendEntries(tables, entries);
        const QByteArray written = writeGameSet(tables);
        QCOMPARE(written,
                 test::readFile(QStringLiteral(SCRIPTLOOM_TEST_DATA "/game-sets/") + expected));
        GameSetTables loaded;
        NodeTree tree;
        QVERIFY(loadGameSetBytes(written, expected, loaded, tree).isEmpty());
        QCOMPARE(test::entryTexts(loaded, false), test::entryTexts(tables, false));
    }
};

QTEST_GUILESS_MAIN(GameSetWriterTest)
#include "tst_gamesetwriter.moc"
