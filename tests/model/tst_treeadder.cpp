#include <QTest>

#include "model/TreeAdder.h"
#include "support/TestSupport.h"
#include "ui/NodeTree.h"

using namespace scriptloom;

namespace {

// Every node is listed once, under the parent it names, at the row it records.
void verifyLinks(const NodeTree& tree) {
    int listed = 0;
    for (int parent = 0; parent <= tree.count(); ++parent) {
        const std::vector<int>& children = tree.children(parent);
        for (std::size_t row = 0; row < children.size(); ++row) {
            const NodeTree::Node& child = tree.node(children[row]);
            QCOMPARE(child.parent, parent);
            QCOMPARE(child.row, int(row));
            ++listed;
        }
    }
    QCOMPARE(listed, tree.count());
}

// Records what the tree tells its view.
class RecordingObserver final : public NodeTree::Observer {
public:
    QStringList events;

    void nodeAboutToBeAdded(int parentNumber, int row) override {
        events << QStringLiteral("add %1 row %2").arg(parentNumber).arg(row);
    }
    void nodeAdded() override { events << QStringLiteral("added"); }
    void nodesAboutToBeRemoved() override { events << QStringLiteral("remove"); }
    void nodesRemoved() override { events << QStringLiteral("removed"); }
    void refreshNeeded() override { events << QStringLiteral("refresh"); }
};

}  // namespace

class TreeadderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addEntryNode_placesEntriesUnderTheFirstMatchingNode_data() {
        // Each entry is "section|name".
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("expected");

        QTest::newRow("first entry into an empty tree")
            << QStringList{"Movement|Jump"} << QStringLiteral("1:Movement/1(2:Jump/3)");
        QTest::newRow("three entries of one section")
            << QStringList{"S|a", "S|b", "S|c"} << QStringLiteral("1:S/1(2:a/3,3:b/3,4:c/3)");
        QTest::newRow("sections A, B, A") << QStringList{"A|a1", "B|b1", "A|a2"}
                                          << QStringLiteral("1:A/1(2:a1/3,5:a2/3) 3:B/1(4:b1/3)");
        QTest::newRow("sections differing in case")
            << QStringList{"Keys|a", "KEYS|b", "keys|c"}
            << QStringLiteral("1:Keys/1(2:a/3) 3:KEYS/1(4:b/3) 5:keys/1(6:c/3)");
        QTest::newRow("section equal to an earlier entry's name")
            << QStringList{"A|Weapons", "Weapons|Rifle", "Weapons|Pistol"}
            << QStringLiteral("1:A/1(2:Weapons/3(3:Rifle/3,4:Pistol/3))");
        QTest::newRow("lowest-numbered match wins over a later entry node")
            << QStringList{"A|x", "B|A", "A|y"}
            << QStringLiteral("1:A/1(2:x/3,5:y/3) 3:B/1(4:A/3)");
        QTest::newRow("empty section gets an empty top-level node")
            << QStringList{"|a", "|b"} << QStringLiteral("1:/1(2:a/3,3:b/3)");
        QTest::newRow("empty section goes under an empty entry node")
            << QStringList{"A|", "|b"} << QStringLiteral("1:A/1(2:/3(3:b/3))");
        QTest::newRow("same section and name twice")
            << QStringList{"S|x", "S|x"} << QStringLiteral("1:S/1(2:x/3,3:x/3)");
    }

    void addEntryNode_placesEntriesUnderTheFirstMatchingNode() {
        QFETCH(QStringList, entries);
        QFETCH(QString, expected);

        NodeTree tree;
        for (const QString& entry : entries) {
            const QStringList parts = entry.split(u'|');
            addEntryNode(parts[0], parts[1], tree);
        }
        QCOMPARE(test::treeShape(tree), expected);
        verifyLinks(tree);
    }

    void removeAll_startsNumberingAgainAndForgetsTexts() {
        NodeTree tree;
        addEntryNode(QStringLiteral("A"), QStringLiteral("a"), tree);
        addEntryNode(QStringLiteral("B"), QStringLiteral("b"), tree);
        tree.removeAll();
        QCOMPARE(tree.count(), 0);
        QVERIFY(tree.children(0).empty());
        QCOMPARE(tree.firstNodeWithText(QStringLiteral("A")), 0);
        QCOMPARE(tree.firstNodeWithText(QStringLiteral("b")), 0);

        addEntryNode(QStringLiteral("B"), QStringLiteral("b2"), tree);
        addEntryNode(QStringLiteral("A"), QStringLiteral("a2"), tree);
        QCOMPARE(test::treeShape(tree), QStringLiteral("1:B/1(2:b2/3) 3:A/1(4:a2/3)"));
        verifyLinks(tree);
    }

    void addEntryNode_tellsTheViewOfEachNodeThenRefreshes() {
        NodeTree tree;
        RecordingObserver observer;
        tree.setObserver(&observer);
        addEntryNode(QStringLiteral("A"), QStringLiteral("a1"), tree);
        addEntryNode(QStringLiteral("A"), QStringLiteral("a2"), tree);
        tree.removeAll();
        tree.setObserver(nullptr);
        addEntryNode(QStringLiteral("A"), QStringLiteral("unseen"), tree);

        const QStringList expected{
            "add 0 row 0", "added",   "add 1 row 0", "added", "refresh",  // new section, entry
            "add 1 row 1", "added",   "refresh",                          // entry only
            "remove",      "removed",
        };
        QCOMPARE(observer.events, expected);
    }
};

QTEST_GUILESS_MAIN(TreeadderTest)
#include "tst_treeadder.moc"
