#include <QTest>

#include "model/LoadDiagnosis.h"

using namespace scriptloom;

namespace {

QByteArray utf16(const QByteArray& text, bool bigEndian, bool mark) {
    QByteArray out = mark ? QByteArray(bigEndian ? "\xFE\xFF" : "\xFF\xFE") : QByteArray();
    for (const char c : text) {
        out += bigEndian ? QByteArray(1, '\0') + c : QByteArray(1, c) + '\0';
    }
    return out;
}

}  // namespace

class LoadDiagnosisTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The reason told for a set that gave no entries (or lost its first one to a byte-order mark);
    // a set that loaded says nothing.
    void gameSetLoadNotice_namesTheLikeliestReason_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<QString>("notice");
        const QByteArray block("SWITCH\r\nS\r\nN\r\nC\r\nCm\r\n");
        const QByteArray set = block + block;
        const QByteArray lf = QByteArray(block).replace("\r\n", "\n");
        const QString none = "s.set holds no game set entries";
        const QString lfOnly = none + ": its lines end in LF only; game sets need CR LF line ends.";
        const QString marked =
            "s.set begins with a UTF-8 byte-order mark: its first entry could not be read.";
        QTest::newRow("a set that loaded") << set << 2 << "";
        QTest::newRow("LF only") << lf << 0 << lfOnly;
        QTest::newRow("LF only, with a mark") << "\xEF\xBB\xBF" + lf << 0 << lfOnly;
        QTest::newRow("mark, other entries loaded") << "\xEF\xBB\xBF" + set << 1 << marked;
        QTest::newRow("mark, its only entry lost") << "\xEF\xBB\xBF" + block << 0 << marked;
        const QString wide = none + ": it is stored as UTF-16.";
        QTest::newRow("UTF-16 LE") << utf16("SWITCH\r\nS", false, true) << 0 << wide;
        QTest::newRow("UTF-16 BE") << utf16("SWITCH\r\nS", true, true) << 0 << wide;
        QTest::newRow("UTF-16 LE without a mark")
            << utf16("SWITCH\r\nS", false, false) << 0 << wide;
        QTest::newRow("empty") << QByteArray() << 0 << none + ": the file is empty.";
        QTest::newRow("CR LF keywords cut off, no lone LF")
            << QByteArray("SWITCH\r\nS") << 0 << none + ".";
        QTest::newRow("LF lines without keywords") << QByteArray("a\nb\n") << 0 << none + ".";
    }
    void gameSetLoadNotice_namesTheLikeliestReason() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, loaded);
        QTEST(gameSetLoadNotice(bytes, "s.set", loaded), "notice");
    }

    // Scripts: lone LF stays inside a line; only a file without any CR is told about. The
    // longest-line check counts lines as the reader does.
    void configScript_lineEndsAndLongLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("lfOnly");
        QTest::addColumn<int>("overlongLine");  // with lines of at most 3 bytes allowed
        QTest::newRow("CR LF") << QByteArray("abc\r\nabc\r\n") << false << 0;
        QTest::newRow("LF only, one long line") << QByteArray("ab\ncd\n") << true << 1;
        QTest::newRow("mixed ends") << QByteArray("a\nb\r\nc") << false << 0;
        QTest::newRow("lone CR ends, third too long") << QByteArray("abc\rd\r\nabcd") << false << 3;
        QTest::newRow("no line end") << QByteArray("abc") << false << 0;
    }
    void configScript_lineEndsAndLongLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, lfOnly);
        QCOMPARE(linesEndInLfOnly(bytes), lfOnly);
        QCOMPARE(configScriptNotice(bytes, "x.cfg").contains("LF only"), lfOnly);
        QTEST(firstLineLongerThan(bytes, 3), "overlongLine");
    }
};

QTEST_GUILESS_MAIN(LoadDiagnosisTest)
#include "tst_loaddiagnosis.moc"
