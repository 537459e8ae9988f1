#include <QTest>

#include "ui/TextFile.h"

using namespace scriptloom;

class TextFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readLine_endsLinesAtCrLfAndLoneCr_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lone LF stays in the line")
            << QByteArray("a\nb\r\nc\n") << QStringList{"a\nb", "c\n"};
        QTest::newRow("CR then CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("no bytes") << QByteArray() << QStringList{};
    }
    void readLine_endsLinesAtCrLfAndLoneCr() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        textfile::LineReader reader(bytes);
        QStringList read;
        while (!reader.atEnd()) {
            read << reader.readLine();
            QCOMPARE(reader.lineNumber(), read.size());
        }
        QCOMPARE(read, lines);
        QCOMPARE(reader.readLine(), QString());  // past the end
    }

    void everyByteSurvivesAReadAndAWrite() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            all += static_cast<char>(b);
        }
        const QString text = textfile::decode(all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));  // the euro sign
        QCOMPARE(text.at(0x81), QChar(0x81));    // undefined in the code page
        QCOMPARE(text.at(0x9F), QChar(0x178));
        textfile::LineWriter writer;
        writer.writeLine(text);
        QCOMPARE(writer.bytes(), all + "\r\n");
    }

    void charactersOutsideTheCodePage_areWrittenAsQuestionMarks() {
        QCOMPARE(textfile::encode(QStringLiteral(u"a\u4E2Db\u20AD")), QByteArray("a?b?"));
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
