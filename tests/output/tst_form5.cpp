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
    // started: in the current folder, with "NoName.cfg" and the box unticked. Each time it comes up
    // it lists the sets in use whose names a script cannot hold; they do not stop the save. Escape
    // puts the free commands away too, with their text.
    void hiding_keepsTheState_data() {
        QTest::addColumn<QString>("action");
        for (const char* action : {"Save", "Cancel", "Escape", "Close"}) {
            QTest::newRow(action) << QString(action);
        }
    }
    void hiding_keepsTheState() {
        QFETCH(QString, action);
        for (const QString set : {"a.set", "b.set", "x\ty.set"}) {
            QVERIFY(test::writeFile(programFolder_.filePath("config/" + set), {}));
        }
        QVERIFY(label("lblUnnamedSets")->isHidden());
        Form2::instance()->pointFileListAt(programfolder::configDirectory());
        Form2::instance()->File1()->setSelected(1, true);
        Form2::instance()->File1()->setSelected(2, true);
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
                     test::crlfLines({QString(kConfigMarkerLine), "//LOAD b.set", "//LOAD x\ty.set",
                                      "", "echo hi", "// Fires", "bind MOUSE1 +attack"}));
        } else if (action == "Cancel") {
            QTest::mouseClick(form_->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        } else if (action == "Escape") {
            QTest::keyClick(text1(), Qt::Key_Escape);
            Form6::instance()->show();
            QTest::keyClick(Form6::instance()->Text1(), Qt::Key_Escape);
            QVERIFY(!Form6::instance()->isVisible());
            QCOMPARE(Form6::instance()->text(), QString("echo hi"));
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
        QCOMPARE(label("lblUnnamedSets")->text(),
                 QString("x\ty.set cannot be named in the script: it will not be loaded again."));
        QVERIFY(label("lblUnnamedSets")->isVisible() && messages_.isEmpty());
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
        const QString values = " values run extra commands or will not reach the game as typed: ";
        for (const QString& line :
             {QString(), "4" + values + "A, B, C, D", "5" + values + "A, B, C, D, …"}) {
            while (programTables().Bindings.Count() < line.left(1).toInt()) {
                const QString name(QChar(u'A' + programTables().Bindings.Count()));
                programTables().Bindings.append(
                    {"S", name, "seta cg_zoomfov \"*x\"", "", "2\"; quit"});
            }
            showAgain();
            QCOMPARE(label("lblExtraCommands")->text(), line);
            QCOMPARE(label("lblExtraCommands")->isVisible(), !line.isEmpty());
        }
    }

    // The ways to another folder: the game's folder, offered only once it exists; a drive, which
    // shows its root; a folder in the list. The file list follows. A drive that is not ready, or a
    // folder gone by the time it is opened, keeps the folder shown, and the drive list on its
    // drive, and says so; a game's folder gone by the time it is pressed also greys its button.
    void goingToAnotherFolder_data() {
        QTest::addColumn<QString>("way");
        for (const char* way : {"the game's folder", "the game's folder gone", "a drive",
                                "a drive not ready", "a folder gone"}) {
            QTest::newRow(way) << QString(way);
        }
    }
    void goingToAnotherFolder() {
        QFETCH(QString, way);
        QTemporaryDir home;  // the drive, or where the game's folder is made
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        auto* gameFolder = form_->findChild<QPushButton*>("cmdGameFolder");
        showAgain();
        const bool toGame = way.startsWith("the game's folder");
        const QString target = toGame ? gamefolder::path() : home.path();
        QVERIFY(test::writeFile(target + "/on-drive.cfg", {}));
        QVERIFY(QDir(startFolder_.path()).mkpath("gone"));
        QVERIFY(form_->Dir1()->setPath(startFolder_.path()));
        const QString folder = form_->Dir1()->path();
        if (toGame) {
            showAgain();
            QVERIFY(way == "the game's folder" || QDir(target).removeRecursively());
            QTest::mouseClick(gameFolder, Qt::LeftButton);
        } else if (way == "a folder gone") {
            FolderListBox* folders = form_->Dir1();
            folders->setCurrentItem(folders->findItems("gone", Qt::MatchExactly).value(0));
            QVERIFY(QDir(startFolder_.path()).rmdir("gone"));
            QTest::keyClick(folders, Qt::Key_Return);
        } else {
            const QString root = way == "a drive" ? home.path() : "/no-such-drive";
            form_->Drive1()->setDrives({QDir::rootPath(), root});
            const int row = form_->Drive1()->findData(root);
            form_->Drive1()->setCurrentIndex(row);
            Q_EMIT form_->Drive1()->activated(row);
        }
        qputenv("HOME", oldHome);
        const bool moved = way == "the game's folder" || way == "a drive";
        QCOMPARE(form_->Dir1()->path(), moved ? QDir(target).canonicalPath() : folder);
        QCOMPARE(form_->File1()->itemName(0) == "on-drive.cfg", moved);
        QVERIFY(way != "a drive not ready" || form_->Drive1()->drive() == QDir::rootPath());
        QCOMPARE(gameFolder->isEnabled(), way == "the game's folder");
        QCOMPARE(messages_.size(), moved ? 0 : 1);
        QVERIFY(moved ||
                messages_[0].startsWith(way.endsWith("gone") ? "Cannot open folder" : "Drive "));
    }
};

QTEST_MAIN(Form5Test)
#include "tst_form5.moc"
