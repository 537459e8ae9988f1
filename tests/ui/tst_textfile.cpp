#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "support/TestSupport.h"
#include "ui/TextFile.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace scriptloom;

namespace {

// Makes a file or folder refuse writes while it lives. Permission bits do not stop root, so root
// makes it immutable instead, where the file system allows that.
struct Unwritable {
    explicit Unwritable(QString path) : path(std::move(path)) { done = set(true); }
    ~Unwritable() {
        if (done) {
            set(false);
        }
    }
    bool set(bool on) const {
#ifdef Q_OS_UNIX
        if (geteuid() == 0) {
            return QProcess::execute("chattr", {on ? "+i" : "-i", path}) == 0;
        }
#endif
        return QFile::setPermissions(
            path, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                      (on ? QFileDevice::Permissions() : QFileDevice::WriteOwner));
    }
    QString path;
    bool done = false;
};

// A file system of 64 KiB mounted on a new folder while it lives; root only.
struct SmallFileSystem {
    explicit SmallFileSystem(QString folder) : path(std::move(folder)) {
#ifdef Q_OS_UNIX
        mounted = geteuid() == 0 && QDir().mkpath(path) &&
                  QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", path}) == 0;
#endif
    }
    ~SmallFileSystem() {
        if (mounted) {
            QProcess::execute("umount", {path});
        }
    }
    QString path;
    bool mounted = false;
};

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

    void writeWholeFile_replacesTheFileAndLeavesNothingElse() {
        QTemporaryDir folder;
        const QString path = folder.filePath("a.cfg");
        QVERIFY(test::writeFile(path, "old\r\n"));
        const textfile::WriteResult result = textfile::writeWholeFile(path, "new\r\n");
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(test::readFile(path), QByteArray("new\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.cfg"});
    }

    // The reason is the system's own where the system gave one (empty: any text will do).
    void writeWholeFile_failureKeepsTheOldFileAndLeavesNoTemporaryFile_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no file name") << "no file name"
                                      << "";
        QTest::newRow("missing folder") << "missing folder"
                                        << "the folder does not exist";
        QTest::newRow("a folder in the file's place") << "folder in the way"
                                                      << "";
        QTest::newRow("read-only file") << "read-only file"
                                        << "";
        QTest::newRow("read-only folder") << "read-only folder"
                                          << "";
        QTest::newRow("full disk") << "full disk"
                                   << "No space left on device";
        QTest::newRow("full file system") << "full file system"
                                          << "No space left on device";
        QTest::newRow("5,000-character path") << "long path"
                                              << "The path is too long";
        QTest::newRow("300-character name") << "long name"
                                            << "The path is too long";
    }

    void writeWholeFile_failureKeepsTheOldFileAndLeavesNoTemporaryFile() {
        QFETCH(QString, situation);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        std::unique_ptr<SmallFileSystem> small;
        const QString old = folder.filePath("a.cfg");
        QVERIFY(test::writeFile(old, "old\r\n"));
        QVERIFY(QDir(folder.path()).mkdir("taken.cfg"));
        QString target = old;
        std::unique_ptr<Unwritable> lock;
        if (situation == "no file name") {
            target = folder.path() + u'/';
        } else if (situation == "missing folder") {
            target = folder.filePath("missing/a.cfg");
        } else if (situation == "folder in the way") {
            target = folder.filePath("taken.cfg");
        } else if (situation == "read-only file" || situation == "read-only folder") {
            lock =
                std::make_unique<Unwritable>(situation == "read-only file" ? old : folder.path());
            if (!lock->done) {
                QSKIP("this file system cannot make a file refuse writes");
            }
        } else if (situation == "full disk") {
            if (!QFile::exists("/dev/full")) {
                QSKIP("no /dev/full here");
            }
            target = "/dev/full";
        } else if (situation == "full file system") {
            // An old file bigger than the space left: the save cannot fit beside it.
            small = std::make_unique<SmallFileSystem>(folder.filePath("small"));
            if (!small->mounted) {
                QSKIP("mounting a small file system needs root and mount");
            }
            target = folder.filePath("small/a.cfg");
            QVERIFY(test::writeFile(target, QByteArray(40 * 1024, 'x')));
        } else if (situation == "long path") {
            target = folder.filePath(QString(5000, u'd') + "/a.cfg");
        } else if (situation == "long name") {
            target = folder.filePath(QString(300, u'n'));
        }
        const QByteArray targetBefore = small ? test::readFile(target) : QByteArray();
        const QStringList before =
            QDir(QFileInfo(target).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden);

        const textfile::WriteResult result =
            textfile::writeWholeFile(target, QByteArray(40 * 1024, 'n'));

        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QVERIFY2(reason.isEmpty() || result.error == reason, qPrintable(result.error));
        if (small) {
            QCOMPARE(test::readFile(target), targetBefore);
        }
        QCOMPARE(test::readFile(old), QByteArray("old\r\n"));
        QCOMPARE(QDir(QFileInfo(target).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden),
                 before);
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
