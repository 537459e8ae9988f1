#pragma once

#include <QPushButton>

namespace scriptloom {

// A button that, once pressed, listens: the next key pressed, or the next mouse button or wheel
// step over it, is reported by the game's name for it. A modifier counts when it is released
// with no other key pressed meanwhile. Escape, or the focus moving elsewhere, stops it listening
// without a name. While it listens it takes every key, shortcuts included,
// so that Ctrl or Tab can be bound like any other key.
class KeyCaptureButton : public QPushButton {
    Q_OBJECT

public:
    explicit KeyCaptureButton(QWidget* parent = nullptr);

    bool listening() const { return listening_; }
    void startListening();
    void stopListening();

Q_SIGNALS:
    // The game's name for the key, button or wheel step; the button has stopped listening.
    void keyCaptured(const QString& name);
    // A key the game cannot bind was pressed; the button goes on listening.
    void keyRefused(const QString& reason);
    void listeningChanged(bool listening);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void capture(const QString& name);
    void report(int qtKey, bool keypad);

    bool listening_ = false;
    // The modifier held down since it was pressed with no other key, or 0.
    int heldModifier_ = 0;
    QString idleText_;
};

}  // namespace scriptloom
