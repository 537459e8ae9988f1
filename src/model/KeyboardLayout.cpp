#include "model/KeyboardLayout.h"

#include <QByteArray>

namespace scriptloom {

namespace {

// The function row stands half a key above the main block; the navigation block and the keypad
// stand beside the main block with a quarter key between them.
constexpr double kMainTop = 1.5;
constexpr double kNavigationLeft = 15.25;
constexpr double kKeypadLeft = 18.5;
constexpr double kMouseLeft = 23.5;

class LayoutBuilder {
public:
    // A key named and captioned alike.
    LayoutBuilder& key(const char* name, double row, double column, double width = 1,
                       double height = 1) {
        return captioned(name, name, row, column, width, height);
    }
    LayoutBuilder& captioned(const char* name, const char* caption, double row, double column,
                             double width = 1, double height = 1) {
        places_.push_back({QString::fromLatin1(name), QString::fromUtf8(caption), row, column,
                           width, height, false});
        return *this;
    }
    // A key the game has no name for.
    LayoutBuilder& unnamed(const char* caption, double row, double column, double width = 1) {
        return captioned("", caption, row, column, width);
    }
    // Single-character keys side by side, from `column` on; a letter shows in upper case, as on
    // its key, and is named in lower case, as the game writes it.
    LayoutBuilder& characters(const char* keys, double row, double column) {
        for (const char* c = keys; *c != '\0'; ++c, ++column) {
            const QString name = QString(QLatin1Char(*c));
            places_.push_back({name, name.toUpper(), row, column, 1, 1, false});
        }
        return *this;
    }
    LayoutBuilder& mouse(const char* name, double row, double column, double width, double height) {
        places_.push_back({QString::fromLatin1(name), QString::fromLatin1(name), row, column, width,
                           height, true});
        return *this;
    }
    std::vector<KeyPlace> take() { return std::move(places_); }

private:
    std::vector<KeyPlace> places_;
};

std::vector<KeyPlace> buildLayout() {
    LayoutBuilder b;
    // The function row.
    b.captioned("ESCAPE", "ESC", 0, 0);
    for (int n = 1; n <= 12; ++n) {
        const double column = 2 + (n - 1) + ((n - 1) / 4) * 0.5;
        const QByteArray name = "F" + QByteArray::number(n);
        b.key(name.constData(), 0, column);
    }
    b.unnamed("PRTSC", 0, kNavigationLeft).unnamed("SCRLK", 0, kNavigationLeft + 1);
    b.key("PAUSE", 0, kNavigationLeft + 2);

    // The main block, and beside it the navigation block, the arrows and the keypad, row by row.
    const double r1 = kMainTop;
    const double r2 = r1 + 1;
    const double r3 = r2 + 1;
    const double r4 = r3 + 1;
    const double r5 = r4 + 1;
    b.characters("`1234567890-=", r1, 0).key("BACKSPACE", r1, 13, 2);
    b.key("TAB", r2, 0, 1.5).characters("qwertyuiop[]", r2, 1.5).key("\\", r2, 13.5, 1.5);
    b.key("CAPSLOCK", r3, 0, 1.75).characters("asdfghjkl", r3, 1.75);
    b.captioned("SEMICOLON", ";", r3, 10.75).key("'", r3, 11.75).key("ENTER", r3, 12.75, 2.25);
    b.key("SHIFT", r4, 0, 2.25).characters("zxcvbnm,./", r4, 2.25).key("SHIFT", r4, 12.25, 2.75);
    b.key("CTRL", r5, 0, 1.25).unnamed("WIN", r5, 1.25, 1.25).key("ALT", r5, 2.5, 1.25);
    b.key("SPACE", r5, 3.75, 6.25).key("ALT", r5, 10, 1.25).unnamed("WIN", r5, 11.25, 1.25);
    b.unnamed("MENU", r5, 12.5, 1.25).key("CTRL", r5, 13.75, 1.25);

    const double nav = kNavigationLeft;
    b.key("INS", r1, nav).key("HOME", r1, nav + 1).key("PGUP", r1, nav + 2);
    b.key("DEL", r2, nav).key("END", r2, nav + 1).key("PGDN", r2, nav + 2);
    b.captioned("UPARROW", "UP", r4, nav + 1);
    b.captioned("LEFTARROW", "LEFT", r5, nav).captioned("DOWNARROW", "DOWN", r5, nav + 1);
    b.captioned("RIGHTARROW", "RIGHT", r5, nav + 2);

    // The keypad's keys show their names without "KP_", the block telling them from the main
    // keys; the tooltip gives the whole name.
    const double k = kKeypadLeft;
    b.captioned("KP_NUMLOCK", "NUM", r1, k).captioned("KP_SLASH", "/", r1, k + 1);
    b.captioned("KP_STAR", "*", r1, k + 2).captioned("KP_MINUS", "-", r1, k + 3);
    b.captioned("KP_HOME", "HOME", r2, k).captioned("KP_UPARROW", "UP", r2, k + 1);
    b.captioned("KP_PGUP", "PGUP", r2, k + 2).captioned("KP_PLUS", "+", r2, k + 3, 1, 2);
    b.captioned("KP_LEFTARROW", "LEFT", r3, k).captioned("KP_5", "5", r3, k + 1);
    b.captioned("KP_RIGHTARROW", "RIGHT", r3, k + 2);
    b.captioned("KP_END", "END", r4, k).captioned("KP_DOWNARROW", "DOWN", r4, k + 1);
    b.captioned("KP_PGDN", "PGDN", r4, k + 2).captioned("KP_ENTER", "ENTER", r4, k + 3, 1, 2);
    b.captioned("KP_INS", "INS", r5, k, 2).captioned("KP_DEL", "DEL", r5, k + 2);

    // The mouse: two buttons, the wheel between them with its button, two side buttons.
    const double m = kMouseLeft;
    b.mouse("MOUSE1", r1 + 0.25, m, 1.5, 2.25).mouse("MOUSE2", r1 + 0.25, m + 3.25, 1.5, 2.25);
    b.mouse("MWHEELUP", r1 + 0.25, m + 1.5, 1.75, 0.75);
    b.mouse("MOUSE3", r1 + 1, m + 1.5, 1.75, 0.75);
    b.mouse("MWHEELDOWN", r1 + 1.75, m + 1.5, 1.75, 0.75);
    b.mouse("MOUSE5", r1 + 2.75, m, 1.5, 0.75).mouse("MOUSE4", r1 + 3.5, m, 1.5, 0.75);
    return b.take();
}

}  // namespace

const std::vector<KeyPlace>& keyboardLayout() {
    static const std::vector<KeyPlace> layout = buildLayout();
    return layout;
}

QRectF mouseBody() {
    return {kMouseLeft - 0.25, kMainTop, 5.25, 5};
}

QRectF keyboardExtent() {
    return {0, 0, mouseBody().right(), kMainTop + 5};
}

}  // namespace scriptloom
