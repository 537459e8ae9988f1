#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "gamesets/Form2.h"
#include "gamesets/Form4.h"
#include "gamesets/Form7.h"
#include "gamesets/GameSetWriter.h"
#include "menu/CommandTemplates.h"
#include "menu/ConfigScriptReader.h"
#include "model/GameSetTables.h"
#include "model/TreeAdder.h"
#include "support/TestSupport.h"
#include "ui/FileListBox.h"
#include "ui/MessageBox.h"
#include "ui/ProgramControl.h"
#include "ui/ProgramFolder.h"
#include "ui/TextFile.h"
#include "ui/TreeView.h"

using namespace scriptloom;

namespace {

enum Kind { kSelection, kBinding, kSwitch };

// The boxes (Section, Name, Command, Comment) and the "Add" and "Edit" buttons of each frame.
struct Frame {
    const char* boxes[4];
    const char* add;
    const char* edit;
};
const Frame kFrames[] = {{{"Text1", "Text2", "Text3", "Text4"}, "Command2", "Command3"},
                         {{"Text10", "Text9", "Text8", "Text7"}, "Command5", "Command4"},
                         {{"Text6", "Text11", "Text12", "Text13"}, "Command6", "Command7"}};

// Appends an entry with a value and its node, as loading a game set and then editing it does.
void loadEntry(int kind, const QString& name, const QString& comment) {
    GameSetTables& tables = programTables();
    if (kind == kSelection) {
        tables.Selections.append({"S", name, "cmd *x", comment, {"0", "1"}, 2, "1"});
    } else if (kind == kBinding) {
        tables.Bindings.append({"S", name, "bind *x", comment, "K"});
    } else {
        tables.Switches.append({"S", name, "cmd *x", comment, "1"});
    }
    addEntryNode("S", name, Form3::instance()->TreeView1()->nodes());
}

// Every file and folder under a folder, to see that nothing was written anywhere.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next();
    }
    return files;
}

}  // namespace

class Form4Test : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;
    QStringList messages_;
    Form4* form_ = nullptr;

    QLineEdit* box(const char* name) { return form_->findChild<QLineEdit*>(name); }
    QComboBox* combo1() { return form_->findChild<QComboBox*>("Combo1"); }
    void press(const char* button, QWidget* window = nullptr) {
        QTest::mouseClick((window ? window : form_)->findChild<QPushButton*>(button),
                          Qt::LeftButton);
    }
    void typeInto(const Frame& frame, const QStringList& texts) {
        for (int i = 0; i < 4; ++i) {
            box(frame.boxes[i])->setText(texts[i]);
        }
    }
    QStringList frameTexts(const Frame& frame) {
        QStringList texts;
        for (const char* name : frame.boxes) {
            texts << box(name)->text();
        }
        return texts;
    }
    QString config(const QString& name) { return programFolder_.filePath("config/" + name); }

    // Clicks the first node with the given text in the editor's tree, as the user would.
    void clickNode(const QString& text) {
        TreeView* tree = Form3::instance()->TreeView1();
        tree->expandAll();
        const int number = tree->nodes().firstNodeWithText(text);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->nodeRect(number).center());
        QCOMPARE(tree->selectedText(), text);
    }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        setFailureMessageHandler(
            [this](QWidget*, const QString&, const QString& text) { messages_ << text; });
    }

    void init() {
        messages_.clear();
        programTables().resetAll();
        QVERIFY(QDir(programFolder_.path()).mkpath("config"));
        Form3::instance()->show();
        form_ = Form4::instance();
        form_->show();
    }

    void cleanup() {
        discardAllWindows();
        QVERIFY(QDir(config("")).removeRecursively());
    }

    // An entry clicked in the editor fills its own frame, whatever was typed there, and no other
    // box; "Edit Game Set" then brings the window up with it.
    void clickedEntry_fillsOnlyTheBoxesOfItsKind() {
        loadEntry(kSelection, "Crosshair", "shape");
        loadEntry(kBinding, "Fire", "fires");
        for (QLineEdit* edit : form_->findChildren<QLineEdit*>()) {
            edit->setText("typed");
        }
        form_->hide();
        clickNode("Fire");
        QCOMPARE(frameTexts(kFrames[kBinding]), (QStringList{"S", "Fire", "bind *x", "fires"}));
        for (const int other : {kSelection, kSwitch}) {
            QCOMPARE(frameTexts(kFrames[other]), QStringList(4, "typed"));
        }
        QCOMPARE(box("Text5")->text() + box("Text14")->text(), QString("typedtyped"));
        clickNode("Crosshair");
        QCOMPARE(frameTexts(kFrames[kSelection]),
                 (QStringList{"S", "Crosshair", "cmd *x", "shape"}));
        QCOMPARE(combo1()->count(), 2);
        QVERIFY(!form_->isVisible());
        press("Command3", Form3::instance());
        QVERIFY(form_->isVisible());
    }

    void add_appendsAnEntryWithItsNodeAndNoValue_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("Selection") << int(kSelection);
        QTest::newRow("Binding") << int(kBinding);
        QTest::newRow("Switch") << int(kSwitch);
    }
    void add_appendsAnEntryWithItsNodeAndNoValue() {
        QFETCH(int, kind);
        const Frame& frame = kFrames[kind];
        typeInto(frame, {"New", "N", "n *x", "help"});
        combo1()->clear();
        box("Text5")->setText("a");
        press("Command1");
        box("Text5")->clear();
        press("Command1");
        press(frame.add);
        press(frame.add);
        const QString entry = kind == kSelection ? "New|N|n *x|help|a;|" : "New|N|n *x|help|";
        QCOMPARE(test::entryTexts(programTables()), QStringList(2, entry));
        const NodeTree& tree = Form3::instance()->TreeView1()->nodes();
        QCOMPARE(test::treeShape(tree), QString("1:New/1(2:N/3,3:N/3)"));
        QCOMPARE(frameTexts(frame), (QStringList{"New", "N", "n *x", "help"}));

        // After a reset a table holds 30 entries; the 31st grows it by 5 first and goes into
        // slot 30. The other two tables stay at 30.
        while (test::entryTexts(programTables()).size() < 30) {
            loadEntry(kind, "filler", {});
        }
        press(frame.add);
        const GameSetTables& tables = programTables();
        QCOMPARE(
            tables.Selections.Capacity() + tables.Bindings.Capacity() + tables.Switches.Capacity(),
            35 + 30 + 30);
        QCOMPARE(test::entryTexts(programTables()).size(), 31);
        QCOMPARE(test::entryTexts(programTables()).last(), entry);
        QCOMPARE(tree.count(), 33);  // New, its two entries, S with 28, and the 31st
        QVERIFY(messages_.isEmpty());
    }

    // Edit goes by the Name box: every entry of its own kind with that name takes the boxes'
    // texts and keeps its value; other names, other kinds and the tree stay as they were.
    void edit_rewritesEverySameNamedEntryOfItsKindOnly_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        const QStringList loaded{"S|X|cmd *x|a|0;1|1", "S|Y|cmd *x|y|0;1|1", "S|X|cmd *x|c|0;1|1",
                                 "S|X|bind *x|b|K", "S|X|cmd *x|s|1"};
        const QString edited = "T|X|new *x|edited|";
        QTest::newRow("Selections, list cleared, keep their Choice")
            << int(kSelection) << "X"
            << QStringList{edited + "|1", loaded[1], edited + "|1", loaded[3], loaded[4]};
        QTest::newRow("Bindings keep their Value")
            << int(kBinding) << "X"
            << QStringList{loaded[0], loaded[1], loaded[2], edited + "K", loaded[4]};
        QTest::newRow("Switches keep their State")
            << int(kSwitch) << "X"
            << QStringList{loaded[0], loaded[1], loaded[2], loaded[3], edited + "1"};
        QTest::newRow("an unknown name changes nothing") << int(kSelection) << "x" << loaded;
    }
    void edit_rewritesEverySameNamedEntryOfItsKindOnly() {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        for (const auto& [entryKind, entryName, comment] : {std::tuple{kSelection, "X", "a"},
                                                            {kSelection, "Y", "y"},
                                                            {kSelection, "X", "c"},
                                                            {kBinding, "X", "b"},
                                                            {kSwitch, "X", "s"}}) {
            loadEntry(entryKind, entryName, comment);
        }
        const QString treeBefore = test::treeShape(Form3::instance()->TreeView1()->nodes());
        typeInto(kFrames[kind], {"T", name, "new *x", "edited"});
        press("Command9");
        press(kFrames[kind].edit);
        QCOMPARE(test::entryTexts(programTables()), entries);
        QCOMPARE(test::treeShape(Form3::instance()->TreeView1()->nodes()), treeBefore);
    }

    // The option list takes any number of options; a Selection stores the first 21 and the user
    // is told how many were left out.
    void moreThan21Options_storesTheFirst21AndSaysSo() {
        loadEntry(kSelection, "X", "a");
        combo1()->clear();
        for (int i = 1; i <= 23; ++i) {
            box("Text5")->setText(QString::number(i));
            press("Command1");
        }
        QCOMPARE(combo1()->count(), 23);
        typeInto(kFrames[kSelection], {"S", "X", "c", "m"});
        press("Command3");
        press("Command2");
        for (int i : {0, 1}) {
            const SelectionEntry& entry = programTables().Selections[i];
            QCOMPARE(entry.OptionCount, std::int16_t(21));
            QCOMPARE(entry.Options[20], QString("21"));
        }
        QCOMPARE(messages_.size(), 2);
        QVERIFY(messages_[0].contains("last 2 of the 23"));
    }

    // A table at its largest size takes no more: no entry, no node, and the user is told.
    void fullTable_addsNothingAndSaysSo() {
        Table<SwitchEntry>& switches = programTables().Switches;
        while (switches.append({})) {
        }
        typeInto(kFrames[kSwitch], {"S", "One more", "c", "m"});
        press("Command6");
        QCOMPARE(switches.Count(), kLargestTableCapacity);
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 0);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains("Switches table is full"));
    }

    // A Command changed by Edit is the template a script line is matched against from then on,
    // even by an index built before the change.
    void editedCommand_isTheTemplateAScriptIsReadWith() {
        loadEntry(kBinding, "Fire", "fires");
        TemplateMatcher matcher(programTables());
        QVERIFY(matcher.firstFit("bind MOUSE1"));
        typeInto(kFrames[kBinding], {"S", "Fire", "seta fire *x", "fires"});
        press("Command4");
        QVERIFY(!matcher.firstFit("bind MOUSE1"));
        const std::optional<TemplateMatch> fit = matcher.firstFit("seta fire MOUSE2");
        QVERIFY(fit);
        QCOMPARE(fit->value, QString("MOUSE2"));

        textfile::LineReader script(test::crlfLines({"seta fire SPACE"}));
        QStringList otherCommands;
        readConfigScript(script, programTables(),
                         {[](const QString&) {},
                          [&otherCommands](const QString& line) { otherCommands << line; }, [] {}});
        QCOMPARE(programTables().Bindings[0].Value, QString("SPACE"));
        QVERIFY(otherCommands.isEmpty());
    }

    // "save" writes every loaded entry under the name typed, keeps what was there as NAME.bak,
    // and the set is offered the next time "Add Game Set..." is pressed. The window stays as it
    // was, and nothing is said.
    void save_writesTheModel_keepsThePreviousFileAndIsListed() {
        loadEntry(kSelection, "X", "a");
        box("Text14")->setText("mine.set");
        press("Command8");
        const QByteArray first = writeGameSet(programTables());
        QCOMPARE(test::readFile(config("mine.set")), first);
        loadEntry(kSwitch, "Y", "b");
        press("Command8");
        QCOMPARE(test::readFile(config("mine.set")), writeGameSet(programTables()));
        QCOMPARE(test::readFile(config("mine.set.bak")), first);
        QVERIFY(messages_.isEmpty() && form_->isVisible());
        QCOMPARE(box("Text14")->text(), QString("mine.set"));

        press("Command4", Form3::instance());
        QCOMPARE(Form7::instance()->File1()->count(), 1);
        QCOMPARE(Form7::instance()->File1()->itemName(0), QString("mine.set"));
    }

    // Names that could reach outside the config folder, or that Windows cannot hold, are refused
    // before anything is written anywhere; unusual names that are safe are taken as typed.
    void save_refusesUnsafeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        const QStringList refused{"",
                                  "../x.set",
                                  "sub/x.set",
                                  "sub\\x.set",
                                  "/tmp/x.set",
                                  "..",
                                  ".",
                                  "C:x.set",
                                  "x\ty.set",
                                  "x\u0085.set",
                                  "CON",
                                  "con.set",
                                  "Lpt9.set",
                                  "NUL .set",
                                  "x.set.",
                                  "x.set ",
                                  "why?.set",
                                  "a|b.set",
                                  "x\ny.set",
                                  QString::fromUtf8("графика.set"),
                                  QString::fromUtf8("graphics✓.set")};
        for (const QString& name : refused) {
            QTest::newRow(qPrintable("refused: " + name)) << name << true;
        }
        for (const char* name : {"CONSOLE.set", "com10.set", "a..b.set", "Café €.set"}) {
            QTest::newRow(qPrintable(QString("taken: ") + name)) << name << false;
        }
    }
    void save_refusesUnsafeNames() {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        loadEntry(kBinding, "Fire", "fires");
        box("Text14")->setText(name);
        const QStringList before = filesUnder(programFolder_.path());
        press("Command8");
        QCOMPARE(messages_.size(), refused ? 1 : 0);
        if (refused) {
            QVERIFY(messages_[0].startsWith("Cannot save the game set as"));
            QCOMPARE(filesUnder(programFolder_.path()), before);
        } else {
            QCOMPARE(test::readFile(config(name)), writeGameSet(programTables()));
        }
    }

    // A save that fails leaves the file that was there as it was, says why, and keeps the window
    // and its boxes.
    void failedSave_keepsTheOldFileAndSaysWhy_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("inTheWay");  // a folder made in the config folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("no config folder") << "x.set"
                                          << ""
                                          << "does not exist";
        QTest::newRow("a folder of that name") << "x.set"
                                               << "x.set"
                                               << "a folder";
        QTest::newRow("the previous file cannot be kept") << "old.set"
                                                          << "old.set.bak"
                                                          << "could not be kept";
    }
    void failedSave_keepsTheOldFileAndSaysWhy() {
        QFETCH(QString, name);
        QFETCH(QString, inTheWay);
        QFETCH(QString, reason);
        loadEntry(kBinding, "Fire", "fires");
        QVERIFY(test::writeFile(config("old.set"), "old"));
        if (inTheWay.isEmpty()) {
            QVERIFY(QDir(config("")).removeRecursively());
        } else {
            QVERIFY(QDir(config("")).mkpath(inTheWay));
        }
        box("Text14")->setText(name);
        press("Command8");
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].startsWith("Cannot write file " +
                                         QDir::toNativeSeparators(config(name)) + ":\n") &&
                     messages_[0].contains(reason),
                 qPrintable(messages_[0]));
        QCOMPARE(test::readFile(config("old.set")), inTheWay.isEmpty() ? "(missing)" : "old");
        QVERIFY(form_->isVisible());
        QCOMPARE(box("Text14")->text(), name);
        QVERIFY(QDir(config("")).mkpath("."));
    }

    // The whole road: an entry clicked and changed here, saved as a new set, and that set picked
    // for a new config shows the change.
    void changedEntry_savedAsANewSet_isWhatTheNextConfigShows() {
        QVERIFY(test::writeFile(config("base.set"),
                                test::crlfLines(test::gameSetBlock("BINDING", "Fire", "bind *x"))));
        Form2* picker = Form2::instance();
        picker->pointFileListAt(programfolder::configDirectory());
        picker->File1()->setSelected(0, true);
        press("Command1", picker);
        clickNode("Fire");
        box("Text8")->setText("bind *x +attack");
        press("Command4");
        box("Text14")->setText("fire.set");
        press("Command8");

        picker->pointFileListAt(programfolder::configDirectory());
        QCOMPARE(picker->File1()->itemName(1), QString("fire.set"));
        picker->File1()->setSelected(1, true);
        press("Command1", picker);
        box("Text8")->clear();
        clickNode("Fire");
        QCOMPARE(Form3::instance()->findChild<QLabel*>("Label6")->text(),
                 QString("bind *x +attack"));
        QCOMPARE(box("Text8")->text(), QString("bind *x +attack"));
        QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList{"fire.set"});
    }
};

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
