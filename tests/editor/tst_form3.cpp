#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <tuple>

#include "files/ProgramFolder.h"
#include "gamesets/Form7.h"
#include "model/TreeAdder.h"
#include "support/EditorSupport.h"
#include "ui/CheckBox.h"
#include "ui/FileListBox.h"
#include "ui/KeyCaptureButton.h"

using namespace scriptloom;

namespace {

enum Kind { kSelection, kSwitch, kBinding };

// Appends an entry and its node, as loading a game set does.
void addEntry(int kind, const QString& name, const QString& command, const QString& comment = {},
              const QString& value = {}, const QString& section = "S") {
    GameSetTables& tables = programTables();
    if (kind == kSelection) {
        tables.Selections.append(
            {section, name, command, comment, {"90", "110", "2 - High"}, 3, value});
    } else if (kind == kSwitch) {
        tables.Switches.append({section, name, command, comment, value});
    } else {
        tables.Bindings.append({section, name, command, comment, value});
    }
    addEntryNode(section, name, Form3::instance()->TreeView1()->nodes());
}

// Two of each Name but Zoom and Player name, so every value goes to two entries.
void addTwoSetsOfEntries() {
    for (int set = 0; set < 2; ++set) {
        addEntry(kBinding, "Fire", R"(bind *x "+attack")");
        addEntry(kSelection, "FOV", R"(seta cg_fov "*x")");
        addEntry(kSwitch, "Run", R"(seta cl_run "*x")");
    }
    addEntry(kBinding, "Zoom", R"(bind *x "+zoom")");
    addEntry(kBinding, "Player name", R"(seta name "*x")");
}

}  // namespace

// The config editor's panels and the aids to setting a value: showing the entry of a node,
// storing what the user sets, binding a key by pressing it, clashes, clearing, undo and redo,
// hints and warnings, each driven through the controls as the user drives them.
class Form3Test : public test::EditorFixture {
    Q_OBJECT

private:
    int programEnds_ = 0;

    CheckBox* check1() { return control<CheckBox>("Check1"); }
    QComboBox* combo1() { return control<QComboBox>("Combo1"); }
    QLineEdit* text1() { return control<QLineEdit>("Text1"); }
    KeyCaptureButton* pressKey() { return control<KeyCaptureButton>("cmdPressKey"); }
    void undo() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }

    // The panel on screen, its help text and the value it shows: "Switch: help = 1".
    QString shownPanel() {
        const std::tuple<const char*, const char*, QString> panels[] = {
            {"frmSelection", "Label2", combo1()->currentText()},
            {"frmSwitch", "Label11", QString::number(check1()->value())},
            {"frmBinding", "Label3", text1()->text()}};
        for (const auto& [frame, help, shown] : panels) {
            if (const auto* panel = control<QGroupBox>(frame); panel->isVisible()) {
                return panel->title() + ": " + control<QLabel>(help)->text() + " = " + shown;
            }
        }
        return {};
    }

private Q_SLOTS:
    void init() {
        setEndProgramHandler([this] { ++programEnds_; });
        programEnds_ = 0;
        Form3::instance()->startNewConfig();
        Form3::instance()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form3::instance()));
    }

    void cleanup() {
        discardAllWindows();
        setEndProgramHandler({});
    }

    // Any node of a name shows the first Selection of that name, else the first Switch, else the
    // first Binding, and stores nothing back. A switch sets the box from its state, shown before
    // as 1; "2", the greyed box's own number, is kept as not set, and any other text leaves the
    // box as it was.
    void click_showsTheFirstEntryOfTheName_data() {
        QTest::addColumn<QList<int>>("kinds");  // entry i: named "X", comment "e<i>"
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");  // every value afterwards, "Before=1" among them
        const auto row = [](const char* name, QList<int> kinds, QStringList states,
                            const char* shown, const char* stored) {
            QTest::newRow(name) << kinds << states << QString(shown) << QString(stored);
        };
        row("selection before switch", {kSwitch, kSelection}, {"0", "1"}, "Selection: e1 = 1",
            "Before=1 X=0 X=1");
        row("switch before binding", {kBinding, kSwitch}, {"0", "1"}, "Switch: e1 = 1",
            "X=0 Before=1 X=1");
        row("lowest binding", {kBinding, kBinding}, {"0", "1"}, "Binding / Setting: e0 = 0",
            "X=0 X=1 Before=1");
        row("switch off", {kSwitch}, {"0"}, "Switch: e0 = 0", "Before=1 X=0");
        row("switch 2", {kSwitch}, {"2"}, "Switch: e0 = 2", "Before=1");
        row("switch of other text", {kSwitch}, {"yes"}, "Switch: e0 = 1", "Before=1 X=yes");
    }
    void click_showsTheFirstEntryOfTheName() {
        QFETCH(QList<int>, kinds);
        QFETCH(QStringList, states);
        addEntry(kSwitch, "Before", "cmd *x", {}, "1");
        for (int i = 0; i < kinds.size(); ++i) {
            addEntry(kinds[i], "X", "cmd *x", QStringLiteral("e%1").arg(i), states[i]);
        }
        QVERIFY(clickNode("Before") && clickNode("X"));
        QTEST(shownPanel(), "shown");
        QTEST(values(), "stored");
    }

    // Edits store nothing while no node is selected, nor while the selected node names no entry;
    // a section node named like an entry shows it, a released key shows the entry of the node it
    // moved to, and closing ends the program.
    void editsFollowTheSelectedNode() {
        addEntry(kBinding, "Fire", "bind *x", "fires", {}, "Weapons");
        addEntry(kSwitch, "Weapons", "cmd *x", "named like a section");
        addEntry(kSelection, "", "cmd *x", "unnamed");
        check1()->click();
        combo1()->setEditText("v");
        text1()->setText("v");
        QVERIFY(clickNode("Fire"));
        QVERIFY(clickNode("S"));
        QCOMPARE(shownPanel(), QStringLiteral("Binding / Setting: fires = "));
        text1()->setText("MOUSE1");
        QCOMPARE(values(), QString());
        QVERIFY(clickNode("Weapons"));
        QCOMPARE(shownPanel(), QStringLiteral("Switch: named like a section = 2"));
        QTest::keyClick(tree(), Qt::Key_Down);
        QCOMPARE(shownPanel(), QStringLiteral("Binding / Setting: fires = "));
        Form3::instance()->close();
        QCOMPARE(programEnds_, 1);
    }

    // Each control stores into every entry of its own kind and the selected node's Name,
    // whichever panel is on screen; a click on the box only turns it on or off.
    void edits_reachEverySameNamedEntryOfTheirKindOnly() {
        for (const int kind : {kSelection, kSwitch, kBinding}) {
            for (const char* name : {"X", "X", "Y"}) {
                addEntry(kind, name, "cmd *x", {}, "old");
            }
        }
        QVERIFY(clickNode("X"));
        check1()->setValue(CheckBox::kUnchecked);
        check1()->click();
        QCOMPARE(values(), "X=old X=old Y=old X=1 X=1 Y=old X=old X=old Y=old");
        combo1()->setEditText("c");
        QCOMPARE(values(), "X=old X=old Y=old X=1 X=1 Y=old X=c X=c Y=old");
        text1()->setText("t");
        QCOMPARE(values(), "X=t X=t Y=old X=1 X=1 Y=old X=c X=c Y=old");
        check1()->click();  // a ticked box is cleared by a click, never greyed
        QCOMPARE(values(), "X=t X=t Y=old X=0 X=0 Y=old X=c X=c Y=old");
    }

    // The lines under the value boxes follow the value shown, whether it was stored before the
    // click or is being typed, and never refuse it. A Selection is judged by the value it writes,
    // cut after the dash; its hint compares with the listed values; the key hint is for a
    // Binding that binds a key; an empty box has no hint.
    void linesUnderTheBoxes_followTheShownValue() {
        const QString early =
            "This value ends the command early: the game will read the rest as another command.";
        addTwoSetsOfEntries();
        addEntry(kBinding, "Quit", "bind *x", "q", "a;quit");
        addEntry(kSelection, "Gun", "cmd *x", "g");
        QVERIFY(clickNode("Quit"));
        QCOMPARE(shownText("lblBreakoutBinding"), early);
        QVERIFY(clickNode("Fire"));
        QVERIFY(shownText("lblBreakoutBinding").isEmpty());
        QTest::keyClicks(text1(), "x;quit");
        QCOMPARE(shownText("lblBreakoutBinding"), early);
        text1()->clear();
        QTest::keyClicks(text1(), "mouse9");
        QCOMPARE(shownText("lblHintBinding"), "The game knows no key of this name.");
        QCOMPARE(values(), "Fire=mouse9 Fire=mouse9 Quit=a;quit");
        QTest::keyClick(text1(), Qt::Key_Backspace);
        QTest::keyClicks(text1(), "2");
        QCOMPARE(shownText("lblHintBinding"), "");
        QTest::keyClicks(text1(), "x");  // an unknown key, whose hint the emptied box must drop
        text1()->clear();
        QCOMPARE(shownText("lblHintBinding"), "");
        QVERIFY(clickNode("Player name"));
        QTest::keyClicks(text1(), "mouse9");
        QCOMPARE(shownText("lblHintBinding"), "");

        QVERIFY(clickNode("Gun"));
        QTest::keyClicks(combo1()->lineEdit(), "1;quit");
        QVERIFY(!shownText("lblBreakoutSelection").isEmpty());
        combo1()->setEditText("2 - High; quit");
        QVERIFY(shownText("lblBreakoutSelection").isEmpty());
        combo1()->clearEditText();
        combo1()->setFocus();  // a list completes typing only in the box that has the focus
        QTest::keyClicks(combo1()->lineEdit(), "11");  // as typed, not completed to "110"
        QCOMPARE(shownText("lblHintSelection"), "Not one of the listed values: written as typed.");
        combo1()->setEditText("110 ");
        QVERIFY(!shownText("lblHintSelection").isEmpty());
        combo1()->setCurrentIndex(1);
        QCOMPARE(shownText("lblHintSelection"), "");
        combo1()->setEditText("");
        QCOMPARE(shownText("lblHintSelection"), "");
    }

    // "Add Game Set..." reads the config directory again on each press, so a set written
    // meanwhile is offered, and a missing folder is named.
    void addGameSet_readsTheFolderEachTime() {
        QTemporaryDir programFolder;
        programfolder::setOverride(programFolder.path());
        QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
        Form7* dialog = Form7::instance();
        auto* status = dialog->findChild<QLabel*>("lblStatus");
        QVERIFY(dialog->isVisible() && dialog->File1()->count() == 0);
        QVERIFY(status->isVisible() && status->text().contains("does not exist"));
        QVERIFY(test::writeFile(programFolder.filePath("config/new.set"), {}));
        QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(dialog->File1()->itemName(0), QString("new.set"));
        QVERIFY(status->isHidden());
        programfolder::setOverride({});
    }

    // The key pressed, or the mouse button clicked, over the button goes into every Binding of
    // the Name. A quote is refused and the button listens on; Escape leaves the value as it was.
    // The clash line and the marks come when two Names share a key, in any case, and go when
    // they no longer do; a Binding that sets a value, not a key, has no key button and never
    // clashes.
    void pressingAKey_bindsItAndSharedKeysAreMarked() {
        addTwoSetsOfEntries();
        QVERIFY(clickNode("Fire"));
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QVERIFY(pressKey()->listening());
        QTest::mouseClick(pressKey(), Qt::RightButton);
        QCOMPARE(values(), "Fire=MOUSE2 Fire=MOUSE2");
        // Shift held for the quote is no key of its own; released alone, Ctrl is.
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::keyPress(pressKey(), Qt::Key_Shift);
        QTest::keyClick(pressKey(), Qt::Key_QuoteDbl, Qt::ShiftModifier);
        QTest::keyRelease(pressKey(), Qt::Key_Shift);
        QVERIFY(pressKey()->listening());
        QVERIFY(shownText("lblCapture").contains("cannot bind"));
        QTest::keyPress(pressKey(), Qt::Key_Control);
        QTest::keyRelease(pressKey(), Qt::Key_Control);
        QCOMPARE(values(), "Fire=CTRL Fire=CTRL");
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::keyClick(pressKey(), Qt::Key_Escape);
        QVERIFY(!pressKey()->listening());
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::keyClick(pressKey(), Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(values(), "Fire=KP_UPARROW Fire=KP_UPARROW");

        QVERIFY(clickNode("Player name"));
        QVERIFY(!pressKey()->isVisible());
        QTest::keyClicks(text1(), "mouse1");
        QVERIFY(clickNode("Fire"));
        text1()->setText("mouse1");
        QCOMPARE(shownText("lblClash"), "");
        QVERIFY(clickNode("Zoom"));
        QTest::keyClicks(text1(), "MOUSE1");
        QCOMPARE(shownText("lblClash"), "Also bound to: Fire (S)");
        QTRY_COMPARE(mark("Fire"), "= mouse1  (clash) bold!");
        QCOMPARE(mark("Zoom"), "= MOUSE1  (clash) bold!");
        QCOMPARE(mark("Player name"), "= mouse1 bold");
        QTest::keyClick(text1(), Qt::Key_Backspace);
        QCOMPARE(shownText("lblClash"), "");
        QTRY_COMPARE(mark("Fire"), "= mouse1 bold");

        // The panel's right-click menu, in a value box too, offers the editor's Undo and Redo and
        // Clear, not the box's own undo.
        for (QWidget* part : QList<QWidget*>{control<QLabel>("Label3"), text1()}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    part->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(part, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QStringList texts;
            for (const QAction* action : menu->actions()) {
                texts << action->text();
            }
            QCOMPARE(texts.mid(0, 2), QStringList({"Undo", "Redo"}));
            QCOMPARE(texts.last(), "Clear");
            QCOMPARE(texts.filter("Undo").size(), 1);
            if (part == text1()) {
                menu->actions().at(texts.indexOf("Undo"))->trigger();
            }
            menu->close();
        }
        QCOMPARE(values(), "Fire=mouse1 Fire=mouse1 Player name=mouse1");
    }

    // Each edit is one step: the keys typed into one entry while it stays on show are one, and
    // typing that ends where it began is none. Clear, or Delete on the tree, empties the value of
    // every entry of the Name, whatever its kind, and a cleared Switch shows greyed. Undo and redo
    // put back the values of every entry of the Name, show the entry they change, and the script
    // follows.
    void clearUndoAndRedo_walkTheEdits() {
        addTwoSetsOfEntries();
        QVERIFY(clickNode("FOV"));
        combo1()->setCurrentIndex(1);
        QVERIFY(clickNode("Fire"));
        QTest::keyClicks(text1(), "ab");
        QVERIFY(clickNode("Zoom"));
        QTest::keyClicks(text1(), "z");
        QTest::keyClick(text1(), Qt::Key_Backspace);
        QVERIFY(clickNode("Fire"));
        QTest::keyClicks(text1(), "c");
        QVERIFY(clickNode("Run"));
        QTest::mouseClick(check1(), Qt::LeftButton);
        tree()->setFocus();
        QTest::keyClick(tree(), Qt::Key_Delete);
        QCOMPARE(check1()->value(), CheckBox::kGreyed);
        QVERIFY(clickNode("Fire"));
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::mouseClick(pressKey(), Qt::RightButton);
        const QString last = "Fire=MOUSE2 Fire=MOUSE2 FOV=110 FOV=110";
        QCOMPARE(values(), last);
        QTest::mouseClick(control<QPushButton>("cmdClearBinding"), Qt::LeftButton);
        QVERIFY(clickNode("FOV"));
        QTest::mouseClick(control<QPushButton>("cmdClearSelection"), Qt::LeftButton);
        QCOMPARE(values(), "");

        // A find that hides the entry an undo changes gives way to it.
        control<QLineEdit>("txtFind")->setText("FOV");
        text1()->setFocus();
        const QStringList steps = {"FOV=110 FOV=110",
                                   last,
                                   "Fire=abc Fire=abc FOV=110 FOV=110",
                                   "Fire=abc Fire=abc Run=1 Run=1 FOV=110 FOV=110",
                                   "Fire=abc Fire=abc FOV=110 FOV=110",
                                   "Fire=ab Fire=ab FOV=110 FOV=110",
                                   "FOV=110 FOV=110",
                                   ""};
        const QStringList shownNodes = {"FOV", "Fire", "Fire", "Run", "Run", "Fire", "Fire", "FOV"};
        for (int step = 0; step < steps.size(); ++step) {
            undo();
            QCOMPARE(values(), steps[step]);
            QCOMPARE(tree()->selectedText(), shownNodes[step]);
        }
        QCOMPARE(control<QLineEdit>("txtFind")->text(), "");
        QCOMPARE(combo1()->currentText(), "");
        undo();  // nothing left to take back
        QCOMPARE(values(), "");

        QTest::keyClick(Form3::instance(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(Form3::instance(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(values(), steps[5]);
        QCOMPARE(text1()->text(), "ab");
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(Form3::instance(), Qt::Key_Y, Qt::ControlModifier);
        }
        QCOMPARE(values(), last);

        // A new config starts with no history.
        Form3::instance()->startNewConfig();
        addTwoSetsOfEntries();
        undo();
        QCOMPARE(values(), "");
    }
};

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
