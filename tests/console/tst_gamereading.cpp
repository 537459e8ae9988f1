#include <QTest>

#include "console/GameReading.h"
#include "console/WrittenValueWarning.h"

using namespace scriptloom::console;

namespace {

// The commands that run, one a line, with their words between "|".
QByteArray commandsRead(QByteArrayView script, Cutting cutting) {
    QByteArrayList commands;
    for (const QByteArray& command : cutCommands(script, cutting)) {
        QByteArrayList words;
        for (const QByteArrayView word : splitWords(command)) {
            words << word.toByteArray();
        }
        if (!words.isEmpty()) {
            commands << words.join('|');
        }
    }
    return commands.join('\n');
}

}  // namespace

class GameReadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // How ioquake3 and the original engine read a script, and what its first command stores.
    // An empty "original" column means the original engine reads it as ioquake3 does.
    void reading_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("ioquake3");
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("stored");

        const auto row = [](const char* tag, const QByteArray& script, const QByteArray& ioquake3,
                            const QByteArray& stored, const QByteArray& original = {}) {
            QTest::newRow(tag) << script << ioquake3 << original << stored;
        };
        const QByteArray a1015(1015, 'a');
        row("line ends and ;", "a 1\r\nb 2;c 3\nd", "a|1\nb|2\nc|3\nd", "1");
        row("; inside quotes, words joined by one blank", "seta x \"a;b\"   c;d", "seta|x|a;b|c\nd",
            "a;b c");
        row("odd quotes keep the ;, a quoted word runs to the end", "bind F1 \"say a;b",
            "bind|F1|say a;b", "say a;b");
        row("// ends the words; for ioquake3 also the ; after it", "a 1 //b;c\nd", "a|1\nd", "1",
            "a|1\nc\nd");
        row("ioquake3 ends a command after */", "seta x a/*b*/c", "seta|x|a\nc", "a", "seta|x|a|c");
        row("ioquake3 runs /* across ; and line ends", "a /* ;\n */ b;c", "a\nb\nc", "",
            "a\n*/|b\nc");
        row("a NUL ends the script", QByteArray("a 1\0\nb 2", 8), "a|1", "1");
        row("after 1023 bytes one is dropped and the rest runs",
            "seta x \"" + a1015 + "a" + "set y 1\"", "seta|x|" + a1015 + "\nset|y|1|", a1015);
        row("ioquake3 keeps a /* open to the end across a cut",
            "a /*" + QByteArray(1030, 'b') + ";c", "a\n" + QByteArray(10, 'b') + ";c", "",
            "a\n" + QByteArray(10, 'b') + "\nc");
    }

    void reading() {
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, ioquake3);
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, stored);
        QCOMPARE(commandsRead(script, Cutting::IoQuake3), ioquake3);
        QCOMPARE(commandsRead(script, Cutting::Original), original.isEmpty() ? ioquake3 : original);
        const QByteArray first = cutCommands(script, Cutting::IoQuake3).value(0);
        const QList<QByteArrayView> words = splitWords(first);
        QCOMPARE(joinWords(words, storedTextStart(words.value(0))), stored);
    }

    // The words under a value box: what the game reads instead, shown with its control
    // characters visible and cut when long; a key that runs more; the characters written as "?".
    void warningWords_sayWhatTheGameDoes_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("said");
        const QString quoted = "seta cg_fov \"*x\"", bare = "seta cg_fov *x";
        const QString readAs = "The game will read this value as: `%1`";
        const QString early =
            "This value ends the command early: the game will read the rest as another command.";
        QTest::newRow("lone quote") << quoted << "2\"2" << readAs.arg("2 2 ");
        QTest::newRow("long reading") << bare << "a  " + QString(70, u'b')
                                      << readAs.arg("a " + QString(58, u'b') + QChar(0x2026));
        // Either engine's reading warns: the original ends a command at a ";" after "//",
        // ioquake3 ends it after "*/", and a bound text is read again on each key press.
        QTest::newRow("original: ; after //") << bare << "90 //x;quit" << early;
        QTest::newRow("ioquake3: after */") << bare << "1/*x*/quit" << early;
        QTest::newRow("key, original: ; after //")
            << "bind F1 \"say *x\""
            << "hi //x;quit"
            << "When the key is pressed, the game will run more than one command.";
        QTest::newRow("unwritable") << quoted << QString::fromUtf8("Привет")
                                    << QString::fromUtf8(
                                           "Characters the script cannot hold are "
                                           "written as ?: П, р, и, в, е, …");
    }
    void warningWords_sayWhatTheGameDoes() {
        QFETCH(QString, command);
        QFETCH(QString, value);
        QFETCH(QString, said);
        QCOMPARE(writtenValueWarning(command, value), said);
    }
};

QTEST_GUILESS_MAIN(GameReadingTest)
#include "tst_gamereading.moc"
