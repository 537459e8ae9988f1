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

    // A game set of one Binding per name, in a section named after the file.
    void writeSet(const QString& fileName, const QStringList& names) {
        QStringList lines;
        for (const QString& name : names) {
            lines << "BINDING" << fileName << name << "bind *x"
                  << "";
        }
        QVERIFY(
            test::writeFile(programFolder_.filePath("config/" + fileName), test::crlfLines(lines)));
    }

    void selectAndPressOk(const QStringList& fileNames) {
        form_->show();
        for (int i = 0; i < form_->File1()->count(); ++i) {
            form_->File1()->setSelected(i, fileNames.contains(form_->File1()->itemName(i)));
        }
        QTest::mouseClick(form_->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }

    QStringList bindingNames() {
        QStringList names;
        for (int i = 0; i < programTables().Bindings.Count(); ++i) {
            names << programTables().Bindings[i].Name;
        }
        return names;
    }

    QString statusLine() { return Form3::instance()->findChild<QLabel*>("lblStatus")->text(); }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        writeSet("c.set", {"c1"});
        writeSet("a.set", {"a1", "a2"});
        writeSet("b.set", {"b1"});
    }

    void init() {
        form_ = Form2::instance();
        form_->show();
        form_->pointFileListAt(programfolder::configDirectory());
    }

    void cleanup() { discardAllWindows(); }

    void ok_withNothingSelected_opensAnEmptyEditor() {
        programTables().Bindings.append({"old", "old", "", "", ""});
        selectAndPressOk({});
        QVERIFY(Form3::instance()->isVisible());
        QVERIFY(!form_->isVisible());
        QCOMPARE(programTables().Bindings.Count(), 0);
        QCOMPARE(programTables().Selections.Capacity(), 30);
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 0);
    }

    void ok_loadsTheSelectedSetsInListOrder_withTheEditorBusy() {
        QList<std::int16_t> pointers;
        connect(Form3::instance()->TreeView1()->model(), &QAbstractItemModel::rowsInserted, this,
                [&pointers] { pointers << mousePointer(Form3::instance()); });
        selectAndPressOk({"c.set", "a.set"});
        QCOMPARE(bindingNames(), QStringList({"a1", "a2", "c1"}));
        QCOMPARE(test::treeShape(Form3::instance()->TreeView1()->nodes()),
                 QStringLiteral("1:a.set/1(2:a1/3,3:a2/3) 4:c.set/1(5:c1/3)"));
        QCOMPARE(pointers, QList<std::int16_t>(5, kBusyPointer));
        QCOMPARE(mousePointer(Form3::instance()), kDefaultPointer);
        // Hidden, the dialog keeps its selection as the record of the sets in use.
        QVERIFY(form_->File1()->isSelected(0) && !form_->File1()->isSelected(1));
    }

    void aSecondOk_keepsNothingOfTheFirstModel() {
        selectAndPressOk({"a.set", "b.set"});
        Form3::instance()->TreeView1()->selectNode(2);
        selectAndPressOk({"c.set"});
        QCOMPARE(bindingNames(), QStringList({"c1"}));
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 2);
        QCOMPARE(Form3::instance()->TreeView1()->selectedNode(), 0);
    }

    void aSetThatVanishedAfterListing_isReportedAndTheOthersLoad() {
        writeSet("gone.set", {"g1"});
        form_->pointFileListAt(programfolder::configDirectory());
        QVERIFY(QFile::remove(programFolder_.filePath("config/gone.set")));
        selectAndPressOk({"b.set", "gone.set"});
        QCOMPARE(bindingNames(), QStringList({"b1"}));
        QVERIFY2(statusLine().contains("gone.set"), qPrintable(statusLine()));
        selectAndPressOk({"b.set"});
        QVERIFY(statusLine().isEmpty());  // a new config starts with a clean status line
    }

    void manyProblems_showTheFirstFewAndCountTheRest() {
        QStringList lines;
        for (int entry = 0; entry < 5; ++entry) {
            lines << "SELECTIONS"
                  << "S" << QStringLiteral("sel%1").arg(entry) << "c"
                  << "";
            for (int option = 0; option < 22; ++option) {
                lines << "SELECT"
                      << "o";
            }
            lines << "END";
        }
        QVERIFY(
            test::writeFile(programFolder_.filePath("config/many.set"), test::crlfLines(lines)));
        form_->pointFileListAt(programfolder::configDirectory());
        selectAndPressOk({"many.set"});
        QCOMPARE(programTables().Selections.Count(), 5);
        QCOMPARE(statusLine().count("22 options"), 3);
        QVERIFY(statusLine().contains("2 more"));
        const QString all = Form3::instance()->findChild<QLabel*>("lblStatus")->toolTip();
        QCOMPARE(all.count("22 options"), 5);
        QVERIFY(QFile::remove(programFolder_.filePath("config/many.set")));
    }

    void aMissingConfigDirectory_isSaidInTheDialog() {
        form_->pointFileListAt(programFolder_.filePath("nowhere"));
        QCOMPARE(form_->File1()->count(), 0);
        QVERIFY(form_->findChild<QLabel*>("lblStatus")->text().contains("nowhere"));
    }

    void closingThroughTheFrame_discardsTheWindowAndItsSelection() {
        form_->File1()->setSelected(0, true);
        form_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Form2::exists());
        QVERIFY(!Form2::instance()->isVisible());  // created afresh, hidden, with an empty list
        QCOMPARE(Form2::instance()->File1()->count(), 0);
        QCOMPARE(Form2::instance()->File1()->pattern(), QStringLiteral("*.set"));
    }
};

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
