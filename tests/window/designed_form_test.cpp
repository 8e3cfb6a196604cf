#include "window/designed_form.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/window/pixels.h"
#include "tests/fakes/fake_screen.h"
#include "tests/fakes/fake_ui.h"

namespace topband {
namespace {

using testing::pixels;
using testing::withFrame;

// A small secondary window laid out on a 4800 × 3600 design.
class DesignedFormTest : public ::testing::Test {
protected:
    QWidget window;
    QLabel* label = new QLabel(QStringLiteral("Call"), &window);
    QLineEdit* edit = new QLineEdit(&window);
    QComboBox* combo = new QComboBox(&window);
    QTreeWidget* list = new QTreeWidget(&window);
    QFrame* line = new QFrame(&window);
    DesignedForm form{window, 4800, 3600};
    testing::FakeScreen screen;
    testing::FakeUi ui;

    void SetUp() override {
        form.place(*label, 120, 240, 1200, 315);
        form.place(*edit, 1500, 240, 2400, 315, 10);
        form.place(*combo, 1500, 690, 2400, 315);
        form.place(*list, 120, 1200, 4500, 2100);
        form.setColumnWidths(*list, {600, 1200, 1650});
        form.placeLine(*line, 0, 1050, 4800, 1050);
    }
};

TEST_F(DesignedFormTest, ResizeFormDoublesEverythingOnATwiceAsLargeScreen) {
    // Scaled first for another screen: every scaling starts from the design figures.
    screen.setPixels(1366, 768);
    ResizeForm(form, screen, ui);
    screen.setPixels(1280, 960);
    ResizeForm(form, screen, ui);

    EXPECT_TRUE(ui.messages.empty());
    // The frame, title bar included, is centred, then raised by 170 units.
    const FrameMargins m = form.frameMargins();
    EXPECT_EQ(window.geometry(), QRect(320, pixels(3430 + (m.top - m.bottom) / 2), 640, 480));
    EXPECT_EQ(label->geometry(), QRect(16, 32, 160, 42));
    EXPECT_EQ(edit->geometry(), QRect(200, 32, 320, 42));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 16.5);
    EXPECT_DOUBLE_EQ(edit->font().pointSizeF(), 20);
    EXPECT_EQ(list->geometry(), QRect(16, 160, 600, 280));
    EXPECT_EQ(list->columnWidth(0), 80);
    EXPECT_EQ(list->columnWidth(1), 160);
    EXPECT_EQ(list->columnWidth(2), 220);
    EXPECT_EQ(line->geometry(), QRect(0, 140, 640, 1));
    const LineEnds ends = form.lineEnds(*line);
    EXPECT_DOUBLE_EQ(ends.y1, 2100);
    EXPECT_DOUBLE_EQ(ends.x2, 9600);
    // A combo box is as tall as its font needs, not twice its design height.
    EXPECT_EQ(combo->geometry().top(), 92);
    EXPECT_EQ(combo->height(), std::max(21, combo->sizeHint().height()));
    EXPECT_LT(combo->height(), 42);
}

TEST_F(DesignedFormTest, ResizeFormToTakesTheFontNameAndScalesComboBoxesToo) {
    screen.setPixels(1920, 1080);
    ResizeFormTo(form, screen, ui, 28800, 16200, 9600, 7200, 0, 1.0f, "Arial");
    EXPECT_TRUE(ui.messages.empty());
    const FrameMargins m = form.frameMargins();
    EXPECT_EQ(window.geometry(), QRect(480, pixels(4050 + (m.top - m.bottom) / 2), 960, 540));
    EXPECT_EQ(label->font().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.25 * 2.25);
    EXPECT_EQ(combo->geometry(), QRect(300, 104, 480, 47));
}

TEST_F(DesignedFormTest, AnImpossibleScalingIsReportedAndLeavesTheWindowAlone) {
    const QRect before = label->geometry();
    const QSize size = window.size();
    screen.setPixels(0, 0);
    ResizeForm(form, screen, ui);
    ResizeFormTo(form, screen, ui, 28800, 16200, 0, 0, 0, 1.0f, "");
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const auto& m : ui.messages) {
        EXPECT_EQ(m.title, "Form Resize Error");
        EXPECT_FALSE(m.text.empty());
    }
    EXPECT_EQ(ui.messages[0].text, "Cannot scale the window: the screen is 0 x 0 units.");
    EXPECT_EQ(label->geometry(), before);
    EXPECT_EQ(window.size(), size);
}

// A window designed for the whole screen, on a laptop screen with a panel: every scheme keeps the
// whole frame on the screen and every control inside the window, whether the frame is estimated
// (before the window is shown) or reported by the platform (after).
TEST(DesignedFormFit, TheFrameStaysInsideTheAvailableGeometry) {
    testing::FakeScreen screen;
    screen.setPixels(1366, 768, 32);
    testing::FakeUi ui;
    const std::function<void(DesignedForm&)> schemes[] = {
        [&](DesignedForm& f) { ResizeForm(f, screen, ui); },
        [&](DesignedForm& f) { f.scaleToScreen(screen); },
        [&](DesignedForm& f) { f.scaleToScreen(screen, {.topOfScreen = true, .capControlFonts = true}); },
        [&](DesignedForm& f) { f.scaleToWorkArea(screen); },
        [&](DesignedForm& f) { f.fillWorkArea(screen); },
    };
    for (const bool shown : {false, true})
        for (std::size_t i = 0; i < std::size(schemes); ++i) {
            SCOPED_TRACE(std::string(shown ? "shown, " : "hidden, ") + "scheme " + std::to_string(i));
            QWidget window;
            auto* bottomRight = new QLineEdit(&window);
            DesignedForm form(window, 9600, 7200);
            form.place(*bottomRight, 8400, 6800, 1200, 400);
            if (shown) window.show();
            schemes[i](form);
            if (shown) {
                EXPECT_TRUE(pixels(screen.work).contains(window.frameGeometry()));
            } else {
                const FrameMargins m = form.frameMargins();
                EXPECT_GT(m.top, m.bottom);  // the title bar is reckoned with
                EXPECT_TRUE(pixels(screen.work).contains(withFrame(window.geometry(), m)));
            }
            EXPECT_TRUE(window.rect().contains(bottomRight->geometry()));
        }
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace topband
