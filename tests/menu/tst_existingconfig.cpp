#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "gamesets/Form2.h"
#include "menu/ExistingConfig.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "support/TestSupport.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"
#include "ui/MessageBox.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

using namespace scriptloom;

class ExistingConfigTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;
    QTemporaryDir scripts_;
    QStringList messages_;

    // A new config from both sets, values of every kind, and free lines typed by the user.
    void makeConfig() {
        Form2* picker = Form2::instance();
        picker->pointFileListAt(programfolder::configDirectory());
        picker->File1()->setSelected(0, true);
        picker->File1()->setSelected(1, true);
        QTest::mouseClick(picker->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        programTables().Bindings[0].Value = "MOUSE1";
        programTables().Switches[0].State = "0";
        programTables().Selections[0].Choice = "110";
        Form6* other = Form6::instance();
        other->show();
        QTest::keyClicks(other->Text1(), QString::fromUtf8("say\u00A0hi"));
        QTest::keyClick(other->Text1(), Qt::Key_Return);
        QTest::keyClicks(other->Text1(), "echo two");
    }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        setFailureMessageHandler(
            [this](QWidget*, const QString&, const QString& text) { messages_ << text; });
        QVERIFY(test::writeFile(
            programFolder_.filePath("config/hud.set"),
            test::crlfLines({"SWITCH", "Counters", "Frame rate", "seta cg_drawFPS *x", "",
                             "SELECTIONS", "View", "Field of view", "seta cg_fov *x", "", "SELECT",
                             "90", "SELECT", "110", "END"})));
        QVERIFY(test::writeFile(programFolder_.filePath("config/keys.set"),
                                test::crlfLines({"BINDING", "Firing", "Fire",
                                                 R"(bind *x "+attack")", "Usual key: MOUSE1"})));
    }

    void cleanup() {
        discardAllWindows();
        messages_.clear();
    }

    // A config made in the windows, saved and opened again gives back its sets, values and free
    // lines, and replaces the config open before; the saved file is in Windows-1252.
    void savedConfigOpensAgainAsItWas() {
        makeConfig();
        const QStringList madeValues = test::entryValues(programTables());
        Form5* saver = Form5::instance();
        saver->show();
        QVERIFY(saver->Dir1()->setPath(scripts_.path()));
        saver->findChild<QLineEdit*>("Text1")->setText("round.cfg");
        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        const QString path = scripts_.filePath("round.cfg");
        QVERIFY(test::readFile(path).contains("\r\nsay\xA0hi\r\n"));

        Form2::instance()->File1()->setSelected(0, false);
        programTables().resetAll();
        Form6::instance()->setText("left over");

        QVERIFY(editExistingConfigFile(path));
        QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList({"hud.set", "keys.set"}));
        QCOMPARE(test::entryValues(programTables()), madeValues);
        QCOMPARE(Form6::instance()->text(), QString::fromUtf8("say\u00A0hi\r\necho two\r\n"));
        QVERIFY(Form6::instance()->isVisible());
        QVERIFY(Form3::instance()->isVisible());
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 6);
        QVERIFY(messages_.isEmpty());
    }

    // A script of LF lines, or one that is not text, opens as today (one line) and the status line
    // says why. One that cannot be read, whose line passes 1 MiB, or whose size passes 64 MiB, is
    // refused before anything changes, and the message names the file.
    void unusualScripts_areToldOrRefused_data() {
        QTest::addColumn<QByteArray>("bytes");  // null: no file
        QTest::addColumn<qint64>("sparseSize");
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("opened");
        QTest::newRow("LF only") << QByteArray("// by hand\nbind MOUSE1 \"+attack\"\n") << qint64{0}
                                 << "its lines end in LF only" << true;
        QTest::newRow("NUL bytes") << QByteArray("\x89PNG\r\n\x1a\n\0\0bind MOUSE1 \"+attack\"", 31)
                                   << qint64{0} << " does not look like a config script." << true;
        QTest::newRow("missing") << QByteArray() << qint64{0} << "Cannot read file " << false;
        QTest::newRow("a line over 1 MiB")
            << "//LOAD keys.set\r\n" + QByteArray(1024 * 1024 + 1, 'x') << qint64{0}
            << "its line 2 is longer than 1 MB" << false;
        QTest::newRow("over 64 MiB") << QByteArray("") << textfile::kLargestTextFile + 1
                                     << "is too large to be a config script (64.0 MB)." << false;
    }
    void unusualScripts_areToldOrRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, sparseSize);
        QFETCH(QString, told);
        QFETCH(bool, opened);
        makeConfig();
        const QStringList before = test::entryValues(programTables());
        const QString path = scripts_.filePath(QTest::currentDataTag());
        if (!bytes.isNull()) {
            QVERIFY(test::writeFile(path, bytes));
        }
        if (sparseSize > 0) {
            QVERIFY(QFile::resize(path, sparseSize));
        }
        QCOMPARE(editExistingConfigFile(path), opened);
        const QString said = opened ? Form3::instance()->findChild<QLabel*>("lblStatus")->text()
                                    : messages_.value(0);
        QVERIFY2(said.contains(QDir::toNativeSeparators(path)) && said.contains(told),
                 qPrintable(said));
        QCOMPARE(messages_.size(), opened ? 0 : 1);
        if (opened) {
            QVERIFY(Form6::instance()->text().contains("bind MOUSE1"));  // not matched: one line
        } else {
            QCOMPARE(test::entryValues(programTables()), before);
            QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList({"hud.set", "keys.set"}));
            QCOMPARE(Form6::instance()->text(), QString::fromUtf8("say\u00A0hi\r\necho two"));
            QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 6);
        }
    }
};

QTEST_MAIN(ExistingConfigTest)
#include "tst_existingconfig.moc"
