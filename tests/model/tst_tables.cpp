#include <QTest>

#include "model/GameSetTables.h"

using namespace scriptloom;

class TablesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Names are matched exactly, every entry of a name is found lowest first, and a reset forgets
    // them all. The table's largest size is checked where the loader meets a full table.
    void entries_areFoundByExactNameUntilAReset() {
        Table<SwitchEntry> table;
        for (const char* name : {"Crouch", "Jump", "Crouch", "a", "b", "c"}) {
            QVERIFY(table.append(SwitchEntry{{}, name, {}, {}, {}}));
        }
        QCOMPARE(table[4].Name, QStringLiteral("b"));  // growing keeps the earlier slots
        QCOMPARE(table.indicesNamed("Crouch"), (QList<std::int16_t>{0, 2}));
        QCOMPARE(table.firstNamed("crouch"), -1);
        QCOMPARE(table.firstNamed("Crouch "), -1);
        table.reset();
        QCOMPARE(table.Count(), 0);
        QCOMPARE(table.firstNamed("Jump"), -1);
        QVERIFY(table.append(SwitchEntry{{}, "Jump", {}, {}, {}}));
        QCOMPARE(table.indicesNamed("Jump"), (QList<std::int16_t>{0}));
    }

    // A rewrite reaches every entry of the name. A Name it changes is found under the new name
    // only, in index order among the entries already there; the revision moves only when some
    // entry was rewritten.
    void rewriteNamed_keepsTheNameIndexAndRevisionRight() {
        Table<SwitchEntry> table;
        for (const char* name : {"A", "C", "A"}) {
            QVERIFY(table.append(SwitchEntry{{}, name, {}, {}, {}}));
        }
        const auto rename = [](SwitchEntry& entry) {
            entry.Name = "C";
            entry.Command = "new";
        };
        const std::uint32_t revision = table.revision();
        QCOMPARE(table.rewriteNamed("B", rename), 0);
        QCOMPARE(table.revision(), revision);
        QCOMPARE(table.rewriteNamed("A", rename), 2);
        QVERIFY(table.revision() != revision);
        QCOMPARE(table.firstNamed("A"), -1);
        QCOMPARE(table.indicesNamed("C"), (QList<std::int16_t>{0, 1, 2}));
        QCOMPARE(table[2].Command, QString("new"));
        QCOMPARE(table[1].Command, QString());
    }
};

QTEST_GUILESS_MAIN(TablesTest)
#include "tst_tables.moc"
