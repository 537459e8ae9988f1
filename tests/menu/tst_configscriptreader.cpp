#include <QTest>

#include "files/TextFile.h"
#include "menu/CommandTemplates.h"
#include "menu/ConfigScriptReader.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "support/TemplateScan.h"
#include "support/TestSupport.h"

using namespace scriptloom;
using test::gameSetBlock;

namespace {

// The game sets the scripts below name, by file name.
QByteArray gameSet(const QString& fileName) {
    QStringList lines;
    if (fileName == "weapons.set") {
        lines << gameSetBlock("BINDING", "Fire", R"(bind *x "+attack")")
              << gameSetBlock("BINDING", "Zoom", "bind *x +zoom")
              << gameSetBlock("BINDING", "Fixed", "cl_run 1")
              << gameSetBlock("BINDING", "Player name", "seta name *x");
    } else if (fileName == "display.set") {
        lines << gameSetBlock("SWITCH", "Frame rate", "seta cg_drawFPS *x")
              << gameSetBlock("SELECTIONS", "Field of view", "seta cg_fov *x")
              << gameSetBlock("SWITCH", "Note", "// *x");
    } else if (fileName == "overlap.set") {
        lines << gameSetBlock("SWITCH", "Timer switch", "seta cg_drawTimer *x")
              << gameSetBlock("BINDING", "Timer binding", "SETA CG_DRAWTIMER *X")
              << gameSetBlock("BINDING", "Timer binding again", "seta cg_drawTimer *x");
    }
    return test::crlfLines(lines);
}

}  // namespace

class ConfigScriptReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEachLineByItsKind_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QString>("otherCommands");
        QTest::addColumn<QStringList>("values");

        const QString marker = "// Do not remove the following lines";
        QTest::newRow("load, blank, comment and command lines; a lower-case load is a comment")
            << QStringList{marker,    "//LOAD weapons.set", "", R"(bind MOUSE1 "+attack")",
                           "echo hi", "//load display.set"}
            << QStringList{"weapons.set"} << marker + "\r\necho hi\r\n//load display.set\r\n"
            << QStringList{"Fire=MOUSE1"};
        QTest::newRow("a load line without its blank loses the name's first letter")
            << QStringList{"//LOADweapons.set"} << QStringList{"eapons.set"} << "" << QStringList();
        QTest::newRow("a command line before its set's load line finds no entry")
            << QStringList{R"(bind MOUSE1 "+attack")", "//LOAD weapons.set", "bind z +zoom"}
            << QStringList{"weapons.set"} << "bind MOUSE1 \"+attack\"\r\n"
            << QStringList{"Zoom=z"};
        // Head and tail fit whatever their case; a binding's quoted tail fits and leaves a
        // trailing blank; one pair of quotes comes off a value; a command without a placeholder
        // fits no line.
        QTest::newRow("how values are cut from binding lines")
            << QStringList{"//LOAD weapons.set", R"(BIND mouse1 "+ATTACK")",
                           R"(bind MOUSE2 "+zoom")", R"(seta name ""Visor"")", "cl_run 1"}
            << QStringList{"weapons.set"} << "cl_run 1\r\n"
            << QStringList{"Fire=mouse1", "Zoom=MOUSE2 ", R"(Player name="Visor")"};
        // A switch takes any text as its state; a line no longer than head and tail fits nothing;
        // of two lines for one entry the later stays; a comment line is never a value.
        QTest::newRow("switch and selection lines")
            << QStringList{"//LOAD display.set", "seta cg_drawFPS yes", "// 1",
                           "seta cg_fov 90",     "seta cg_fov ",        "seta cg_fov 110"}
            << QStringList{"display.set"} << "// 1\r\nseta cg_fov \r\n"
            << QStringList{"Frame rate=yes", "Field of view=110"};
        QTest::newRow("a value of two double quotes is stored empty")
            << QStringList{"//LOAD display.set", R"(seta cg_fov "")"} << QStringList{"display.set"}
            << "" << QStringList();
        QTest::newRow("a binding wins over a switch, the lower index over a higher")
            << QStringList{"//LOAD overlap.set", "seta cg_drawTimer 1"}
            << QStringList{"overlap.set"} << "" << QStringList{"Timer binding=1"};
        QTest::newRow("a set named twice is loaded twice, and the first of its entries wins")
            << QStringList{"//LOAD display.set", "//LOAD display.set", "seta cg_drawFPS 1"}
            << QStringList{"display.set", "display.set"} << "" << QStringList{"Frame rate=1"};
    }

    // The windows are let run once per line read.
    void readsEachLineByItsKind() {
        QFETCH(QStringList, script);
        GameSetTables tables;
        NodeTree tree;
        QStringList loaded;
        QString otherCommands;
        int linesRead = 0;
        textfile::LineReader lines(test::crlfLines(script));
        readConfigScript(
            lines, tables,
            {[&](const QString& fileName) {
                 loaded << fileName;
                 loadGameSetBytes(gameSet(fileName), fileName, tables, tree);
                 return true;
             },
             [&](const QString& line) { otherCommands += line + "\r\n"; }, [&] { ++linesRead; }});
        QTEST(loaded, "loaded");
        QTEST(otherCommands, "otherCommands");
        QTEST(test::entryValues(tables), "values");
        QCOMPARE(linesRead, script.size());
    }

    // The matcher indexes heads; whatever the index, it must pick what a plain scan of the
    // template rule picks: over a mixed table, and over each template alone as a Binding and as
    // a Selection.
    void matcherAgreesWithTryingEveryEntryInOrder() {
        const QStringList heads{"bind ", "BIND ", "seta x ", "seta x \"", "", "s\u0130 "};
        const QStringList tails{"", " +a", " \"+a\"", "\"", " suffix", " +A"};
        std::vector<GameSetTables> cases(1);
        for (int i = 0; i < heads.size(); ++i) {
            for (int j = 0; j < tails.size(); ++j) {
                const QString command = heads[i] + "*x" + tails[j];
                // Spread over the kinds, some templates in two or three kinds at once.
                if ((i + j) % 2 == 0) {
                    cases[0].Bindings.append({"S", command, command, "", ""});
                }
                if ((i * j) % 3 != 0) {
                    cases[0].Switches.append({"S", command, command, "", ""});
                }
                if (j % 2 == 1 || i % 3 == 0) {
                    cases[0].Selections.append({"S", command, command, "", {}, 0, ""});
                }
                cases.emplace_back().Bindings.append({"S", command, command, "", ""});
                cases.emplace_back().Selections.append({"S", command, command, "", {}, 0, ""});
            }
        }
        QStringList lines;
        for (const QString& head : heads) {
            for (const QString& tail : tails + QStringList{" \"+A\"", "\"suffix\""}) {
                for (const char* value : {"q", "\"1\"", "1 ", ""}) {
                    lines << head.toUpper() + value + tail;
                }
            }
        }
        const auto shown = [](const std::optional<TemplateMatch>& m) {
            return m ? QStringLiteral("%1 %2 [%3]")
                           .arg(QString::number(int(m->kind)), QString::number(m->index), m->value)
                     : QStringLiteral("none");
        };
        for (const GameSetTables& tables : cases) {
            TemplateMatcher matcher(tables);
            for (const QString& line : lines) {
                QCOMPARE(line + ": " + shown(matcher.firstFit(line)),
                         line + ": " + shown(test::firstFitByScan(tables, line)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(ConfigScriptReaderTest)
#include "tst_configscriptreader.moc"
