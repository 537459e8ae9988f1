#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "ui/ImageList.h"
#include "ui/TreeView.h"

using scriptloom::TreeView;

class TreeViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowTheNodesInOrderOfAddition() {
        TreeView view;
        QAbstractItemModelTester tester(view.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        scriptloom::NodeTree& nodes = view.nodes();
        const int a = nodes.addTopLevel(QStringLiteral("A"), 1);
        const int b = nodes.addTopLevel(QStringLiteral("B"), 1);
        nodes.addChild(a, QStringLiteral("a1"), 3);
        nodes.addChild(b, QStringLiteral("b1"), 3);
        nodes.addChild(a, QStringLiteral("a2"), 3);

        const QAbstractItemModel* model = view.model();
        QCOMPARE(model->rowCount({}), 2);
        const QModelIndex first = model->index(0, 0, {});
        QCOMPARE(model->rowCount(first), 2);
        QCOMPARE(model->index(1, 0, first).data().toString(), QStringLiteral("a2"));
        QCOMPARE(model->index(1, 0, first).parent(), first);
        QCOMPARE(nodes.text(5), QStringLiteral("a2"));
        QVERIFY(!view.isExpanded(first));  // new nodes are shown collapsed
        scriptloom::ImageList images;
        view.setImageList(&images);
        QVERIFY(!first.data(Qt::DecorationRole).value<QIcon>().isNull());

        view.selectNode(5);
        nodes.removeAll();
        QCOMPARE(model->rowCount({}), 0);
        QCOMPARE(view.selectedNode(), 0);
        QCOMPARE(nodes.addTopLevel(QStringLiteral("again"), 1), 1);
    }

    void click_isRaisedWhereverAMouseClickInTheTreeEnds() {
        TreeView view;
        view.resize(200, 300);
        view.nodes().addTopLevel(QStringLiteral("A"), 1);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy clicks(&view, &TreeView::Click);

        QCOMPARE(view.selectedNode(), 0);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.nodeRect(1).center());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(view.selectedNode(), 1);
        QCOMPARE(view.selectedText(), QStringLiteral("A"));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(100, 280));  // empty space
        QCOMPARE(clicks.count(), 2);
    }

    void keyUp_isRaisedOnReleaseButNotForRepeats() {
        TreeView view;
        view.nodes().addTopLevel(QStringLiteral("A"), 1);
        view.nodes().addTopLevel(QStringLiteral("B"), 1);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        view.selectNode(1);
        QSignalSpy keyUps(&view, &TreeView::KeyUp);

        QTest::sendKeyEvent(QTest::KeyAction::Press, &view, Qt::Key_Down, QString(), {});
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&view, &repeat);
        QCOMPARE(keyUps.count(), 0);
        QTest::keyRelease(&view, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(keyUps.count(), 2);  // the arrow, then the shift key itself
        QCOMPARE(keyUps.first().at(0).toInt(), int(Qt::Key_Down));
        QCOMPARE(keyUps.first().at(1).toInt(), 1);  // shift held
        QCOMPARE(view.selectedNode(), 2);
    }
};

QTEST_MAIN(TreeViewTest)
#include "tst_treeview.moc"
