// Brings scripts in as the player does and runs the original and the saved script through the
// game's own engine: the cvars must end the same, and so must the keys' bindings, which a
// dedicated server does not keep and a small model of bind, unbind and unbindall follows instead.
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "console/GameReading.h"
#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "menu/ExistingConfig.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/KeyNames.h"
#include "model/NodeTree.h"
#include "output/ConfigWriter.h"
#include "output/Form6.h"
#include "support/GameEngine.h"
#include "support/TestSupport.h"
#include "ui/ProgramControl.h"

using namespace scriptloom;

namespace {

using Binds = QMap<QByteArray, QByteArray>;

// A bound text as the game runs it when the key is pressed: its commands, each as its words with
// the command's name in lower case.
QByteArray asRun(QByteArrayView text, console::Cutting cutting) {
    QByteArrayList commands;
    for (const QByteArray& command : console::cutCommands(text, cutting)) {
        QList<QByteArrayView> words = console::splitWords(command);
        if (!words.isEmpty()) {
            commands << words[0].toByteArray().toLower() + ' ' + console::joinWords(words, 1);
        }
    }
    return commands.join(';');
}

// The keys bound after running the script, in lower case, with what each runs.
Binds bindsAfter(const QByteArray& script, console::Cutting cutting) {
    Binds binds;
    for (const QByteArray& command : console::cutCommands(script, cutting)) {
        const QList<QByteArrayView> words = console::splitWords(command);
        const QByteArray name = words.value(0).toByteArray().toLower();
        if (name == "unbindall") {
            binds.clear();
        } else if (name == "unbind") {
            binds.remove(words.value(1).toByteArray().toLower());
        } else if (name == "bind" && words.size() > 2) {
            binds[words[1].toByteArray().toLower()] = asRun(console::joinWords(words, 2), cutting);
        }
    }
    return binds;
}

// Every cvar after the engine ran the script in the game folder `home`/check, by name in lower
// case.
QHash<QByteArray, QByteArray> cvarsAfter(const QString& home, const QByteArray& script) {
    QByteArray output;
    QString problem;
    // The engine keeps the archived cvars in the game folder when it quits: each run starts clean.
    QDir(home + "/check").removeRecursively();
    if (!test::writeFile(home + "/check/script.cfg", script) ||
        !test::runEngine(home, {"+exec", "script.cfg", "+echo", "@@cvars", "+cvarlist"}, output,
                         problem)) {
        qWarning().noquote() << problem;
        return {};
    }
    QHash<QByteArray, QByteArray> cvars = test::listedCvars(output, "@@cvars");
    cvars.remove("net_qport");  // picked at random at every start
    return cvars;
}

}  // namespace

class ImportPromiseTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;

    // A script the program wrote, a set in use with values, and then a line typed into it by hand;
    // its free lines and that line fit sets that are not in use.
    QByteArray programScript() {
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;
        loadGameSet(programfolder::gameSetPath("display-and-hud.set"), tables, tree);
        tables.Bindings[0].Value = "105";
        tables.Switches[0].State = "0";
        const QString free = "bind w \"+forward\"\r\nseta sensitivity 2.5; seta cg_fov 90";
        return writeConfigScript({{"display-and-hud.set"}, free, true}, tables) +
               "bind MOUSE1 \"+attack\"; seta cl_run 0 // typed by hand\r\n";
    }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        QVERIFY(QDir().mkpath(programfolder::configDirectory()));
        for (const QString& set : QDir(SCRIPTLOOM_SHIPPED_SETS).entryList({"*.set"})) {
            QVERIFY(
                QFile::copy(SCRIPTLOOM_SHIPPED_SETS "/" + set, programfolder::gameSetPath(set)));
        }
        QVERIFY(test::writeFile(programFolder_.filePath("program.cfg"), programScript()));
    }

    void cleanup() { discardAllWindows(); }

    void sameCvarsAndBinds_data() {
        QTest::addColumn<QString>("path");
        // At least this many commands become entries; -1 for a starting point, with no offer.
        QTest::addColumn<int>("broughtIn");
        QTest::newRow("the game's q3config.cfg")
            << SCRIPTLOOM_TEST_DATA "/config-scripts/q3config.cfg" << 150;
        QTest::newRow("a hand-written autoexec.cfg")
            << SCRIPTLOOM_TEST_DATA "/config-scripts/autoexec.cfg" << 20;
        QTest::newRow("a script the program wrote, typed into")
            << programFolder_.filePath("program.cfg") << 5;
        for (const QString& name : QDir(SCRIPTLOOM_STARTING_POINTS).entryList({"*.cfg"})) {
            QTest::newRow(qPrintable(name)) << SCRIPTLOOM_STARTING_POINTS "/" + name << -1;
        }
    }

    // Opened, brought in and saved with comments, the script leaves the game as the original did.
    void sameCvarsAndBinds() {
        QFETCH(QString, path);
        QFETCH(int, broughtIn);
        const QByteArray original = test::readFile(path);
        QVERIFY(editExistingConfigFile(path));
        auto* offer = Form3::instance()->findChild<QWidget*>("barImport");
        QCOMPARE(offer->isHidden(), broughtIn < 0);
        if (broughtIn < 0) {
            checkStartingPoint(original);
        } else {
            QTest::mouseClick(offer->findChild<QPushButton*>("cmdImport"), Qt::LeftButton);
            QVERIFY(test::entryValues(programTables()).size() >= broughtIn);
        }
        const QByteArray saved = writeConfigScript(
            {Form2::instance()->gameSetsInUse(), Form6::instance()->text(), true}, programTables());

        const QHash<QByteArray, QByteArray> before = cvarsAfter(programFolder_.path(), original);
        const QHash<QByteArray, QByteArray> after = cvarsAfter(programFolder_.path(), saved);
        QVERIFY(before.size() > 100);
        QCOMPARE(after.size(), before.size());
        for (auto cvar = before.cbegin(); cvar != before.cend(); ++cvar) {
            QVERIFY2(after.value(cvar.key()) == cvar.value(),
                     cvar.key() + ": " + cvar.value() + " / " + after.value(cvar.key()));
        }
        for (const console::Cutting cutting : console::kBothCuttings) {
            QCOMPARE(bindsAfter(saved, cutting), bindsAfter(original, cutting));
        }
    }

private:
    // A starting point says what it is for, opens as the program wrote it, and gives shipped sets
    // listed options, switch states and keys the game knows.
    static void checkStartingPoint(const QByteArray& original) {
        const QStringList sets = Form2::instance()->gameSetsInUse();
        for (const QString& set : sets) {
            QVERIFY2(QFile::exists(SCRIPTLOOM_SHIPPED_SETS "/" + set), qPrintable(set));
        }
        QVERIFY(Form6::instance()->text().startsWith("// "));
        const GameSetTables& tables = programTables();
        QVERIFY(test::entryValues(tables).size() >= 10);
        for (int i = 0; i < tables.Selections.Count(); ++i) {
            const SelectionEntry& e = tables.Selections[i];
            QVERIFY2(e.Choice.isEmpty() || isListedOption(e, e.Choice), qPrintable(e.Name));
        }
        for (int i = 0; i < tables.Switches.Count(); ++i) {
            QVERIFY(QStringList({"", "0", "1"}).contains(tables.Switches[i].State));
        }
        for (int i = 0; i < tables.Bindings.Count(); ++i) {
            const BindingEntry& e = tables.Bindings[i];
            QVERIFY2(e.Value.isEmpty() || !commandBindsKey(e.Command) || isGameKeyName(e.Value),
                     qPrintable(e.Name));
        }
        QCOMPARE(writeConfigScript({sets, Form6::instance()->text(), true}, tables), original);
    }
};

QTEST_MAIN(ImportPromiseTest)
#include "tst_importpromise.moc"
