#pragma once

#include <QWidget>
#include <memory>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form1;
}

class QLabel;
class QTimer;

namespace scriptloom {

class PictureBox;

// The main menu, the program's first window and its home. It shows the title with the version,
// a picture, and the surface on which the menu's items ripple. Loading it shows it at once with
// "Initializing Menu..." and starts Timer1, whose first tick runs the menu until the user chooses
// an item. The mouse over the surface and the menu's keys are recorded for the menu to read.
// Closing it ends the program: it is the only way back to everything else.
class Form1 : public QWidget, public DefaultInstance<Form1> {
    Q_OBJECT

public:
    ~Form1() override;

    PictureBox* Picture2() const;
    QLabel* lblTemp() const;
    QTimer* Timer1() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class DefaultInstance<Form1>;
    Form1();

    void Form_Load();
    void Picture2_MouseDown(int button, int shift, float x, float y);
    void Picture2_MouseMove(int button, int shift, float x, float y);
    void Picture2_MouseUp(int button, int shift, float x, float y);
    void Timer1_Timer();

    std::unique_ptr<Ui::Form1> ui;
    QTimer* timer1_;
    bool menuRunning_ = false;
};

}  // namespace scriptloom
