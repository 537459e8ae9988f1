#include <QTest>

#include "console/GameReading.h"
#include "files/TextFile.h"
#include "importing/BringingIn.h"
#include "importing/WordFitting.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "support/TestSupport.h"

using namespace scriptloom;
using namespace scriptloom::importing;

namespace {

// One game set that is not in use: keys, a cvar of each kind, and a value that is free text.
QByteArray keysSet() {
    return test::crlfLines(
        test::gameSetBlock("BINDING", "Move forward", R"(bind *x "+forward")") +
        test::gameSetBlock("BINDING", "Field of view", R"(seta cg_fov "*x")") +
        test::gameSetBlock("BINDING", "Name", "seta name *x") +
        test::gameSetBlock("SWITCH", "Frame rate", R"(seta cg_drawFPS "*x")") +
        test::gameSetBlock("SELECTIONS", "Gun", R"(seta cg_drawGun "*x")", {}, {"0", "2 - left"}));
}

}  // namespace

class BringingInTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wordsFit_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("value");  // "-" when it does not fit
        const auto row = [](const char* tag, const char* command, const char* pattern,
                            const char* value) {
            QTest::newRow(tag) << QString(command) << QString(pattern) << QString(value);
        };
        const char* forward = R"(bind *x "+forward")";
        const char* fov = R"(seta cg_fov "*x")";
        row("no quotes", "bind w +forward", forward, "w");
        row("any case", R"(BIND W "+FORWARD")", forward, "W");
        row("remark", R"(bind w "+forward" // run)", forward, "w");
        row("quoted value", R"(seta name "Big Joe")", R"(seta name "*x")", "Big Joe");
        row("inside a quoted word", R"(bind f1 "SAY hi there")", R"(bind F1 "say *x")", "hi there");
        row("around *x", "seta model sarge/blue", "seta model *x/blue", "sarge");
        row("suffix missing", "seta model sarge/red", "seta model *x/blue", "-");
        row("extra word", "seta cg_fov 90 100", fov, "-");
        row("another command", "set cg_fov 90", fov, "-");
        row("first *x only", R"(bind k "say *x")", R"(bind *x "say *x")", "k");
        row("second *x is a word", R"(bind k "say k")", R"(bind *x "say *x")", "-");
        row("*x in the name", "foo 1", "*x 1", "-");
        row("no *x", "seta cg_fov 90", "seta cg_fov 90", "-");
    }

    // The index finds the template and the words give the value, as the game splits them.
    void wordsFit() {
        QFETCH(QString, command);
        QFETCH(QString, pattern);
        QFETCH(QString, value);
        GameSetTables tables;
        tables.resetAll();
        tables.Bindings.append({"S", "N", pattern, "", ""});
        const QByteArray bytes = command.toLatin1();
        const QList<FittingIndex::Fit> fits = FittingIndex(tables).fits(console::splitWords(bytes));
        QCOMPARE(fits.isEmpty() ? QString("-") : QString(fits.value(0).value), value);
    }

    void setChoice_data() {
        QTest::addColumn<QList<QSet<int>>>("takes");  // the commands each set takes
        QTest::addColumn<QList<int>>("chosen");
        QTest::newRow("largest first, then ties by list order")
            << QList<QSet<int>>{{0, 1, 2}, {2, 3}, {3}} << QList<int>{0, 1};
        QTest::newRow("a set adding nothing is left out, the rest in list order")
            << QList<QSet<int>>{{3}, {0, 1, 2}, {0}} << QList<int>{0, 1};
        QTest::newRow("equal sets: the first") << QList<QSet<int>>{{0, 1}, {0, 1}} << QList<int>{0};
        QTest::newRow("no set takes any") << QList<QSet<int>>{{}, {}} << QList<int>{};
        QTest::newRow("no set") << QList<QSet<int>>{} << QList<int>{};
    }

    void setChoice() {
        QFETCH(QList<QSet<int>>, takes);
        QFETCH(QList<int>, chosen);
        QCOMPARE(chooseSets(takes), chosen);
    }

    void taken_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fovSetBefore");  // a loaded entry writes cg_fov after the text
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("stays");  // "=" when all of the text stays
        const auto row = [](const char* tag, const char* text, const char* values,
                            const char* stays, bool fovSetBefore = false) {
            const QString left = QString(stays) == "=" ? QString(text) : QString(stays);
            QTest::newRow(tag) << QString(text) << fovSetBefore << QString(values) << left;
        };
        row("LF line ends", "unbindall\nbind w \"+forward\"\nseta cg_fov 110\r\n",
            "Move forward=w Field of view=110", "unbindall\r\n");
        row("pieces and remarks", "bind w +forward; echo hi // a;seta name x // b\r\n",
            "Move forward=w", "echo hi // a;seta name x // b\r\n");
        row("remark of a taken command", "echo a\r\nseta cg_fov 90 // wide\r\necho b\r\n",
            "Field of view=90", "echo a\r\n// wide\r\necho b\r\n");
        row("twice bound: first key", "bind w +forward\r\nbind UPARROW +forward\r\n",
            "Move forward=w", "bind UPARROW +forward\r\n");
        row("twice set: last value", "seta cg_fov 90;seta cg_fov 110\r\n", "Field of view=110",
            "seta cg_fov 90\r\n");
        row("unbindall after", "bind w +forward\r\nunbindall\r\n", "", "=");
        row("exec after", "seta cg_fov 90; exec x\r\n", "", "=");
        row("; after // only the original engine cuts",
            "seta cg_fov 90 // a; seta cg_drawFPS 1\r\n", "", "=");
        row("a loaded entry sets it later", "seta cg_fov 110\r\n", "Old view=100", "=", true);
        row("option by its written value, switch 0 or 1 only",
            "seta cg_drawGun \"2 -\"\r\nseta cg_drawFPS 2\r\n", "Gun=2 - left",
            "seta cg_drawFPS 2\r\n");
        row("dash rule would cut the value", "seta cg_drawGun -1\r\n", "", "=");
        row("empty value, or a line the template would split",
            "seta cg_fov \"\"\r\nseta name \"a;b\"\r\nseta name \"Big Joe\"\r\n", "Name=Big Joe",
            "seta cg_fov \"\"\r\nseta name \"a;b\"\r\n");
    }

    // Plans with the set as the only one not in use, loads it as the editor does, and brings the
    // commands in: the values each entry gets, and the other commands that stay.
    void taken() {
        QFETCH(QString, text);
        QFETCH(bool, fovSetBefore);
        QFETCH(QString, values);
        QFETCH(QString, stays);
        GameSetTables tables;
        tables.resetAll();
        if (fovSetBefore) {
            tables.Bindings.append({"S", "Old view", R"(seta cg_fov "*x")", "", "100"});
        }
        const BringInPlan plan = planBringingIn(text, tables, {{"keys.set", keysSet()}});
        QCOMPARE(plan.sets, plan.commands > 0 ? QStringList{"keys.set"} : QStringList{});
        NodeTree tree;
        if (!plan.sets.isEmpty()) {
            loadGameSetBytes(keysSet(), "keys.set", tables, tree);
        }
        const BroughtIn result = bringIn(plan, tables, text);
        QCOMPARE(test::entryValues(tables).join(u' '), values);
        QCOMPARE(result.otherCommands, stays);
        QCOMPARE(result.commands, plan.commands);
    }
};

QTEST_GUILESS_MAIN(BringingInTest)
#include "tst_bringingin.moc"
