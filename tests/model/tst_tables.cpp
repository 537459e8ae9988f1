#include <QTest>

#include "model/GameSetTables.h"

using namespace scriptloom;

namespace {
SwitchEntry named(const QString& name) {
    return SwitchEntry{{}, name, {}, {}, {}};
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
        QTest::newRow("30th after a reset fills slot 29") << true << 30 << 30;
        QTest::newRow("31st after a reset") << true << 31 << 35;
        QTest::newRow("first on a never-reset table") << false << 1 << 5;
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
        // Growing keeps the earlier slots; the slot with index Count exists and is empty.
        for (int i = 0; i < appends; ++i) {
            QCOMPARE(table.firstNamed(nameOf(i)), i);
        }
        QVERIFY(table[appends].Name.isEmpty());
    }

    void sameNames_areAllKeptLowestFirst_untilAReset() {
        Table<SwitchEntry> table;
        for (const char* name : {"Crouch", "Jump", "Crouch"}) {
            QVERIFY(table.append(named(QLatin1String(name))));
        }
        QCOMPARE(table.indicesNamed(QStringLiteral("Crouch")), (QList<std::int16_t>{0, 2}));
        QCOMPARE(table.firstNamed(QStringLiteral("crouch")), -1);  // names match exactly
        QCOMPARE(table.firstNamed(QStringLiteral("Crouch ")), -1);

        table.reset();
        QCOMPARE(table.Count(), 0);
        QCOMPARE(table.Capacity(), 30);
        QCOMPARE(table.slotCount(), 31);
        QVERIFY(table[0].Name.isEmpty());
        QCOMPARE(table.firstNamed(QStringLiteral("Jump")), -1);
        QVERIFY(table.append(named(QStringLiteral("Crouch"))));
        QCOMPARE(table.indicesNamed(QStringLiteral("Crouch")), (QList<std::int16_t>{0}));
    }
};

QTEST_GUILESS_MAIN(TablesTest)
#include "tst_tables.moc"
