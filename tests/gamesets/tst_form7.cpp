#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "gamesets/Form2.h"
#include "gamesets/Form7.h"
#include "model/GameSetTables.h"
#include "support/TestSupport.h"
#include "ui/FileListBox.h"
#include "ui/ProgramControl.h"
#include "ui/ProgramFolder.h"
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

    static QStringList bindingNames() {
        QStringList names;
        for (int i = 0; i < programTables().Bindings.Count(); ++i) {
            names << programTables().Bindings[i].Name;
        }
        return names;
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

    void ok_addsASetOnlyWhenItIsListedAndNotInUse_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("inUse");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("byEnter");  // OK pressed with Enter in the list
        QTest::newRow("a set in use already loads nothing")
            << "a.set" << QStringList{"a.set"} << QStringList{"a1"} << false;
        QTest::newRow("a new set is marked in use and appended")
            << "b.set" << QStringList{"a.set", "b.set"} << QStringList{"a1", "b1"} << false;
        QTest::newRow("Enter adds a set as OK does")
            << "b.set" << QStringList{"a.set", "b.set"} << QStringList{"a1", "b1"} << true;
        QTest::newRow("nothing chosen only hides")
            << "" << QStringList{"a.set"} << QStringList{"a1"} << false;
        QTest::newRow("a set written after the sets were picked loads nothing")
            << "c.set" << QStringList{"a.set"} << QStringList{"a1"} << false;
    }
    void ok_addsASetOnlyWhenItIsListedAndNotInUse() {
        QFETCH(QString, chosen);
        QFETCH(QStringList, inUse);
        QFETCH(QStringList, entries);
        QFETCH(bool, byEnter);
        // A config started from a.set, then c.set written into the config directory.
        Form2* picker = Form2::instance();
        picker->pointFileListAt(programfolder::configDirectory());
        picker->File1()->setSelected(0, true);
        QTest::mouseClick(picker->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        writeSet("c.set", "c1");

        Form7* dialog = Form7::instance();
        dialog->pointFileListAt(programfolder::configDirectory());
        dialog->show();
        for (int i = 0; i < dialog->File1()->count(); ++i) {
            dialog->File1()->setSelected(i, dialog->File1()->itemName(i) == chosen);
        }
        QCOMPARE(markedInUse(dialog), QStringList{"a.set"});
        if (byEnter) {
            QTest::keyClick(dialog->File1(), Qt::Key_Return);
        } else {
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }

        QVERIFY(!dialog->isVisible());
        QCOMPARE(Form2::instance()->gameSetsInUse(), inUse);
        QCOMPARE(bindingNames(), entries);
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), entries.size() + 1);
        // Opened again, the list marks the sets in use now; the names stay the files' names.
        dialog->pointFileListAt(programfolder::configDirectory());
        QCOMPARE(markedInUse(dialog), inUse);
        QCOMPARE(dialog->File1()->itemName(0), QString("a.set"));
        QFile::remove(programFolder_.filePath("config/c.set"));
    }
};

QTEST_MAIN(Form7Test)
#include "tst_form7.moc"
