#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "files/ProgramFolder.h"
#include "support/TestSupport.h"

using namespace scriptloom;

namespace {

// Writes each "name=text" file into the folder.
void writeFiles(const QString& folder, const QStringList& files) {
    for (const QString& file : files) {
        QVERIFY(
            test::writeFile(folder + '/' + file.section('=', 0, 0), file.section('=', 1).toUtf8()));
    }
}

// The folder's files as "name=text", by name.
QStringList filesIn(const QString& folder) {
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        files << name + '=' + QString::fromUtf8(test::readFile(folder + '/' + name));
    }
    return files;
}

}  // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    // The executable's folder and the shipped sets of an installation under the temporary root, and
    // the player's data folder.
    QString bin() const { return root_.filePath("usr/bin"); }
    QString shipped() const { return root_.filePath("usr/share/vantrel-scriptloom/config"); }
    QString player() const { return root_.filePath("home/data"); }

private Q_SLOTS:
    void init() {
        QVERIFY(QDir(root_.path()).removeRecursively() && QDir().mkpath(bin()));
        writeFiles(shipped(), {"a.set=shipped a", "b.set=shipped b"});
        programfolder::setOverride(bin(), player());
    }
    void cleanupTestCase() { programfolder::setOverride({}); }

    // Two starts of the program, with the player's changes before the first and between them.
    void gameSetFolder_overTwoStarts_data() {
        QTest::addColumn<QStringList>("besideProgram");  // config/ beside the executable
        QTest::addColumn<QStringList>("playerHad");
        QTest::addColumn<QStringList>("deletedBetween");
        QTest::addColumn<QStringList>("shippedBetween");
        QTest::addColumn<QStringList>("gameSets");

        QTest::newRow("portable: config beside the program wins")
            << QStringList{"mine.set=portable"} << QStringList{} << QStringList{} << QStringList{}
            << QStringList{"mine.set=portable"};
        QTest::newRow("installed: the shipped sets are copied")
            << QStringList{} << QStringList{} << QStringList{} << QStringList{}
            << QStringList{"a.set=shipped a", "b.set=shipped b"};
        QTest::newRow("installed: the player's own set is kept")
            << QStringList{} << QStringList{"a.set=mine", "own.set=own"} << QStringList{}
            << QStringList{} << QStringList{"a.set=mine", "b.set=shipped b", "own.set=own"};
        QTest::newRow("installed: a deleted set stays deleted, a newly shipped one arrives")
            << QStringList{} << QStringList{} << QStringList{"a.set"}
            << QStringList{"c.set=shipped c"} << QStringList{"b.set=shipped b", "c.set=shipped c"};
    }
    void gameSetFolder_overTwoStarts() {
        QFETCH(QStringList, besideProgram);
        QFETCH(QStringList, playerHad);
        QFETCH(QStringList, deletedBetween);
        QFETCH(QStringList, shippedBetween);
        QFETCH(QStringList, gameSets);
        writeFiles(bin() + "/config", besideProgram);
        writeFiles(player() + "/config", playerHad);

        QCOMPARE(programfolder::fillPlayerFolders(), QStringList());
        for (const QString& name : deletedBetween) {
            QVERIFY(QFile::remove(programfolder::gameSetPath(name)));
        }
        writeFiles(shipped(), shippedBetween);
        QCOMPARE(programfolder::fillPlayerFolders(), QStringList());

        const QString expected = besideProgram.isEmpty() ? player() + "/config" : bin() + "/config";
        QCOMPARE(programfolder::configDirectory(), expected);
        QCOMPARE(filesIn(expected), gameSets);
        QCOMPARE(QFileInfo::exists(player()), besideProgram.isEmpty());
    }

    // A player's folder that cannot be made is told, naming it; the program still points there.
    void fillPlayerFolders_tellsAFolderItCannotMake() {
        QVERIFY(test::writeFile(player(), "a file in the way"));
        const QStringList problems = programfolder::fillPlayerFolders();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith("Cannot create folder " + player() + "/config:\n"),
                 qPrintable(problems[0]));
        QCOMPARE(programfolder::configDirectory(), player() + "/config");
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
