#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "support/TestSupport.h"
#include "ui/FileListBox.h"

using scriptloom::FileListBox;

class FileListBoxTest : public QObject {
    Q_OBJECT

private:
    QStringList names(const FileListBox& list) {
        QStringList all;
        for (int i = 0; i < list.count(); ++i) {
            all << list.itemName(i);
        }
        return all;
    }

    std::optional<QTemporaryDir> folder_;  // a fresh folder for every test

private Q_SLOTS:
    void init() {
        folder_.emplace();
        QVERIFY(folder_->isValid());
        for (const char* name : {"b.set", "A.set", "c.SET", "notes.txt", "a.set", "zeta.set"}) {
            QVERIFY(scriptloom::test::writeFile(folder_->filePath(QLatin1String(name)), "x"));
        }
        QDir(folder_->path()).mkdir(QStringLiteral("folder.set"));
    }

    void setPath_listsMatchingFilesInAscendingNameOrder() {
        FileListBox list;
        list.setPattern(QStringLiteral("*.set"));
        list.setPath(folder_->path());
        QCOMPARE(names(list), QStringList({"A.set", "a.set", "b.set", "c.SET", "zeta.set"}));
        QVERIFY(list.folderError().isEmpty());
    }

    void setPath_readsTheFolderAgainWithNothingSelected() {
        FileListBox list;
        list.setSelectionMode(QAbstractItemView::MultiSelection);
        list.setPattern(QStringLiteral("*.set"));
        list.setPath(folder_->path());
        list.setSelected(0, true);
        list.setSelected(2, true);
        QVERIFY(list.isSelected(0) && !list.isSelected(1) && list.isSelected(2));

        QVERIFY(scriptloom::test::writeFile(folder_->filePath(QStringLiteral("added.set")), "x"));
        QCOMPARE(list.count(), 5);  // the list does not follow the folder by itself
        list.setPath(folder_->path());
        QCOMPARE(list.count(), 6);
        QCOMPARE(list.itemName(0), QStringLiteral("A.set"));
        QCOMPARE(list.itemName(1), QStringLiteral("a.set"));
        QCOMPARE(list.itemName(2), QStringLiteral("added.set"));
        for (int i = 0; i < list.count(); ++i) {
            QVERIFY(!list.isSelected(i));
        }
    }

    void singleSelection_givesTheCurrentFileName() {
        FileListBox list;
        list.setPattern(QStringLiteral("*.set"));
        list.setPath(folder_->path());
        QCOMPARE(list.fileName(), QString());
        list.setSelected(1, true);
        list.setSelected(3, true);
        QCOMPARE(list.fileName(), QStringLiteral("c.SET"));
        QVERIFY(!list.isSelected(1));
    }

    void outOfRangeItems_areNeitherNamedNorSelected() {
        FileListBox list;
        list.setPath(folder_->path());
        list.setSelected(99, true);
        QCOMPARE(list.itemName(-1), QString());
        QVERIFY(!list.isSelected(99));
    }

    void unreadableFolders_giveAnEmptyListAndSayWhy_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << QStringLiteral("no-such-folder");
        QTest::newRow("a file, not a folder") << QStringLiteral("b.set");
    }
    void unreadableFolders_giveAnEmptyListAndSayWhy() {
        QFETCH(QString, relative);
        FileListBox list;
        list.setPath(folder_->path());
        QVERIFY(list.count() > 0);
        list.setPath(folder_->filePath(relative));
        QCOMPARE(list.count(), 0);
        QVERIFY(!list.folderError().isEmpty());
        list.setPath(folder_->path());
        QVERIFY(list.folderError().isEmpty());
    }
};

QTEST_MAIN(FileListBoxTest)
#include "tst_filelistbox.moc"
