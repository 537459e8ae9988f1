#include "ui/KeyCaptureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "model/KeyNames.h"

namespace scriptloom {

KeyCaptureButton::KeyCaptureButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, &KeyCaptureButton::startListening);
}

void KeyCaptureButton::startListening() {
    if (listening_) {
        return;
    }
    listening_ = true;
    heldModifier_ = 0;
    idleText_ = text();
    setText(QStringLiteral("Waiting for a key..."));
    setDown(true);
    setFocus(Qt::OtherFocusReason);
    Q_EMIT listeningChanged(true);
}

void KeyCaptureButton::stopListening() {
    if (!listening_) {
        return;
    }
    listening_ = false;
    setText(idleText_);
    setDown(false);
    Q_EMIT listeningChanged(false);
}

void KeyCaptureButton::capture(const QString& name) {
    stopListening();
    Q_EMIT keyCaptured(name);
}

bool KeyCaptureButton::event(QEvent* event) {
    if (listening_) {
        // A key that would be a shortcut, or Tab that would move the focus, is a key to bind.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QPushButton::event(event);
}

void KeyCaptureButton::keyPressEvent(QKeyEvent* event) {
    if (!listening_) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat()) {
        return;
    }
    if (isModifierKey(event->key())) {
        heldModifier_ = event->key();
        return;
    }
    heldModifier_ = 0;
    report(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
}

void KeyCaptureButton::keyReleaseEvent(QKeyEvent* event) {
    if (listening_ && !event->isAutoRepeat() && heldModifier_ != 0 &&
        event->key() == heldModifier_) {
        heldModifier_ = 0;
        event->accept();
        report(event->key(), false);
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void KeyCaptureButton::report(int qtKey, bool keypad) {
    const PressedKey key = pressedKeyName(qtKey, keypad);
    switch (key.outcome) {
        case PressedKey::Outcome::Named:
            capture(key.name);
            break;
        case PressedKey::Outcome::Cancelled:
            stopListening();
            break;
        case PressedKey::Outcome::Unbindable:
            Q_EMIT keyRefused(QStringLiteral("The game cannot bind the \" key. Press another."));
            break;
        case PressedKey::Outcome::Unnamed:
            Q_EMIT keyRefused(QStringLiteral("The game has no name for this key. Press another."));
            break;
    }
}

void KeyCaptureButton::mousePressEvent(QMouseEvent* event) {
    if (!listening_) {
        QPushButton::mousePressEvent(event);
        return;
    }
    event->accept();
    const QString name = mouseButtonName(event->button());
    if (name.isEmpty()) {
        Q_EMIT keyRefused(QStringLiteral("The game has no name for this button. Press another."));
        return;
    }
    // The button was not pressed down for this, so its release clicks nothing.
    capture(name);
}

void KeyCaptureButton::wheelEvent(QWheelEvent* event) {
    if (!listening_) {
        QPushButton::wheelEvent(event);
        return;
    }
    event->accept();
    if (const QString name = wheelStepName(event->angleDelta().y()); !name.isEmpty()) {
        capture(name);
    }
}

void KeyCaptureButton::focusOutEvent(QFocusEvent* event) {
    // A popup (a menu, a tooltip) takes the focus only for a moment; anywhere else the user has
    // moved on.
    if (event->reason() != Qt::PopupFocusReason) {
        stopListening();
    }
    QPushButton::focusOutEvent(event);
}

}  // namespace scriptloom
