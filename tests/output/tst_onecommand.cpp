#include <QTest>

#include "model/GameSetTables.h"
#include "output/OneCommand.h"

using namespace scriptloom;

class OneCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valueEndsCommandEarly_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("breaksOut");

        const QString quoted = "seta cg_zoomfov \"*x\"";
        const QString bare = "seta cg_zoomfov *x";
        QTest::newRow("plain value") << quoted << "22.5" << false;
        QTest::newRow("plain value, bare template") << bare << "22.5" << false;
        QTest::newRow("blanks inside the game's quotes") << quoted << "Big Joe" << false;
        QTest::newRow("semicolon inside the game's quotes") << quoted << "a;b" << false;
        QTest::newRow("semicolon, bare template") << bare << "22; quit" << true;
        QTest::newRow("trailing semicolon runs nothing more") << bare << "22;" << false;
        QTest::newRow("quote alone stays one command") << quoted << "2\"2" << false;
        QTest::newRow("quote and semicolon") << quoted << "22\"; quit; echo \"x" << true;
        QTest::newRow("quote opening a semicolon, bare template") << bare << "\"; quit" << false;
        QTest::newRow("value that is itself quoted") << bare << "\"a;b\"" << false;
        QTest::newRow("quoted value inside the game's quotes") << quoted << "\"a;b\"" << true;
        QTest::newRow("line end in the value") << quoted << "1\r\nquit" << true;
        QTest::newRow("template's own second command is not the value's")
            << "bind *x \"+zoom\"; echo ok"
            << "z" << false;
        QTest::newRow("bind with quote and semicolon") << "bind *x \"+attack\""
                                                       << "x \"kill\"; bind y" << true;
    }

    void valueEndsCommandEarly() {
        QFETCH(QString, command);
        QFETCH(QString, value);
        QFETCH(bool, breaksOut);
        QCOMPARE(scriptloom::valueEndsCommandEarly(command, value), breaksOut);
    }

    // The save dialog's list: each breaking entry once, in the order the script writes them,
    // Selections judged by the value they write (cut after the dash).
    void extraCommandsNotice_namesTheEntriesThatBreakOut() {
        GameSetTables tables;
        tables.resetAll();
        tables.Selections.append({"S", "Gun", "seta cg_drawGun *x", "", {}, 0, "1;quit - bad"});
        tables.Selections.append({"S", "Cut", "seta cg_x *x", "", {}, 0, "1 -; quit"});
        tables.Bindings.append({"S", "Zoom", "seta cg_zoomfov \"*x\"", "", "2\"; quit"});
        tables.Bindings.append({"S", "Zoom", "seta cg_zoomfov \"*x\"", "", "2\"; quit"});
        tables.Bindings.append({"S", "Fov", "seta cg_fov \"*x\"", "", "90"});
        tables.Bindings.append({"S", "Unset", "seta cg_y *x", "", ""});

        const QStringList names = entriesRunningExtraCommands(tables);
        QCOMPARE(names, QStringList({"Zoom", "Gun"}));
        QCOMPARE(extraCommandsNotice(names), "2 values run extra commands: Zoom, Gun");
        QCOMPARE(extraCommandsNotice({"Zoom"}), "1 value runs extra commands: Zoom");
        QCOMPARE(extraCommandsNotice({"A", "B", "C", "D", "E"}),
                 QString::fromUtf8("5 values run extra commands: A, B, C, D, …"));
        QCOMPARE(extraCommandsNotice({}), QString());
    }
};

QTEST_GUILESS_MAIN(OneCommandTest)
#include "tst_onecommand.moc"
