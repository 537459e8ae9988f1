#include <QMap>
#include <QTest>

#include "model/KeyClashes.h"
#include "model/KeyNames.h"

using namespace scriptloom;

namespace {

// A pressed key as "name", or "(cancel)", "(refused)", "(unnamed)".
QString pressed(int key, bool keypad) {
    using Outcome = PressedKey::Outcome;
    const PressedKey result = pressedKeyName(key, keypad);
    return QMap<Outcome, QString>{{Outcome::Cancelled, "(cancel)"},
                                  {Outcome::Unbindable, "(refused)"},
                                  {Outcome::Unnamed, "(unnamed)"}}
        .value(result.outcome, result.name);
}

}  // namespace

class KeyNamesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Characters bind as themselves, in lower case; the keypad is told from the main keys of the
    // same code, with Num Lock on or off; the script's own ";" and double quote are taken.
    void pressedKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* tag, int key, bool keypad, const char* name) {
            QTest::newRow(tag) << key << keypad << QString(name);
        };
        row("letter", Qt::Key_W, false, "w");
        row("keypad 8", Qt::Key_8, true, "KP_UPARROW");
        row("keypad up", Qt::Key_Up, true, "KP_UPARROW");
        row("main up", Qt::Key_Up, false, "UPARROW");
        row("main enter", Qt::Key_Return, false, "ENTER");
        row("keypad enter without the keypad flag", Qt::Key_Enter, false, "KP_ENTER");
        row("shift tab", Qt::Key_Backtab, false, "TAB");
        row("F1", Qt::Key_F1, false, "F1");
        row("F15", Qt::Key_F15, false, "F15");
        row("F16", Qt::Key_F16, false, "(unnamed)");
        row("semicolon", Qt::Key_Semicolon, false, "SEMICOLON");
        row("double quote", Qt::Key_QuoteDbl, false, "(refused)");
        row("escape", Qt::Key_Escape, false, "(cancel)");
        row("windows key", Qt::Key_Meta, false, "(unnamed)");
        row("accented letter", Qt::Key_Eacute, false, "(unnamed)");
    }

    void pressedKey() {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QTEST(pressed(key, keypad), "name");
    }

    // Every name the capture gives, for any key of the character and the special ranges, on the
    // keypad or not, is a name the hint accepts; the hint takes them in any case, and no others.
    void gameKeyNames() {
        for (const int first : {0, int(Qt::Key_Escape)}) {
            for (int key = first; key < first + 0x100; ++key) {
                for (const bool keypad : {false, true}) {
                    const QString name = pressed(key, keypad);
                    QVERIFY2(name.startsWith(u'(') || isGameKeyName(name), qPrintable(name));
                }
            }
        }
        for (const char* known : {"mouse2", "MWHEELDOWN", "kp_enter", "JOY32", "AUX16", "escape"}) {
            QVERIFY2(isGameKeyName(QString(known)), known);
        }
        for (const char* unknown :
             {"", ";", "\"", " ", "é", "MOUSE6", "F16", "KP_6", "mouse 2", "ab"}) {
            QVERIFY2(!isGameKeyName(QString(unknown)), unknown);
        }
        QCOMPARE(QStringList({mouseButtonName(Qt::LeftButton), mouseButtonName(Qt::RightButton),
                              mouseButtonName(Qt::ForwardButton), mouseButtonName(Qt::ExtraButton3),
                              wheelStepName(120), wheelStepName(-15), wheelStepName(0)}),
                 QStringList({"MOUSE1", "MOUSE2", "MOUSE5", "", "MWHEELUP", "MWHEELDOWN", ""}));
    }

    // Only a command that begins with "bind " binds a key. Keys clash across Names, in any case and
    // with blanks around; entries of one Name, empty values and commands that bind no key never
    // clash. A Name and section is listed once.
    void clashes() {
        for (const char* binds : {"bind *x \"+attack\"", "  BIND *x jump", "\tBind *x x"}) {
            QVERIFY2(commandBindsKey(QString(binds)), binds);
        }
        for (const char* sets : {"seta sensitivity \"*x\"", "bindlist", "unbind *x", "xbind *x"}) {
            QVERIFY2(!commandBindsKey(QString(sets)), sets);
        }
        Table<BindingEntry> table;
        table.reset();
        for (const QStringList& row : QList<QStringList>{
                 // section, name, command, value
                 {"Moving", "Jump", "bind *x \"+moveup\"", "SPACE"},
                 {"Firing", "Fire", "bind *x \"+attack\"", "mouse1"},
                 {"Moving", "Jump", "bind *x \"+moveup\"", "SPACE"},
                 {"Firing", "Zoom", "bind *x \"+zoom\"", " MOUSE1"},
                 {"Chat", "Say", "bind *x \"say hi\"", "mouse1"},
                 {"Firing", "Fire", "bind *x \"+attack\"", "MOUSE1"},
                 {"Mouse", "Speed", "seta sensitivity *x", "MOUSE1"},
                 {"Moving", "Crouch", "bind *x \"+movedown\"", ""},
                 {"Moving", "Walk", "bind *x \"+speed\"", ""},
             }) {
            table.append({row[0], row[1], row[2], "", row[3]});
        }
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
