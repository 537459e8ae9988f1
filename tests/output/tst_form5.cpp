#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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
#include "ui/ProgramFolder.h"

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

    // The user picks a drive from the list.
    void pickDrive(const QString& root) {
        DriveListBox* drives = form_->Drive1();
        const int row = drives->findData(root);
        QVERIFY(row >= 0);
        drives->setCurrentIndex(row);
        Q_EMIT drives->activated(row);
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

    // The first save writes NoName.cfg in the current folder. Hidden after a save, the dialog
    // keeps its folder, name and box; closed through its frame, it comes back as it started.
    void keepsItsStateWhileHidden_andStartsAfreshAfterAClose() {
        save();
        QVERIFY(QFile::exists(startFolder_.filePath("NoName.cfg")));
        QVERIFY(!form_->isVisible());
        QVERIFY(QDir(startFolder_.path()).mkpath("configs"));
        QVERIFY(form_->Dir1()->setPath(startFolder_.filePath("configs")));
        text1()->setText("mine.cfg");
        check1()->click();
        save();
        QVERIFY(QFile::exists(startFolder_.filePath("configs/mine.cfg")));
        QCOMPARE(form_->File1()->itemName(0), QString("mine.cfg"));

        form_->show();
        QCOMPARE(form_->Dir1()->path(), QDir(startFolder_.filePath("configs")).canonicalPath());
        QCOMPARE(text1()->text(), QString("mine.cfg"));
        QCOMPARE(check1()->value(), CheckBox::kChecked);

        form_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Form5::exists());
        form_ = Form5::instance();
        QCOMPARE(form_->Dir1()->path(), QDir(startFolder_.path()).canonicalPath());
        QCOMPARE(text1()->text(), QString("NoName.cfg"));
        QCOMPARE(check1()->value(), CheckBox::kUnchecked);
    }

    void failedSave_keepsTheDialogOpenAndSaysWhy_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty name") << ""
                                    << "no file name";
        QTest::newRow("a folder in the file's place") << "taken"
                                                      << "a folder";
        QTest::newRow("missing folder") << "gone/x.cfg"
                                        << "does not exist";
        QTest::newRow("a line break") << "a\nb.cfg"
                                      << "the name holds a control character";
        QTest::newRow("a tab") << "a\tb.cfg"
                               << "the name holds a control character";
        QTest::newRow("300 characters") << QString(300, u'n') << "The path is too long";
    }
    void failedSave_keepsTheDialogOpenAndSaysWhy() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(QDir(startFolder_.path()).mkpath("taken"));
        const QStringList before = QDir(startFolder_.path()).entryList(QDir::AllEntries);
        text1()->setText(name);
        save();
        QVERIFY(form_->isVisible());
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].startsWith("Cannot write file " +
                                         QDir::toNativeSeparators(form_->Dir1()->path())),
                 qPrintable(messages_[0]));
        QVERIFY2(messages_[0].contains(reason), qPrintable(messages_[0]));
        QCOMPARE(QDir(startFolder_.path()).entryList(QDir::AllEntries), before);
    }

    // Sets in use whose names a script cannot hold are listed when the dialog is shown; the save
    // still writes the script.
    void setsAScriptCannotName_areListedWithoutBlockingTheSave() {
        const auto* label = form_->findChild<QLabel*>("lblUnnamedSets");
        QVERIFY(label->isHidden());
        for (const char* name : {"a.set", "graphics✓.set", "x\ty.set"}) {
            QVERIFY(test::writeFile(
                programFolder_.filePath(QString::fromUtf8("config/") + QString::fromUtf8(name)),
                {}));
        }
        Form2* picker = Form2::instance();
        picker->pointFileListAt(programfolder::configDirectory());
        for (int i = 0; i < picker->File1()->count(); ++i) {
            picker->File1()->setSelected(i, true);
        }
        form_->hide();
        form_->show();
        QCOMPARE(label->text(),
                 QString::fromUtf8("graphics✓.set cannot be named in the script: it will not be "
                                   "loaded again.\nx\ty.set cannot be named in the script: it "
                                   "will not be loaded again."));
        QVERIFY(label->isVisible());
        text1()->setText("kept.cfg");
        save();
        QVERIFY(messages_.isEmpty() && QFile::remove(startFolder_.filePath("kept.cfg")));
        for (int i = 0; i < picker->File1()->count(); ++i) {
            picker->File1()->setSelected(i, false);
        }
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
        pickDrive(root);
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
