#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include "files/ProgramFolder.h"
#include "support/EditorSupport.h"

using namespace scriptloom;

// Run on a small screen, 1280 x 720 at scale 1 and 2560 x 1440 at scale 2 (the test's two
// registrations choose them): the editor and the windows it opens fit on it, every button inside.
class ScreenFitTest : public test::EditorFixture {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;

    // The window, if it lies partly off the free area of the screen, and each button that does.
    static QStringList offScreen(QWidget* window) {
        const QRect screen = window->screen()->availableGeometry();
        QStringList outside;
        if (!screen.contains(window->frameGeometry())) {
            outside << window->objectName();
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->isVisible() &&
                !screen.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()))) {
                outside << button->objectName();
            }
        }
        return outside;
    }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        // A help text far longer than the panel can show.
        QVERIFY(test::writeFile(
            programFolder_.filePath("config/all.set"),
            test::crlfLines(test::gameSetBlock("SELECTIONS", "Field of view", "seta cg_fov *x",
                                               QString("Wide. ").repeated(300)) +
                            test::gameSetBlock("BINDING", "Fire", "bind *x +attack"))));
        QVERIFY(test::openEditorOn({"all.set"}));
        QVERIFY(clickNode("Field of view"));
    }

    // Each window opens centred on the editor, within what a frame may shift it, unless the
    // screen's edge is in the way.
    void editorAndItsWindows_fitTheScreen_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Save...") << "Command1";
        QTest::newRow("Edit Game Set") << "Command3";
        QTest::newRow("Add Game Set...") << "Command4";
        QTest::newRow("Add other commands") << "Command5";
        QTest::newRow("Keys...") << "cmdKeys";
    }
    void editorAndItsWindows_fitTheScreen() {
        QFETCH(QString, button);
        Form3* editor = Form3::instance();
        QCOMPARE(offScreen(editor), QStringList());
        QTest::mouseClick(control<QPushButton>(qPrintable(button)), Qt::LeftButton);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window == editor || !window->isVisible() || window->windowTitle().isEmpty()) {
                continue;
            }
            QCOMPARE(offScreen(window), QStringList());
            const QPoint shift =
                window->frameGeometry().center() - editor->frameGeometry().center();
            QVERIFY(shift.manhattanLength() <= 40 ||
                    !editor->screen()->availableGeometry().contains(
                        window->frameGeometry().translated(-shift)));
            window->hide();
        }
    }

    // At its smallest the editor leaves room for a window manager's title bar and borders, and
    // at the narrowest it allows the value boxes keep room for a value.
    void smallestEditor_fitsAndKeepsTheValueBoxesWide() {
        Form3* editor = Form3::instance();
        QVERIFY(editor->minimumSizeHint().grownBy({5, 35, 5, 5}).height() <=
                editor->screen()->availableGeometry().height());
        editor->resize(editor->minimumSizeHint());
        QVERIFY(clickNode("Field of view"));
        QVERIFY(control<QComboBox>("Combo1")->width() >= 200);
        QVERIFY(clickNode("Fire"));
        QVERIFY(control<QLineEdit>("Text1")->width() >= 200);
        QCOMPARE(offScreen(editor), QStringList());
    }
};

QTEST_MAIN(ScreenFitTest)
#include "tst_screenfit.moc"
