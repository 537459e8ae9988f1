#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form4.h"
#include "gamesets/Form7.h"
#include "model/GameSetTables.h"
#include "model/TreeAdder.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "support/TestSupport.h"
#include "ui/CheckBox.h"
#include "ui/FileListBox.h"
#include "ui/ProgramControl.h"
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
        programTables().resetAll();
        form_ = Form3::instance();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
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
            addEntry(kinds[i], "X", QStringLiteral("e%1").arg(i), QString::number(i));
        }
        const QStringList before = test::entryValues(programTables());
        clickNode("X");
        QCOMPARE(shownPanel(), shown);
        QCOMPARE(test::entryValues(programTables()), before);
    }

    // Edits store nothing while no node is selected, nor while the selected node names no entry.
    void editsWithoutANamedEntry_storeNothing() {
        addEntry(kBinding, "Fire", "fires", {}, "Weapons");
        addEntry(kSwitch, "Weapons", "named like a section");
        addEntry(kSelection, "", "unnamed");
        check1()->click();
        combo1()->setEditText("v");
        text1()->setText("v");
        clickNode("Fire");
        clickNode("S");
        QCOMPARE(shownPanel(), QStringLiteral("Binding / Setting: fires = "));
        text1()->setText("MOUSE1");
        QCOMPARE(test::entryValues(programTables()), QStringList());
        // A section node whose text is an entry's name shows that entry.
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->nodeRect(1).center());
        QCOMPARE(shownPanel(), QStringLiteral("Switch: named like a section = 2"));
    }

    // Showing a switch sets the box from its state; a user's click then never greys it.
    void showingASwitch_setsCheck1FromItsState_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("before");  // the box, from the switch shown earlier
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("clicked");
        QTest::newRow("not set is greyed") << "" << 0 << "" << 2 << 1;
        QTest::newRow("off") << "0" << 1 << "0" << 0 << 1;
        QTest::newRow("on") << "1" << 0 << "1" << 1 << 0;
        QTest::newRow("2 is greyed and stored empty") << "2" << 1 << "" << 2 << 1;
        QTest::newRow("other text keeps the box") << "yes" << 1 << "yes" << 1 << 0;
    }
    void showingASwitch_setsCheck1FromItsState() {
        QFETCH(QString, state);
        QFETCH(int, before);
        QFETCH(QString, stored);
        QFETCH(int, shown);
        QFETCH(int, clicked);
        addEntry(kSwitch, "Earlier", {}, QString::number(before));
        addEntry(kSwitch, "X", {}, state);
        clickNode("Earlier");
        clickNode("X");
        QCOMPARE(check1()->value(), shown);
        QCOMPARE(programTables().Switches[1].State, stored);
        check1()->click();
        QCOMPARE(programTables().Switches[1].State, QString::number(clicked));
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
        QStringList expected;  // Bindings, then Switches, then Selections
        for (const int k : {kBinding, kSwitch, kSelection}) {
            const QString value = k == kind ? "1" : "old";
            expected << "X=" + value << "X=" + value << "Y=old";
        }
        QCOMPARE(test::entryValues(programTables()), expected);
    }

    void releasingAKey_showsTheEntryUnderTheNewSelection() {
        addEntry(kBinding, "First", "one");
        addEntry(kSwitch, "Second", "two");
        clickNode("First");
        QTest::keyClick(tree(), Qt::Key_Down);
        QCOMPARE(shownPanel(), QStringLiteral("Switch: two = 2"));
    }

    void closingTheEditor_endsTheProgram() {
        form_->close();
        QCOMPARE(programEnds_, 1);
    }

    // The warning under a value box follows the value shown, whether it was stored before the
    // click or is being typed; a Selection is judged by the value it writes, cut after the dash.
    void breakoutWarning_followsTheShownValue() {
        addEntry(kBinding, "Fire", "f", "a;quit");
        addEntry(kBinding, "Jump", "j");
        addEntry(kSelection, "Gun", "g");
        auto* underBinding = control<QLabel>("lblBreakoutBinding");
        auto* underSelection = control<QLabel>("lblBreakoutSelection");
        clickNode("Fire");
        QVERIFY(underBinding->isVisible());
        clickNode("Jump");
        QVERIFY(!underBinding->isVisible());
        QTest::keyClicks(text1(), "x;quit");
        QVERIFY(underBinding->isVisible());
        QCOMPARE(programTables().Bindings[1].Value, QString("x;quit"));
        clickNode("Gun");
        QVERIFY(!underSelection->isVisible());
        QTest::keyClicks(combo1()->lineEdit(), "1;quit");
        QVERIFY(underSelection->isVisible());
        combo1()->setEditText("2 - High; quit");
        QVERIFY(!underSelection->isVisible());
    }

    // Each button opens its window beside the editor. "Add Game Set..." reads the config directory
    // again on each press, so a set written meanwhile is offered, and a missing one is named.
    void buttons_openTheirWindows() {
        QTemporaryDir programFolder;
        programfolder::setOverride(programFolder.path());
        for (const char* button : {"Command1", "Command3", "Command4", "Command5"}) {
            QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        }
        QVERIFY(Form5::instance()->isVisible() && Form6::instance()->isVisible());
        QVERIFY(Form4::instance()->isVisible());
        QVERIFY(form_->isVisible() && Form7::instance()->isVisible());
        Form7* dialog = Form7::instance();
        auto* status = dialog->findChild<QLabel*>("lblStatus");
        QVERIFY(dialog->File1()->count() == 0 && status->isVisible());
        QVERIFY(status->text().contains("does not exist"));
        QVERIFY(test::writeFile(programFolder.filePath("config/new.set"), {}));
        QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(dialog->File1()->itemName(0), QString("new.set"));
        QVERIFY(status->isHidden());
        programfolder::setOverride({});
    }
};

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
