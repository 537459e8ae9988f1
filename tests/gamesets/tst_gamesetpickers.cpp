#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "gamesets/Form7.h"
#include "model/GameSetTables.h"
#include "support/TestSupport.h"
#include "ui/FileListBox.h"
#include "ui/MousePointer.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

using namespace scriptloom;

// The two game set pickers: "Select Game Sets you want to use" starts a config, "Select Game Sets
// you want to add" adds one set to it.
class GameSetPickersTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;

    // Writes a game set of the given lines, separated by commas.
    void writeSet(const QString& fileName, const QString& lines) {
        QVERIFY(test::writeFile(programFolder_.filePath("config/" + fileName),
                                test::crlfLines(lines.split(u','))));
    }

    // Picks the sets from a fresh reading of the config directory and presses OK by Enter in the
    // list; `vanished` is removed after the reading.
    static void selectAndPressOk(const QStringList& fileNames, const QString& vanished = {}) {
        Form2* form = Form2::instance();
        form->pointFileListAt(programfolder::configDirectory());
        form->show();
        for (int i = 0; i < form->File1()->count(); ++i) {
            form->File1()->setSelected(i, fileNames.contains(form->File1()->itemName(i)));
        }
        if (!vanished.isEmpty()) {
            QVERIFY(QFile::remove(programfolder::gameSetPath(vanished)));
        }
        QTest::keyClick(form->File1(), Qt::Key_Return);
    }

    static QString treeShape() { return test::treeShape(Form3::instance()->TreeView1()->nodes()); }

    // The items the adding dialog draws dimmed with "(in use)".
    static QStringList markedInUse(Form7* dialog) {
        QStringList names;
        for (int i = 0; i < dialog->File1()->count(); ++i) {
            if (dialog->File1()->item(i)->data(Form7::kInUseRole).toBool()) {
                names << dialog->File1()->itemName(i);
            }
        }
        return names;
    }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        writeSet("c.set", "BINDING,c.set,c1,bind *x,");
        writeSet("a.set", "BINDING,a.set,a1,,,BINDING,a.set,a2,,");
        writeSet("b.set", "BINDING,b.set,b1,,");
        writeSet("notes.txt", "BINDING,notes,n1,,");
    }

    void cleanup() { discardAllWindows(); }

    // OK loads the selected sets in list order with the editor busy; hidden, the picker keeps its
    // selection as the record of the sets in use. Every problem of a load is kept, the first three
    // on the status line: a set removed after the list was read, a set whose lines end in LF only,
    // options past the 21st. Each OK starts a new config from nothing.
    void ok_loadsTheSelectedSets_andEachOkStartsAfresh() {
        QList<std::int16_t> pointers;
        connect(Form3::instance()->TreeView1()->model(), &QAbstractItemModel::rowsInserted, this,
                [&pointers] { pointers << mousePointer(Form3::instance()); });
        selectAndPressOk({"c.set", "a.set", "notes.txt"});
        QVERIFY(Form3::instance()->isVisible() && !Form2::instance()->isVisible());
        QCOMPARE(treeShape(), QStringLiteral("1:a.set/1(2:a1/3,3:a2/3) 4:c.set/1(5:c1/3)"));
        QCOMPARE(pointers, QList<std::int16_t>(5, kBusyPointer));
        QCOMPARE(mousePointer(Form3::instance()), kDefaultPointer);
        QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList({"a.set", "c.set"}));

        const QString selection = "SELECTIONS,S,x,c,," + QString("SELECT,o,").repeated(22) + "END,";
        writeSet("many.set", selection.repeated(5));
        writeSet("gone.set", "");
        QVERIFY(
            test::writeFile(programFolder_.filePath("config/lf.set"), "BINDING\nS\nl\nl *x\n\n"));
        selectAndPressOk({"b.set", "gone.set", "lf.set", "many.set"}, "gone.set");
        const auto* status = Form3::instance()->findChild<QLabel*>("lblStatus");
        QVERIFY2(status->isVisible() && status->text().contains("gone.set") &&
                     status->text().contains(
                         "lf.set holds no game set entries: its lines end in LF only") &&
                     status->text().count("22 options") == 1 && status->text().contains("4 more"),
                 qPrintable(status->text()));
        QCOMPARE(status->toolTip().count("22 options"), 5);

        selectAndPressOk({"b.set", "many.set"});
        QCOMPARE(programTables().Selections.Count(), 5);
        QVERIFY(!status->toolTip().contains("gone.set") && status->text().contains("2 more"));
        Form3::instance()->TreeView1()->selectNode(2);
        selectAndPressOk({"b.set"});
        QCOMPARE(treeShape(), QStringLiteral("1:b.set/1(2:b1/3)"));
        QCOMPARE(programTables().Selections.Count(), 0);
        QCOMPARE(Form3::instance()->TreeView1()->selectedNode(), 0);
        QVERIFY(status->isHidden() && status->text().isEmpty());
    }

    // Adding: OK, Enter in the list and a double click on an item each add the chosen set, marked
    // in use and appended, unless it is in use already; one missing from the first picker's list
    // has that list read again first. The dialog hides either way.
    void add_loadsASetOnlyWhenItIsListedAndNotInUse_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("added");
        const auto row = [](const char* title, const char* chosen, const char* how, bool added) {
            QTest::newRow(title) << QString(chosen) << QString(how) << added;
        };
        row("a set in use already loads nothing", "b.set", "OK", false);
        row("Enter adds a set as OK does", "c.set", "Enter", true);
        row("a double click adds a set as OK does", "c.set", "double", true);
        row("nothing chosen only hides", "", "OK", false);
        row("a set written after the sets were picked is added", "d.set", "OK", true);
    }
    void add_loadsASetOnlyWhenItIsListedAndNotInUse() {
        QFETCH(QString, chosen);
        QFETCH(QString, how);
        QFETCH(bool, added);
        selectAndPressOk({"b.set"});
        writeSet("d.set", "BINDING,d.set,d1,,");
        Form7* dialog = Form7::instance();
        dialog->pointFileListAt(programfolder::configDirectory());
        dialog->show();
        FileListBox* list = dialog->File1();
        for (int i = 0; i < list->count(); ++i) {
            list->setSelected(i, list->itemName(i) == chosen);
        }
        QCOMPARE(markedInUse(dialog), QStringList{"b.set"});
        if (how == "Enter") {
            QTest::keyClick(list, Qt::Key_Return);
        } else if (how == "double") {
            const QRect item = list->visualItemRect(list->findItems(chosen, Qt::MatchExactly)[0]);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
        } else {
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }
        const QStringList inUse = added ? QStringList{"b.set", chosen} : QStringList{"b.set"};
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Form2::instance()->gameSetsInUse(), inUse);
        QCOMPARE(treeShape(),
                 added ? "1:b.set/1(2:b1/3) 3:" + chosen + "/1(4:" + chosen.left(1) + "1/3)"
                       : "1:b.set/1(2:b1/3)");
        // Read again, the list marks the sets in use now.
        dialog->pointFileListAt(programfolder::configDirectory());
        QCOMPARE(markedInUse(dialog), inUse);
        QVERIFY(QFile::remove(programfolder::gameSetPath("d.set")));
    }
};

QTEST_MAIN(GameSetPickersTest)
#include "tst_gamesetpickers.moc"
