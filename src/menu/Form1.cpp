#include "menu/Form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include "menu/MenuLoop.h"
#include "menu/MenuPicture.h"
#include "menu/MenuState.h"
#include "menu/MenuTexts.h"
#include "ui/PictureBox.h"
#include "ui/ProgramControl.h"
#include "ui/ProgramVersion.h"
#include "ui_Form1.h"

namespace scriptloom {

namespace {

const QColor kMenuGrey(128, 128, 128);
constexpr int kTimerInterval = 500;

}  // namespace

Form1::Form1() : ui(std::make_unique<Ui::Form1>()), timer1_(new QTimer(this)) {
    ui->setupUi(this);
    // The window is as the menu was drawn: a fixed size, grey, with white text on the title.
    setFixedSize(size());
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kMenuGrey);
    grey.setColor(QPalette::WindowText, Qt::white);
    setPalette(grey);
    ui->Picture2->setBackColor(kMenuGrey);
    ui->Picture2->setForeColor(qRgb(255, 255, 255));
    ui->Picture1->setPixmap(menuPicture(ui->Picture1->contentsRect().size(), devicePixelRatioF()));

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTimerInterval);
    connect(timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(ui->Picture2, &PictureBox::MouseDown, this, &Form1::Picture2_MouseDown);
    connect(ui->Picture2, &PictureBox::MouseMove, this, &Form1::Picture2_MouseMove);
    connect(ui->Picture2, &PictureBox::MouseUp, this, &Form1::Picture2_MouseUp);
}

Form1::~Form1() = default;

PictureBox* Form1::Picture2() const {
    return ui->Picture2;
}

QLabel* Form1::lblTemp() const {
    return ui->lblTemp;
}

QTimer* Form1::Timer1() const {
    return timer1_;
}

// The window is on screen with its first words before loading ends; the menu's items are filled
// after the timer starts, and its first tick comes one interval later.
void Form1::Form_Load() {
    ui->Label1->setText(
        versionedTitle(programversion::Major, programversion::Minor, programversion::Revision));
    ui->Picture2->Print(kMenuStartingText);
    ui->Picture2->Refresh();
    timer1_->start();
    doEvents();
    show();
    doEvents();
    MenuState& state = menuState();
    for (std::size_t i = 0; i < std::size(kMenuItemTexts); ++i) {
        state.MenuText[i] = kMenuItemTexts[i];
    }
    state.MenuCount = static_cast<std::int16_t>(std::size(kMenuItemTexts));
    state.HighlightColor = menuRgb(255, 255, 0);
    state.NormalColor = menuRgb(255, 255, 255);
}

void Form1::Picture2_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    pointerPressedOverMenu(menuState());
}

void Form1::Picture2_MouseMove(int /*button*/, int /*shift*/, float x, float y) {
    pointerMovedOverMenu(menuState(), roundToInt16(x), roundToInt16(y));
}

void Form1::Picture2_MouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    menuState().MouseButtonDown = kFalse;
}

// Runs the menu until the user has chosen. The timer stays on meanwhile, so a tick that falls due
// while the menu runs must start nothing.
void Form1::Timer1_Timer() {
    if (menuRunning_) {
        return;
    }
    menuRunning_ = true;
    const QPointer<Form1> self(this);
    MenuLoop(*ui->Picture2, 0, *ui->lblTemp);
    if (!self.isNull()) {
        menuRunning_ = false;
        timer1_->stop();
    }
}

// The keys drive the menu as the mouse does: Up, Down and Tab move the highlight, Enter and Space
// act on it, Alt and an item's letter act on that item at once.
void Form1::keyPressEvent(QKeyEvent* event) {
    MenuState& state = menuState();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::AltModifier) {
        for (std::size_t i = 0; i < std::size(kMenuItemKeys); ++i) {
            if (event->key() == kMenuItemKeys[i]) {
                chooseMenuItem(state, static_cast<int>(i));
                return;
            }
        }
    }
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Backtab:
            moveMenuHighlight(state, -1);
            return;
        case Qt::Key_Tab:
            moveMenuHighlight(state, modifiers == Qt::ShiftModifier ? -1 : 1);
            return;
        case Qt::Key_Down:
            moveMenuHighlight(state, 1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            chooseHighlightedMenuItem(state);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

// Tab moves the menu's highlight; nothing in the window takes the focus.
bool Form1::focusNextPrevChild(bool /*next*/) {
    return false;
}

// Nothing else could bring the menu back, so closing it ends the program. The window is not
// discarded: the menu may still be running inside its timer and stops by itself.
void Form1::closeEvent(QCloseEvent* event) {
    endProgram();
    event->accept();
}

}  // namespace scriptloom
