#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "gamesets/Form7.h"
#include "model/GameSetTables.h"
#include "model/TreeAdder.h"
#include "support/TestSupport.h"
#include "ui/CheckBox.h"
#include "ui/FileListBox.h"
#include "ui/ProgramControl.h"
#include "ui/ProgramFolder.h"
#include "ui/TreeView.h"

using namespace scriptloom;

namespace {

enum Kind { kSelection, kSwitch, kBinding };

// Appends an entry and its node, as loading a game set does. The comment tells entries apart.
void addEntry(int kind, const QString& name, const QString& comment, const QString& value = {},
              const QString& section = QStringLiteral("S")) {
    GameSetTables& tables = programTables();
    if (kind == kSelection) {
        tables.Selections.append(
            {section, name, "cmd *x", comment, {"0", "1", "2 - High"}, 3, value});
    } else if (kind == kSwitch) {
        tables.Switches.append({section, name, "cmd *x", comment, value});
    } else {
        tables.Bindings.append({section, name, "bind *x", comment, value});
    }
    addEntryNode(section, name, Form3::instance()->TreeView1()->nodes());
}

}  // namespace

class Form3Test : public QObject {
    Q_OBJECT

private:
    Form3* form_ = nullptr;
    int programEnds_ = 0;

    template <typename T>
    T* control(const char* name) {
        return form_->findChild<T*>(QLatin1String(name));
    }
    TreeView* tree() { return form_->TreeView1(); }
    CheckBox* check1() { return control<CheckBox>("Check1"); }
    QComboBox* combo1() { return control<QComboBox>("Combo1"); }
    QLineEdit* text1() { return control<QLineEdit>("Text1"); }

    // Clicks the last node with the given text, as the user would.
    void clickNode(const QString& text) {
        tree()->expandAll();
        int number = tree()->nodes().count();
        while (number > 0 && tree()->nodes().text(number) != text) {
            --number;
        }
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->nodeRect(number).center());
        QCOMPARE(tree()->selectedNode(), number);
    }

    // The panel on screen and the help text it shows.
    QString shownPanel() {
        for (const auto& [frame, help] :
             {std::pair{"frmSelection", "Label2"}, std::pair{"frmSwitch", "Label11"},
              std::pair{"frmBinding", "Label3"}}) {
            if (control<QGroupBox>(frame)->isVisible()) {
                return control<QGroupBox>(frame)->title() + ": " + control<QLabel>(help)->text();
            }
        }
        return {};
    }

private Q_SLOTS:
    void init() {
        setEndProgramHandler([this] { ++programEnds_; });
        programEnds_ = 0;
        programTables().resetAll();
        form_ = Form3::instance();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }

    void cleanup() {
        discardAllWindows();
        setEndProgramHandler({});
    }

    void click_showsTheFirstEntryOfTheName_data() {
        QTest::addColumn<QList<int>>("kinds");  // entry i has the comment "e<i>", all named "X"
        QTest::addColumn<QString>("shown");
        QTest::newRow("selection before switch")
            << QList<int>{kSwitch, kSelection} << "Selection: e1";
        QTest::newRow("switch before binding") << QList<int>{kBinding, kSwitch} << "Switch: e1";
        QTest::newRow("lowest selection") << QList<int>{kSelection, kSelection} << "Selection: e0";
        QTest::newRow("lowest binding")
            << QList<int>{kBinding, kBinding} << "Binding / Setting: e0";
    }
    void click_showsTheFirstEntryOfTheName() {
        QFETCH(QList<int>, kinds);
        QFETCH(QString, shown);
        for (int i = 0; i < kinds.size(); ++i) {
            addEntry(kinds[i], "X", QStringLiteral("e%1").arg(i));
        }
        clickNode("X");
        QCOMPARE(shownPanel(), shown);
    }

    void click_onASectionNode() {
        addEntry(kBinding, "Fire", "fires", {}, "Weapons");
        addEntry(kSwitch, "Weapons", "named like a section");
        clickNode("Fire");
        // A section node that names no entry changes nothing, and an edit then stores nothing.
        clickNode("S");
        QCOMPARE(shownPanel(), QStringLiteral("Binding / Setting: fires"));
        text1()->setText("MOUSE1");
        QCOMPARE(programTables().Bindings[0].Value, QString());
        // A section node whose text is an entry's name shows that entry.
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->nodeRect(1).center());
        QCOMPARE(shownPanel(), QStringLiteral("Switch: named like a section"));
    }

    void showingASwitch_setsCheck1FromItsState_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("before");  // the box, from the switch shown earlier
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("not set is greyed") << "" << 0 << 2 << "";
        QTest::newRow("off") << "0" << 1 << 0 << "0";
        QTest::newRow("on") << "1" << 0 << 1 << "1";
        QTest::newRow("2 is greyed and stored empty") << "2" << 1 << 2 << "";
        QTest::newRow("other text keeps the box") << "yes" << 1 << 1 << "yes";
    }
    void showingASwitch_setsCheck1FromItsState() {
        QFETCH(QString, state);
        QFETCH(int, before);
        QFETCH(int, shown);
        QFETCH(QString, stored);
        addEntry(kSwitch, "Earlier", {}, QString::number(before));
        addEntry(kSwitch, "X", {}, state);
        clickNode("Earlier");
        clickNode("X");
        QCOMPARE(check1()->value(), shown);
        QCOMPARE(programTables().Switches[1].State, stored);
    }

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
                addEntry(k, name, {}, "old");
            }
        }
        clickNode("X");
        // The handlers follow the tree's selection, whichever panel is on screen.
        if (kind == kSwitch) {
            check1()->setValue(CheckBox::kUnchecked);
            check1()->click();
        } else if (kind == kSelection) {
            combo1()->setEditText("1");
        } else {
            text1()->setText("1");
        }
        const GameSetTables& tables = programTables();
        for (int i = 0; i < 3; ++i) {
            const auto expected = [&](int k) { return k == kind && i < 2 ? "1" : "old"; };
            QCOMPARE(tables.Selections[i].Choice, expected(kSelection));
            QCOMPARE(tables.Switches[i].State, expected(kSwitch));
            QCOMPARE(tables.Bindings[i].Value, expected(kBinding));
        }
    }

    void userEdits_storeAtOnce() {
        addEntry(kSwitch, "Run", {});
        addEntry(kBinding, "Jump", {});
        addEntry(kSelection, "Detail", {});
        const GameSetTables& tables = programTables();

        // A greyed box becomes checked on the first click, and stays on or off after that.
        clickNode("Run");
        const QPoint box(8, check1()->height() / 2);
        QTest::mouseClick(check1(), Qt::LeftButton, {}, box);
        QCOMPARE(tables.Switches[0].State, QStringLiteral("1"));
        QTest::mouseClick(check1(), Qt::LeftButton, {}, box);
        QCOMPARE(tables.Switches[0].State, QStringLiteral("0"));

        clickNode("Jump");
        QCOMPARE(text1()->text(), QString());  // an empty value shows an empty box
        QTest::keyClicks(text1(), "SPA");
        QCOMPARE(tables.Bindings[0].Value, QStringLiteral("SPA"));
        QTest::keyClick(text1(), Qt::Key_Backspace);
        QCOMPARE(tables.Bindings[0].Value, QStringLiteral("SP"));

        clickNode("Detail");
        QTest::keyClicks(combo1()->lineEdit(), "typed");
        QCOMPARE(tables.Selections[0].Choice, QStringLiteral("typed"));
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(combo1(), Qt::Key_Down);  // pick the last option
        }
        QCOMPARE(tables.Selections[0].Choice, QStringLiteral("2 - High"));
        QCOMPARE(combo1()->count(), 3);  // nothing typed became a list item
    }

    void showingAnEntry_storesNothingBack() {
        // Filling the panel from the first of two same-named entries must not copy its value into
        // the second, nor store the empty text of the cleared list.
        addEntry(kSelection, "S1", {}, "chosen");
        addEntry(kSelection, "S1", {}, "other");
        addEntry(kBinding, "B1", {}, "F1");
        addEntry(kBinding, "B1", {}, "F2");
        clickNode("S1");
        QCOMPARE(combo1()->currentText(), QStringLiteral("chosen"));
        clickNode("B1");
        QCOMPARE(text1()->text(), QStringLiteral("F1"));
        const GameSetTables& tables = programTables();
        QCOMPARE(tables.Selections[0].Choice, QStringLiteral("chosen"));
        QCOMPARE(tables.Selections[1].Choice, QStringLiteral("other"));
        QCOMPARE(tables.Bindings[1].Value, QStringLiteral("F2"));
    }

    void withNoSelectedNode_editsStoreNothing() {
        for (const int k : {kSelection, kSwitch, kBinding}) {
            addEntry(k, "X", {});
        }
        check1()->click();
        combo1()->setEditText("v");
        text1()->setText("v");
        const GameSetTables& tables = programTables();
        QVERIFY(tables.Selections[0].Choice.isEmpty() && tables.Switches[0].State.isEmpty() &&
                tables.Bindings[0].Value.isEmpty());
    }

    void releasingAKey_showsTheEntryUnderTheNewSelection() {
        addEntry(kBinding, "First", "one");
        addEntry(kSwitch, "Second", "two");
        clickNode("First");
        QTest::keyClick(tree(), Qt::Key_Down);
        QCOMPARE(shownPanel(), QStringLiteral("Switch: two"));
    }

    void closingTheEditor_endsTheProgram() {
        form_->close();
        QCOMPARE(programEnds_, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Form3::exists());
    }

    void buttons_showTheirWindows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Save...") << "Command1"
                                 << "Save Config File";
        QTest::newRow("Add Game Set...") << "Command4"
                                         << "Scriptloom";
        QTest::newRow("Add other commands") << "Command5"
                                            << "Config Editor's Text Editor";
    }
    void buttons_showTheirWindows() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QTest::mouseClick(control<QPushButton>(qPrintable(button)), Qt::LeftButton);
        QWidget* shown = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != form_ && window->isVisible()) {
                shown = window;
            }
        }
        QVERIFY(shown != nullptr);
        QCOMPARE(shown->windowTitle(), caption);
        QVERIFY(form_->isVisible());
    }

    // The list of sets to add is read again on each press, so a set written meanwhile is offered;
    // a missing config directory is named under the empty list.
    void addGameSet_readsTheConfigDirectoryEachTime() {
        QTemporaryDir programFolder;
        programfolder::setOverride(programFolder.path());
        auto* button = control<QPushButton>("Command4");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Form7::instance()->File1()->count(), 0);
        QVERIFY(
            Form7::instance()->findChild<QLabel*>("lblStatus")->text().contains("does not exist"));

        QVERIFY(test::writeFile(programFolder.filePath("config/new.set"), {}));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Form7::instance()->File1()->itemName(0), QString("new.set"));
        QVERIFY(Form7::instance()->findChild<QLabel*>("lblStatus")->isHidden());
        programfolder::setOverride({});
    }
};

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
