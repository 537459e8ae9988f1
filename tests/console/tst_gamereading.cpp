#include <QTest>

#include "console/GameReading.h"

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

QByteArray repeated(char c, int count) {
    return QByteArray(count, c);
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

        QTest::newRow("line ends and ;")
            << QByteArray("a 1\r\nb 2;c 3\nd") << QByteArray("a|1\nb|2\nc|3\nd") << QByteArray()
            << QByteArray("1");
        QTest::newRow("; inside quotes, words joined by one blank")
            << QByteArray("seta x \"a;b\"   c;d") << QByteArray("seta|x|a;b|c\nd") << QByteArray()
            << QByteArray("a;b c");
        QTest::newRow("odd quotes keep the ;, a quoted word runs to the end")
            << QByteArray("bind F1 \"say a;b") << QByteArray("bind|F1|say a;b") << QByteArray()
            << QByteArray("say a;b");
        QTest::newRow("a quote ends a plain word; the last word is empty")
            << QByteArray("seta x \"2\"2\"") << QByteArray("seta|x|2|2|") << QByteArray()
            << QByteArray("2 2 ");
        QTest::newRow("a line end inside quotes still ends the command")
            << QByteArray("name \"a\nb\"") << QByteArray("name|a\nb|") << QByteArray()
            << QByteArray("a");
        QTest::newRow("// ends the words; for ioquake3 also the ; after it")
            << QByteArray("a 1 //b;c\nd") << QByteArray("a|1\nd") << QByteArray("a|1\nc\nd")
            << QByteArray("1");
        QTest::newRow("ioquake3 ends a command after */")
            << QByteArray("seta x a/*b*/c") << QByteArray("seta|x|a\nc") << QByteArray("seta|x|a|c")
            << QByteArray("a");
        QTest::newRow("ioquake3 runs /* across ; and line ends")
            << QByteArray("a /* ;\n */ b;c") << QByteArray("a\nb\nc") << QByteArray("a\n*/|b\nc")
            << QByteArray();
        QTest::newRow("an unclosed /* drops the rest of the words")
            << QByteArray("seta x 90 /* 1") << QByteArray("seta|x|90") << QByteArray()
            << QByteArray("90");
        QTest::newRow("bytes from 0x80 up are blanks outside quotes")
            << QByteArray("seta x caf\xe9 \xe9\x80\"caf\xe9\"") << QByteArray("seta|x|caf|caf\xe9")
            << QByteArray() << QByteArray("caf caf\xe9");
        QTest::newRow("a bare cvar stores the words after its name")
            << QByteArray("sensitivity\t2  -") << QByteArray("sensitivity|2|-") << QByteArray()
            << QByteArray("2 -");
        QTest::newRow("a NUL ends the script")
            << QByteArray("a 1\0b 2", 7) << QByteArray("a|1") << QByteArray() << QByteArray("1");
        QTest::newRow("a 1024-byte command loses its last byte")
            << "seta x " + repeated('a', 1017) << "seta|x|" + repeated('a', 1016) << QByteArray()
            << repeated('a', 1016);
        QTest::newRow("after 1023 bytes one is dropped and the rest runs")
            << "seta x \"" + repeated('a', 1016) + "set y 1\""
            << "seta|x|" + repeated('a', 1015) + "\nset|y|1|" << QByteArray()
            << repeated('a', 1015);
        QTest::newRow("ioquake3 keeps a /* open to the end across a cut")
            << "a /*" + repeated('b', 1030) + ";c"
            << "a\n" + repeated('b', 10) + ";c"
            << "a\n" + repeated('b', 10) + "\nc" << QByteArray();
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
};

QTEST_GUILESS_MAIN(GameReadingTest)
#include "tst_gamereading.moc"
