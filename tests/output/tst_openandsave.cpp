#include <QTest>

#include "files/TextFile.h"
#include "menu/ConfigScriptReader.h"
#include "menu/TypedPath.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "output/ConfigWriter.h"
#include "support/TestSupport.h"

using namespace scriptloom;
using test::gameSetBlock;

namespace {

// Three game sets; one comment reads like a player's own line.
QByteArray gameSet(const QString& fileName) {
    QStringList lines;
    if (fileName == "keys.set") {
        lines << gameSetBlock("BINDING", "Fire", R"(bind *x "+attack")", "Fires; usual: MOUSE1")
              << gameSetBlock("BINDING", "Name", "seta name *x", "");
    } else if (fileName == "hud.set") {
        lines << gameSetBlock("SWITCH", "Frame rate", "seta cg_drawFPS *x", "my own note")
              << gameSetBlock("SELECTIONS", "Detail", "seta r_picmip *x", "Texture detail");
    } else {
        lines << gameSetBlock("SWITCH", "Mute", "seta s_muteWhenMinimized *x", "Mutes");
    }
    return test::crlfLines(lines);
}

// Opens a script as the editor does (each free line ended by CR LF) and saves it again.
QByteArray openAndSave(const QByteArray& script, bool comments) {
    GameSetTables tables;
    tables.resetAll();
    NodeTree tree;
    ConfigScriptContents contents{{}, {}, comments};
    textfile::LineReader lines(script);
    readConfigScript(
        lines, tables,
        {[&](const QString& set) {
             contents.loadedGameSets << set;
             loadGameSetBytes(gameSet(set), set, tables, tree);
             return true;
         },
         [&](const QString& line) { contents.otherCommands += line + "\r\n"; }, [] {}});
    return writeConfigScript(contents, tables);
}

}  // namespace

class OpenAndSaveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A script the program wrote, opened and saved again with the same comments choice, is the
    // same file, however often it is done.
    void openedAndSaved_isTheSameFile_data() {
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<QString>("typed");  // the free lines as typed
        QTest::addColumn<bool>("comments");
        const QStringList three{"hud.set", "keys.set", "sound.set"};
        QTest::newRow("no sets, a free line typed without a line end")
            << QStringList() << "name Visor" << true;
        QTest::newRow("three sets") << three << "" << false;
        QTest::newRow("free lines typed with a line end, with comments")
            << three << "bind F1 \"vote yes\"\r\ncg_fov 100\r\n"
            << true;
        // The player's comment lines stay when not directly before their entry's line, even one
        // reading like an entry's comment; the last stands before another entry's line.
        QTest::newRow("comment lines of the player's own")
            << three << "echo hi\r\n// my own note\r\n// Texture detail" << false;
        QTest::newRow("the player's comment before the entries, with comments")
            << three << "// Fires; usual: MOUSE1" << true;
    }
    void openedAndSaved_isTheSameFile() {
        QFETCH(QStringList, sets);
        QFETCH(QString, typed);
        QFETCH(bool, comments);
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;
        for (const QString& set : sets) {
            loadGameSetBytes(gameSet(set), set, tables, tree);
        }
        if (!sets.isEmpty()) {  // a value of each kind, and a Switch turned off
            tables.Bindings[0].Value = "MOUSE1";
            tables.Bindings[1].Value = "Visor";
            tables.Switches[0].State = "0";
            tables.Selections[0].Choice = "2 - Low";
        }
        const QByteArray first = writeConfigScript({sets, typed, comments}, tables);
        QByteArray script = first;
        for (int time = 1; time <= 10; ++time) {
            script = openAndSave(script, comments);
            QCOMPARE(script, first);
        }
    }

    // A path pasted into "Edit Existing Config File" loses the blanks and one pair of quotes
    // around it; a full path typed as the save dialog's file name is that path.
    void pathsAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("saved");  // as the name in the folder /games; empty: not checked
        const auto row = [](const char* title, const char* typed, const char* opened,
                            const char* saved) {
            QTest::newRow(title) << QString(typed) << QString(opened) << QString(saved);
        };
        row("a name", "a.cfg", "a.cfg", "/games/a.cfg");
        row("a full path", "/q3/a.cfg", "/q3/a.cfg", "/q3/a.cfg");
        row("blanks and quotes", " \"/q3/a b.cfg\"\n", "/q3/a b.cfg", "");
        row("one pair of single quotes", "''a''", "'a'", "");
        row("a quote on one side stays", "\"a.cfg", "\"a.cfg", "");
    }
    void pathsAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTEST(typedScriptPath(typed), "opened");
        QVERIFY(saved.isEmpty() || configScriptPath("/games", typed) == saved);
    }
};

QTEST_GUILESS_MAIN(OpenAndSaveTest)
#include "tst_openandsave.moc"
