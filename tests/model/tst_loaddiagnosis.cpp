#include <QFile>
#include <QTest>

#include "model/LoadDiagnosis.h"

using namespace scriptloom;

namespace {

// A shipped game set, as the program loads it (CR LF lines).
QByteArray shippedSet() {
    QFile file(QStringLiteral(SCRIPTLOOM_SHIPPED_SETS "/keys-weapons.set"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    void initTestCase() { QVERIFY(shippedSet().contains("\r\nBINDING\r\n")); }

    // The reason told for a set that gave no entries (or lost its first one to a byte-order mark);
    // a real set that loaded says nothing.
    void gameSetLoadNotice_namesTheLikeliestReason_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<QString>("notice");
        const QByteArray set = shippedSet();
        QByteArray lf = set;
        lf.replace("\r\n", "\n");
        const QString none = "s.set holds no game set entries";
        const QString lfOnly = none + ": its lines end in LF only; game sets need CR LF line ends.";
        const QString marked =
            "s.set begins with a UTF-8 byte-order mark: its first entry could not be read.";
        QTest::newRow("a real set") << set << 12 << "";
        QTest::newRow("LF only") << lf << 0 << lfOnly;
        QTest::newRow("LF only, with a mark") << "\xEF\xBB\xBF" + lf << 0 << lfOnly;
        QTest::newRow("mark, other entries loaded") << "\xEF\xBB\xBF" + set << 11 << marked;
        QTest::newRow("mark, its only entry lost")
            << QByteArray("\xEF\xBB\xBFSWITCH\r\nS\r\nN\r\nC\r\nCm\r\n") << 0 << marked;
        QTest::newRow("UTF-16 LE")
            << utf16("SWITCH\r\nS", false, true) << 0 << none + ": it is stored as UTF-16.";
        QTest::newRow("UTF-16 BE")
            << utf16("SWITCH\r\nS", true, true) << 0 << none + ": it is stored as UTF-16.";
        QTest::newRow("UTF-16 LE without a mark")
            << utf16("SWITCH\r\nS", false, false) << 0 << none + ": it is stored as UTF-16.";
        QTest::newRow("empty") << QByteArray() << 0 << none + ": the file is empty.";
        QTest::newRow("random bytes")
            << QByteArray::fromHex("8a13f7c2e05b99d1\n0a7766ee") << 0 << none + ".";
        QTest::newRow("CR LF keywords cut off, no lone LF")
            << QByteArray("SWITCH\r\nS") << 0 << none + ".";
        QTest::newRow("LF lines without keywords") << QByteArray("a\nb\n") << 0 << none + ".";
    }
    void gameSetLoadNotice_namesTheLikeliestReason() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, loaded);
        QFETCH(QString, notice);
        QCOMPARE(gameSetLoadNotice(bytes, "s.set", loaded), notice);
    }

    // Scripts: lone LF stays inside a line; only a file without any CR is told about. The
    // longest-line check counts lines as the reader does.
    void configScript_lineEndsAndLongLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("lfOnly");
        QTest::addColumn<int>("overlongLine");  // with lines of at most 3 bytes allowed
        QTest::newRow("CR LF") << QByteArray("abc\r\nd\r\n") << false << 0;
        QTest::newRow("LF only, one long line") << QByteArray("ab\ncd\n") << true << 1;
        QTest::newRow("mixed ends") << QByteArray("a\nb\r\nc") << false << 0;
        QTest::newRow("lone CR ends, third too long") << QByteArray("abc\rd\r\nabcd") << false << 3;
        QTest::newRow("no line end") << QByteArray("abc") << false << 0;
    }
    void configScript_lineEndsAndLongLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, lfOnly);
        QFETCH(int, overlongLine);
        QCOMPARE(linesEndInLfOnly(bytes), lfOnly);
        QCOMPARE(configScriptNotice(bytes, "x.cfg").contains("LF only"), lfOnly);
        QCOMPARE(firstLineLongerThan(bytes, 3), overlongLine);
    }
};

QTEST_GUILESS_MAIN(LoadDiagnosisTest)
#include "tst_loaddiagnosis.moc"
