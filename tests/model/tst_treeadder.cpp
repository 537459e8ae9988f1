#include <QTest>

#include "model/NodeTree.h"
#include "model/TreeAdder.h"
#include "support/TestSupport.h"

using namespace scriptloom;

class TreeAdderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addEntryNode_placesEntriesUnderTheFirstMatchingNode_data() {
        QTest::addColumn<QStringList>("entries");  // "section|name", added in this order
        QTest::addColumn<QString>("expected");
        QTest::newRow("sections A, B, A")
            << QStringList{"A|a1", "B|b1", "A|a2"} << "1:A/1(2:a1/3,5:a2/3) 3:B/1(4:b1/3)";
        QTest::newRow("sections differing in case")
            << QStringList{"Keys|a", "KEYS|b"} << "1:Keys/1(2:a/3) 3:KEYS/1(4:b/3)";
        QTest::newRow("section equal to an earlier entry's name")
            << QStringList{"A|Weapons", "Weapons|Rifle"} << "1:A/1(2:Weapons/3(3:Rifle/3))";
        QTest::newRow("the lowest-numbered match wins")
            << QStringList{"A|x", "B|A", "A|y"} << "1:A/1(2:x/3,5:y/3) 3:B/1(4:A/3)";
        QTest::newRow("empty section under an empty entry name")
            << QStringList{"A|", "|b"} << "1:A/1(2:/3(3:b/3))";
        QTest::newRow("same section and name twice")
            << QStringList{"S|x", "S|x"} << "1:S/1(2:x/3,3:x/3)";
    }
    void addEntryNode_placesEntriesUnderTheFirstMatchingNode() {
        QFETCH(QStringList, entries);
        NodeTree tree;
        for (const QString& entry : entries) {
            addEntryNode(entry.section(u'|', 0, 0), entry.section(u'|', 1), tree);
        }
        QTEST(test::treeShape(tree), "expected");
        // After a removal the numbers start again and no earlier text is found.
        const QString section = entries.last().section(u'|', 0, 0);
        tree.removeAll();
        addEntryNode(section, QStringLiteral("again"), tree);
        QCOMPARE(test::treeShape(tree), QStringLiteral("1:%1/1(2:again/3)").arg(section));
    }
};

QTEST_GUILESS_MAIN(TreeAdderTest)
#include "tst_treeadder.moc"
