#include <QTest>

#include "model/GameSetTables.h"
#include "output/WarnedValues.h"

using namespace scriptloom;

class WarnedValuesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The save dialog's list: each warned entry once, in the order the script writes them,
    // Selections judged by the value they write (cut after the dash).
    void warnedValuesNotice_namesTheEntriesTheGameMisreads() {
        GameSetTables tables;
        tables.resetAll();
        tables.Selections.append({"S", "Gun", "seta cg_drawGun *x", "", {}, 0, "1;quit - bad"});
        tables.Selections.append({"S", "Cut", "seta cg_x *x", "", {}, 0, "1 -; quit"});
        tables.Bindings.append({"S", "Zoom", "seta cg_zoomfov \"*x\"", "", "2\"; quit"});
        tables.Bindings.append({"S", "Zoom", "seta cg_zoomfov \"*x\"", "", "2\"; quit"});
        tables.Bindings.append({"S", "Fov", "seta cg_fov \"*x\"", "", "90"});
        tables.Bindings.append({"S", "Unset", "seta cg_y *x", "", ""});

        const QStringList names = entriesWithWarnedValues(tables);
        QCOMPARE(names, QStringList({"Zoom", "Gun"}));
        QCOMPARE(warnedValuesNotice(names),
                 "2 values run extra commands or will not reach the game as typed: Zoom, Gun");
        QCOMPARE(warnedValuesNotice({"Zoom"}),
                 "1 value runs extra commands or will not reach the game as typed: Zoom");
        QCOMPARE(warnedValuesNotice({"A", "B", "C", "D", "E"}),
                 QString::fromUtf8("5 values run extra commands or will not reach the game as "
                                   "typed: A, B, C, D, …"));
        QCOMPARE(warnedValuesNotice({}), QString());
    }
};

QTEST_GUILESS_MAIN(WarnedValuesTest)
#include "tst_warnedvalues.moc"
