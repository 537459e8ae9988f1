#include <QKeySequence>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "menu/Form1.h"
#include "menu/MenuLoop.h"
#include "menu/MenuState.h"
#include "ui/InputBox.h"
#include "ui/PictureBox.h"
#include "ui/ProgramControl.h"

using namespace scriptloom;

// The main menu driven by its keys, alone and mixed with the pointer, which shares the highlight.
class MenuKeysTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;
    QStringList happened_;

    Form1* menu() { return Form1::instance(); }
    PictureBox* surface() { return menu()->Picture2(); }
    QPoint itemPoint(int item) {
        return surface()->contentsRect().topLeft() +
               QPoint(int(surface()->ScaleWidth() / 2),
                      int(surface()->ScaleHeight() / 4 * float(item + 1)));
    }

    // One step of a row: keys ("Down", "Alt+X"), "point:N" to move the pointer onto item N,
    // or "lit:N" to check that the menu draws item N, and only it, highlighted (-1: none).
    void step(const QString& what) {
        if (what.startsWith("point:")) {
            QTest::mouseMove(surface(), itemPoint(what.mid(6).toInt()));
        } else if (what.startsWith("lit:")) {
            QStringList lit;
            for (int i = 0; i < 3; ++i) {
                lit << QString::number(menuState().MenuHover[std::size_t(i)] != kFalse ? i : -1);
            }
            lit.removeAll("-1");
            QCOMPARE(lit.join(','), what.mid(4) == "-1" ? QString() : what.mid(4));
        } else {
            const QKeyCombination key = QKeySequence(what)[0];
            QTest::keyClick(menu(), key.key(), key.keyboardModifiers());
        }
    }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setInputBoxHandler([this](const QString&, const QString&, const QString&) {
            happened_ << "asked";
            return QString();
        });
    }

    // The menu state outlives each run of the menu: every row starts from none lit, with the
    // pointer away from the items.
    void init() {
        menuState() = MenuState();
        happened_.clear();
        setEndProgramHandler([this] { happened_ << "ended"; });
    }

    void cleanup() { discardAllWindows(); }

    void keysDriveTheMenu_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("happened");  // "picker", "asked" or "ended", first to last
        QTest::newRow("Down lights the first item; Enter acts on it")
            << QStringList{"lit:-1", "Down", "lit:0", "Enter"} << "picker";
        QTest::newRow("Up lights the last item; Space acts on it")
            << QStringList{"Up", "lit:2", "Space"} << "ended";
        QTest::newRow("Tab moves in turn")
            << QStringList{"Tab", "Tab", "lit:1", "Enter"} << "asked";
        QTest::newRow("round from the last item to the first and back")
            << QStringList{"Up", "Down", "lit:0", "Shift+Tab", "Up", "lit:1", "Enter"} << "asked";
        QTest::newRow("Alt and a letter act at once") << QStringList{"Alt+X"} << "ended";
        QTest::newRow("Alt+E asks for the script") << QStringList{"Alt+E"} << "asked";
        QTest::newRow("Enter with nothing lit does nothing")
            << QStringList{"Enter", "Alt+C"} << "picker";
        QTest::newRow("the pointer moving takes the highlight")
            << QStringList{"Down", "point:2", "lit:2", "Enter"} << "ended";
        QTest::newRow("keys move on from the pointer's item, which then goes dark")
            << QStringList{"point:1", "lit:1", "Down", "lit:2", "Down", "lit:0", "Enter"}
            << "picker";
    }

    // Each step runs once the menu has drawn a few more frames since the last, so what it checks
    // is what the menu shows. A menu still running after the steps is ended, which comes after
    // whatever the steps made happen.
    void keysDriveTheMenu() {
        QFETCH(QStringList, steps);
        menu()->Timer1()->setInterval(10);
        qsizetype next = 0;
        std::uint64_t framesAtLastStep = menuFramesDrawn();
        QTimer driver;
        driver.setInterval(10);
        connect(&driver, &QTimer::timeout, this, [&] {
            if (menuFramesDrawn() < framesAtLastStep + 3) {
                return;
            }
            framesAtLastStep = menuFramesDrawn();
            if (next < steps.size()) {
                step(steps[next++]);
            } else {
                endProgram();
            }
        });
        driver.start();
        QTRY_VERIFY_WITH_TIMEOUT(!menu()->Timer1()->isActive(), 10000);
        if (Form2::exists() && Form2::instance()->isVisible()) {
            happened_ << "picker";
        }
        QTEST(happened_.value(0), "happened");
        QCOMPARE(next, steps.size());
    }
};

QTEST_MAIN(MenuKeysTest)
#include "tst_menukeys.moc"
