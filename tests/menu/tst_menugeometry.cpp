#include <QTest>
#include <tuple>

#include "files/Numbers.h"
#include "menu/MenuGeometry.h"
#include "menu/MenuTexts.h"

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
    // or half that when the pointer was over the item in the previous frame. The last row is the
    // last item's last character.
    void charactersArePlacedOnTheWave() {
        // hovered, character (-1: the last), where it is drawn, colour
        const std::tuple<bool, int, QPoint, MenuColour> rows[] = {{false, 0, {64, 54}, kWhite},
                                                                  {false, 1, {78, 58}, kWhite},
                                                                  {true, 1, {78, 56}, kYellow},
                                                                  {false, -1, {104, 175}, kWhite}};
        for (const auto& [hovered, character, at, colour] : rows) {
            MenuState state = threeItems();
            state.MenuHover[0] = hovered ? kTrue : kFalse;
            MenuRun run;
            const std::vector<MenuGlyph> glyphs = layOut(state, run);
            QCOMPARE(glyphs.size(), std::size_t(22 + 25 + 4));
            const MenuGlyph& glyph = character < 0 ? glyphs.back() : glyphs[std::size_t(character)];
            QCOMPARE(QPoint(glyph.x, glyph.y), at);
            QCOMPARE(glyph.colour, colour);
        }
    }

    // On the first frame nothing has been drawn yet, so the first character of the first item is
    // tested against a box from x = -5 (0 widened by 5), as wide as the item text (180) and from 5
    // above its glyph y (54.25) to 19 below it. The hover shows in the colour of the next frame.
    void thePointerIsTestedAgainstTheCharacterDrawnBefore() {
        // Just inside and on the left edge, the widened top and the bottom; over the text.
        const std::tuple<int, int, bool> points[] = {
            {-4, 60, true}, {-5, 60, false}, {-4, 50, true}, {-4, 49, false},
            {-4, 73, true}, {-4, 74, false}, {150, 60, true}};
        for (const auto& [x, y, over] : points) {
            MenuState state = threeItems();
            state.MouseX = static_cast<std::int16_t>(x);
            state.MouseY = static_cast<std::int16_t>(y);
            MenuRun run;
            layOut(state, run);
            const QByteArray at = QByteArray::number(x) + ',' + QByteArray::number(y);
            QVERIFY2((state.MenuHover[0] != kFalse) == over, at);
            QVERIFY2(chosenMenuItem(state) == (over ? 0 : -1), at);
            QVERIFY2(layOut(state, run).front().colour == (over ? kYellow : kWhite), at);
        }

        // In the next frame the first character is tested against the last character's box
        // (x 104, 13 wide), so the point found in the first frame is missed there.
        MenuState state = threeItems();
        state.MouseX = 10;
        state.MouseY = 60;
        MenuRun run;
        layOut(state, run);
        QCOMPARE(chosenMenuItem(state), 0);
        layOut(state, run);
        QCOMPARE(chosenMenuItem(state), -1);
    }

    // 63 steps of 0.1 pass 6.28 once, at 6.3: the phase is then 0.02. 6.27 has not passed it.
    void thePhaseWrapsPast628() {
        QVERIFY(qAbs(nextWavePhase(6.17f) - 6.27f) < 1e-3f);
        float phase = 0;
        for (int frame = 0; frame < 63; ++frame) {
            phase = nextWavePhase(phase);
        }
        QVERIFY2(qAbs(phase - 0.02f) < 1e-3f, qPrintable(QString::number(phase)));
    }

    // Halves go to the even neighbour; what passes 16 bits is clamped, and NaN gives 0.
    void fractionsRoundHalvesToEven() {
        const std::pair<double, int> rows[] = {{0.5, 0},     {1.5, 2},         {2.5, 2},
                                               {64.5, 64},   {-1.5, -2},       {9.51, 10},
                                               {1e9, 32767}, {std::nan(""), 0}};
        for (const auto& [value, rounded] : rows) {
            QCOMPARE(int(roundToInt16(value)), rounded);
        }
    }

    // The minor version and the revision are joined without a dot.
    void theTitleJoinsMinorVersionAndRevision() {
        QCOMPARE(versionedTitle(0, 5, 2), QString("Vantrel Scriptloom v0.52"));
        QCOMPARE(versionedTitle(2, 10, 3), QString("Vantrel Scriptloom v2.103"));
    }
};

QTEST_GUILESS_MAIN(MenuGeometryTest)
#include "tst_menugeometry.moc"
