#include <QTest>

#include "console/WrittenValueWarning.h"
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
    // The words under a value box: what the game reads instead, shown with its control
    // characters visible and cut when long; a key that runs more; the characters written as "?".
    void warningWords_sayWhatTheGameDoes_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("said");
        const QString quoted = "seta cg_fov \"*x\"";
        const QString bare = "seta cg_fov *x";
        const QString early =
            "This value ends the command early: the game will read the rest as another command.";
        const QString keyRunsMore =
            "When the key is pressed, the game will run more than one command.";
        QTest::newRow("as typed") << quoted << "90"
                                  << "";
        QTest::newRow("lone quote") << quoted << "2\"2"
                                    << "The game will read this value as: `2 2 `";
        QTest::newRow("ends early") << bare << "1;quit" << early;
        QTest::newRow("long reading") << bare << "a  " + QString(70, u'b')
                                      << "The game will read this value as: `a " +
                                             QString(58, u'b') + QString::fromUtf8("…`");
        QTest::newRow("key runs more") << "bind F1 \"*x\""
                                       << "+attack;quit" << keyRunsMore;
        // Either engine's reading warns: the original ends a command at a ";" after "//",
        // ioquake3 ends it after "*/", and a bound text is read again on each key press.
        QTest::newRow("original: ; after //") << bare << "90 //x;quit" << early;
        QTest::newRow("ioquake3: after */") << bare << "1/*x*/quit" << early;
        QTest::newRow("key, original: ; after //") << "bind F1 \"say *x\""
                                                   << "hi //x;quit" << keyRunsMore;
        QTest::newRow("unwritable") << quoted << QString::fromUtf8("Привет")
                                    << QString::fromUtf8(
                                           "Characters the script cannot hold are "
                                           "written as ?: П, р, и, в, е, …");
    }
    void warningWords_sayWhatTheGameDoes() {
        QFETCH(QString, command);
        QFETCH(QString, value);
        QFETCH(QString, said);
        QCOMPARE(console::writtenValueWarning(command, value), said);
    }
};

QTEST_GUILESS_MAIN(WarnedValuesTest)
#include "tst_warnedvalues.moc"
