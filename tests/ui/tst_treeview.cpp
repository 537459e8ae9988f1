#include <QAbstractItemModelTester>
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
        const int a = nodes.addTopLevel("A", 1);
        nodes.addChild(nodes.addTopLevel("B", 1), "b1", 3);
        nodes.addChild(a, "a1", 3);
        nodes.addChild(a, "a2", 3);
        const QAbstractItemModel* model = view.model();
        const QModelIndex first = model->index(0, 0, {});
        QCOMPARE(model->rowCount({}), 2);
        QCOMPARE(model->index(1, 0, first).data().toString(), QStringLiteral("a2"));
        QCOMPARE(model->index(1, 0, first).parent(), first);
        scriptloom::ImageList images;
        view.setImageList(&images);
        QVERIFY(!first.data(Qt::DecorationRole).value<QIcon>().isNull());
        nodes.removeAll();
        QCOMPARE(model->rowCount({}), 0);
    }
};

QTEST_MAIN(TreeViewTest)
#include "tst_treeview.moc"
