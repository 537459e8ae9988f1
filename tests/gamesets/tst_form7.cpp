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
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

using namespace scriptloom;

class Form7Test : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;

    void writeSet(const QString& fileName, const QString& name) {
        QVERIFY(test::writeFile(programFolder_.filePath("config/" + fileName),
                                test::crlfLines({"BINDING", "S", name, "bind *x", ""})));
    }

    // The items drawn dimmed with "(in use)".
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
        writeSet("a.set", "a1");
        writeSet("b.set", "b1");
    }

    void cleanup() { discardAllWindows(); }

    // OK, Enter in the list and a double click on an item each add the chosen set, unless it is in
    // use already; one missing from the first dialog's list has that list read again first. The
    // dialog hides either way.
    void ok_addsASetOnlyWhenItIsListedAndNotInUse_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("added");
        QTest::newRow("a set in use already loads nothing") << "a.set"
                                                            << "OK" << false;
        QTest::newRow("a new set is marked in use and appended") << "b.set"
                                                                 << "OK" << true;
        QTest::newRow("Enter adds a set as OK does") << "b.set"
                                                     << "Enter" << true;
        QTest::newRow("a double click adds a set as OK does") << "b.set"
                                                              << "double" << true;
        QTest::newRow("nothing chosen only hides") << ""
                                                   << "OK" << false;
        QTest::newRow("a set written after the sets were picked is added") << "c.set"
                                                                           << "OK" << true;
    }
    void ok_addsASetOnlyWhenItIsListedAndNotInUse() {
        QFETCH(QString, chosen);
        QFETCH(QString, how);
        QFETCH(bool, added);
        // A config started from a.set, then c.set written into the config directory.
        Form2* picker = Form2::instance();
        picker->pointFileListAt(programfolder::configDirectory());
        picker->File1()->setSelected(0, true);
        QTest::mouseClick(picker->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        writeSet("c.set", "c1");

        Form7* dialog = Form7::instance();
        dialog->pointFileListAt(programfolder::configDirectory());
        dialog->show();
        FileListBox* list = dialog->File1();
        for (int i = 0; i < list->count(); ++i) {
            list->setSelected(i, list->itemName(i) == chosen);
        }
        QCOMPARE(markedInUse(dialog), QStringList{"a.set"});
        if (how == "Enter") {
            QTest::keyClick(list, Qt::Key_Return);
        } else if (how == "double") {
            const QRect item = list->visualItemRect(list->findItems(chosen, Qt::MatchExactly)[0]);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
        } else {
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }

        const QStringList inUse = added ? QStringList{"a.set", chosen} : QStringList{"a.set"};
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Form2::instance()->gameSetsInUse(), inUse);
        QCOMPARE(test::treeShape(Form3::instance()->TreeView1()->nodes()),
                 added ? "1:S/1(2:a1/3,3:" + chosen.left(1) + "1/3)" : "1:S/1(2:a1/3)");
        QCOMPARE(programTables().Bindings.Count(), added ? 2 : 1);
        // Opened again, the list marks the sets in use now; the names stay the files' names.
        dialog->pointFileListAt(programfolder::configDirectory());
        QCOMPARE(markedInUse(dialog), inUse);
        QCOMPARE(list->itemName(0), QString("a.set"));
        QFile::remove(programFolder_.filePath("config/c.set"));
    }
};

QTEST_MAIN(Form7Test)
#include "tst_form7.moc"
