#include <QMenu>
#include <QSignalSpy>
#include <algorithm>

#include "editor/KeyboardPicture.h"
#include "editor/KeyboardWindow.h"
#include "model/KeyNames.h"
#include "model/KeyboardLayout.h"
#include "model/TreeAdder.h"
#include "output/Form6.h"
#include "support/EditorSupport.h"
#include "ui/ModelEvents.h"

using namespace scriptloom;

namespace {

// "Section|Name|Command|Value": one Binding and its node.
void addBinding(const QString& fields) {
    const QStringList f = fields.split(u'|');
    programTables().Bindings.append({f[0], f[1], f[2], {}, f[3]});
    addEntryNode(f[0], f[1], Form3::instance()->TreeView1()->nodes());
}

bool onPicture(const QString& name) {
    return std::ranges::any_of(keyboardLayout(), [&name](const KeyPlace& place) {
        return place.name.compare(name, Qt::CaseInsensitive) == 0;
    });
}

}  // namespace

// The keys window: its layout table, what each key shows as the values and the other commands
// change, and what a click on a key does in the editor.
class KeyboardWindowTest : public test::EditorFixture {
    Q_OBJECT

private:
    KeyboardPicture* picture() { return KeyboardWindow::instance()->picKeyboard(); }
    QString shown(const QString& key) {
        const char* states[] = {"free", "bound", "bound by a free line", "clash", "no name"};
        const KeyShown k = picture()->shownFor(key);
        return states[static_cast<int>(k.state)] + (" [" + k.label + "] " + k.tip);
    }

private Q_SLOTS:
    void init() {
        Form3::instance()->startNewConfig();
        Form3::instance()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form3::instance()));
        KeyboardWindow::instance()->show();
        QVERIFY(QTest::qWaitForWindowExposed(KeyboardWindow::instance()));
    }

    void cleanup() { discardAllWindows(); }

    // Every key of a US keyboard that can be bound by pressing it has its place, keypad keys with
    // Num Lock on and off; every named key is one the game binds, and the keys lie apart inside
    // the picture.
    void layout_placesEveryPressableKeyApart() {
        QList<std::pair<int, bool>> keys;  // the key and whether the keypad sent it
        for (const char c : QByteArray("`1234567890-=QWERTYUIOP[]\\ASDFGHJKL;'ZXCVBNM,./ ")) {
            keys.append({c, false});
        }
        for (const char c : QByteArray("0123456789./*-+")) {
            keys.append({c, true});
        }
        // From the keypad too: Enter, Num Lock and, with Num Lock off, the moving keys.
        for (int key = Qt::Key_Escape; key <= Qt::Key_F12; ++key) {
            keys << std::pair(key, false) << std::pair(key, true);
        }
        for (const auto& [key, keypad] : keys) {
            const PressedKey pressed = pressedKeyName(key, keypad);
            QVERIFY2(pressed.outcome != PressedKey::Outcome::Named || onPicture(pressed.name),
                     qPrintable(pressed.name));
        }
        for (const char* mouse :
             {"MOUSE1", "MOUSE2", "MOUSE3", "MOUSE4", "MOUSE5", "MWHEELUP", "MWHEELDOWN"}) {
            QVERIFY2(onPicture(mouse), mouse);
        }
        const std::vector<KeyPlace>& places = keyboardLayout();
        for (std::size_t i = 0; i < places.size(); ++i) {
            const KeyPlace& place = places[i];
            QVERIFY2(place.name.isEmpty() || isGameKeyName(place.name), qPrintable(place.name));
            QVERIFY2(keyboardExtent().contains(place.rect()), qPrintable(place.caption));
            for (std::size_t j = i + 1; j < places.size(); ++j) {
                QVERIFY2(!place.rect().intersects(places[j].rect()),
                         qPrintable(place.caption + " / " + places[j].caption));
            }
        }
    }

    // What a key shows follows the Bindings' values and the other commands as they change.
    void keyShows_data() {
        QTest::addColumn<QStringList>("bindings");  // "Section|Name|Command|Value"
        QTest::addColumn<QString>("otherCommands");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const QStringList& bindings, const char* other,
                            const char* key, const char* shown) {
            QTest::newRow(name) << bindings << QString(other) << QString(key) << QString(shown);
        };
        const QString fire = R"(S|Fire|bind *x "+attack"|)";
        row("bound, any letter case and blanks", {fire + " mouse1 "}, "", "MOUSE1",
            "bound [Fire] MOUSE1\nFire (S)");
        row("one Name in two sections is no clash",
            {fire + "MOUSE1", R"(T|Fire|bind *x "+attack"|MOUSE1)"}, "", "MOUSE1",
            "bound [Fire] MOUSE1\nFire (S)\nFire (T)");
        row("clash", {fire + "MOUSE1", R"(S|Zoom|bind *x "+zoom"|Mouse1)"}, "", "MOUSE1",
            "clash [Fire, Zoom] MOUSE1: bound twice\nFire (S)\nZoom (S)");
        row("a setting binds no key", {R"(S|Player name|seta name "*x"|w)"}, "", "w",
            "free [] w: free");
        row("free line, the last bind of a key wins", {},
            "bind f1 \"vote yes\"; BIND F1 vote  no // x\r\nbind F1", "F1",
            "bound by a free line [vote no] F1\nIn the other commands: vote no");
        row("free line taken away", {}, "bind F1 x\r\nunbind f1", "F1", "free [] F1: free");
        row("an entry's line comes after the free lines", {fire + "F1"}, "bind F1 \"vote yes\"",
            "F1",
            "bound [Fire] F1\nFire (S)\nAlso in the other commands, written before it: "
            "vote yes");
        row("no name", {fire + "PRTSC"}, "bind WIN x", "",
            "no name [] PRTSC: the game has no name for this key.");
    }
    void keyShows() {
        QFETCH(QStringList, bindings);
        QFETCH(QString, otherCommands);
        QFETCH(QString, key);
        for (const QString& binding : bindings) {
            addBinding(binding);
        }
        ModelEvents::notifyEntries();
        QCoreApplication::processEvents();
        // The picture has followed the other commands once their notice has gone out.
        QSignalSpy notice(ModelEvents::instance(), &ModelEvents::scriptOptionsChanged);
        Form6::instance()->setText(otherCommands);
        QVERIFY(notice.wait());
        QTEST(shown(key), "shown");
    }

    // A click binds the key to the key Binding on the panel, one step of the history; with
    // anything else on the panel it shows the first entry bound to the key; the menu clears
    // each entry bound to the key. Undo takes back what the click stored.
    void click_data() {
        QTest::addColumn<QString>("shownEntry");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QString>("valuesAfter");
        QTest::addColumn<QString>("selectedAfter");
        QTest::addColumn<QString>("mouse2After");
        const auto row = [](const char* name, const char* entry, bool menu, const char* after,
                            const char* selected, const char* mouse2) {
            QTest::newRow(name) << QString(entry) << menu << QString(after) << QString(selected)
                                << QString(mouse2);
        };
        row("bind to the key Binding shown", "Move back", false,
            "Zoom=MOUSE2 Move back=MOUSE2 Player name=me", "Move back", "clash [Zoom, Move back]");
        row("a setting shown: select the entry on the key", "Player name", false,
            "Zoom=MOUSE2 Move back=s Player name=me", "Zoom", "bound [Zoom]");
        row("clear from the menu", "Player name", true, "Move back=s Player name=me", "Zoom",
            "free []");
    }
    void click() {
        QFETCH(QString, shownEntry);
        QFETCH(bool, menu);
        QFETCH(QString, selectedAfter);
        QFETCH(QString, mouse2After);
        addBinding(R"(Weapons|Zoom|bind *x "+zoom"|MOUSE2)");
        addBinding(R"(Movement|Move back|bind *x "+back"|s)");
        addBinding(R"(Player|Player name|seta name "*x"|me)");
        ModelEvents::notifyEntries();
        QVERIFY(clickNode(shownEntry));
        tree()->collapseAll();
        const QString before = values();

        const QPoint mouse2 = picture()->keyRect("MOUSE2").center().toPoint();
        if (!menu) {
            QTest::mouseClick(picture(), Qt::LeftButton, {}, mouse2);
        } else {
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, mouse2,
                                        picture()->mapToGlobal(mouse2));
            QApplication::sendEvent(picture(), &menuEvent);
            auto* popup = KeyboardWindow::instance()->findChild<QMenu*>();
            QVERIFY(popup);
            QCOMPARE(popup->actions().size(), 1);
            QCOMPARE(popup->actions().first()->text(), "Clear Zoom");
            popup->actions().first()->trigger();
            popup->close();
        }
        QTEST(values(), "valuesAfter");
        QCOMPARE(tree()->selectedText(), selectedAfter);
        // The section of an entry that the tree moves to opens.
        QCOMPARE(tree()->nodeRect(tree()->selectedNode()).isEmpty(), selectedAfter == shownEntry);
        QTRY_COMPARE(shown("MOUSE2").section(u']', 0, 0) + u']', mouse2After);
        QCOMPARE(mark(selectedAfter).contains("(clash)"), mouse2After.startsWith("clash"));

        KeyboardWindow::instance()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(KeyboardWindow::instance()));
        QTest::keyClick(KeyboardWindow::instance(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(values(), before);
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "tst_keyboardwindow.moc"
