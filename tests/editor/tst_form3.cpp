#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "editor/Form3.h"
#include "model/GameSetTables.h"
#include "model/TreeAdder.h"
#include "ui/CheckBox.h"
#include "ui/ImageList.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

using namespace scriptloom;

namespace {

enum class Kind { Selection, Switch, Binding };

// Appends an entry to the program-wide tables and its node to the editor's tree, as loading a
// game set does. `value` goes into the entry's value field; `comment` tells entries apart.
void addEntry(Kind kind, const QString& name, const QString& comment, const QString& value = {},
              const QStringList& options = {}, const QString& section = QStringLiteral("S")) {
    GameSetTables& tables = programTables();
    switch (kind) {
        case Kind::Selection: {
            SelectionEntry entry{section, name, QStringLiteral("cmd *x"), comment, {}, 0, value};
            for (const QString& option : options) {
                entry.Options[static_cast<std::size_t>(entry.OptionCount++)] = option;
            }
            tables.Selections.append(entry);
            break;
        }
        case Kind::Switch:
            tables.Switches.append({section, name, QStringLiteral("cmd *x"), comment, value});
            break;
        case Kind::Binding:
            tables.Bindings.append({section, name, QStringLiteral("bind *x"), comment, value});
            break;
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
        T* found = form_->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("Form3 has no control %s", name);
        }
        return found;
    }
    TreeView* tree() { return form_->TreeView1(); }

    // Clicks the last node with the given text, as the user would.
    void clickNode(const QString& text) {
        tree()->expandAll();
        int number = tree()->nodes().count();
        while (number > 0 && tree()->nodes().text(number) != text) {
            --number;
        }
        QVERIFY2(number > 0, qPrintable(text));
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->nodeRect(number).center());
        QCOMPARE(tree()->selectedNode(), number);
    }

    // Which panel shows, and the help text it shows.
    QString shownPanel() {
        if (control<QGroupBox>("frmSelection")->isVisible()) {
            return QStringLiteral("Selection: ") + control<QLabel>("Label2")->text();
        }
        if (control<QGroupBox>("frmSwitch")->isVisible()) {
            return QStringLiteral("Switch: ") + control<QLabel>("Label11")->text();
        }
        if (control<QGroupBox>("frmBinding")->isVisible()) {
            return QStringLiteral("Binding: ") + control<QLabel>("Label3")->text();
        }
        return QStringLiteral("none");
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

    void designTimeContents() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Vantrel Config Editor"));
        QCOMPARE(shownPanel(), QStringLiteral("Selection: Help/Comment"));
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Command Name"));
        QCOMPARE(control<QComboBox>("Combo1")->currentText(), QStringLiteral("Combo1"));
        QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("key"));
        QCOMPARE(control<QCheckBox>("Check1")->text(), QStringLiteral("Use"));
        QCOMPARE(control<QLabel>("Label5")->text(), QStringLiteral("Bind/Set to"));
        QCOMPARE(form_->findChild<ImageList*>(QStringLiteral("ImageList1"))->count(), 4);
    }

    void click_showsTheFirstEntryOfTheName_data() {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QString>("shown");
        const auto sel = static_cast<int>(Kind::Selection);
        const auto sw = static_cast<int>(Kind::Switch);
        const auto bind = static_cast<int>(Kind::Binding);
        // Entry i gets the comment "e<i>"; all share the name "X".
        QTest::newRow("selection before switch") << QList<int>{sw, sel} << "Selection: e1";
        QTest::newRow("switch before binding") << QList<int>{bind, sw} << "Switch: e1";
        QTest::newRow("selection before binding") << QList<int>{bind, sel} << "Selection: e1";
        QTest::newRow("lowest selection") << QList<int>{sel, sel} << "Selection: e0";
        QTest::newRow("lowest switch") << QList<int>{sw, bind, sw} << "Switch: e0";
        QTest::newRow("lowest binding") << QList<int>{bind, bind} << "Binding: e0";
    }
    void click_showsTheFirstEntryOfTheName() {
        QFETCH(QList<int>, kinds);
        QFETCH(QString, shown);
        for (int i = 0; i < kinds.size(); ++i) {
            addEntry(static_cast<Kind>(kinds[i]), QStringLiteral("X"),
                     QStringLiteral("e%1").arg(i));
        }
        clickNode(QStringLiteral("X"));
        QCOMPARE(shownPanel(), shown);
    }

    void click_onASectionNode() {
        addEntry(Kind::Binding, QStringLiteral("Fire"), QStringLiteral("fires"), {}, {},
                 QStringLiteral("Weapons"));
        addEntry(Kind::Switch, QStringLiteral("Weapons"), QStringLiteral("named like a section"));
        clickNode(QStringLiteral("Fire"));
        QCOMPARE(shownPanel(), QStringLiteral("Binding: fires"));

        // A section node that names no entry leaves the panel as it was...
        clickNode(QStringLiteral("S"));
        QCOMPARE(shownPanel(), QStringLiteral("Binding: fires"));
        // ...and editing the panel then stores nothing: no binding is named like the node.
        control<QLineEdit>("Text1")->setText(QStringLiteral("MOUSE1"));
        QCOMPARE(programTables().Bindings[0].Value, QString());

        // A section node whose text is an entry's name shows that entry.
        tree()->expandAll();
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->nodeRect(1).center());
        QCOMPARE(tree()->selectedText(), QStringLiteral("Weapons"));
        QCOMPARE(shownPanel(), QStringLiteral("Switch: named like a section"));
    }

    void showingASwitch_setsCheck1FromItsState_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("not set is greyed") << "" << 0 << 2 << "";
        QTest::newRow("off") << "0" << 1 << 0 << "0";
        QTest::newRow("on") << "1" << 0 << 1 << "1";
        QTest::newRow("2 is greyed and stored empty") << "2" << 1 << 2 << "";
        QTest::newRow("other text keeps the box, checked") << "yes" << 1 << 1 << "yes";
        QTest::newRow("other text keeps the box, unchecked") << "10" << 0 << 0 << "10";
    }
    void showingASwitch_setsCheck1FromItsState() {
        QFETCH(QString, state);
        QFETCH(int, before);
        QFETCH(int, shown);
        QFETCH(QString, stored);
        addEntry(Kind::Switch, QStringLiteral("Earlier"), {}, QString::number(before));
        addEntry(Kind::Switch, QStringLiteral("X"), {}, state);
        clickNode(QStringLiteral("Earlier"));
        clickNode(QStringLiteral("X"));
        QCOMPARE(control<CheckBox>("Check1")->value(), shown);
        QCOMPARE(programTables().Switches[1].State, stored);
    }

    void edits_reachEverySameNamedEntryOfTheirKindOnly_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("Check1 to switches") << static_cast<int>(Kind::Switch);
        QTest::newRow("Combo1 to selections") << static_cast<int>(Kind::Selection);
        QTest::newRow("Text1 to bindings") << static_cast<int>(Kind::Binding);
    }
    void edits_reachEverySameNamedEntryOfTheirKindOnly() {
        QFETCH(int, kind);
        for (const Kind k : {Kind::Selection, Kind::Switch, Kind::Binding}) {
            addEntry(k, QStringLiteral("X"), {}, QStringLiteral("old"));
            addEntry(k, QStringLiteral("X"), {}, QStringLiteral("old"));
            addEntry(k, QStringLiteral("Y"), {}, QStringLiteral("old"));
        }
        clickNode(QStringLiteral("X"));
        // The handlers follow the tree's selection, whichever panel is on screen.
        switch (static_cast<Kind>(kind)) {
            case Kind::Switch:
                control<CheckBox>("Check1")->setValue(CheckBox::kUnchecked);
                control<CheckBox>("Check1")->click();
                break;
            case Kind::Selection:
                control<QComboBox>("Combo1")->setEditText(QStringLiteral("1"));
                break;
            case Kind::Binding:
                control<QLineEdit>("Text1")->setText(QStringLiteral("1"));
                break;
        }
        const GameSetTables& tables = programTables();
        const auto expected = [&](Kind k, int i) {
            return k == static_cast<Kind>(kind) && i < 2 ? QStringLiteral("1")
                                                         : QStringLiteral("old");
        };
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(tables.Selections[i].Choice, expected(Kind::Selection, i));
            QCOMPARE(tables.Switches[i].State, expected(Kind::Switch, i));
            QCOMPARE(tables.Bindings[i].Value, expected(Kind::Binding, i));
        }
    }

    void check1_aUserClickLeavesItOnOrOff() {
        addEntry(Kind::Switch, QStringLiteral("X"), {});
        clickNode(QStringLiteral("X"));
        auto* check = control<CheckBox>("Check1");
        QCOMPARE(check->value(), CheckBox::kGreyed);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QCOMPARE(programTables().Switches[0].State, QStringLiteral("1"));
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QCOMPARE(programTables().Switches[0].State, QStringLiteral("0"));
        QCOMPARE(check->value(), CheckBox::kUnchecked);
    }

    void typing_storesTheWholeTextOnEveryChange() {
        addEntry(Kind::Binding, QStringLiteral("Jump"), {});
        addEntry(Kind::Selection, QStringLiteral("Detail"), {}, {}, {"0", "1", "2 - High"});
        clickNode(QStringLiteral("Jump"));
        auto* text = control<QLineEdit>("Text1");
        QCOMPARE(text->text(), QString());  // an empty value shows an empty box, not "key"
        QTest::keyClicks(text, QStringLiteral("SPA"));
        QCOMPARE(programTables().Bindings[0].Value, QStringLiteral("SPA"));
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(programTables().Bindings[0].Value, QStringLiteral("SP"));
        text->selectAll();
        QTest::keyClick(text, Qt::Key_Delete);
        QCOMPARE(programTables().Bindings[0].Value, QString());

        clickNode(QStringLiteral("Detail"));
        auto* combo = control<QComboBox>("Combo1");
        QCOMPARE(combo->count(), 3);
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("typed"));
        QCOMPARE(programTables().Selections[0].Choice, QStringLiteral("typed"));
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
        QCOMPARE(programTables().Selections[0].Choice, QString());
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(programTables().Selections[0].Choice, QStringLiteral("2 - High"));
        QCOMPARE(combo->count(), 3);  // nothing typed becomes a list item
    }

    void showingAnEntry_storesNothingBack() {
        // Same-named entries with different values: filling the panel from the first must not
        // copy its value into the second, nor store the empty text of a cleared list.
        addEntry(Kind::Selection, QStringLiteral("S1"), {}, QStringLiteral("chosen"), {"a", "b"});
        addEntry(Kind::Selection, QStringLiteral("S1"), {}, QStringLiteral("other"));
        addEntry(Kind::Binding, QStringLiteral("B1"), {}, QStringLiteral("F1"));
        addEntry(Kind::Binding, QStringLiteral("B1"), {}, QStringLiteral("F2"));
        clickNode(QStringLiteral("S1"));
        QCOMPARE(control<QComboBox>("Combo1")->currentText(), QStringLiteral("chosen"));
        clickNode(QStringLiteral("B1"));
        QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("F1"));
        const GameSetTables& tables = programTables();
        QCOMPARE(tables.Selections[0].Choice, QStringLiteral("chosen"));
        QCOMPARE(tables.Selections[1].Choice, QStringLiteral("other"));
        QCOMPARE(tables.Bindings[1].Value, QStringLiteral("F2"));
    }

    void withNoSelectedNode_editsStoreNothing() {
        addEntry(Kind::Selection, QStringLiteral("X"), {});
        addEntry(Kind::Switch, QStringLiteral("X"), {});
        addEntry(Kind::Binding, QStringLiteral("X"), {});
        QCOMPARE(tree()->selectedNode(), 0);
        control<CheckBox>("Check1")->click();
        control<QComboBox>("Combo1")->setEditText(QStringLiteral("v"));
        control<QLineEdit>("Text1")->setText(QStringLiteral("v"));
        QCOMPARE(programTables().Selections[0].Choice, QString());
        QCOMPARE(programTables().Switches[0].State, QString());
        QCOMPARE(programTables().Bindings[0].Value, QString());
    }

    void releasingAKey_showsTheEntryUnderTheNewSelection() {
        addEntry(Kind::Binding, QStringLiteral("First"), QStringLiteral("one"));
        addEntry(Kind::Switch, QStringLiteral("Second"), QStringLiteral("two"));
        clickNode(QStringLiteral("First"));
        QTest::keyClick(tree(), Qt::Key_Down);
        QCOMPARE(tree()->selectedText(), QStringLiteral("Second"));
        QCOMPARE(shownPanel(), QStringLiteral("Switch: two"));
    }

    void panels_takeTurnsOnOneSpot() {
        addEntry(Kind::Selection, QStringLiteral("A"), {});
        addEntry(Kind::Switch, QStringLiteral("B"), {});
        addEntry(Kind::Binding, QStringLiteral("C"), {});
        clickNode(QStringLiteral("A"));
        const QRect place = control<QGroupBox>("frmSelection")->geometry();
        clickNode(QStringLiteral("B"));
        QCOMPARE(control<QGroupBox>("frmSwitch")->geometry().topLeft(), place.topLeft());
        clickNode(QStringLiteral("C"));
        QCOMPARE(control<QGroupBox>("frmBinding")->geometry().topLeft(), place.topLeft());
        QVERIFY(!control<QGroupBox>("frmSelection")->isVisible());
        QVERIFY(!control<QGroupBox>("frmSwitch")->isVisible());
    }

    void closingTheEditor_endsTheProgram() {
        form_->close();
        QCOMPARE(programEnds_, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Form3::exists());
    }
};

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
