#include <QTemporaryDir>
#include <QTest>

#include "support/TestSupport.h"
#include "ui/FileListBox.h"

using scriptloom::FileListBox;

class FileListBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Matching ignores case, and so does the order; a reading starts with nothing selected, and a
    // folder that cannot be read gives an empty list and says why.
    void setPath_listsMatchingFilesInNameOrder() {
        QTemporaryDir folder;
        for (const char* name : {"b.set", "A.set", "C.SET", "notes.txt", "a.set"}) {
            QVERIFY(scriptloom::test::writeFile(folder.filePath(QLatin1String(name)), "x"));
        }
        QVERIFY(QDir(folder.path()).mkdir("folder.set"));
        FileListBox list;
        list.setPattern("*.set");
        list.setPath(folder.path());
        QStringList names;
        for (int i = 0; i < list.count(); ++i) {
            names << list.itemName(i);
        }
        QCOMPARE(names, QStringList({"A.set", "a.set", "b.set", "C.SET"}));
        list.setSelected(1, true);
        list.setSelected(3, true);
        QCOMPARE(list.fileName(), QStringLiteral("C.SET"));  // one chosen file at most
        QVERIFY(!list.isSelected(1));
        list.setPath(folder.path());
        QVERIFY(list.selectedItems().isEmpty());

        for (const char* path : {"no-such-folder", "b.set"}) {
            list.setPath(folder.filePath(QLatin1String(path)));
            QCOMPARE(list.count(), 0);
            QVERIFY(!list.folderError().isEmpty());
        }
        list.setPath(folder.path());
        QVERIFY(list.folderError().isEmpty());
    }
};

QTEST_MAIN(FileListBoxTest)
#include "tst_filelistbox.moc"
