#include <QTest>

#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "support/TestSupport.h"

using namespace scriptloom;

namespace {

// Entries of every kind, with and without values, whose sections are not in table order.
void fillEntries(GameSetTables& tables) {
    tables.Bindings.append({"Weapons", "Fire", R"(bind *x "+attack")",
                            "Fires the weapon; usual key: MOUSE1", "MOUSE1"});
    tables.Bindings.append({"Weapons", "Zoom", "bind *x +zoom", "Zooms", ""});
    tables.Bindings.append(
        {"Chat", "Twice", R"(bind *x "say *x")", "Says which key was pressed", "F5"});
    tables.Bindings.append({"Player", "Name", R"(seta name "*X")", "", QString::fromUtf8("Sergé")});
    tables.Bindings.append({"Player", "Literal", "echo *x", "Prints its value", "a*xb"});
    tables.Bindings.append({"Player", "Fixed", "cl_run 1", "Always run", "yes"});
    const QString picmip = "Texture detail; 0 is sharpest, needs vid_restart";
    tables.Selections.append(
        {"Display", "Texture detail", "seta r_picmip *x", picmip, {}, 0, "2 - High"});
    tables.Selections.append(
        {"Display", "Crosshair", "seta cg_drawCrosshair *x", "Crosshair shape", {}, 0, "-"});
    tables.Selections.append({"Display", "Unchosen", "seta cg_gun *x", "Gun", {}, 0, ""});
    tables.Selections.append(
        {"Display", "Field of view", "seta cg_fov *x", "Field of view, default 90", {}, 0, "90"});
    tables.Switches.append(
        {"Display", "Frame rate", "seta cg_drawFPS *x", "Shows frames per second", "0"});
    tables.Switches.append({"Display", "Timer", "seta cg_drawTimer *x", "Shows the time", ""});
    tables.Switches.append(
        {"Movement", "Always run", "seta cl_run *x", "Runs without holding a key", "1"});
}

}  // namespace

class ConfigWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesTheScriptByteForByte_data() {
        QTest::addColumn<QStringList>("gameSets");
        QTest::addColumn<QString>("otherCommands");
        QTest::addColumn<bool>("comments");
        QTest::addColumn<bool>("withEntries");
        QTest::addColumn<QString>("goldenFile");
        const auto row = [](const char* title, const QStringList& gameSets, const char* other,
                            bool comments, bool withEntries, const char* goldenFile) {
            QTest::newRow(title) << gameSets << QString(other) << comments << withEntries
                                 << QString(goldenFile);
        };
        row("nothing loaded", {}, "", true, false, "nothing-loaded.cfg");
        row("two game sets, in the order given", {"display-and-hud.set", "movement-and-firing.set"},
            "", false, false, "two-game-sets.cfg");
        row("entries without comments", {}, "", false, true, "entries.cfg");
        row("entries with comments", {}, "", true, true, "entries-with-comments.cfg");
        row("other commands without a final line end", {}, "echo one\r\necho two", false, false,
            "other-commands-without-final-line-end.cfg");
        // Opening a script leaves its free lines each ended: they get no second line end.
        row("other commands ending in a line end", {}, "echo one\r\necho two\r\n", false, false,
            "other-commands-without-final-line-end.cfg");
    }

    void writesTheScriptByteForByte() {
        QFETCH(QStringList, gameSets);
        QFETCH(QString, otherCommands);
        QFETCH(bool, comments);
        QFETCH(bool, withEntries);
        QFETCH(QString, goldenFile);
        GameSetTables tables;
        tables.resetAll();
        if (withEntries) {
            fillEntries(tables);
        }
        QCOMPARE(
            writeConfigScript(ConfigScriptContents{gameSets, otherCommands, comments}, tables),
            test::readFile(QStringLiteral(SCRIPTLOOM_TEST_DATA "/config-scripts/") + goldenFile));
    }
};

QTEST_GUILESS_MAIN(ConfigWriterTest)
#include "tst_configwriter.moc"
