#include <QTemporaryDir>
#include <QTest>

#include "support/TestSupport.h"
#include "ui/FileListBox.h"

using scriptloom::FileListBox;

class FileListBoxTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    static QStringList names(const FileListBox& list) {
        QStringList all;
        for (int i = 0; i < list.count(); ++i) {
            all << list.itemName(i);
        }
        return all;
    }

private Q_SLOTS:
    void initTestCase() {
        for (const char* name : {"b.set", "A.set", "c.SET", "notes.txt", "a.set"}) {
            QVERIFY(scriptloom::test::writeFile(folder_.filePath(QLatin1String(name)), "x"));
        }
        QDir(folder_.path()).mkdir("folder.set");
    }

    void setPath_listsMatchingFilesInNameOrderWithNothingSelected() {
        FileListBox list;
        list.setSelectionMode(QAbstractItemView::MultiSelection);
        list.setPattern("*.set");
        list.setPath(folder_.path());
        QCOMPARE(names(list), QStringList({"A.set", "a.set", "b.set", "c.SET"}));
        list.setSelected(0, true);
        list.setSelected(2, true);
        QVERIFY(list.isSelected(0) && !list.isSelected(1) && list.isSelected(2));

        QVERIFY(scriptloom::test::writeFile(folder_.filePath("added.set"), "x"));
        QCOMPARE(list.count(), 4);  // the list does not follow the folder by itself
        list.setPath(folder_.path());
        QCOMPARE(names(list), QStringList({"A.set", "a.set", "added.set", "b.set", "c.SET"}));
        QVERIFY(list.selectedItems().isEmpty());
        QVERIFY(QFile::remove(folder_.filePath("added.set")));
    }

    void singleSelection_holdsOneFileName() {
        FileListBox list;
        list.setPattern("*.set");
        list.setPath(folder_.path());
        QCOMPARE(list.fileName(), QString());
        list.setSelected(1, true);
        list.setSelected(3, true);
        QCOMPARE(list.fileName(), QStringLiteral("c.SET"));
        QVERIFY(!list.isSelected(1));
    }

    void unreadableFolders_giveAnEmptyListAndSayWhy() {
        FileListBox list;
        for (const char* path : {"no-such-folder", "b.set"}) {
            list.setPath(folder_.path());
            QVERIFY(list.count() > 0 && list.folderError().isEmpty());
            list.setPath(folder_.filePath(QLatin1String(path)));
            QCOMPARE(list.count(), 0);
            QVERIFY(!list.folderError().isEmpty());
        }
    }
};

QTEST_MAIN(FileListBoxTest)
#include "tst_filelistbox.moc"
