#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <utility>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "gamesets/Form2.h"
#include "menu/ExistingConfig.h"
#include "menu/Form1.h"
#include "menu/MenuLoop.h"
#include "menu/MenuState.h"
#include "menu/MenuTexts.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "support/TestSupport.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"
#include "ui/ProgramControl.h"
#include "ui/ProgramVersion.h"
#include "ui/TreeView.h"

using namespace scriptloom;

// The main menu, driven by the pointer and by its keys, and opening a saved script for editing.
class MenuTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;
    int programEnds_ = 0;
    QStringList asked_;
    QString answer_;
    QStringList messages_;

    Form1* menu() { return Form1::instance(); }
    PictureBox* surface() { return menu()->Picture2(); }

    // A point in the band of an item, where its characters ripple, in the surface's coordinates.
    QPoint itemPoint(int item) {
        const QPoint origin = surface()->contentsRect().topLeft();
        return origin + QPoint(int(surface()->ScaleWidth() / 2),
                               int(surface()->ScaleHeight() / 4 * float(item + 1)));
    }
    void release() { QTest::mouseRelease(surface(), Qt::LeftButton, {}, itemPoint(0)); }

    // One step of a run: keys ("Down", "Alt+X"), or "early:" and a key, given before the menu
    // runs; "point:N", "press:N" or "click:N" to move the pointer onto item N (-1: away from
    // every item) and press or click there; "release"; or "lit:N" to check that the menu draws
    // item N, and only it, highlighted (-1: none).
    void step(const QString& what) {
        const int item = what.section(':', 1).toInt();
        const QPoint at =
            item < 0 ? surface()->contentsRect().topLeft() + QPoint(2, 2) : itemPoint(item);
        if (what.startsWith("point:")) {
            QTest::mouseMove(surface(), at);
        } else if (what.startsWith("press:")) {
            QTest::mouseMove(surface(), at);
            QTest::mousePress(surface(), Qt::LeftButton, {}, at);
        } else if (what.startsWith("click:")) {
            QTest::mouseMove(surface(), at);
            QTest::mouseClick(surface(), Qt::LeftButton, {}, at);
        } else if (what == "release") {
            release();
        } else if (what.startsWith("lit:")) {
            QString lit;
            for (int i = 0; i < 3; ++i) {
                lit += menuState().MenuHover[std::size_t(i)] != kFalse ? QString::number(i) : "";
            }
            QCOMPARE(lit, item < 0 ? QString() : QString::number(item));
        } else {
            const QKeyCombination key = QKeySequence(what)[0];
            QTest::keyClick(menu(), key.key(), key.keyboardModifiers());
        }
    }

    // Starts the menu from its timer and runs the steps while it runs, each once the menu has drawn
    // a few more frames. A menu still running 30 frames after the last step fails the test: it is
    // stopped by discarding its window, never by ending the program, which is what an Exit must do
    // on its own.
    void runMenu(const QStringList& steps) {
        menu()->Timer1()->setInterval(10);
        QVERIFY(menu()->Timer1()->isActive());
        qsizetype next = 0;
        std::uint64_t framesAtLastStep = menuFramesDrawn();
        bool stillRunning = false;
        QTimer driver;
        driver.setInterval(20);
        connect(&driver, &QTimer::timeout, this, [&] {
            if (menuFramesDrawn() < framesAtLastStep + (next < steps.size() ? 3 : 30)) {
                return;
            }
            framesAtLastStep = menuFramesDrawn();
            if (next < steps.size()) {
                step(steps[next++]);
            } else {
                stillRunning = true;
                driver.stop();
                Form1::discard();
            }
        });
        driver.start();
        QTRY_VERIFY_WITH_TIMEOUT(stillRunning || !menu()->Timer1()->isActive(), 10000);
        QVERIFY2(!stillRunning, "the menu went on running after the last step");
        QCOMPARE(next, steps.size());
        release();
    }

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
        // The answer is given once; asked again, the user cancels.
        setInputBoxHandler([this](const QString& prompt, const QString& title, const QString& def) {
            asked_ << prompt + '|' + title + '|' + def;
            return std::exchange(answer_, QString());
        });
        setFailureMessageHandler(
            [this](QWidget*, const QString&, const QString& text) { messages_ << text; });
        using test::gameSetBlock;
        QVERIFY(test::writeFile(
            programFolder_.filePath("config/hud.set"),
            test::crlfLines(
                gameSetBlock("SWITCH", "Frame rate", "seta cg_drawFPS *x") +
                gameSetBlock("SELECTIONS", "Field of view", "seta cg_fov *x", {}, {"90", "110"}))));
        QVERIFY(test::writeFile(
            programFolder_.filePath("config/keys.set"),
            test::crlfLines(gameSetBlock("BINDING", "Fire", R"(bind *x "+attack")"))));
    }

    void init() {
        programEnds_ = 0;
        setEndProgramHandler([this] { ++programEnds_; });
        asked_.clear();
        messages_.clear();
        answer_.clear();
    }

    void cleanup() { discardAllWindows(); }

    // A script that cannot be read is asked for again with the typed path and the reason;
    // cancelling then keeps the menu running with nothing opened and nothing emptied. The button
    // still held does not ask again: a new press is needed to choose, here Exit, which ends the
    // program.
    void editExisting_unreadableThenCancelled_keepsTheMenuRunning() {
        const QString missing = programFolder_.filePath("missing.cfg");
        answer_ = " \"" + missing + "\" ";  // pasted with blanks and quotes
        programTables().resetAll();
        programTables().Switches.append({"S", "Kept", "kept *x", "", "1"});
        runMenu({"press:1", "lit:1", "release", "press:2"});
        QCOMPARE(asked_.size(), 2);
        QVERIFY2(asked_.value(1).startsWith("Cannot read file " +
                                            QDir::toNativeSeparators(missing) + ":\n") &&
                     asked_.value(1).endsWith(QString(kOpenPrompt) + '|' + kOpenTitle + "| \"" +
                                              missing + "\" "),
                 qPrintable(asked_.value(1)));
        QVERIFY(messages_.isEmpty());
        QCOMPARE(programEnds_, 1);
        QVERIFY(menu()->isVisible());
        QCOMPARE(
            menu()->findChild<QLabel*>("Label1")->text(),
            versionedTitle(programversion::Major, programversion::Minor, programversion::Revision));
        QVERIFY(!Form3::exists() && !Form6::exists());
        QCOMPARE(test::entryValues(programTables()), QStringList("Kept=1"));
    }

    // A config made in the windows and saved (in Windows-1252) opens again from the menu with its
    // sets, values and free lines. "Main Menu" leads back to a fresh menu, which does not take the
    // button that was down before it started as a choice; a script opened then replaces the config
    // open before.
    void savedConfigOpensAgainFromTheMenu_andMainMenuLeadsBackToAFreshMenu() {
        makeConfig();
        const QStringList madeValues = test::entryValues(programTables());
        Form5* saver = Form5::instance();
        saver->show();
        QVERIFY(saver->Dir1()->setPath(programFolder_.path()));
        saver->findChild<QLineEdit*>("Text1")->setText("round.cfg");
        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        answer_ = programFolder_.filePath("round.cfg");
        QVERIFY(test::readFile(answer_).contains("\r\nsay\xA0hi\r\n"));

        discardAllWindows();
        programTables().resetAll();
        runMenu({"press:1"});
        QVERIFY(!menu()->isVisible());
        QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList({"hud.set", "keys.set"}));
        QVERIFY(!Form2::instance()->isVisible());
        QCOMPARE(test::entryValues(programTables()), madeValues);
        QCOMPARE(Form6::instance()->text(), QString::fromUtf8("say\u00A0hi\r\necho two\r\n"));
        QVERIFY(Form6::instance()->isVisible() && Form3::instance()->isVisible());
        QVERIFY(messages_.isEmpty());

        QTest::mouseClick(Form3::instance()->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QVERIFY(!Form3::instance()->isVisible());
        QVERIFY(menu()->isVisible());
        menuState().MouseButtonDown = kTrue;
        step("point:2");
        answer_ = programFolder_.filePath("second.cfg");
        QVERIFY(
            test::writeFile(answer_, test::crlfLines({QString(kConfigMarkerLine), "//LOAD keys.set",
                                                      "", "echo b", R"(bind MOUSE2 "+attack")"})));
        runMenu({"press:1"});
        QCOMPARE(programEnds_, 0);
        QCOMPARE(test::entryValues(programTables()), QStringList("Fire=MOUSE2"));
        QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList("keys.set"));
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 2);
        QCOMPARE(Form6::instance()->text(), QString("echo b\r\n"));
        QVERIFY(!menu()->isVisible());
    }

    // A script of LF lines, or one that is not text, opens as today (one line) and the status line
    // says why. One whose line passes 1 MiB, or whose size passes 64 MiB, is refused before
    // anything changes, and the message names the file.
    void unusualScripts_areToldOrRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("sparseSize");
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("opened");
        QTest::newRow("LF only") << QByteArray("// by hand\nbind MOUSE1 \"+attack\"\n") << qint64{0}
                                 << "its lines end in LF only" << true;
        QTest::newRow("NUL bytes") << QByteArray("\x89PNG\r\n\x1a\n\0\0bind MOUSE1 \"+attack\"", 31)
                                   << qint64{0} << " does not look like a config script." << true;
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
        const QString path = programFolder_.filePath(QTest::currentDataTag());
        QVERIFY(test::writeFile(path, bytes));
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
            QCOMPARE(Form6::instance()->text(), QString::fromUtf8("say\u00A0hi\r\necho two"));
            QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList({"hud.set", "keys.set"}));
            QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 4);
        }
    }

    // The keys alone and mixed with the pointer, which shares the highlight. Each row starts from
    // none lit, with the pointer away from the items (the menu state outlives each run of the
    // menu), and ends with the picker shown or the program ended. The picker closed without OK goes
    // back to the running menu, and closing the menu ends the program.
    void keysDriveTheMenu_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("happened");  // "asked" (cancelled), "picker", "ended"
        const auto row = [](const char* title, const QStringList& steps, const char* happened) {
            QTest::newRow(title) << steps << QString(happened);
        };
        row("Up lights the last item; Space acts on it", {"Up", "lit:2", "Space"}, "ended");
        row("Tab moves in turn", {"Tab", "Tab", "lit:1", "Enter", "Alt+X"}, "asked ended");
        row("round from the last item to the first and back",
            {"Up", "Down", "lit:0", "Shift+Tab", "Up", "lit:1", "Enter", "Alt+X"}, "asked ended");
        row("Alt+E asks for the script", {"Alt+E", "Alt+X"}, "asked ended");
        row("Enter with nothing lit does nothing", {"Enter", "Alt+C"}, "picker ended");
        row("a quick click between two frames chooses", {"click:0"}, "picker ended");
        row("a button pressed away from the items chooses the item it is moved onto",
            {"press:-1", "lit:-1", "point:0"}, "picker ended");
        row("the pointer moving takes the highlight", {"Down", "point:2", "lit:2", "Enter"},
            "ended");
        row("keys move on from the pointer's item, which then goes dark",
            {"point:1", "lit:1", "Down", "lit:2", "Down", "lit:0", "Enter"}, "picker ended");
        row("a key before the menu runs lights an item but chooses none",
            {"early:Alt+X", "early:Enter", "early:Down", "lit:0", "Enter"}, "picker ended");
    }
    void keysDriveTheMenu() {
        QFETCH(QStringList, steps);
        menuState() = MenuState();
        for (const QString& early : steps.filter(QRegularExpression("^early:"))) {
            step(early.mid(6));
            steps.removeOne(early);
        }
        runMenu(steps);
        QStringList happened(asked_.size(), "asked");
        if (Form2::exists() && Form2::instance()->isVisible()) {
            happened << "picker";  // in place of the menu, listing the game sets, none in use
            QVERIFY(!menu()->isVisible() && Form2::instance()->gameSetsInUse().isEmpty());
            QCOMPARE(Form2::instance()->File1()->count(), 2);
            Form2::instance()->close();  // without OK: back to the running menu
            QVERIFY(menu()->isVisible() && menu()->Timer1()->isActive() && programEnds_ == 0);
            menu()->close();  // which ends the program
        }
        happened << QStringList(programEnds_, "ended");
        QTEST(happened.join(' '), "happened");
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
