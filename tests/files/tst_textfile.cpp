#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "files/TextFile.h"
#include "support/TestSupport.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace scriptloom;

namespace {

bool isRoot() {
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

// Makes a file or folder refuse writes, or take them again. Permission bits do not stop root, so
// root makes it immutable instead, where the file system allows that.
bool refuseWrites(const QString& path, bool refuse) {
    return isRoot() ? QProcess::execute("chattr", {refuse ? "+i" : "-i", path}) == 0
                    : QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                      (refuse ? QFileDevice::Permissions()
                                                              : QFileDevice::WriteOwner));
}

}  // namespace

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
        textfile::LineReader reader(bytes);
        QStringList read;
        while (!reader.atEnd()) {
            read << reader.readLine();
            QCOMPARE(reader.lineNumber(), read.size());
        }
        QTEST(read, "lines");
        QCOMPARE(reader.readLine(), QString());  // past the end
    }

    // Every byte decodes through the code page and encodes back unchanged; a character the code
    // page lacks is written as a question mark.
    void codePage_roundTripsEveryByte() {
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
        QCOMPARE(textfile::encode(QStringLiteral(u"a\u4E2Db\u20AD")), QByteArray("a?b?"));
    }

    // A save replaces the file; a failed one keeps the old file, says why (the system's own reason
    // where it gave one; an empty reason here takes any text) and leaves no temporary file. The
    // target is named within the test's folder, which holds the old "a.cfg" and a folder
    // "taken.cfg".
    void writeWholeFile_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* situation, const QString& target, const char* reason = "") {
            QTest::newRow(situation) << target << QString(reason);
        };
        row("replaces", "a.cfg");
        row("no file name", "");
        row("missing folder", "missing/a.cfg", "the folder does not exist");
        row("folder in the way", "taken.cfg");
        row("read-only file", "a.cfg");
        row("read-only folder", "a.cfg");
        row("full disk", "/dev/full", "No space left on device");
        row("full file system", "small/a.cfg", "No space left on device");
        row("5,000-character path", QString(5000, u'd') + "/a.cfg", "The path is too long");
        row("300-character name", QString(300, u'n'), "The path is too long");
    }
    void writeWholeFile() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        const QString situation = QTest::currentDataTag();
        QTemporaryDir folder;
        std::function<void()> undo = [] {};
        const auto undoAtEnd = qScopeGuard([&undo] { undo(); });
        QString old = folder.filePath("a.cfg");
        QByteArray oldBytes = "old\r\n";
        QVERIFY(test::writeFile(old, oldBytes));
        QVERIFY(QDir(folder.path()).mkdir("taken.cfg"));
        if (situation.startsWith("read-only")) {
            const QString locked = situation.endsWith("file") ? old : folder.path();
            if (!refuseWrites(locked, true)) {
                QSKIP("this file system cannot make a file refuse writes");
            }
            undo = [locked] { refuseWrites(locked, false); };
        } else if (target.startsWith("small/")) {
            // A file system of 64 KiB holding an old file bigger than the space left: the save
            // cannot fit beside it.
            const QString small = folder.filePath("small");
            if (!isRoot() || !QDir().mkpath(small) ||
                QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", small}) !=
                    0) {
                QSKIP("mounting a small file system needs root and mount");
            }
            undo = [small] { QProcess::execute("umount", {small}); };
            old = folder.filePath(target);
            oldBytes = QByteArray(40 * 1024, 'x');
            QVERIFY(test::writeFile(old, oldBytes));
        }
        if (!target.startsWith(u'/')) {
            target = folder.filePath(target);
        }
        const auto listing = [&] {
            return QDir(QFileInfo(target).absolutePath())
                .entryList(QDir::AllEntries | QDir::Hidden);
        };
        const QStringList before = listing();
        const QByteArray bytes(40 * 1024, 'n');

        const textfile::WriteResult result = textfile::writeWholeFile(target, bytes);

        QCOMPARE(listing(), before);
        if (situation == "replaces") {
            QVERIFY2(result.ok, qPrintable(result.error));
            QCOMPARE(test::readFile(old), bytes);
            return;
        }
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QVERIFY2(reason.isEmpty() || result.error == reason, qPrintable(result.error));
        QCOMPARE(test::readFile(old), oldBytes);
    }

    // A size limit refuses, before reading, only a file larger than it; without one any file is
    // read.
    void readWholeFile_refusesOnlyWhatPassesTheLimit() {
        QTemporaryDir folder;
        const QString path = folder.filePath("a.set");
        QVERIFY(test::writeFile(path, "1234"));
        for (const qint64 limit : {qint64(-1), qint64(4), qint64(3)}) {
            const textfile::ReadResult result = textfile::readWholeFile(path, limit);
            QCOMPARE(result.ok, limit != 3);
            QCOMPARE(result.tooLarge, limit == 3);
            QCOMPARE(result.bytes, QByteArray(limit == 3 ? "" : "1234"));
        }
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
