#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "files/GameFolder.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "support/TestSupport.h"
#include "ui/CheckBox.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"
#include "ui/MessageBox.h"

using namespace scriptloom;

class Form5Test : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;
    QTemporaryDir startFolder_;
    QStringList messages_;
    Form5* form_ = nullptr;

    QLineEdit* text1() { return form_->findChild<QLineEdit*>("Text1"); }
    CheckBox* check1() { return form_->findChild<CheckBox*>("Check1"); }
    void save() { QTest::mouseClick(form_->findChild<QPushButton*>("Command1"), Qt::LeftButton); }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        QVERIFY(QDir::setCurrent(startFolder_.path()));
        setFailureMessageHandler(
            [this](QWidget*, const QString&, const QString& text) { messages_ << text; });
    }

    void init() {
        messages_.clear();
        programTables().resetAll();
        form_ = Form5::instance();
        form_->show();
    }

    void cleanup() { discardAllWindows(); }

    // The script holds the sets in use, the other commands and the values, with comments when
    // asked, under the name exactly as typed.
    void save_writesWhatTheConfigHolds() {
        QVERIFY(test::writeFile(programFolder_.filePath("config/a.set"), {}));
        QVERIFY(test::writeFile(programFolder_.filePath("config/b.set"), {}));
        Form2::instance()->pointFileListAt(programfolder::configDirectory());
        Form2::instance()->File1()->setSelected(1, true);
        Form6::instance()->setText("echo hi");
        programTables().Bindings.append({"S", "Fire", "bind *x +attack", "Fires", "MOUSE1"});
        text1()->setText("autoexec");
        check1()->click();
        save();
        QCOMPARE(test::readFile(startFolder_.filePath("autoexec")),
                 test::crlfLines({QString(kConfigMarkerLine), "//LOAD b.set", "", "echo hi",
                                  "// Fires", "bind MOUSE1 +attack"}));
    }

    // The first save writes NoName.cfg in the current folder with the box unticked; closed
    // through its frame, the dialog comes back as it started.
    void firstSave_andAfterAClose_startsAfresh() {
        save();
        QVERIFY(QFile::exists(startFolder_.filePath("NoName.cfg")));
        form_->show();
        QVERIFY(form_->Dir1()->setPath(QDir::rootPath()));
        text1()->setText("mine.cfg");
        check1()->click();
        form_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Form5::exists());
        form_ = Form5::instance();
        QCOMPARE(form_->Dir1()->path(), QDir(startFolder_.path()).canonicalPath());
        QCOMPARE(text1()->text(), QString("NoName.cfg"));
        QCOMPARE(check1()->value(), CheckBox::kUnchecked);
    }

    // Save, Cancel and Escape put the dialog away keeping its folder, name and box; only Save
    // writes, and the file list then shows the new script.
    void hiding_keepsTheState_data() {
        QTest::addColumn<QString>("action");
        for (const char* action : {"Save", "Cancel", "Escape"}) {
            QTest::newRow(action) << QString(action);
        }
    }
    void hiding_keepsTheState() {
        QFETCH(QString, action);
        QVERIFY(QDir(startFolder_.path()).mkpath(action));
        const QString folder = QDir(startFolder_.filePath(action)).canonicalPath();
        QVERIFY(form_->Dir1()->setPath(folder));
        text1()->setText("kept.cfg");
        check1()->click();
        if (action == "Save") {
            save();
            QCOMPARE(form_->File1()->itemName(0), QString("kept.cfg"));
        } else if (action == "Cancel") {
            QTest::mouseClick(form_->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        } else {
            QTest::keyClick(text1(), Qt::Key_Escape);
        }
        QVERIFY(!form_->isVisible() && Form5::exists());
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 action == "Save" ? QStringList{"kept.cfg"} : QStringList{});
        form_->show();
        QCOMPARE(form_->Dir1()->path(), folder);
        QCOMPARE(text1()->text(), QString("kept.cfg"));
        QCOMPARE(check1()->value(), CheckBox::kChecked);
    }

    // The line under the name box follows the typing and never stops a save; a save that fails
    // keeps the dialog open, writes nothing and says why.
    void typingANameAndSaving_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("failure");
        const auto row = [](const char* title, const QString& name, const char* info,
                            const char* failure = "") {
            QTest::newRow(title) << name << QString(info) << QString(failure);
        };
        row("existing script", "old.cfg", "Replaces the existing old.cfg.");
        row("the game's own settings, any case", "Q3Config.CFG",
            "The game rewrites q3config.cfg when it exits: your script would be lost.");
        row("no extension", "myconfig", "The game's exec command looks for names ending in .cfg.");
        row("a new script", "new.cfg", "");
        row("an extension other than .cfg", "new.txt", "");
        row("empty name", "", "", "no file name");
        row("a folder in the file's place", "taken", "", "a folder");
        row("missing folder", "gone/x.cfg", "", "does not exist");
        row("a line break", "a\nb.cfg", "", "the name holds a control character");
        row("a tab", "a\tb.cfg", "", "the name holds a control character");
        row("300 characters", QString(300, u'n'), "", "The path is too long");
    }
    void typingANameAndSaving() {
        QFETCH(QString, name);
        QFETCH(QString, info);
        QFETCH(QString, failure);
        QVERIFY(test::writeFile(startFolder_.filePath("old.cfg"), "x"));
        QVERIFY(QDir(startFolder_.path()).mkpath("taken"));
        const QStringList before = QDir(startFolder_.path()).entryList(QDir::AllEntries);
        text1()->setText(name);
        if (failure.isEmpty()) {
            const auto* line = form_->findChild<QLabel*>("lblNameInfo");
            QCOMPARE(line->text(), info);
            QCOMPARE(line->isVisible(), !info.isEmpty());
        }
        save();
        QCOMPARE(form_->isVisible(), !failure.isEmpty());
        if (failure.isEmpty()) {
            QVERIFY(QFile::remove(startFolder_.filePath(name)));
            return;
        }
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].startsWith("Cannot write file " +
                                         QDir::toNativeSeparators(form_->Dir1()->path())) &&
                     messages_[0].contains(failure),
                 qPrintable(messages_[0]));
        QCOMPARE(QDir(startFolder_.path()).entryList(QDir::AllEntries), before);
    }

    // The game's folder is offered only once it exists; values the game would not read as typed
    // are named when the dialog comes up.
    void showing_offersTheGameFolderAndNamesBreakingValues() {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        auto* gameFolder = form_->findChild<QPushButton*>("cmdGameFolder");
        auto* extra = form_->findChild<QLabel*>("lblExtraCommands");
        form_->hide();
        form_->show();
        QVERIFY(!gameFolder->isEnabled());
        QVERIFY(!extra->isVisible());

        QVERIFY(QDir().mkpath(gamefolder::path()));
        programTables().Bindings.append({"S", "Zoom", "seta cg_zoomfov \"*x\"", "", "2\"; quit"});
        form_->hide();
        form_->show();
        QCOMPARE(extra->text(),
                 QString("1 value runs extra commands or will not reach the game as typed: Zoom"));
        QTest::mouseClick(gameFolder, Qt::LeftButton);
        QCOMPARE(form_->Dir1()->path(), QDir(gamefolder::path()).canonicalPath());
        QCOMPARE(form_->File1()->path(), form_->Dir1()->path());
        qputenv("HOME", oldHome);
    }

    // Escape puts the free commands away; they come back with their text.
    void escape_hidesTheFreeCommandsWithTheirText() {
        Form6* commands = Form6::instance();
        commands->show();
        commands->setText("name Visor");
        QTest::keyClick(commands->Text1(), Qt::Key_Escape);
        QVERIFY(!commands->isVisible() && Form6::exists());
        QCOMPARE(commands->text(), QString("name Visor"));
    }

    // Sets in use whose names a script cannot hold are listed when the dialog is shown; the save
    // still writes the script.
    void setsAScriptCannotName_areListedWithoutBlockingTheSave() {
        for (const QString name : {"a.set", "graphics✓.set", "x\ty.set"}) {
            QVERIFY(test::writeFile(programFolder_.filePath("config/" + name), {}));
        }
        FileListBox* sets = Form2::instance()->File1();
        Form2::instance()->pointFileListAt(programfolder::configDirectory());
        const auto selectAll = [sets](bool on) {
            for (int i = 0; i < sets->count(); ++i) {
                sets->setSelected(i, on);
            }
        };
        selectAll(true);
        form_->hide();
        form_->show();
        const auto* label = form_->findChild<QLabel*>("lblUnnamedSets");
        QCOMPARE(label->text(),
                 QString::fromUtf8("graphics✓.set cannot be named in the script: it will not be "
                                   "loaded again.\nx\ty.set cannot be named in the script: it "
                                   "will not be loaded again."));
        QVERIFY(label->isVisible());
        text1()->setText("kept.cfg");
        save();
        QVERIFY(messages_.isEmpty() && QFile::remove(startFolder_.filePath("kept.cfg")));
        selectAll(false);
        form_->show();
        QVERIFY(label->isHidden());
    }

    void openingAFolderThatIsGone_keepsTheFolderAndSaysSo() {
        QVERIFY(QDir(startFolder_.path()).mkpath("gone"));
        FolderListBox* folders = form_->Dir1();
        QVERIFY(folders->setPath(startFolder_.path()));
        const QString folder = folders->path();
        int row = 0;
        while (row < folders->count() && !folders->folderAt(row).endsWith("/gone")) {
            ++row;
        }
        QVERIFY(QDir(startFolder_.path()).rmdir("gone"));
        folders->setCurrentRow(row);
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(folders->path(), folder);
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].startsWith("Cannot open folder"), qPrintable(messages_[0]));
    }

    // A drive that is ready shows its root and files; one that is not keeps the folder and puts
    // the drive list back.
    void pickingADrive_data() {
        QTest::addColumn<bool>("ready");
        QTest::newRow("ready") << true;
        QTest::newRow("not ready") << false;
    }
    void pickingADrive() {
        QFETCH(bool, ready);
        QTemporaryDir drive;
        QVERIFY(test::writeFile(drive.filePath("on-drive.cfg"), {}));
        const QString root = ready ? drive.path() : "/no-such-drive";
        const QString folder = form_->Dir1()->path();
        form_->Drive1()->setDrives({QDir::rootPath(), root});
        const int row = form_->Drive1()->findData(root);
        form_->Drive1()->setCurrentIndex(row);
        Q_EMIT form_->Drive1()->activated(row);
        QCOMPARE(form_->Dir1()->path(), ready ? QDir(root).canonicalPath() : folder);
        QCOMPARE(form_->File1()->itemName(0), QString(ready ? "on-drive.cfg" : "NoName.cfg"));
        if (!ready) {
            QCOMPARE(form_->Drive1()->drive(), QDir::rootPath());
        }
        QCOMPARE(messages_.size(), ready ? 0 : 1);
        QVERIFY(form_->isVisible());
    }
};

QTEST_MAIN(Form5Test)
#include "tst_form5.moc"
