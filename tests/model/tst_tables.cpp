#include <QTest>

#include "model/GameSetTables.h"

using namespace scriptloom;

namespace {

SwitchEntry named(const QString& name, const QString& command = {}) {
    SwitchEntry entry;
    entry.Name = name;
    entry.Command = command;
    return entry;
}

QString nameOf(int index) {
    return QStringLiteral("entry %1").arg(index);
}

}  // namespace

class TablesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void append_growsByFiveWhenCountReachesCapacity_data() {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<int>("appends");
        QTest::addColumn<int>("capacity");

        QTest::newRow("first after reset") << true << 1 << 30;
        QTest::newRow("30th after reset fills slot 29") << true << 30 << 30;
        QTest::newRow("31st after reset") << true << 31 << 35;
        QTest::newRow("first on a never-reset table") << false << 1 << 5;
        QTest::newRow("5th on a never-reset table") << false << 5 << 5;
        QTest::newRow("6th on a never-reset table") << false << 6 << 10;
    }

    void append_growsByFiveWhenCountReachesCapacity() {
        QFETCH(bool, reset);
        QFETCH(int, appends);
        QFETCH(int, capacity);

        Table<SwitchEntry> table;
        if (reset) {
            table.reset();
        }
        for (int i = 0; i < appends; ++i) {
            QVERIFY(table.append(named(nameOf(i))));
        }
        QCOMPARE(table.Count(), appends);
        QCOMPARE(table.Capacity(), capacity);
        QCOMPARE(table.slotCount(), capacity + 1);
        // Growing keeps what the earlier slots hold; the slot with index Count stays empty.
        for (int i = 0; i < appends; ++i) {
            QCOMPARE(table[i].Name, nameOf(i));
            QCOMPARE(table.firstNamed(nameOf(i)), i);
        }
        QVERIFY(table[appends].Name.isEmpty());
    }

    void makeRoom_givesTheNextSlotEmptiedUntilCommitted() {
        Table<SelectionEntry> table;
        table.reset();
        SelectionEntry* slot = table.makeRoom();
        QVERIFY(slot != nullptr);
        slot->Name = QStringLiteral("left over");
        slot->Options[0] = QStringLiteral("option");
        slot->OptionCount = 1;
        QCOMPARE(table.Count(), 0);
        QCOMPARE(table.firstNamed(QStringLiteral("left over")), -1);

        SelectionEntry* again = table.makeRoom();
        QCOMPARE(again, &table[0]);
        QVERIFY(again->Name.isEmpty());
        QVERIFY(again->Options[0].isEmpty());
        QCOMPARE(again->OptionCount, 0);

        again->Name = QStringLiteral("kept");
        table.commitAppend();
        QCOMPARE(table.Count(), 1);
        QCOMPARE(table.firstNamed(QStringLiteral("kept")), 0);
    }

    void sameName_bothEntriesKeptAndFoundLowestFirst() {
        Table<SwitchEntry> table;
        table.reset();
        const QString name = QStringLiteral("Crouch");
        QVERIFY(table.append(named(name, QStringLiteral("first"))));
        QVERIFY(table.append(named(QStringLiteral("Jump"))));
        QVERIFY(table.append(named(name, QStringLiteral("second"))));

        QCOMPARE(table.Count(), 3);
        QCOMPARE(table[0].Command, QStringLiteral("first"));
        QCOMPARE(table[2].Command, QStringLiteral("second"));
        QCOMPARE(table.indicesNamed(name), (QList<std::int16_t>{0, 2}));
        QCOMPARE(table.firstNamed(name), 0);
        // Names are matched exactly.
        QCOMPARE(table.firstNamed(QStringLiteral("crouch")), -1);
        QCOMPARE(table.firstNamed(QStringLiteral("Crouch ")), -1);
        QVERIFY(table.indicesNamed(QStringLiteral("Missing")).isEmpty());
    }

    void reset_discardsEntriesAndTheirNames() {
        Table<SwitchEntry> table;
        for (int i = 0; i < 40; ++i) {
            QVERIFY(table.append(named(nameOf(i), QStringLiteral("x"))));
        }
        QCOMPARE(table.Capacity(), 40);

        table.reset();
        QCOMPARE(table.Count(), 0);
        QCOMPARE(table.Capacity(), 30);
        QCOMPARE(table.slotCount(), 31);
        for (int i = 0; i < table.slotCount(); ++i) {
            QVERIFY(table[i].Name.isEmpty());
            QVERIFY(table[i].Command.isEmpty());
        }
        QCOMPARE(table.firstNamed(nameOf(0)), -1);
        QVERIFY(table.indicesNamed(nameOf(39)).isEmpty());

        // A name used before the reset is indexed afresh.
        QVERIFY(table.append(named(nameOf(3))));
        QCOMPARE(table.indicesNamed(nameOf(3)), (QList<std::int16_t>{0}));
    }

    void fullTable_refusesOneMoreEntry_data() {
        QTest::addColumn<bool>("reset");
        QTest::newRow("grown from a reset") << true;
        QTest::newRow("grown from no slots") << false;
    }

    void fullTable_refusesOneMoreEntry() {
        QFETCH(bool, reset);
        constexpr int kLargest = 32765;
        Table<SwitchEntry> table;
        if (reset) {
            table.reset();
        }
        for (int i = 0; i < kLargest; ++i) {
            if (!table.append(named(QStringLiteral("same")))) {
                QFAIL(qPrintable(QStringLiteral("append %1 was refused").arg(i + 1)));
            }
        }
        QCOMPARE(table.Count(), kLargest);
        QCOMPARE(table.Capacity(), kLargest);
        QCOMPARE(table.slotCount(), kLargest + 1);

        QCOMPARE(table.makeRoom(), nullptr);
        QVERIFY(!table.append(named(QStringLiteral("one more"))));
        QCOMPARE(table.Count(), kLargest);
        QCOMPARE(table.Capacity(), kLargest);
        QCOMPARE(table.firstNamed(QStringLiteral("one more")), -1);
        QCOMPARE(table.indicesNamed(QStringLiteral("same")).size(), kLargest);
        QCOMPARE(table.indicesNamed(QStringLiteral("same")).last(), kLargest - 1);
    }
};

QTEST_GUILESS_MAIN(TablesTest)
#include "tst_tables.moc"
