#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form7.h"
#include "model/GameSetTables.h"
#include "model/TreeAdder.h"
#include "output/ConfigWriter.h"
#include "support/EditorSupport.h"
#include "support/TestSupport.h"
#include "ui/CheckBox.h"
#include "ui/FileListBox.h"
#include "ui/KeyCaptureButton.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

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
        const QString shown[] = {combo1()->currentText(), QString::number(check1()->value()),
                                 text1()->text()};
        const char* panels[][2] = {
            {"frmSelection", "Label2"}, {"frmSwitch", "Label11"}, {"frmBinding", "Label3"}};
        for (const int kind : {kSelection, kSwitch, kBinding}) {
            const auto* frame = control<QGroupBox>(panels[kind][0]);
            if (frame->isVisible()) {
                return frame->title() + ": " + control<QLabel>(panels[kind][1])->text() + " = " +
                       shown[kind];
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
    // first Binding; showing it stores nothing back into any entry.
    void click_showsTheFirstEntryOfTheName_data() {
        QTest::addColumn<QList<int>>("kinds");  // entry i: named "X", comment "e<i>", value "<i>"
        QTest::addColumn<QString>("shown");
        QTest::newRow("selection before switch")
            << QList<int>{kSwitch, kSelection} << "Selection: e1 = 1";
        QTest::newRow("switch before binding") << QList<int>{kBinding, kSwitch} << "Switch: e1 = 1";
        QTest::newRow("lowest selection")
            << QList<int>{kSelection, kSelection} << "Selection: e0 = 0";
        QTest::newRow("lowest binding")
            << QList<int>{kBinding, kBinding} << "Binding / Setting: e0 = 0";
    }
    void click_showsTheFirstEntryOfTheName() {
        QFETCH(QList<int>, kinds);
        QFETCH(QString, shown);
        for (int i = 0; i < kinds.size(); ++i) {
            addEntry(kinds[i], "X", "cmd *x", QStringLiteral("e%1").arg(i), QString::number(i));
        }
        const QString before = values();
        QVERIFY(clickNode("X"));
        QCOMPARE(shownPanel(), shown);
        QCOMPARE(values(), before);
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

    // Showing a switch sets the box from its state; "2", the greyed box's own number, is kept as
    // not set, and any other text leaves the box as it was.
    void showingASwitch_setsCheck1FromItsState_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("shown");  // the box showed 1 before
        QTest::addColumn<QString>("stored");
        QTest::newRow("not set") << "" << 2 << "";
        QTest::newRow("off") << "0" << 0 << "0";
        QTest::newRow("2") << "2" << 2 << "";
        QTest::newRow("other text") << "yes" << 1 << "yes";
    }
    void showingASwitch_setsCheck1FromItsState() {
        QFETCH(QString, state);
        QFETCH(int, shown);
        QFETCH(QString, stored);
        addEntry(kSwitch, "Earlier", "cmd *x", {}, "1");
        addEntry(kSwitch, "X", "cmd *x", {}, state);
        QVERIFY(clickNode("Earlier") && clickNode("X"));
        QCOMPARE(check1()->value(), shown);
        QCOMPARE(programTables().Switches[1].State, stored);
    }

    // Each control stores into every entry of its own kind and the selected node's Name,
    // whichever panel is on screen.
    void edits_reachEverySameNamedEntryOfTheirKindOnly_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("Check1 to switches") << int(kSwitch);
        QTest::newRow("Combo1 to selections") << int(kSelection);
        QTest::newRow("Text1 to bindings") << int(kBinding);
    }
    void edits_reachEverySameNamedEntryOfTheirKindOnly() {
        QFETCH(int, kind);
        for (const int k : {kSelection, kSwitch, kBinding}) {
            for (const char* name : {"X", "X", "Y"}) {
                addEntry(k, name, "cmd *x", {}, "old");
            }
        }
        QVERIFY(clickNode("X"));
        if (kind == kSwitch) {
            check1()->setValue(CheckBox::kUnchecked);
            check1()->click();
        } else if (kind == kSelection) {
            combo1()->setEditText("1");
        } else {
            text1()->setText("1");
        }
        QStringList expected;  // Bindings, then Switches, then Selections
        for (const int k : {kBinding, kSwitch, kSelection}) {
            const QString value = k == kind ? "1" : "old";
            expected << "X=" + value << "X=" + value << "Y=old";
        }
        QCOMPARE(values(), expected.join(u' '));
    }

    // The warning under a value box follows the value shown, whether it was stored before the
    // click or is being typed; a Selection is judged by the value it writes, cut after the dash.
    void breakoutWarning_followsTheShownValue() {
        const QString early =
            "This value ends the command early: the game will read the rest as another command.";
        addEntry(kBinding, "Fire", "bind *x", "f", "a;quit");
        addEntry(kBinding, "Jump", "bind *x", "j");
        addEntry(kBinding, "Zoom", "seta cg_zoomfov \"*x\"", "z");
        addEntry(kSelection, "Gun", "cmd *x", "g");
        QVERIFY(clickNode("Fire"));
        QCOMPARE(shownText("lblBreakoutBinding"), early);
        QVERIFY(clickNode("Jump"));
        QVERIFY(shownText("lblBreakoutBinding").isEmpty());
        QTest::keyClicks(text1(), "x;quit");
        QCOMPARE(shownText("lblBreakoutBinding"), early);
        QCOMPARE(programTables().Bindings[1].Value, QString("x;quit"));
        QVERIFY(clickNode("Zoom"));
        QTest::keyClicks(text1(), QString(1100, u'a'));
        QCOMPARE(shownText("lblBreakoutBinding"), early);
        text1()->clear();
        QTest::keyClicks(text1(), "2\"2");
        QCOMPARE(shownText("lblBreakoutBinding"), "The game will read this value as: `2 2 `");
        QVERIFY(clickNode("Gun"));
        QVERIFY(shownText("lblBreakoutSelection").isEmpty());
        QTest::keyClicks(combo1()->lineEdit(), "1;quit");
        QVERIFY(!shownText("lblBreakoutSelection").isEmpty());
        combo1()->setEditText("2 - High; quit");
        QVERIFY(shownText("lblBreakoutSelection").isEmpty());
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
    void pressingAKey_bindsIt() {
        addTwoSetsOfEntries();
        QVERIFY(clickNode("Fire"));
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QVERIFY(pressKey()->listening());
        QTest::mouseClick(pressKey(), Qt::RightButton);
        QCOMPARE(values(), "Fire=MOUSE2 Fire=MOUSE2");
        QCOMPARE(text1()->text(), "MOUSE2");
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
        // A Binding that sets a value, not a key, has no key button.
        QVERIFY(clickNode("Player name"));
        QVERIFY(!pressKey()->isVisible());
    }

    // The clash line and the marks come when two Names share a key, in any case, and go when
    // they no longer do; a Binding that binds no key never clashes.
    void sharedKeys_areMarked() {
        addTwoSetsOfEntries();
        QVERIFY(clickNode("Player name"));
        QTest::keyClicks(text1(), "mouse1");
        QVERIFY(clickNode("Fire"));
        QTest::keyClicks(text1(), "mouse1");
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
    }

    // Clear empties the value of every entry of the Name; a Switch shows greyed, and a click still
    // only turns it on or off. Delete on the tree clears as the button does.
    void clear_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("button");
        QTest::newRow("selection") << "FOV"
                                   << "cmdClearSelection";
        QTest::newRow("switch") << "Run"
                                << "cmdClearSwitch";
        QTest::newRow("binding") << "Fire"
                                 << "cmdClearBinding";
        QTest::newRow("delete on the tree") << "Fire"
                                            << "";
    }
    void clear() {
        QFETCH(QString, node);
        QFETCH(QString, button);
        addTwoSetsOfEntries();
        QVERIFY(clickNode(node));
        combo1()->setCurrentIndex(1);
        QTest::mouseClick(check1(), Qt::LeftButton);
        QTest::keyClicks(text1(), "x");
        QCOMPARE(values().count(node + "="), 2);
        if (button.isEmpty()) {
            tree()->setFocus();
            QTest::keyClick(tree(), Qt::Key_Delete);
        } else {
            QTest::mouseClick(control<QPushButton>(qPrintable(button)), Qt::LeftButton);
        }
        QCOMPARE(values().count(node + "="), 0);
        if (node == "Run") {
            QCOMPARE(check1()->value(), CheckBox::kGreyed);
            QTest::mouseClick(check1(), Qt::LeftButton);
            QTest::mouseClick(check1(), Qt::LeftButton);
            QCOMPARE(values(), "Run=0 Run=0");
        }
    }

    // Each edit is one step: the keys typed into one entry while it stays on show are one, and
    // typing that ends where it began is none. Undo and redo put back the values of every entry
    // of the Name, show the entry they change, and the script follows.
    void undoAndRedo_walkTheEdits() {
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
        QTest::mouseClick(control<QPushButton>("cmdClearSwitch"), Qt::LeftButton);
        QVERIFY(clickNode("Fire"));
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::mouseClick(pressKey(), Qt::RightButton);
        const QString last = "Fire=MOUSE2 Fire=MOUSE2 FOV=110 FOV=110";
        QCOMPARE(values(), last);

        // A find that hides the entry an undo changes gives way to it.
        control<QLineEdit>("txtFind")->setText("FOV");
        text1()->setFocus();
        const QStringList steps = {"Fire=abc Fire=abc FOV=110 FOV=110",
                                   "Fire=abc Fire=abc Run=1 Run=1 FOV=110 FOV=110",
                                   "Fire=abc Fire=abc FOV=110 FOV=110",
                                   "Fire=ab Fire=ab FOV=110 FOV=110",
                                   "FOV=110 FOV=110",
                                   ""};
        const QStringList shownNodes = {"Fire", "Run", "Run", "Fire", "Fire", "FOV"};
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
        QCOMPARE(values(), steps[3]);
        QCOMPARE(text1()->text(), "ab");
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(Form3::instance(), Qt::Key_Y, Qt::ControlModifier);
        }
        QCOMPARE(values(), last);
        const QByteArray script = writeConfigScript({{}, {}, false}, programTables());
        QCOMPARE(script.count("bind MOUSE2 \"+attack\"\r\n"), 2);

        // A new config starts with no history.
        Form3::instance()->startNewConfig();
        addTwoSetsOfEntries();
        undo();
        QCOMPARE(values(), "");
    }

    // The panel's right-click menu, in a value box too, offers the editor's Undo and Redo and
    // Clear, not the box's own undo.
    void panelMenu_takesEditsBack() {
        addTwoSetsOfEntries();
        QVERIFY(clickNode("Fire"));
        QTest::keyClicks(text1(), "f");
        for (QWidget* part :
             {static_cast<QWidget*>(control<QLabel>("Label3")), static_cast<QWidget*>(text1())}) {
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
        QCOMPARE(values(), "");
    }

    // Hints never refuse a value: it is stored exactly as typed, and an empty box has no hint.
    void hints_leaveTheValueAsTyped() {
        addTwoSetsOfEntries();
        QVERIFY(clickNode("FOV"));
        combo1()->setEditText("100");
        QCOMPARE(shownText("lblHintSelection"), "Not one of the listed values: written as typed.");
        combo1()->setEditText("110 ");
        QVERIFY(!shownText("lblHintSelection").isEmpty());
        combo1()->setCurrentIndex(1);
        QCOMPARE(shownText("lblHintSelection"), "");
        QVERIFY(clickNode("Fire"));
        QTest::keyClicks(text1(), "mouse9");
        QCOMPARE(shownText("lblHintBinding"), "The game knows no key of this name.");
        QCOMPARE(values(), "Fire=mouse9 Fire=mouse9 FOV=110 FOV=110");
        QTest::keyClick(text1(), Qt::Key_Backspace);
        QTest::keyClicks(text1(), "2");
        QCOMPARE(shownText("lblHintBinding"), "");
        QTest::keyClicks(text1(), "x");
        text1()->clear();
        QCOMPARE(shownText("lblHintBinding"), "");
        QVERIFY(clickNode("Player name"));
        QTest::keyClicks(text1(), "mouse9");
        QCOMPARE(shownText("lblHintBinding"), "");
    }
};

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
