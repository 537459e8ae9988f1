#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "gamesets/Form4.h"
#include "gamesets/Form7.h"
#include "menu/ExistingConfig.h"
#include "menu/Form1.h"
#include "output/Form6.h"
#include "support/EditorSupport.h"
#include "ui/FileListBox.h"

using namespace scriptloom;

// What the editor and its windows do so that the player's work is kept, and told about.
class KeptWorkTest : public test::EditorFixture {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;

    void writeSet(const QString& fileName, const QString& name, const QString& command) {
        QVERIFY(test::writeFile(programFolder_.filePath("config/" + fileName),
                                test::crlfLines(test::gameSetBlock("BINDING", name, command))));
    }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        writeSet("a.set", "Fire", "bind *x +attack");
    }

    void cleanup() {
        discardAllWindows();
        QFile::remove(programFolder_.filePath("config/c.set"));
    }

    // A config made from a.set with a free line; then one road the player takes.
    void roads_keepThePlayersWork_data() {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QString>("otherCommands");
        QTest::addColumn<QStringList>("inUse");
        QTest::addColumn<QString>("status");
        const auto row = [](const char* title, const char* road, const char* other,
                            const QStringList& inUse, const char* status = "") {
            QTest::newRow(title) << QString(road) << QString(other) << inUse << QString(status);
        };
        row("closing the free commands window keeps its text", "close", "echo kept", {"a.set"});
        row("a new config starts with no other commands", "new", "", {"a.set"});
        row("a set written during this config can be added", "add", "echo kept",
            {"a.set", "c.set"});
        row("a set the script names but the folder lacks is kept and told", "open",
            "//LOAD gone.set\r\nbind K +zoom\r\n", {"a.set"},
            "gone.set, named by the script, is not in the game set folder; its lines stay in "
            "other commands.");
    }
    void roads_keepThePlayersWork() {
        QFETCH(QString, road);
        QFETCH(QStringList, inUse);
        QVERIFY(test::openEditorOn({"a.set"}));
        showModeless(Form6::instance());
        QTest::keyClicks(Form6::instance()->Text1(), "echo kept");
        if (road == "close") {
            Form6::instance()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else if (road == "new") {
            QVERIFY(test::openEditorOn({"a.set"}));
        } else if (road == "add") {
            writeSet("c.set", "Zoom", "bind *x +zoom");  // as the game set editor's save does
            Form7* dialog = Form7::instance();
            dialog->pointFileListAt(programfolder::configDirectory());
            dialog->File1()->setSelected(1, true);
            QCOMPARE(dialog->File1()->fileName(), QString("c.set"));
            QTest::keyClick(dialog->File1(), Qt::Key_Return);
        } else if (road == "open") {
            const QString script = programFolder_.filePath("gone.cfg");
            QVERIFY(test::writeFile(
                script, test::crlfLines({"//LOAD gone.set", "//LOAD a.set", "bind K +zoom"})));
            QCOMPARE(openExistingConfigFile(script), QString());
        }
        QVERIFY(Form6::exists());
        QTEST(Form6::instance()->text(), "otherCommands");
        QCOMPARE(Form2::instance()->gameSetsInUse(), inUse);
        QTEST(shownText("lblStatus"), "status");
        QCOMPARE(test::entryTexts(programTables(), false).size(), inUse.size());
    }

    // The game set editor says what "save" writes and when it replaces a set, reports the save,
    // and tells when an entry added has no "*x".
    void gameSetEditor_saysWhatItDoes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("lines");  // the lines under the frames, once pressed
        const auto row = [](const char* title, const char* name, const char* press,
                            const char* lines) {
            QTest::newRow(title) << QString(name) << QString(press) << QString(lines);
        };
        row("a new name, saved", "mine.set", "Command8",
            "Saves all 1 entry now loaded as one game set.|Replaces the existing mine.set (kept as "
            "mine.set.bak).|Saved mine.set: 1 entry.");
        row("an existing set's name is told before saving", "a.set", "",
            "Saves all 1 entry now loaded as one game set.|Replaces the existing a.set (kept as "
            "a.set.bak).|");
        row("an entry without *x is added and told", "name.set", "Command5",
            "Saves all 2 entries now loaded as one game set.||This command has no *x: the value "
            "will not be written into it.");
    }
    void gameSetEditor_saysWhatItDoes() {
        QFETCH(QString, name);
        QFETCH(QString, press);
        QVERIFY(test::openEditorOn({"a.set"}));
        Form4* editor = Form4::instance();
        showModeless(editor);
        editor->findChild<QLineEdit*>("Text14")->setText(name);
        editor->findChild<QLineEdit*>("Text8")->setText("cl_run 1");
        if (!press.isEmpty()) {
            QTest::mouseClick(editor->findChild<QPushButton*>(press), Qt::LeftButton);
        }
        QCoreApplication::processEvents();  // the notice that entries changed
        QStringList lines;
        for (const char* line : {"lblSavesAll", "lblSaveNote", "lblStatus"}) {
            const auto* label = editor->findChild<QLabel*>(line);
            lines << (label->isVisible() ? label->text() : QString());
        }
        QTEST(lines.join('|'), "lines");
        QFile::remove(programFolder_.filePath("config/mine.set"));
    }

    // Escape puts the dialogs that had no Escape away, with what was typed into them; in the
    // picker it goes back to the main menu, as closing the picker does.
    void escape_putsEveryDialogAwayWithItsState_data() {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Select Game Sets you want to use") << "Form2";
        QTest::newRow("Select Game Sets you want to add") << "Form7";
        QTest::newRow("Edit Scriptloom Game Set") << "Form4";
    }
    void escape_putsEveryDialogAwayWithItsState() {
        QFETCH(QString, dialog);
        QVERIFY(test::openEditorOn({"a.set"}));
        QWidget* window = dialog == "Form2"   ? static_cast<QWidget*>(Form2::instance())
                          : dialog == "Form7" ? static_cast<QWidget*>(Form7::instance())
                                              : Form4::instance();
        showModeless(window);
        auto* box = window->findChild<QLineEdit*>();
        if (box != nullptr) {
            box->setText("typed");
        }
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QVERIFY(box == nullptr || box->text() == "typed");
        QCOMPARE(Form1::exists() && Form1::instance()->isVisible(), dialog == "Form2");
    }
};

QTEST_MAIN(KeptWorkTest)
#include "tst_keptwork.moc"
