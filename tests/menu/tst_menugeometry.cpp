#include <QTest>

#include "menu/MenuGeometry.h"
#include "menu/MenuTexts.h"
#include "ui/Numbers.h"

using namespace scriptloom;

namespace {

constexpr MenuColour kWhite = menuRgb(255, 255, 255);
constexpr MenuColour kYellow = menuRgb(255, 255, 0);

// The menu's three items on a 309 x 237 surface, each item text measuring 180 x 19 and each
// character 13 wide.
MenuState threeItems() {
    MenuState state;
    state.MenuCount = 3;
    for (int i = 0; i < 3; ++i) {
        state.MenuText[static_cast<std::size_t>(i)] = kMenuItemTexts[i];
    }
    state.NormalColor = kWhite;
    state.HighlightColor = kYellow;
    return state;
}

TextSize measuredSize(const QString& text) {
    return text.size() == 1 ? TextSize{13, 19} : TextSize{180, 19};
}

constexpr SurfaceSize kSurface{309, 237};

std::vector<MenuGlyph> layOut(MenuState& state, MenuRun& run) {
    std::vector<MenuGlyph> glyphs;
    layOutMenuFrame(state, run, kSurface, measuredSize, glyphs);
    return glyphs;
}

}  // namespace

class MenuGeometryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Quarter width 45, half height 10 (9.5 to even). The first character has no wave and is
    // centred at 154.5 - 90, to even 64; the second rides sin(13 / 45 x 3.14) x 5, about 3.94,
    // or half that when the pointer was over the item in the previous frame.
    void charactersArePlacedOnTheWave_data() {
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<int>("character");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<MenuColour>("colour");
        QTest::newRow("first character") << false << 0 << 64 << 54 << kWhite;
        QTest::newRow("second character") << false << 1 << 78 << 58 << kWhite;
        QTest::newRow("hovered: half the wave, in yellow") << true << 1 << 78 << 56 << kYellow;
        QTest::newRow("last item, last character") << false << -1 << 104 << 175 << kWhite;
    }
    void charactersArePlacedOnTheWave() {
        QFETCH(bool, hovered);
        QFETCH(int, character);
        MenuState state = threeItems();
        state.MenuHover[0] = hovered ? kTrue : kFalse;
        MenuRun run;
        const std::vector<MenuGlyph> glyphs = layOut(state, run);
        QCOMPARE(glyphs.size(), std::size_t(22 + 25 + 4));
        const MenuGlyph& glyph =
            glyphs[character < 0 ? glyphs.size() - 1 : static_cast<std::size_t>(character)];
        QFETCH(int, x);
        QFETCH(int, y);
        QCOMPARE(int(glyph.x), x);
        QCOMPARE(int(glyph.y), y);
        QTEST(glyph.colour, "colour");
    }

    // On the first frame nothing has been drawn yet, so the first character of the first item is
    // tested against a box from x = -5 (0 widened by 5), as wide as the item text (180) and from 5
    // above its glyph y (54.25) to 19 below it. The hover shows in the colour of the next frame.
    void thePointerIsTestedAgainstTheCharacterDrawnBefore_data() {
        QTest::addColumn<int>("mouseX");
        QTest::addColumn<int>("mouseY");
        QTest::addColumn<bool>("over");
        QTest::newRow("just inside the left edge") << -4 << 60 << true;
        QTest::newRow("on the left edge") << -5 << 60 << false;
        QTest::newRow("just inside the widened top") << -4 << 50 << true;
        QTest::newRow("above the widened top") << -4 << 49 << false;
        QTest::newRow("just inside the bottom") << -4 << 73 << true;
        QTest::newRow("below") << -4 << 74 << false;
        QTest::newRow("over the middle of the text") << 150 << 60 << true;
    }
    void thePointerIsTestedAgainstTheCharacterDrawnBefore() {
        MenuState state = threeItems();
        QFETCH(int, mouseX);
        QFETCH(int, mouseY);
        state.MouseX = static_cast<std::int16_t>(mouseX);
        state.MouseY = static_cast<std::int16_t>(mouseY);
        MenuRun run;
        layOut(state, run);
        QFETCH(bool, over);
        QCOMPARE(state.MenuHover[0] != kFalse, over);
        QCOMPARE(chosenMenuItem(state), over ? 0 : -1);
        QCOMPARE(layOut(state, run).front().colour, over ? kYellow : kWhite);
    }

    // The x of the last character drawn carries into the next frame: there the first item's first
    // character is tested against the box of the last item's last character.
    void theLastCharacterOfAFrameCarriesIntoTheNext() {
        MenuState state = threeItems();
        MenuRun run;
        const int lastX = layOut(state, run).back().x;
        state.MouseX = static_cast<std::int16_t>(lastX - 4);
        state.MouseY = 60;
        layOut(state, run);
        QCOMPARE(state.MenuHover[0], kTrue);
        QCOMPARE(chosenMenuItem(state), 0);
    }

    void thePhaseWrapsPast628() {
        float phase = 0;
        for (int frame = 0; frame < 62; ++frame) {
            phase = nextWavePhase(phase);
        }
        QVERIFY2(qAbs(phase - 6.2f) < 1e-3f, qPrintable(QString::number(phase)));
        phase = nextWavePhase(phase);
        QVERIFY2(qAbs(phase - 0.02f) < 1e-3f, qPrintable(QString::number(phase)));
    }

    void fractionsRoundHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("64.5") << 64.5 << 64;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("9.51") << 9.51 << 10;
        QTest::newRow("beyond 16 bits") << 1e9 << 32767;
        QTest::newRow("not a number") << std::nan("") << 0;
    }
    void fractionsRoundHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(int(roundToInt16(value)), rounded);
    }

    void theTitleJoinsMinorVersionAndRevision_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("title");
        QTest::newRow("1.0.0") << 1 << 0 << 0 << "Vantrel Scriptloom v1.00";
        QTest::newRow("0.5.2") << 0 << 5 << 2 << "Vantrel Scriptloom v0.52";
        QTest::newRow("2.10.3") << 2 << 10 << 3 << "Vantrel Scriptloom v2.103";
    }
    void theTitleJoinsMinorVersionAndRevision() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QTEST(versionedTitle(static_cast<std::int16_t>(major), static_cast<std::int16_t>(minor),
                             static_cast<std::int16_t>(revision)),
              "title");
    }
};

QTEST_GUILESS_MAIN(MenuGeometryTest)
#include "tst_menugeometry.moc"
