#pragma once

#include <QWidget>

#include "ui/DefaultInstance.h"

namespace scriptloom {

class KeyboardPicture;

// "Keys": a picture of the keyboard and the mouse showing what each key is bound to, which
// follows every change of the values, the entries and the other commands. A click on a key binds
// it to the key Binding on the editor's panel; with anything else on the panel it selects the
// first entry bound to the key. The right button offers to clear each entry bound to the key.
// Escape hides the window; its size is kept while the program runs.
class KeyboardWindow : public QWidget, public DefaultInstance<KeyboardWindow> {
    Q_OBJECT

public:
    KeyboardPicture* picKeyboard() const { return picture_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class DefaultInstance<KeyboardWindow>;
    KeyboardWindow();

    void setUpControls();
    void refresh();
    void picKeyboard_KeyClick(const QString& key);
    void picKeyboard_KeyMenu(const QString& key, const QPoint& globalPos);

    KeyboardPicture* picture_;
};

}  // namespace scriptloom
