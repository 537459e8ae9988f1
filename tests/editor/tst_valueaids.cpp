#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "support/EditorSupport.h"
#include "support/TestSupport.h"
#include "ui/CheckBox.h"
#include "ui/KeyCaptureButton.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

using namespace scriptloom;

// Binding a key by pressing it, the clash line and marks, clearing, undo and redo, and the hints
// of the config editor, driven through its panels as the user drives them.
class ValueAidsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;
    Form3* form_ = nullptr;

    template <typename T>
    T* control(const char* name) {
        return form_->findChild<T*>(QLatin1String(name));
    }
    TreeView* tree() { return form_->TreeView1(); }
    QLineEdit* text1() { return control<QLineEdit>("Text1"); }
    QComboBox* combo1() { return control<QComboBox>("Combo1"); }
    CheckBox* check1() { return control<CheckBox>("Check1"); }
    KeyCaptureButton* pressKey() { return control<KeyCaptureButton>("cmdPressKey"); }
    QLabel* label(const char* name) { return control<QLabel>(name); }
    // A hint or clash line's text while it is on show, else "".
    QString shown(const char* name) {
        return label(name)->isVisible() ? label(name)->text() : QString();
    }

    void openEditor() {
        QVERIFY(test::openEditorOn({"a.set", "b.set"}));
        form_ = Form3::instance();
        tree()->expandAll();
    }

    void clickNode(const QString& text) {
        test::clickNode(*tree(), tree()->nodes().firstNodeWithText(text));
        QCOMPARE(tree()->selectedText(), text);
    }

    static QString values() { return test::entryValues(programTables()).join(u' '); }

    // The node's note, with "!" when it warns.
    QString mark(const QString& text) {
        const QModelIndex index = static_cast<NodeTreeModel*>(tree()->model())
                                      ->indexOfNode(tree()->nodes().firstNodeWithText(text));
        return index.data(kNodeNoteRole).toString() +
               (index.data(kNodeWarnsRole).toBool() ? "!" : "");
    }

    void undo() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        // Two sets with entries of the same Names, so every value goes to two entries.
        QStringList first = test::gameSetBlock("BINDING", "Fire", R"(bind *x "+attack")");
        first << test::gameSetBlock("BINDING", "Zoom", R"(bind *x "+zoom")")
              << test::gameSetBlock("BINDING", "Player name", R"(seta name "*x")")
              << test::gameSetBlock("SELECTIONS", "FOV", R"(seta cg_fov "*x")", {}, {"90", "110"})
              << test::gameSetBlock("SWITCH", "Run", R"(seta cl_run "*x")");
        QStringList second = test::gameSetBlock("BINDING", "Fire", R"(bind *x "+attack")");
        second << test::gameSetBlock("SELECTIONS", "FOV", R"(seta cg_fov "*x")", {}, {"90", "110"})
               << test::gameSetBlock("SWITCH", "Run", R"(seta cl_run "*x")");
        QVERIFY(test::writeFile(programFolder_.filePath("config/a.set"), test::crlfLines(first)));
        QVERIFY(test::writeFile(programFolder_.filePath("config/b.set"), test::crlfLines(second)));
    }

    void init() { openEditor(); }

    void cleanupTestCase() {
        discardAllWindows();
        setEndProgramHandler({});
    }

    // The key pressed, or the mouse button clicked, over the button goes into every Binding of
    // the Name. A quote is refused and the button listens on; Escape leaves the value as it was.
    void pressingAKey_bindsIt() {
        clickNode("Fire");
        QVERIFY(pressKey()->isVisible());
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QVERIFY(pressKey()->listening());
        QTest::mouseClick(pressKey(), Qt::RightButton);
        QCOMPARE(values(), "Fire=MOUSE2 Fire=MOUSE2");
        QCOMPARE(text1()->text(), "MOUSE2");

        // Shift held for the quote is no key of its own; released alone, it is.
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::keyPress(pressKey(), Qt::Key_Shift);
        QTest::keyClick(pressKey(), Qt::Key_QuoteDbl, Qt::ShiftModifier);
        QTest::keyRelease(pressKey(), Qt::Key_Shift);
        QVERIFY(pressKey()->listening());
        QVERIFY(shown("lblCapture").contains("cannot bind"));
        QTest::keyPress(pressKey(), Qt::Key_Control);
        QTest::keyRelease(pressKey(), Qt::Key_Control);
        QCOMPARE(values(), "Fire=CTRL Fire=CTRL");
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::keyClick(pressKey(), Qt::Key_Escape);
        QVERIFY(!pressKey()->listening());
        QCOMPARE(values(), "Fire=CTRL Fire=CTRL");

        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::keyClick(pressKey(), Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(values(), "Fire=KP_UPARROW Fire=KP_UPARROW");

        // A Binding that sets a value, not a key, has no key button.
        clickNode("Player name");
        QVERIFY(!pressKey()->isVisible());
    }

    // The clash line and the marks come when two Names share a key, in any case, and go when
    // they no longer do; a Binding that binds no key never clashes.
    void sharedKeys_areMarked() {
        clickNode("Player name");
        QTest::keyClicks(text1(), "mouse1");
        clickNode("Fire");
        QTest::keyClicks(text1(), "mouse1");
        QCOMPARE(shown("lblClash"), "");
        clickNode("Zoom");
        QTest::keyClicks(text1(), "MOUSE1");
        QCOMPARE(shown("lblClash"), "Also bound to: Fire (Section)");
        QCOMPARE(mark("Fire"), "= mouse1  (clash)!");
        QCOMPARE(mark("Zoom"), "= MOUSE1  (clash)!");
        QCOMPARE(mark("Player name"), "= mouse1");
        QTest::keyClick(text1(), Qt::Key_Backspace);
        QCOMPARE(shown("lblClash"), "");
        QCOMPARE(mark("Fire"), "= mouse1");
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
        clickNode(node);
        combo1()->setCurrentIndex(1);
        QTest::mouseClick(check1(), Qt::LeftButton);
        QTest::keyClicks(text1(), "x");
        QCOMPARE(test::entryValues(programTables()).filter(node + "=").size(), 2);
        if (button.isEmpty()) {
            tree()->setFocus();
            QTest::keyClick(tree(), Qt::Key_Delete);
        } else {
            QTest::mouseClick(control<QPushButton>(qPrintable(button)), Qt::LeftButton);
        }
        QCOMPARE(test::entryValues(programTables()).filter(node + "="), QStringList());
        if (node == "Run") {
            QCOMPARE(check1()->value(), CheckBox::kGreyed);
            QTest::mouseClick(check1(), Qt::LeftButton);
            QTest::mouseClick(check1(), Qt::LeftButton);
            QCOMPARE(values(), "Run=0 Run=0");
        }
    }

    // Each edit is one step, the keys typed into one entry together; undo and redo put back the
    // values of every entry of the Name, show the entry they change, and the script follows.
    void undoAndRedo_walkTheEdits() {
        clickNode("FOV");
        combo1()->setCurrentIndex(1);
        clickNode("Fire");
        QTest::keyClicks(text1(), "abc");
        clickNode("Run");
        QTest::mouseClick(check1(), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>("cmdClearSwitch"), Qt::LeftButton);
        clickNode("Fire");
        QTest::mouseClick(pressKey(), Qt::LeftButton);
        QTest::mouseClick(pressKey(), Qt::RightButton);
        const QString last = "Fire=MOUSE2 Fire=MOUSE2 FOV=110 FOV=110";
        QCOMPARE(values(), last);

        // A find that hides the entry an undo changes gives way to it.
        control<QLineEdit>("txtFind")->setText("FOV");
        text1()->setFocus();
        const QStringList steps = {"Fire=abc Fire=abc FOV=110 FOV=110",
                                   "Fire=abc Fire=abc Run=1 Run=1 FOV=110 FOV=110",
                                   "Fire=abc Fire=abc FOV=110 FOV=110", "FOV=110 FOV=110", ""};
        const QStringList shownNodes = {"Fire", "Run", "Run", "Fire", "FOV"};
        for (int step = 0; step < steps.size(); ++step) {
            undo();
            QCOMPARE(values(), steps[step]);
            QCOMPARE(tree()->selectedText(), shownNodes[step]);
        }
        QCOMPARE(control<QLineEdit>("txtFind")->text(), "");
        QCOMPARE(combo1()->currentText(), "");
        undo();  // nothing left to take back
        QCOMPARE(values(), "");

        QTest::keyClick(form_, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(form_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(values(), steps[2]);
        QCOMPARE(text1()->text(), "abc");
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(form_, Qt::Key_Y, Qt::ControlModifier);
        }
        QCOMPARE(values(), last);
        const QByteArray script =
            writeConfigScript({{"a.set", "b.set"}, {}, false}, programTables());
        QCOMPARE(textfile::decode(script).split("\r\n", Qt::SkipEmptyParts).mid(3),
                 QStringList({R"(bind MOUSE2 "+attack")", R"(bind MOUSE2 "+attack")",
                              R"(seta cg_fov "110")", R"(seta cg_fov "110")"}));

        // A new config starts with no history.
        openEditor();
        undo();
        QCOMPARE(values(), "");
    }

    // The panel's right-click menu, in a value box too, offers the editor's Undo and Redo and
    // Clear, not the box's own undo.
    void panelMenu_takesEditsBack() {
        clickNode("Fire");
        QTest::keyClicks(text1(), "f");
        for (QWidget* part :
             {static_cast<QWidget*>(label("Label3")), static_cast<QWidget*>(text1())}) {
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

    // Hints never refuse a value: it is stored exactly as typed.
    void hints_leaveTheValueAsTyped() {
        clickNode("FOV");
        combo1()->setEditText("100");
        QCOMPARE(shown("lblHintSelection"), "Not one of the listed values: written as typed.");
        combo1()->setCurrentIndex(1);
        QCOMPARE(shown("lblHintSelection"), "");
        clickNode("Fire");
        QTest::keyClicks(text1(), "mouse9");
        QCOMPARE(shown("lblHintBinding"), "The game knows no key of this name.");
        QCOMPARE(values(), "Fire=mouse9 Fire=mouse9 FOV=110 FOV=110");
        QTest::keyClick(text1(), Qt::Key_Backspace);
        QTest::keyClicks(text1(), "2");
        QCOMPARE(shown("lblHintBinding"), "");
        clickNode("Player name");
        QTest::keyClicks(text1(), "mouse9");
        QCOMPARE(shown("lblHintBinding"), "");
    }
};

QTEST_MAIN(ValueAidsTest)
#include "tst_valueaids.moc"
