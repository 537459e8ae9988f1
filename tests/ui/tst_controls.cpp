#include <QAbstractItemModelTester>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "support/TestSupport.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"
#include "ui/ImageList.h"
#include "ui/TreeView.h"
#include "ui/WindowPlacement.h"

using namespace scriptloom;

// The controls the windows need that Qt lacks: the file, folder and drive lists of the file
// dialogs, and the tree view with its numbered nodes.
class ControlsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    QString at(const QString& name) const { return QDir::cleanPath(folder_.filePath(name)); }

    static QStringList rows(const FolderListBox& list) {
        QStringList all;
        for (int i = 0; i < list.count(); ++i) {
            all << QStringLiteral("%1 %2").arg(list.levelAt(i)).arg(list.folderAt(i));
        }
        return all;
    }

private Q_SLOTS:
    void initTestCase() {
        for (const char* name : {"b/locked", "A", "a", ".hidden", "C"}) {
            QVERIFY(QDir(folder_.path()).mkpath(QLatin1String(name)));
        }
        QVERIFY(test::writeFile(at("f.txt"), "x"));
        QVERIFY(QFile::setPermissions(at("b/locked"), QFileDevice::WriteOwner));
    }

    void cleanupTestCase() {
        QFile::setPermissions(at("b/locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
    }

    // The folders from the root down, one level each, then the subfolders in name order. A folder
    // that cannot be listed keeps the listing and says why. Double-click, Return and Enter each
    // read the folder once; the keys do not also press the dialog's default button.
    void folderList_listsOpensAndRefuses() {
        QDialog dialog;
        auto* list = new FolderListBox(&dialog);
        auto* save = new QPushButton("Save", &dialog);
        save->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(list);
        layout->addWidget(save);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(list->setPath(folder_.filePath("b/locked/../../")));
        QCOMPARE(list->path(), folder_.path());
        QStringList expected{QStringLiteral("0 /")};
        QString above;
        for (const QString& name : folder_.path().split(u'/', Qt::SkipEmptyParts)) {
            above += u'/' + name;
            expected << QStringLiteral("%1 %2").arg(expected.size()).arg(above);
        }
        const int current = static_cast<int>(expected.size()) - 1;
        for (const char* name : {".hidden", "A", "a", "b", "C"}) {
            expected << QStringLiteral("%1 %2/%3").arg(current + 1).arg(above, name);
        }
        QCOMPARE(rows(*list), expected);
        QCOMPARE(list->currentRow(), current);

        QSignalSpy changes(list, &FolderListBox::Change);
        const std::pair<QString, QString> unlisted[] = {
            {at("gone"), "the folder does not exist"},
            {at("f.txt"), "it is not a folder"},
            {at("b/locked"), "the folder cannot be read"}};
        for (const auto& [given, reason] : unlisted) {
            if (QFileInfo(given).isReadable() && QFileInfo(given).isDir()) {
                continue;  // this user can read every folder
            }
            QVERIFY(!list->setPath(given));
            QCOMPARE(list->folderError(), reason);
            QCOMPARE(list->path(), folder_.path());
            QCOMPARE(rows(*list), expected);
        }
        QVERIFY(list->setPath(folder_.path()));  // the same folder is read and raised again
        QSignalSpy saves(save, &QPushButton::clicked);
        // The window system sends the click that starts a double-click first.
        const QPoint b = list->visualItemRect(list->findItems("b", Qt::MatchExactly)[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, b);
        QCOMPARE(changes.count(), 1);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, b);
        QCOMPARE(list->path(), at("b"));
        list->setCurrentRow(list->currentRow() - 1);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(list->path(), folder_.path());
        list->setCurrentItem(list->findItems("C", Qt::MatchExactly)[0]);
        QTest::keyClick(list, Qt::Key_Enter);
        QCOMPARE(list->path(), at("C"));
        QCOMPARE(changes.count(), 4);
        QCOMPARE(saves.count(), 0);

        QVERIFY(list->setPath("/"));  // a root keeps its one separator
        QCOMPARE(list->path(), QStringLiteral("/"));
        QCOMPARE(list->levelAt(1), 1);
        QVERIFY(!list->folderAt(1).startsWith("//"));
    }

    // A path shows the longest listed root that holds it, or keeps the drive shown; only the
    // user's picks of another drive are raised.
    void driveList_showsTheRootOfAPath_andRaisesOnlyTheUsersPicks() {
        DriveListBox list;
        QCOMPARE(list.drive(), QStorageInfo(QDir::currentPath()).rootPath());
        list.setDrives({at("a"), at("a/b"), at("ab")});
        QSignalSpy changes(&list, &DriveListBox::Change);
        const std::pair<QString, QString> paths[] = {
            {at("ab"), at("ab")},
            {at("zz"), at("ab")} /* on no listed drive */,
            {at("a/b/c"), at("a/b")},
            {at("a/bc"), at("a")} /* a name sharing a root's start */,
            {folder_.filePath("a/b/../x"), at("a")}};
        for (const auto& [path, drive] : paths) {
            list.setDrive(path);
            QCOMPARE(list.drive(), drive);
        }
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.drive(), at("a/b"));
        Q_EMIT list.activated(1);  // the chosen drive picked again from the open list
        QCOMPARE(changes.count(), 1);
    }

    // Matching ignores case, and so does the order; a reading starts with nothing selected, and a
    // folder that cannot be read gives an empty list and says why.
    void setPath_listsMatchingFilesInNameOrder() {
        QTemporaryDir folder;
        for (const char* name : {"b.set", "A.set", "C.SET", "notes.txt", "a.set"}) {
            QVERIFY(test::writeFile(folder.filePath(QLatin1String(name)), "x"));
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

    // The tree's rows follow its numbered nodes, in order of addition under each parent.
    void treeView_rowsFollowTheNodesInOrderOfAddition() {
        TreeView view;
        QAbstractItemModelTester tester(view.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        NodeTree& nodes = view.nodes();
        const int a = nodes.addTopLevel("A", 1);
        nodes.addChild(nodes.addTopLevel("B", 1), "b1", 3);
        nodes.addChild(a, "a1", 3);
        nodes.addChild(a, "a2", 3);
        const QAbstractItemModel* model = view.model();
        const QModelIndex first = model->index(0, 0, {});
        QCOMPARE(model->rowCount({}), 2);
        QCOMPARE(model->index(1, 0, first).data().toString(), QStringLiteral("a2"));
        QCOMPARE(model->index(1, 0, first).parent(), first);
        ImageList images;
        view.setImageList(&images);
        QVERIFY(!first.data(Qt::DecorationRole).value<QIcon>().isNull());
        nodes.removeAll();
        QCOMPARE(model->rowCount({}), 0);
    }

    // Where a window opens, inside the window frame of 4 px borders and a 32 px title bar: centred
    // on its opener, pushed back inside the free area, shrunk to it but not below its minimum,
    // and with the title bar kept on screen when it cannot all fit.
    void placedWindow_fitsTheFreeArea() {
        const QRect screen(0, 0, 1280, 720);
        const struct {
            QSize wanted, minimum;
            QRect opener, available, placed;
        } rows[] = {
            // back from the right and bottom; back from the left and top, below a panel
            {{400, 300}, {0, 0}, {1000, 600, 280, 120}, screen, {876, 416, 400, 300}},
            {{400, 300}, {0, 0}, {0, 0, 400, 100}, {0, 40, 1280, 680}, {4, 72, 400, 300}},
            // shrunk to the free area; larger than the screen: its minimum, the title bar on screen
            {{1800, 1410}, {300, 200}, screen, screen, {4, 32, 1272, 684}},
            {{1500, 900}, {1400, 800}, screen, screen, {4, 32, 1400, 800}},
        };
        for (const auto& row : rows) {
            QCOMPARE(
                placedWindowRect(row.wanted, row.minimum, {4, 32, 4, 4}, row.opener, row.available),
                row.placed);
        }
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
