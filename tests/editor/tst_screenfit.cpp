#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "files/ProgramFolder.h"
#include "gamesets/Form4.h"
#include "gamesets/Form7.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "support/EditorSupport.h"
#include "support/TestSupport.h"
#include "ui/ProgramControl.h"
#include "ui/WindowPlacement.h"

using namespace scriptloom;

// Run under a small screen, 1280 x 720 at scale 1 and 2560 x 1440 at scale 2 (the test's
// registrations choose them): the editor and the windows it opens fit on it, every button inside.
class ScreenFitTest : public test::EditorFixture {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;

    // The buttons of a window that lie outside the screen, by name.
    static QStringList buttonsOffScreen(QWidget* window) {
        const QRect screen = window->screen()->availableGeometry();
        QStringList outside;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const QRect at(button->mapToGlobal(QPoint(0, 0)), button->size());
            if (button->isVisible() && !screen.contains(at)) {
                outside << button->objectName();
            }
        }
        if (!screen.contains(window->frameGeometry())) {
            outside << window->objectName();
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
    }

    void editorAndItsWindows_fitTheScreen_data() {
        QTest::addColumn<QString>("opener");
        QTest::newRow("the editor") << "";
        QTest::newRow("Save...") << "Command1";
        QTest::newRow("Edit Game Set") << "Command3";
        QTest::newRow("Add Game Set...") << "Command4";
        QTest::newRow("Add other commands") << "Command5";
    }
    void editorAndItsWindows_fitTheScreen() {
        QFETCH(QString, opener);
        Form3* editor = Form3::instance();
        QVERIFY(clickNode("Field of view"));
        QVERIFY2(buttonsOffScreen(editor).isEmpty(),
                 qPrintable(buttonsOffScreen(editor).join(' ')));
        if (opener.isEmpty()) {
            return;
        }
        QTest::mouseClick(control<QPushButton>(qPrintable(opener)), Qt::LeftButton);
        QWidget* window =
            QApplication::activeWindow() != editor ? QApplication::activeWindow() : nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != editor && top->isVisible() && top->windowTitle() != QString()) {
                window = top;
            }
        }
        QVERIFY(window != nullptr);
        QVERIFY2(buttonsOffScreen(window).isEmpty(),
                 qPrintable(buttonsOffScreen(window).join(' ')));
        // Centred on the editor, within what the frame the window manager adds may shift it,
        // unless the screen's edge is in the way.
        const QPoint offCentre =
            window->frameGeometry().center() - editor->frameGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 40 ||
                     !editor->screen()->availableGeometry().contains(
                         window->frameGeometry().translated(-offCentre)),
                 qPrintable(QString("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
        window->hide();
    }

    // At the narrowest the editor allows, the value boxes keep room for a value. At its smallest
    // it leaves room for a window manager's title bar and borders (here 40 and 10 px).
    void narrowestEditor_keepsTheValueBoxesWide() {
        Form3* editor = Form3::instance();
        QVERIFY(editor->minimumSizeHint().grownBy({5, 35, 5, 5}).height() <=
                editor->screen()->availableGeometry().height());
        editor->resize(editor->minimumSizeHint());
        QVERIFY(clickNode("Field of view"));
        QVERIFY(control<QComboBox>("Combo1")->width() >= 200);
        QVERIFY(clickNode("Fire"));
        QVERIFY(control<QLineEdit>("Text1")->width() >= 200);
        QVERIFY2(buttonsOffScreen(editor).isEmpty(),
                 qPrintable(buttonsOffScreen(editor).join(' ')));
    }
};

QTEST_MAIN(ScreenFitTest)
#include "tst_screenfit.moc"
