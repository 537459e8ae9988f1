#include <QTest>

#include "model/KeyClashes.h"
#include "model/KeyNames.h"

using namespace scriptloom;

namespace {

// A pressed key as "name", or "(cancel)", "(refused)", "(unnamed)".
QString pressed(int key, bool keypad) {
    const PressedKey result = pressedKeyName(key, keypad);
    switch (result.outcome) {
        case PressedKey::Outcome::Named:
            return result.name;
        case PressedKey::Outcome::Cancelled:
            return "(cancel)";
        case PressedKey::Outcome::Unbindable:
            return "(refused)";
        case PressedKey::Outcome::Unnamed:
            break;
    }
    return "(unnamed)";
}

Table<BindingEntry> bindings(const QList<QStringList>& rows) {
    Table<BindingEntry> table;
    table.reset();
    for (const QStringList& row : rows) {  // section, name, command, value
        table.append({row[0], row[1], row[2], "", row[3]});
    }
    return table;
}

}  // namespace

class KeyNamesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pressedKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* tag, int key, bool keypad, const char* name) {
            QTest::newRow(tag) << key << keypad << QString(name);
        };
        // Characters bind as themselves, in lower case.
        row("letter", Qt::Key_W, false, "w");
        row("digit", Qt::Key_7, false, "7");
        row("bracket", Qt::Key_BracketLeft, false, "[");
        row("backquote", Qt::Key_QuoteLeft, false, "`");
        row("slash", Qt::Key_Slash, false, "/");
        // The keypad's keys are told from the main keys of the same code, with or without Num Lock.
        row("keypad 8", Qt::Key_8, true, "KP_UPARROW");
        row("keypad up", Qt::Key_Up, true, "KP_UPARROW");
        row("main up", Qt::Key_Up, false, "UPARROW");
        row("keypad 5", Qt::Key_Clear, true, "KP_5");
        row("keypad 0", Qt::Key_0, true, "KP_INS");
        row("keypad point", Qt::Key_Period, true, "KP_DEL");
        row("keypad slash", Qt::Key_Slash, true, "KP_SLASH");
        row("keypad star", Qt::Key_Asterisk, true, "KP_STAR");
        row("keypad enter", Qt::Key_Enter, true, "KP_ENTER");
        row("main enter", Qt::Key_Return, false, "ENTER");
        row("num lock", Qt::Key_NumLock, false, "KP_NUMLOCK");
        // Named keys.
        row("F1", Qt::Key_F1, false, "F1");
        row("F15", Qt::Key_F15, false, "F15");
        row("F16", Qt::Key_F16, false, "(unnamed)");
        row("space", Qt::Key_Space, false, "SPACE");
        row("tab", Qt::Key_Tab, false, "TAB");
        row("shift tab", Qt::Key_Backtab, false, "TAB");
        row("ctrl", Qt::Key_Control, false, "CTRL");
        row("page down", Qt::Key_PageDown, false, "PGDN");
        // The script's own syntax takes ";" and the double quote.
        row("semicolon", Qt::Key_Semicolon, false, "SEMICOLON");
        row("double quote", Qt::Key_QuoteDbl, false, "(refused)");
        row("escape", Qt::Key_Escape, false, "(cancel)");
        row("windows key", Qt::Key_Meta, false, "(unnamed)");
        row("accented letter", Qt::Key_Eacute, false, "(unnamed)");
    }

    void pressedKey() {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, name);
        QCOMPARE(pressed(key, keypad), name);
    }

    void mouseAndWheel() {
        QCOMPARE(mouseButtonName(Qt::LeftButton), "MOUSE1");
        QCOMPARE(mouseButtonName(Qt::RightButton), "MOUSE2");
        QCOMPARE(mouseButtonName(Qt::MiddleButton), "MOUSE3");
        QCOMPARE(mouseButtonName(Qt::BackButton), "MOUSE4");
        QCOMPARE(mouseButtonName(Qt::ForwardButton), "MOUSE5");
        QCOMPARE(mouseButtonName(Qt::ExtraButton3), "");
        QCOMPARE(wheelStepName(120), "MWHEELUP");
        QCOMPARE(wheelStepName(-15), "MWHEELDOWN");
        QCOMPARE(wheelStepName(0), "");
    }

    // Every name the capture gives is a name the hint accepts, in any case; others are not.
    void gameKeyNames() {
        for (const char* known : {"a", "[", "mouse2", "MWHEELDOWN", "kp_enter", "F12", "JOY32",
                                  "AUX16", "SEMICOLON", "escape"}) {
            QVERIFY2(isGameKeyName(QString(known)), known);
        }
        for (const char* unknown :
             {"", ";", "\"", " ", "é", "MOUSE6", "F16", "KP_6", "mouse 2", "ab"}) {
            QVERIFY2(!isGameKeyName(QString(unknown)), unknown);
        }
    }

    void commandsThatBindKeys() {
        for (const char* binds : {"bind *x \"+attack\"", "  BIND *x jump", "\tBind *x x"}) {
            QVERIFY2(commandBindsKey(QString(binds)), binds);
        }
        for (const char* sets : {"seta sensitivity \"*x\"", "bindlist", "unbind *x", "xbind *x"}) {
            QVERIFY2(!commandBindsKey(QString(sets)), sets);
        }
    }

    // Keys clash across Names, in any case and with blanks around; entries of one Name, empty
    // values and commands that bind no key never clash.
    void clashes() {
        const Table<BindingEntry> table = bindings({
            {"Moving", "Jump", "bind *x \"+moveup\"", "SPACE"},
            {"Firing", "Fire", "bind *x \"+attack\"", "mouse1"},
            {"Moving", "Jump", "bind *x \"+moveup\"", "SPACE"},
            {"Firing", "Zoom", "bind *x \"+zoom\"", " MOUSE1"},
            {"Chat", "Say", "bind *x \"say hi\"", "mouse1"},
            {"Mouse", "Speed", "seta sensitivity *x", "MOUSE1"},
            {"Moving", "Crouch", "bind *x \"+movedown\"", ""},
            {"Moving", "Walk", "bind *x \"+speed\"", ""},
        });
        const KeyClashes clashes(table);
        for (const char* name : {"Fire", "Zoom", "Say"}) {
            QVERIFY2(clashes.clashes(name), name);
        }
        for (const char* name : {"Jump", "Speed", "Crouch", "Walk", "Nobody"}) {
            QVERIFY2(!clashes.clashes(name), name);
        }
        QCOMPARE(clashLine(clashes.clashesOf("Zoom")), "Also bound to: Fire (Firing), Say (Chat)");
        QCOMPARE(clashLine(clashes.clashesOf("Jump")), "");
        QCOMPARE(clashLine(clashes.clashesOf("Speed")), "");
    }
};

QTEST_GUILESS_MAIN(KeyNamesTest)
#include "tst_keynames.moc"
