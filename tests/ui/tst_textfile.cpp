#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "support/TestSupport.h"
#include "ui/TextFile.h"

using namespace scriptloom;

namespace {

QStringList readAllLines(const QByteArray& bytes) {
    textfile::LineReader reader(bytes);
    QStringList lines;
    while (!reader.atEnd()) {
        lines << reader.readLine();
        if (reader.lineNumber() != lines.size()) {
            return {QStringLiteral("line number %1 after %2 lines")
                        .arg(reader.lineNumber())
                        .arg(lines.size())};
        }
    }
    return lines;
}

}  // namespace

class TextfileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readLine_endsLinesAtCrLfAndLoneCr_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lone LF stays in the line")
            << QByteArray("a\nb\r\nc\n") << QStringList{"a\nb", "c\n"};
        QTest::newRow("CR then CR LF is an empty line")
            << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("final line without line end")
            << QByteArray("a\r\nlast") << QStringList{"a", "last"};
        QTest::newRow("one line with its end") << QByteArray("a\r\n") << QStringList{"a"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\r\n") << QStringList{"", "", ""};
        QTest::newRow("no bytes") << QByteArray() << QStringList{};
        QTest::newRow("NUL inside a line")
            << QByteArray("a\0b\r\n", 5) << QStringList{QString::fromLatin1("a\0b", 3)};
    }

    void readLine_endsLinesAtCrLfAndLoneCr() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(readAllLines(bytes), lines);
    }

    void readLine_pastTheEnd_givesEmptyLineAndKeepsTheLineNumber() {
        textfile::LineReader reader(QByteArray("only\r\n"));
        QCOMPARE(reader.readLine(), QStringLiteral("only"));
        QVERIFY(reader.atEnd());
        QCOMPARE(reader.readLine(), QString());
        QVERIFY(reader.atEnd());
        QCOMPARE(reader.lineNumber(), 1);
    }

    void decodeThenEncode_keepsEveryByteValue() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            all += static_cast<char>(b);
        }
        const QString text = textfile::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(textfile::encode(text), all);
    }

    void decode_mapsTheCodePage_data() {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<int>("unicode");

        QTest::newRow("0x80 euro") << QByteArray("\x80") << 0x20AC;
        QTest::newRow("0x81 undefined") << QByteArray("\x81") << 0x81;
        QTest::newRow("0x9F Y diaeresis") << QByteArray("\x9F") << 0x178;
        QTest::newRow("0xA0 no-break space") << QByteArray("\xA0") << 0xA0;
        QTest::newRow("0xFF y diaeresis") << QByteArray("\xFF") << 0xFF;
    }

    void decode_mapsTheCodePage() {
        QFETCH(QByteArray, byte);
        QFETCH(int, unicode);
        const QString text = textfile::decode(byte);
        QCOMPARE(text.size(), 1);
        QCOMPARE(int(text.at(0).unicode()), unicode);
        QCOMPARE(textfile::encode(text), byte);
    }

    void encode_writesCharactersOutsideTheCodePageAsQuestionMarks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("CJK") << QStringLiteral(u"a\u4E2Db") << QByteArray("a?b");
        QTest::newRow("next to the euro sign") << QStringLiteral(u"\u20AD") << QByteArray("?");
        QTest::newRow("euro sign is held") << QStringLiteral(u"\u20AC") << QByteArray("\x80");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void encode_writesCharactersOutsideTheCodePageAsQuestionMarks() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(textfile::encode(text), bytes);
    }

    void lineWriter_endsEveryLineWithCrLf() {
        textfile::LineWriter writer;
        QVERIFY(writer.bytes().isEmpty());
        writer.writeLine(u"first");
        writer.writeLine(u"");
        writer.writeLine(QStringLiteral(u"\u20AC \u4E2D"));
        QCOMPARE(writer.bytes(), QByteArray("first\r\n\r\n\x80 ?\r\n"));
        QCOMPARE(readAllLines(writer.bytes()),
                 (QStringList{"first", "", QStringLiteral(u"\u20AC ?")}));
    }

    void readWholeFile_givesTheBytesUnchanged() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray bytes("a\r\nb\nc\r\x80\xFF", 10);
        const QString path = dir.filePath(QStringLiteral("whole.txt"));
        QVERIFY(test::writeFile(path, bytes));
        const textfile::ReadResult result = textfile::readWholeFile(path);
        QVERIFY(result.ok);
        QCOMPARE(result.bytes, bytes);
        QVERIFY(result.error.isEmpty());
    }

    void readWholeFile_whatCannotBeRead_givesAReason_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing file") << QStringLiteral("missing.txt");
        QTest::newRow("a folder") << QStringLiteral("folder");
    }

    void readWholeFile_whatCannotBeRead_givesAReason() {
        QFETCH(QString, relativePath);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const textfile::ReadResult result = textfile::readWholeFile(dir.filePath(relativePath));
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QVERIFY(result.bytes.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TextfileTest)
#include "tst_textfile.moc"
