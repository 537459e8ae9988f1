#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form4.h"
#include "gamesets/GameSetWriter.h"
#include "menu/CommandTemplates.h"
#include "model/GameSetTables.h"
#include "model/TreeAdder.h"
#include "support/TestSupport.h"
#include "ui/MessageBox.h"
#include "ui/ModelEvents.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

using namespace scriptloom;

namespace {

enum Kind { kSelection, kBinding, kSwitch };

// Each frame's boxes (Section, Name, Command, Comment), then its "Add" and "Edit" buttons.
const char* const kFrames[][6] = {{"Text1", "Text2", "Text3", "Text4", "Command2", "Command3"},
                                  {"Text10", "Text9", "Text8", "Text7", "Command5", "Command4"},
                                  {"Text6", "Text11", "Text12", "Text13", "Command6", "Command7"}};
enum Button { kAdd = 4, kEdit = 5 };

// Appends an entry with a value and its node, as loading a game set and then editing it does.
void loadEntry(int kind, const QString& name, const QString& comment) {
    GameSetTables& tables = programTables();
    if (kind == kSelection) {
        tables.Selections.append({"S", name, "cmd *x", comment, {"0", "1"}, 2, "1"});
    } else if (kind == kBinding) {
        tables.Bindings.append({"S", name, "cmd *x", comment, "K"});
    } else {
        tables.Switches.append({"S", name, "cmd *x", comment, "1"});
    }
    addEntryNode("S", name, Form3::instance()->TreeView1()->nodes());
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
    void press(const char* button) {
        QTest::mouseClick(form_->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void typeInto(int kind, const QStringList& texts) {
        for (int i = 0; i < 4; ++i) {
            box(kFrames[kind][i])->setText(texts[i]);
        }
    }
    QStringList frameTexts(int kind) {
        QStringList texts;
        for (int i = 0; i < 4; ++i) {
            texts << box(kFrames[kind][i])->text();
        }
        return texts;
    }
    QString config(const QString& name) { return programFolder_.filePath("config/" + name); }
    // What the config folder holds, to see that nothing was written.
    QStringList configFiles() {
        return QDir(config("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    QStringList entries() { return test::entryTexts(programTables()); }

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

    // "Edit" goes by the Name box: every entry of its own kind with that name takes the boxes'
    // texts (a Selection the cleared list) and keeps its value; other names, other kinds and the
    // tree stay as they were. An index of the Commands built before the edit, and the editor's
    // preview, follow the new Command. "Add" then appends an entry of the frame's texts and the
    // option list as it stands (an empty option too), with no value, and its node, and tells the
    // views; the boxes keep their texts. A node clicked in the editor fills the frame of its
    // entry's kind (a Selection's also the option list), whatever was typed there, and no other
    // box; the window is not brought up.
    void editAddAndClick_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("rewritten");
        QTest::newRow("Selections") << int(kSelection) << "X" << QList<int>{0, 2};
        QTest::newRow("Bindings") << int(kBinding) << "X" << QList<int>{3};
        QTest::newRow("Switches") << int(kSwitch) << "X" << QList<int>{4};
        QTest::newRow("an unknown name") << int(kSelection) << "x" << QList<int>{};
    }
    void editAddAndClick() {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QList<int>, rewritten);
        TreeView* tree = Form3::instance()->TreeView1();
        // Selections X, Y and X, then a Binding X and a Switch X.
        for (const int entryKind : {kSelection, kSelection, kSelection, kBinding, kSwitch}) {
            loadEntry(entryKind, entries().size() == 1 ? "Y" : "X", {});
        }
        QStringList expected = entries();
        for (const int i : rewritten) {
            expected[i] =
                QString(kind == kSelection ? "T|X|new *x|edited||" : "T|X|new *x|edited|") +
                expected[i].section(u'|', -1);
        }
        const QString treeBefore = test::treeShape(tree->nodes());
        TemplateMatcher matcher(programTables());
        QVERIFY(matcher.firstFit("cmd 1"));
        typeInto(kind, {"T", name, "new *x", "edited"});
        box("Text5")->setText("old");
        press("Command1");
        press("Command9");
        press(kFrames[kind][kEdit]);
        QCOMPARE(entries(), expected);
        QCOMPARE(matcher.firstFit("new 1").has_value(), !rewritten.isEmpty());
        QCOMPARE(test::treeShape(tree->nodes()), treeBefore);
        const auto* preview = Form3::instance()->findChild<QPlainTextEdit*>("txtPreview");
        QTRY_COMPARE(preview->toPlainText().contains("new "), !rewritten.isEmpty());

        QSignalSpy entriesChanged(ModelEvents::instance(), &ModelEvents::entriesChanged);
        for (const char* option : {"a", ""}) {
            box("Text5")->setText(option);
            press("Command1");
        }
        press(kFrames[kind][kAdd]);
        press(kFrames[kind][kAdd]);
        const QString added = "T|" + name + "|new *x|edited|" + (kind == kSelection ? "a;|" : "");
        expected.insert(3 + kind, 2, added);  // after the entries of its own kind
        QCOMPARE(entries(), expected);
        QCOMPARE(test::treeShape(tree->nodes()),
                 treeBefore + " 7:T/1(8:" + name + "/3,9:" + name + "/3)");
        QCOMPARE(frameTexts(kind), (QStringList{"T", name, "new *x", "edited"}));
        QVERIFY(messages_.isEmpty());
        QTRY_VERIFY(!entriesChanged.isEmpty());

        loadEntry(kind, "Own", "help");
        for (QLineEdit* edit : form_->findChildren<QLineEdit*>()) {
            edit->setText("typed");
        }
        combo1()->clear();
        combo1()->addItem("typed");
        form_->hide();
        tree->expandAll();
        const QRect node = tree->nodeRect(tree->nodes().firstNodeWithText("Own"));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, node.center());
        for (const int other : {kSelection, kBinding, kSwitch}) {
            QCOMPARE(frameTexts(other), (other == kind ? QStringList{"S", "Own", "cmd *x", "help"}
                                                       : QStringList(4, "typed")));
        }
        QCOMPARE(box("Text5")->text() + box("Text14")->text(), QString("typedtyped"));
        QCOMPARE(combo1()->count(), kind == kSelection ? 2 : 1);
        QVERIFY(!form_->isVisible());
    }

    // A Selection stores the first 21 options of a longer list, on Add and on Edit, and the user is
    // told how many were left out; a full table takes no entry and no node, and says so.
    void whatIsNotStored_isTold() {
        loadEntry(kSelection, "X", "a");
        for (int i = 1; i <= 23; ++i) {
            box("Text5")->setText(QString::number(i));
            press("Command1");
        }
        typeInto(kSelection, {"S", "X", "c", "m"});
        press("Command3");
        press("Command2");
        for (const int i : {0, 1}) {
            QCOMPARE(programTables().Selections[i].OptionCount, std::int16_t(21));
            QCOMPARE(programTables().Selections[i].Options[20], QString("21"));
        }
        QCOMPARE(messages_.size(), 2);
        QVERIFY(messages_[0].contains("last 2 of the 23"));

        Table<SwitchEntry>& switches = programTables().Switches;
        while (switches.append({})) {
        }
        const int nodes = Form3::instance()->TreeView1()->nodes().count();
        press("Command6");
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), nodes);
        QCOMPARE(messages_.size(), 3);
        QVERIFY(messages_[2].contains("Switches table is full"));
    }

    // "save" writes every loaded entry under the name typed and keeps the file that was there as
    // NAME.bak. Names that could reach outside the config folder, or that Windows cannot hold, are
    // refused; unusual names that are safe are taken as typed. A refused or failed save writes
    // nothing anywhere and says why. The window and its boxes stay either way.
    void save_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folderInTheWay");
        QTest::addColumn<QString>("told");  // how the message starts; empty: saved, nothing said
        const auto row = [](const QString& title, const QString& name, const QString& folder,
                            const QString& told) {
            QTest::newRow(qPrintable(title)) << name << folder << told;
        };
        for (const char* name : {"", "sub/x.set", "sub\\x.set", "..", "x\ty.set", "x\u0085.set",
                                 "графика.set", "C:x.set", "why?.set", "a|b.set", "x.set.",
                                 "x.set ", "con.set", "Lpt9.set", "NUL .set"}) {
            row(QString("refused: ") + name, name, {}, "Cannot save the game set as");
        }
        for (const char* name : {"old.set", "CONSOLE.set", "com10.set", "a..b.set", "Café €.set"}) {
            row(QString("taken: ") + name, name, {}, {});
        }
        const QString cannotWrite = "Cannot write file " + QDir::toNativeSeparators(config(""));
        row("a folder of that name", "x.set", "x.set",
            cannotWrite + "x.set:\na folder of that name");
        row("the previous file cannot be kept", "old.set", "old.set.bak",
            cannotWrite + "old.set:\nits previous content could not be kept");
    }
    void save() {
        QFETCH(QString, name);
        QFETCH(QString, folderInTheWay);
        QFETCH(QString, told);
        loadEntry(kBinding, "Fire", "fires");
        QVERIFY(test::writeFile(config("old.set"), "old"));
        QVERIFY(folderInTheWay.isEmpty() || QDir(config("")).mkpath(folderInTheWay));
        const QStringList before = configFiles();
        box("Text14")->setText(name);
        press("Command8");
        if (told.isEmpty()) {
            QVERIFY(messages_.isEmpty());
            QCOMPARE(test::readFile(config(name)), writeGameSet(programTables()));
            QCOMPARE(test::readFile(config(name + ".bak")),
                     name == "old.set" ? "old" : "(missing)");
        } else {
            QCOMPARE(messages_.size(), 1);
            QVERIFY2(messages_[0].startsWith(told), qPrintable(messages_[0]));
            QCOMPARE(configFiles(), before);
            QCOMPARE(test::readFile(config("old.set")), "old");
        }
        QVERIFY(form_->isVisible());
        QCOMPARE(box("Text14")->text(), name);
    }
};

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
