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
    QLabel* label(const char* name) { return form_->findChild<QLabel*>(name); }
    void save() { QTest::mouseClick(form_->findChild<QPushButton*>("Command1"), Qt::LeftButton); }
    // "Save..." again: what the dialog says is looked up each time it comes up.
    void showAgain() {
        form_->hide();
        form_->show();
    }

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

    // Save, Cancel and Escape put the dialog away keeping its folder, name and box. Only Save
    // writes: the sets in use, the other commands and the values, with comments when asked; the
    // file list then shows the new script. Closed through its frame, the dialog comes back as it
    // started: in the current folder, with "NoName.cfg" and the box unticked.
    void hiding_keepsTheState_data() {
        QTest::addColumn<QString>("action");
        for (const char* action : {"Save", "Cancel", "Escape", "Close"}) {
            QTest::newRow(action) << QString(action);
        }
    }
    void hiding_keepsTheState() {
        QFETCH(QString, action);
        QVERIFY(test::writeFile(programFolder_.filePath("config/a.set"), {}));
        QVERIFY(test::writeFile(programFolder_.filePath("config/b.set"), {}));
        Form2::instance()->pointFileListAt(programfolder::configDirectory());
        Form2::instance()->File1()->setSelected(1, true);
        Form6::instance()->setText("echo hi");
        programTables().Bindings.append({"S", "Fire", "bind *x +attack", "Fires", "MOUSE1"});
        QVERIFY(QDir(startFolder_.path()).mkpath(action));
        const QString folder = QDir(startFolder_.filePath(action)).canonicalPath();
        QVERIFY(form_->Dir1()->setPath(folder));
        text1()->setText("kept.cfg");
        check1()->click();
        if (action == "Save") {
            save();
            QCOMPARE(form_->File1()->itemName(0), QString("kept.cfg"));
            QCOMPARE(test::readFile(folder + "/kept.cfg"),
                     test::crlfLines({QString(kConfigMarkerLine), "//LOAD b.set", "", "echo hi",
                                      "// Fires", "bind MOUSE1 +attack"}));
        } else if (action == "Cancel") {
            QTest::mouseClick(form_->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        } else if (action == "Escape") {
            QTest::keyClick(text1(), Qt::Key_Escape);
        } else {
            form_->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            form_ = Form5::instance();
        }
        QCOMPARE(QDir(folder).isEmpty(), action != "Save");
        QVERIFY(!form_->isVisible());
        form_->show();
        const bool kept = action != "Close";
        QCOMPARE(form_->Dir1()->path(), kept ? folder : QDir(startFolder_.path()).canonicalPath());
        QCOMPARE(text1()->text(), QString(kept ? "kept.cfg" : "NoName.cfg"));
        QCOMPARE(check1()->value(), kept ? CheckBox::kChecked : CheckBox::kUnchecked);
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
        row("an extension other than .cfg", "new.txt", "");
        row("a folder in the file's place", "taken.cfg", "", "a folder");
        row("a line break", "a\nb.cfg", "", "the name holds a control character");
    }
    void typingANameAndSaving() {
        QFETCH(QString, name);
        QFETCH(QString, info);
        QFETCH(QString, failure);
        for (const char* existing : {"old.cfg", "Q3Config.CFG"}) {
            QVERIFY(test::writeFile(startFolder_.filePath(existing), "x"));
        }
        QVERIFY(QDir(startFolder_.path()).mkpath("taken.cfg"));
        const QStringList before = QDir(startFolder_.path()).entryList(QDir::AllEntries);
        text1()->setText(name);
        QCOMPARE(label("lblNameInfo")->text(), info);
        QCOMPARE(label("lblNameInfo")->isVisible(), !info.isEmpty());
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

    // Values the game would not read as typed are named when the dialog comes up, each once: the
    // first four, then "…".
    void showing_namesTheValuesTheGameWouldNotReadAsTyped() {
        const QString values = " run extra commands or will not reach the game as typed: ";
        const QStringList lines{"",
                                "1 value runs" + values.mid(4) + "A",
                                "2 values" + values + "A, B",
                                "3 values" + values + "A, B, C",
                                "4 values" + values + "A, B, C, D",
                                "5 values" + values + "A, B, C, D, …"};
        for (const QString& line : lines) {
            showAgain();
            QCOMPARE(label("lblExtraCommands")->text(), line);
            QCOMPARE(label("lblExtraCommands")->isVisible(), !line.isEmpty());
            const QString name(QChar(u'A' + programTables().Bindings.Count()));
            programTables().Bindings.append({"S", name, "seta cg_zoomfov \"*x\"", "", "2\"; quit"});
        }
    }

    // The game's folder is offered only once it exists, and leads there.
    void gameFolder_isOfferedOnceItExists() {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        auto* gameFolder = form_->findChild<QPushButton*>("cmdGameFolder");
        showAgain();
        QVERIFY(!gameFolder->isEnabled());
        QVERIFY(QDir().mkpath(gamefolder::path()));
        showAgain();
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

    // Sets in use whose names a script cannot hold are listed each time the dialog is shown; the
    // save still writes the script.
    void setsAScriptCannotName_areListedWithoutBlockingTheSave() {
        for (const QString name : {"a.set", "x\ty.set"}) {
            QVERIFY(test::writeFile(programFolder_.filePath("config/" + name), {}));
        }
        FileListBox* sets = Form2::instance()->File1();
        Form2::instance()->pointFileListAt(programfolder::configDirectory());
        sets->selectAll();
        showAgain();
        QCOMPARE(label("lblUnnamedSets")->text(),
                 QString("x\ty.set cannot be named in the script: it will not be loaded again."));
        QVERIFY(label("lblUnnamedSets")->isVisible());
        text1()->setText("kept.cfg");
        save();
        QVERIFY(messages_.isEmpty() && QFile::remove(startFolder_.filePath("kept.cfg")));
        sets->clearSelection();
        form_->show();
        QVERIFY(label("lblUnnamedSets")->isHidden());
    }

    // A folder that is gone by the time it is opened is named in a message; the list keeps the
    // folder it showed.
    void openingAFolderThatIsGone_keepsTheFolderAndSaysSo() {
        QVERIFY(QDir(startFolder_.path()).mkpath("gone"));
        FolderListBox* folders = form_->Dir1();
        QVERIFY(folders->setPath(startFolder_.path()));
        const QString folder = folders->path();
        folders->setCurrentItem(folders->findItems("gone", Qt::MatchExactly).value(0));
        QVERIFY(QDir(startFolder_.path()).rmdir("gone"));
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
        QCOMPARE(form_->File1()->itemName(0) == "on-drive.cfg", ready);
        if (!ready) {
            QCOMPARE(form_->Drive1()->drive(), QDir::rootPath());
        }
        QCOMPARE(messages_.size(), ready ? 0 : 1);
    }
};

QTEST_MAIN(Form5Test)
#include "tst_form5.moc"
