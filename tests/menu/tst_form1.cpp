#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "menu/Form1.h"
#include "menu/MenuLoop.h"
#include "menu/MenuState.h"
#include "menu/MenuTexts.h"
#include "model/GameSetTables.h"
#include "output/Form6.h"
#include "support/TestSupport.h"
#include "ui/FileListBox.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

using namespace scriptloom;

namespace {

enum Item { kCreate = 0, kEdit = 1, kExit = 2 };

// A script made by the program for the given set, with one value and one free line.
QByteArray script(const QString& set, const QString& command, const QString& freeLine) {
    return test::crlfLines(
        {"// Do not remove the following lines if you want to edit this file in "
         "Scriptloom again",
         "//LOAD " + set, "", freeLine, command});
}

}  // namespace

class Form1Test : public QObject {
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
    void moveTo(QPoint at) { QTest::mouseMove(surface(), at); }
    void pressOn(int item) {
        moveTo(itemPoint(item));
        QTest::mousePress(surface(), Qt::LeftButton, {}, itemPoint(item));
    }
    void release() { QTest::mouseRelease(surface(), Qt::LeftButton, {}, itemPoint(kCreate)); }

    // Starts the menu from its timer and runs the steps while it runs, each once the menu has
    // drawn a few more frames. A menu still running 30 frames after the last step fails the test:
    // it is stopped by discarding its window, never by ending the program, which is what an Exit
    // must do on its own.
    void runMenu(std::vector<std::function<void()>> steps) {
        menu()->Timer1()->setInterval(10);
        QVERIFY(menu()->Timer1()->isActive());
        std::size_t next = 0;
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
                steps[next++]();
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

    void writeSet(const QString& name, const QStringList& block) {
        QVERIFY(test::writeFile(programFolder_.filePath("config/" + name), test::crlfLines(block)));
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
        writeSet("hud.set", test::gameSetBlock("SWITCH", "Frame rate", "seta cg_drawFPS *x"));
        writeSet("keys.set", test::gameSetBlock("BINDING", "Fire", R"(bind *x "+attack")"));
    }

    void init() {
        programEnds_ = 0;
        setEndProgramHandler([this] { ++programEnds_; });
        asked_.clear();
        messages_.clear();
        answer_.clear();
    }

    void cleanup() { discardAllWindows(); }

    void loadingShowsTheTitleAndStartsTheTimer() {
        QVERIFY(menu()->isVisible());
        QCOMPARE(menu()->windowTitle(), QString("Vantrel Scriptloom"));
        QCOMPARE(menu()->findChild<QLabel*>("Label1")->text(), QString("Vantrel Scriptloom v1.00"));
        QCOMPARE(menu()->Timer1()->interval(), 500);
        QVERIFY(menu()->Timer1()->isActive());
        QVERIFY(!menu()->lblTemp()->isVisible());
    }

    // A quick click, pressed and released between two frames, chooses as a held button does.
    // Closing the picker instead of pressing OK goes back to the running menu; closing the menu
    // ends the program.
    void createNewConfigFile_showsThePicker_andClosingItReturnsToTheMenu() {
        runMenu({[this] {
            moveTo(itemPoint(kCreate));
            QTest::mouseClick(surface(), Qt::LeftButton, {}, itemPoint(kCreate));
        }});
        QVERIFY(!menu()->isVisible());
        QVERIFY(Form2::instance()->isVisible());
        QCOMPARE(Form2::instance()->File1()->count(), 2);
        QVERIFY(Form2::instance()->gameSetsInUse().isEmpty());
        QCOMPARE(programEnds_, 0);

        Form2::instance()->close();
        QVERIFY(menu()->isVisible());
        QVERIFY(menu()->Timer1()->isActive());
        QCOMPARE(programEnds_, 0);
        menu()->close();
        QCOMPARE(programEnds_, 1);
    }

    // A button pressed away from every item and held while the pointer moves onto one chooses
    // that item; until then nothing happens.
    void aHeldButtonChoosesTheItemItIsMovedOnto() {
        const QPoint corner = surface()->contentsRect().topLeft() + QPoint(2, 2);
        runMenu({[&] {
                     moveTo(corner);
                     QTest::mousePress(surface(), Qt::LeftButton, {}, corner);
                 },
                 [this] {
                     QVERIFY(!Form2::exists());
                     moveTo(itemPoint(kCreate));
                 }});
        QVERIFY(Form2::instance()->isVisible());
    }

    // Cancelling the question keeps the menu running with nothing opened and nothing emptied; so
    // does naming a script that cannot be read, which is asked for again with the typed path and
    // the reason, and then cancelled. The button still held does not ask again: a new press is
    // needed to choose, here Exit, which ends the program.
    void editExisting_cancelledOrUnreadable_keepsTheMenuRunning_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancelled") << QString();
        QTest::newRow("unreadable, pasted with blanks and quotes")
            << " \"" + programFolder_.filePath("missing.cfg") + "\" ";
    }
    void editExisting_cancelledOrUnreadable_keepsTheMenuRunning() {
        QFETCH(QString, answer);
        answer_ = answer;
        programTables().resetAll();
        programTables().Switches.append({"S", "Kept", "kept *x", "", "1"});
        runMenu({[this] { pressOn(kEdit); }, [] {},
                 [this, &answer] {
                     QCOMPARE(asked_.size(), answer.isEmpty() ? 1 : 2);
                     release();
                     pressOn(kExit);
                 }});
        QCOMPARE(asked_.value(0), QString(kOpenPrompt) + '|' + kOpenTitle + '|' + kOpenDefaultPath);
        const QString missing = QDir::toNativeSeparators(programFolder_.filePath("missing.cfg"));
        QVERIFY2(
            answer.isEmpty() ||
                (asked_.value(1).startsWith("Cannot read file " + missing + ":\n") &&
                 asked_.value(1).endsWith(QString(kOpenPrompt) + '|' + kOpenTitle + '|' + answer)),
            qPrintable(asked_.value(1)));
        QVERIFY(messages_.isEmpty());
        QCOMPARE(programEnds_, 1);
        QVERIFY(menu()->isVisible());
        QVERIFY(!Form3::exists() && !Form6::exists());
        QCOMPARE(test::entryValues(programTables()), QStringList("Kept=1"));
    }

    // A script opened from the menu, then "Main Menu" in the editor and another script: the
    // second holds only what the second script names, and the menu came back fresh, without
    // taking the button that was down before it started as a choice.
    void editExisting_opensTheScript_andMainMenuLeadsBackToAFreshMenu() {
        const QString first = programFolder_.filePath("first.cfg");
        const QString second = programFolder_.filePath("second.cfg");
        QVERIFY(test::writeFile(first, script("hud.set", "seta cg_drawFPS 1", "name Visor")));
        QVERIFY(test::writeFile(second, script("keys.set", R"(bind MOUSE1 "+attack")", "echo b")));

        answer_ = first;
        runMenu({[this] { pressOn(kEdit); }});
        QVERIFY(!menu()->isVisible());
        QVERIFY(Form3::instance()->isVisible());
        QCOMPARE(test::entryValues(programTables()), QStringList("Frame rate=1"));
        QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList("hud.set"));
        QVERIFY(!Form2::instance()->isVisible());

        QTest::mouseClick(Form3::instance()->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QVERIFY(!Form3::instance()->isVisible());
        QVERIFY(menu()->isVisible());
        menuState().MouseButtonDown = kTrue;
        moveTo(itemPoint(kExit));

        answer_ = second;
        runMenu({[this] { pressOn(kEdit); }});
        QCOMPARE(programEnds_, 0);
        QCOMPARE(test::entryValues(programTables()), QStringList("Fire=MOUSE1"));
        QCOMPARE(Form2::instance()->gameSetsInUse(), QStringList("keys.set"));
        QCOMPARE(Form3::instance()->TreeView1()->nodes().count(), 2);
        QVERIFY(Form6::instance()->text().contains("echo b"));
        QVERIFY(!Form6::instance()->text().contains("name Visor"));
        QVERIFY(!menu()->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
