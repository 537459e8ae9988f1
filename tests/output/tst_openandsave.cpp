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

// Three game sets; one entry's comment is also a line a player might type.
QByteArray gameSet(const QString& fileName) {
    QStringList lines;
    if (fileName == "keys.set") {
        lines << gameSetBlock("BINDING", "Fire", R"(bind *x "+attack")", "Fires; usual: MOUSE1")
              << gameSetBlock("BINDING", "Name", "seta name *x", "");
    } else if (fileName == "hud.set") {
        lines << gameSetBlock("SWITCH", "Frame rate", "seta cg_drawFPS *x", "my own note")
              << gameSetBlock("SELECTIONS", "Detail", "seta r_picmip *x", "Texture detail",
                              {"0 - Sharp", "2 - Low"});
    } else if (fileName == "sound.set") {
        lines << gameSetBlock("SWITCH", "Mute", "seta s_muteWhenMinimized *x", "Mutes");
    }
    return test::crlfLines(lines);
}

struct Opened {
    GameSetTables tables;
    QStringList sets;
    QString otherCommands;
};

// Opens a script as the editor does: its sets loaded, its free lines each ended by CR LF.
void open(const QByteArray& script, Opened& into) {
    NodeTree tree;
    into.tables.resetAll();
    textfile::LineReader lines(script);
    readConfigScript(lines, into.tables,
                     {[&](const QString& set) {
                          into.sets << set;
                          loadGameSetBytes(gameSet(set), set, into.tables, tree);
                          return true;
                      },
                      [&](const QString& line) { into.otherCommands += line + "\r\n"; }, [] {}});
}

QByteArray save(const Opened& config, bool comments) {
    return writeConfigScript({config.sets, config.otherCommands, comments}, config.tables);
}

}  // namespace

// A script the program wrote, opened and saved again with the same comments choice, is the same
// file, however often it is done.
class OpenAndSaveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openedAndSaved_isTheSameFile_data() {
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<QString>("typed");  // the free lines as typed
        QTest::addColumn<bool>("comments");
        const QStringList three{"hud.set", "keys.set", "sound.set"};
        QTest::newRow("no sets") << QStringList() << "" << true;
        QTest::newRow("no sets, a free line typed without a line end")
            << QStringList() << "name Visor" << false;
        QTest::newRow("three sets") << three << "" << false;
        QTest::newRow("three sets with comments") << three << "" << true;
        QTest::newRow("free lines typed with a line end, with comments")
            << three << "bind F1 \"vote yes\"\r\ncg_fov 100\r\n"
            << true;
        // The player's own comment lines stay, even one that reads like an entry's comment, when
        // it is not directly before that entry's line; the last stands before another's line.
        QTest::newRow("a comment line of the player's own")
            << three << "echo hi\r\n// my own note\r\n// Texture detail" << false;
        QTest::newRow("the player's comment directly before the entries, with comments")
            << three << "echo hi\r\n// Fires; usual: MOUSE1" << true;
    }
    void openedAndSaved_isTheSameFile() {
        QFETCH(QStringList, sets);
        QFETCH(QString, typed);
        QFETCH(bool, comments);
        Opened made;
        made.tables.resetAll();
        NodeTree tree;
        for (const QString& set : sets) {
            loadGameSetBytes(gameSet(set), set, made.tables, tree);
        }
        made.sets = sets;
        made.otherCommands = typed;
        const auto set = [&](auto& table, auto field, const QString& name, const QString& value) {
            const int at = table.firstNamed(name);
            if (at >= 0) {
                table[at].*field = value;
            }
        };
        set(made.tables.Bindings, &BindingEntry::Value, "Fire", "MOUSE1");
        set(made.tables.Bindings, &BindingEntry::Value, "Name", "Visor");
        set(made.tables.Switches, &SwitchEntry::State, "Frame rate", "1");
        set(made.tables.Switches, &SwitchEntry::State, "Mute", "0");
        set(made.tables.Selections, &SelectionEntry::Choice, "Detail", "2 - Low");
        const QByteArray first = save(made, comments);

        QByteArray script = first;
        for (int time = 1; time <= 10; ++time) {
            Opened opened;
            open(script, opened);
            script = save(opened, comments);
            QVERIFY2(script == first,
                     qPrintable(QString("save %1:\n%2\n---\n%3")
                                    .arg(time)
                                    .arg(QString::fromLatin1(script), QString::fromLatin1(first))));
        }
    }

    // A path pasted into "Edit Existing Config File" loses the blanks and one pair of quotes
    // around it; a full path typed as the save dialog's file name (in the folder /games) is that
    // path.
    void pathsAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("saved");  // "": not a save dialog's case
        QTest::newRow("a name") << "my.cfg"
                                << "my.cfg"
                                << "/games/my.cfg";
        QTest::newRow("a full path") << "/q3/a.cfg"
                                     << "/q3/a.cfg"
                                     << "/q3/a.cfg";
        QTest::newRow("a path with a folder of its own") << "sub/a.cfg"
                                                         << "sub/a.cfg"
                                                         << "/games/sub/a.cfg";
        QTest::newRow("blanks and double quotes") << "  \"/q3/my cfg.cfg\"\n"
                                                  << "/q3/my cfg.cfg"
                                                  << "";
        QTest::newRow("single quotes, as a terminal copies") << "'/q3/a.cfg'"
                                                             << "/q3/a.cfg"
                                                             << "";
        QTest::newRow("one pair only") << "\"\"a\"\""
                                       << "\"a\""
                                       << "";
        QTest::newRow("a quote on one side stays") << "\"a.cfg"
                                                   << "\"a.cfg"
                                                   << "";
    }
    void pathsAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTEST(typedScriptPath(typed), "opened");
        if (!saved.isEmpty()) {
            QCOMPARE(configScriptPath("/games", typed), saved);
        }
    }
};

QTEST_GUILESS_MAIN(OpenAndSaveTest)
#include "tst_openandsave.moc"
