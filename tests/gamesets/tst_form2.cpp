#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "gamesets/Form2.h"
#include "model/GameSetTables.h"
#include "support/TestSupport.h"
#include "ui/FileListBox.h"
#include "ui/MousePointer.h"
#include "ui/ProgramControl.h"
#include "ui/ProgramFolder.h"
#include "ui/TreeView.h"

using namespace scriptloom;

class Form2Test : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;
    Form2* form_ = nullptr;

    // A game set with one Binding per name, all in a section named after the file.
    void writeSet(const QString& fileName, const QStringList& names) {
        QStringList lines;
        for (const QString& name : names) {
            lines << "BINDING" << fileName << name << "bind *x \"+" + name + "\""
                  << ""
                  << "";
        }
        QVERIFY(
            test::writeFile(programFolder_.filePath("config/" + fileName), test::crlfLines(lines)));
    }

    void select(const QStringList& fileNames) {
        FileListBox* list = form_->File1();
        for (int i = 0; i < list->count(); ++i) {
            list->setSelected(i, fileNames.contains(list->itemName(i)));
        }
    }

    void pressOk() {
        QTest::mouseClick(form_->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }

    QStringList bindingNames() {
        QStringList names;
        const Table<BindingEntry>& bindings = programTables().Bindings;
        for (int i = 0; i < bindings.Count(); ++i) {
            names << bindings[i].Name;
        }
        return names;
    }

    QStringList topLevelTexts() {
        const NodeTree& nodes = Form3::instance()->TreeView1()->nodes();
        QStringList texts;
        for (const int number : nodes.children(0)) {
            texts << nodes.text(number);
        }
        return texts;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(programFolder_.isValid());
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        writeSet("c.set", {"c1"});
        writeSet("a.set", {"a1", "a2"});
        writeSet("b.set", {"b1"});
        writeSet("d.set", {"d1"});
    }

    void init() {
        form_ = Form2::instance();
        form_->show();
        form_->pointFileListAt(programfolder::configDirectory());
        QCOMPARE(form_->File1()->count(), 4);
    }

    void cleanup() { discardAllWindows(); }

    void designTimeContents() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Scriptloom"));
        QCOMPARE(form_->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Select Game Sets you want to use"));
        QCOMPARE(form_->File1()->pattern(), QStringLiteral("*.set"));
        QCOMPARE(form_->File1()->selectionMode(), QAbstractItemView::MultiSelection);
    }

    void ok_withNothingSelected_opensAnEmptyEditor() {
        programTables().Bindings.append({"old", "old", "", "", ""});
        pressOk();
        QVERIFY(Form3::instance()->isVisible());
        QVERIFY(!form_->isVisible());
        const GameSetTables& tables = programTables();
        for (const auto& [count, capacity] :
             {std::pair{tables.Selections.Count(), tables.Selections.Capacity()},
              std::pair{tables.Switches.Count(), tables.Switches.Capacity()},
              std::pair{tables.Bindings.Count(), tables.Bindings.Capacity()}}) {
            QCOMPARE(count, 0);
            QCOMPARE(capacity, 30);
        }
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 0);
    }

    void ok_loadsTheSelectedSetsInListOrder() {
        select({"d.set", "a.set", "c.set"});
        pressOk();
        QCOMPARE(bindingNames(), QStringList({"a1", "a2", "c1", "d1"}));
        QCOMPARE(topLevelTexts(), QStringList({"a.set", "c.set", "d.set"}));
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 7);
        QCOMPARE(mousePointer(Form3::instance()), kDefaultPointer);
        // Hidden, the dialog keeps the selection as the record of the sets in use.
        QVERIFY(Form2::exists());
        QVERIFY(form_->File1()->isSelected(0) && !form_->File1()->isSelected(1));
    }

    void loading_showsTheBusyPointerOnTheEditor() {
        QList<std::int16_t> pointers;
        const QAbstractItemModel* rows = Form3::instance()->TreeView1()->model();
        connect(rows, &QAbstractItemModel::rowsInserted, this,
                [&pointers] { pointers << mousePointer(Form3::instance()); });
        select({"a.set"});
        pressOk();
        QCOMPARE(pointers, QList<std::int16_t>({kBusyPointer, kBusyPointer, kBusyPointer}));
        QCOMPARE(mousePointer(Form3::instance()), kDefaultPointer);
    }

    void closingThroughTheFrame_discardsTheWindowAndItsSelection() {
        select({"b.set"});
        form_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Form2::exists());
        // The next use creates it afresh: hidden, with an empty list until it is pointed again.
        Form2* fresh = Form2::instance();
        QVERIFY(!fresh->isVisible());
        QCOMPARE(fresh->File1()->count(), 0);
    }

    void secondOk_keepsNothingOfTheFirstModel() {
        select({"a.set", "b.set"});
        pressOk();
        Form3::instance()->TreeView1()->selectNode(2);
        select({"c.set"});
        form_->show();
        pressOk();
        QCOMPARE(bindingNames(), QStringList({"c1"}));
        QCOMPARE(topLevelTexts(), QStringList({"c.set"}));
        QCOMPARE(Form3::instance()->TreeView1()->selectedNode(), 0);
    }

    void aSetThatVanishedAfterListing_isReportedAndTheOthersLoad() {
        writeSet("e.set", {"e1"});
        form_->pointFileListAt(programfolder::configDirectory());
        select({"b.set", "e.set"});
        QVERIFY(QFile::remove(programFolder_.filePath("config/e.set")));
        pressOk();
        QCOMPARE(bindingNames(), QStringList({"b1"}));
        const QString status = Form3::instance()->findChild<QLabel*>("lblStatus")->text();
        QVERIFY2(status.contains("e.set"), qPrintable(status));
        QCOMPARE(mousePointer(Form3::instance()), kDefaultPointer);

        // The next new config starts with a clean status line.
        form_->show();
        select({"b.set"});
        pressOk();
        QVERIFY(Form3::instance()->findChild<QLabel*>("lblStatus")->text().isEmpty());
    }

    void aMissingConfigDirectory_isSaidInTheDialog() {
        form_->pointFileListAt(programFolder_.filePath("nowhere"));
        QCOMPARE(form_->File1()->count(), 0);
        const auto* status = form_->findChild<QLabel*>("lblStatus");
        QVERIFY(status->isVisible());
        QVERIFY(status->text().contains("nowhere"));
    }
};

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
