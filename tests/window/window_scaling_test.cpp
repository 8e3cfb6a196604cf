#include "window/window_scaling.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mainwin/recent_contacts_columns.h"
#include "tests/fakes/fake_screen.h"

namespace topband {
namespace {

using Scheme = std::function<Scaling(Size, const Desktop&)>;

Desktop desktopOf(int widthPx, int heightPx, int panelPx = 0, FrameMargins frame = {}) {
    testing::FakeScreen screen;
    screen.setPixels(widthPx, heightPx, panelPx);
    return {screen.whole, screen.work, frame};
}

const Scheme kResizeForm = resizeFormScaling;
const Scheme kScreenCentred = [](Size d, const Desktop& s) { return screenScaling(d, s, {}); };
const Scheme kScreenCentredCapped = [](Size d, const Desktop& s) {
    return screenScaling(d, s, {.capControlFonts = true});
};
const Scheme kSpottingWindow = [](Size d, const Desktop& s) {
    return screenScaling(d, s, {.topOfScreen = true, .capControlFonts = true});
};
const Scheme kWorkArea = workAreaScaling;
const Scheme kFillWorkArea = fillWorkAreaScaling;
const Scheme kMainWindowLoad = mainWindowLoadScaling;
const Scheme kPercent90 = [](Size d, const Desktop& s) { return percentScaling(d, s, 90).form; };

void expectScaling(const Scaling& s, const LayoutRect& window, double x, double y, double font, double windowFont) {
    EXPECT_DOUBLE_EQ(s.window.left, window.left);
    EXPECT_DOUBLE_EQ(s.window.top, window.top);
    EXPECT_DOUBLE_EQ(s.window.width, window.width);
    EXPECT_DOUBLE_EQ(s.window.height, window.height);
    EXPECT_DOUBLE_EQ(s.x, x);
    EXPECT_DOUBLE_EQ(s.y, y);
    EXPECT_DOUBLE_EQ(s.font, font);
    EXPECT_DOUBLE_EQ(s.windowFont, windowFont);
}

// Screens where nothing needs fitting (no panel, no frame): each scheme's window, scale
// factors and font factors come out exactly.
TEST(WindowScaling, SchemesGiveExactFiguresWhereNothingNeedsFitting) {
    const Size small{4800, 3600}, full{9600, 7200};
    // clang-format off
    const struct {
        const char* name;
        Scheme scheme;
        Desktop desktop;
        Size design;
        LayoutRect window;
        double x, y, font, windowFont;
    } cases[] = {
        {"ResizeForm on the design screen", kResizeForm, desktopOf(640, 480), small, {2400, 1630, 4800, 3600}, 1, 1, 1, 1},
        {"ResizeForm at twice the design screen", kResizeForm, desktopOf(1280, 960), small, {4800, 3430, 9600, 7200}, 2, 2, 2, 2},
        {"ResizeForm, wider than tall: fonts follow ry", kResizeForm, desktopOf(1920, 1080), small,
         {7200, 3880, 14400, 8100}, 3, 2.25, 2.25, 2.25},
        {"ResizeForm on 1366x768", kResizeForm, desktopOf(1366, 768), small, {5122.5, 2710, 10245, 5760}, 2.134375, 1.6, 1.6, 1.6},
        {"screen scaling, exactly centred", kScreenCentred, desktopOf(1280, 960), small, {4800, 3600, 9600, 7200}, 2, 2, 2, 2},
        {"screen scaling, fonts at most 1.5", kScreenCentredCapped, desktopOf(1920, 1080), small,
         {7200, 4050, 14400, 8100}, 3, 2.25, 1.5, 3},
        {"spotting window: 2 units from the top", kSpottingWindow, desktopOf(1280, 960), small, {4800, 2, 9600, 7200}, 2, 2, 1.5, 2},
        {"work area at twice the design screen", kWorkArea, desktopOf(1280, 960), small, {4800, 3600, 9600, 7200}, 2, 2, 1.5, 2},
        {"work area above a panel", kWorkArea, desktopOf(1366, 768, 32), small,
         {5122.5, 2760, 10245, 5520}, 2.134375, 11040.0 / 7200, 1.5, 2.134375},
        {"filling the work area", kFillWorkArea, desktopOf(1920, 1080, 40), small, {0, 0, 28800, 15600}, 6, 15600.0 / 3600, 1.5, 1},
        {"main window at start-up", kMainWindowLoad, desktopOf(1920, 1080), full, {0, 0, 28800, 16200}, 3, 2.25, 2.25, 3},
        {"main window at start-up on 1366x768", kMainWindowLoad, desktopOf(1366, 768), full,
         {0, 0, 20490, 11520}, 2.134375, 1.6, 1.6, 2.134375},
        {"main window at 90 %", kPercent90, desktopOf(1920, 1080), full, {1440, 810, 25920, 14580}, 2.7, 2.025, 2.025, 2.7},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectScaling(c.scheme(c.design, c.desktop), c.window, c.x, c.y, c.font, c.windowFont);
    }
}

TEST(WindowScaling, ComboBoxesKeepTheirHeightOnlyUnderTheScreenSchemes) {
    const Desktop desktop = desktopOf(1280, 960);
    EXPECT_TRUE(kResizeForm({4800, 3600}, desktop).comboBoxesKeepHeight);
    EXPECT_TRUE(kSpottingWindow({4800, 3600}, desktop).comboBoxesKeepHeight);
    EXPECT_FALSE(kWorkArea({4800, 3600}, desktop).comboBoxesKeepHeight);
    EXPECT_FALSE(resizeFormToScaling(kResizeForm({4800, 3600}, desktop), desktop, {19200, 14400, 9600, 7200})
                     .comboBoxesKeepHeight);
}

TEST(WindowScaling, PercentResizeShrinksColumnsWithTheWindowAndTheSpotListFontTwice) {
    const PercentScaling s = percentScaling({9600, 7200}, desktopOf(1920, 1080), 90);
    // Columns: screen width / 9600 × p / 100 × the design figure.
    const std::vector<double> expected{1485, 2700, 1350, 1620, 1350, 1620, 1620, 4455};
    for (std::size_t i = 0; i < kRecentContactColumns.size(); ++i)
        EXPECT_DOUBLE_EQ(kRecentContactColumns[i].designWidth * s.form.x, expected[i]) << "column " << i;
    EXPECT_DOUBLE_EQ(s.spotListFont, 2.25 * 0.9 * 0.9);  // p² / 10000 of the full-screen font

    const PercentScaling whole = percentScaling({9600, 7200}, desktopOf(1920, 1080), 100);
    expectScaling(whole.form, {0, 0, 28800, 16200}, 3, 2.25, 2.25, 3);
}

TEST(WindowScaling, ResizeFormToScalesFromThePresentSize) {
    const Desktop fullHd = desktopOf(1920, 1080), tiny = desktopOf(320, 240);
    const Scaling designed = designScaling({4800, 3600});
    // clang-format off
    const struct {
        const char* name;
        Desktop desktop;
        ResizeFormToArgs args;
        LayoutRect window;
        double x, y, font;
    } cases[] = {
        {"as the WinKeyer window calls it", fullHd, {28800, 16200, 9600, 7200, false, 1}, {7200, 4050, 14400, 8100}, 3, 2.25, 2.25},
        {"fonts follow half the growth", fullHd, {28800, 16200, 9600, 7200, false, 0.5}, {7200, 4050, 14400, 8100}, 3, 2.25, 1.625},
        {"a shrinking window's fonts shrink fully", tiny, {4800, 3600, 9600, 7200, false, 0.5}, {1200, 900, 2400, 1800}, 0.5, 0.5, 0.5},
        {"exact size, no base needed", fullHd, {6000, 4500, 0, 0, true, 1}, {0, 0, 6000, 4500}, 1.25, 1.25, 1.25},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectScaling(resizeFormToScaling(designed, c.desktop, c.args), c.window, c.x, c.y, c.font, 1);
    }
    // Again from a scaled window: the factors build on the present ones.
    const Scaling once = resizeFormToScaling(designed, fullHd, {6000, 4500, 0, 0, true, 1});
    expectScaling(resizeFormToScaling(once, fullHd, {12000, 9000, 0, 0, true, 1}), {0, 0, 12000, 9000}, 2.5, 2.5, 2.5,
                  1);
}

// The frame (title bar included) must stay inside the work area, whatever the scheme asks for;
// the controls then follow the client size the window ends up with.
TEST(WindowScaling, TheWholeFrameStaysInsideTheWorkArea) {
    Desktop topPanel = desktopOf(1920, 1080, 0, {60, 450, 60, 60});
    topPanel.workArea = {0, 600, 28800, 15600};
    // clang-format off
    const struct {
        const char* name;
        Desktop desktop;
    } desktops[] = {
        {"1366x768, 32 px panel, 30 px title bar", desktopOf(1366, 768, 32, {0, 450, 0, 0})},
        {"1920x1080, panel at the top, borders", topPanel},
        {"the design screen, no panel, no frame", desktopOf(640, 480)},
    };
    const struct {
        const char* name;
        Scheme scheme;
    } schemes[] = {
        {"ResizeForm", kResizeForm},       {"screen", kScreenCentred}, {"spotting", kSpottingWindow},
        {"work area", kWorkArea},          {"fill", kFillWorkArea},   {"main window", kMainWindowLoad},
        {"main window at 90 %", kPercent90},
    };
    // clang-format on
    for (const auto& d : desktops)
        for (const auto& s : schemes)
            for (const Size design : {Size{9600, 7200}, Size{4800, 3600}}) {
                SCOPED_TRACE(std::string(d.name) + ", " + s.name + ", design width " + std::to_string(design.width));
                const Scaling scaled = s.scheme(design, d.desktop);
                const LayoutRect& w = scaled.window;
                const LayoutRect& area = d.desktop.workArea;
                const FrameMargins& m = d.desktop.frame;
                EXPECT_GE(w.left - m.left, area.left);
                EXPECT_GE(w.top - m.top, area.top);
                EXPECT_LE(w.left + w.width + m.right, area.left + area.width + 1e-9);
                EXPECT_LE(w.top + w.height + m.bottom, area.top + area.height + 1e-9);
                EXPECT_LE(design.width * scaled.x, w.width + 1e-9);
                EXPECT_LE(design.height * scaled.y, w.height + 1e-9);
            }
}

TEST(WindowScaling, AFullSizeWindowShrinksBelowItsTitleBar) {
    // On 1366 × 768 with a 32 px panel, a 9600 × 7200 window under ResizeForm would reach 170 units
    // above the screen and under the panel; it takes the room under its 30 px title bar instead.
    const Scaling s = resizeFormScaling({9600, 7200}, desktopOf(1366, 768, 32, {0, 450, 0, 0}));
    const double shrink = 10590.0 / 11520;
    expectScaling(s, {0, 450, 20490, 10590}, 2.134375, 1.6 * shrink, 1.6 * shrink, 1.6 * shrink);
}

TEST(WindowScaling, ImpossibleScalingsAreReported) {
    const Desktop none = desktopOf(0, 0);
    const Desktop fine = desktopOf(1920, 1080);
    const Size design{4800, 3600};
    // clang-format off
    const struct {
        const char* name;
        std::function<void()> scale;
    } cases[] = {
        {"ResizeForm, zero screen", [&] { resizeFormScaling(design, none); }},
        {"ResizeForm, zero design", [&] { resizeFormScaling({0, 0}, fine); }},
        {"screen scaling, zero screen", [&] { screenScaling(design, none, {}); }},
        {"work area, zero screen", [&] { workAreaScaling(design, none); }},
        {"fill, zero screen", [&] { fillWorkAreaScaling(design, none); }},
        {"main window, zero screen", [&] { mainWindowLoadScaling(design, none); }},
        {"ResizeFormTo, zero base", [&] { resizeFormToScaling(designScaling(design), fine, {28800, 16200, 0, 7200}); }},
        {"ResizeFormTo, zero window", [&] { resizeFormToScaling(designScaling({}), fine, {28800, 16200, 9600, 7200}); }},
        {"ResizeFormTo, fonts to nothing", [&] { resizeFormToScaling(designScaling(design), fine, {28800, 16200, 9600, 7200, false, -1}); }},
        {"form size below 30", [&] { percentScaling(design, fine, 29); }},
        {"form size above 100", [&] { percentScaling(design, fine, 101); }},
        {"work area smaller than the frame", [&] { resizeFormScaling(design, desktopOf(20, 20, 0, {0, 450, 0, 0})); }},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.scale(), ScalingError);
    }
    try {
        resizeFormScaling(design, none);
        ADD_FAILURE() << "no error for a zero screen";
    } catch (const ScalingError& e) {
        EXPECT_STREQ(e.what(), "Cannot scale the window: the screen is 0 x 0 units.");
    }
}

TEST(WindowScaling, FormSizeAnswers) {
    // clang-format off
    const struct {
        std::optional<std::string> answer;
        std::optional<int> percent;
    } cases[] = {
        {"90", 90},   {"150", 100}, {"10", 30},     {"-5", 30},     {" 75 ", 75},     {"30.5", 30},
        {"31.5", 32}, {"99.5", 100}, {"80.6", 81},  {"abc", std::nullopt}, {"", std::nullopt},
        {"9O", std::nullopt}, {std::nullopt, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.value_or("(Cancel)"));
        const auto percent = formSizePercentFromAnswer(c.answer);
        EXPECT_EQ(percent ? std::optional<int>(*percent) : std::nullopt, c.percent);
    }
}

}  // namespace
}  // namespace topband
