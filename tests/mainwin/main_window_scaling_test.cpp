#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

#include "mainwin/main_window_scaling.h"
#include "window/designed_form.h"
#include "tests/window/pixels.h"
#include "tests/fakes/fake_screen.h"

namespace topband {
namespace {

using testing::pixels;
using testing::withFrame;

// A main window as the logger has it: a menu bar and a central area laid out on the full design.
class MainWindowScaling : public ::testing::Test {
protected:
    QMainWindow window;
    QWidget* panel = new QWidget(&window);
    QLabel* label = nullptr;
    QTreeWidget* txtDX = nullptr;
    std::unique_ptr<DesignedForm> form;
    testing::FakeScreen screen;
    Preferences prefs;

    void SetUp() override {
        window.setCentralWidget(panel);
        window.menuBar()->addMenu(QStringLiteral("&File"));
        label = new QLabel(QStringLiteral("Call"), panel);
        txtDX = new QTreeWidget(panel);
        form = std::make_unique<DesignedForm>(window, 9600, 7200);
        form->place(*label, 120, 60, 1500, 380, 12);
        form->place(*txtDX, 120, 6300, 9360, 840);
        form->setColumnWidths(*txtDX, {600, 1200});
        screen.setPixels(1920, 1080);
    }

    // Where the platform puts the controls' area and the whole frame, in pixels.
    QRect panelOnScreen() {
        window.layout()->activate();
        return panel->geometry().translated(window.geometry().topLeft());
    }
    QRect frameOnScreen() const { return withFrame(pixels(form->scaling().window), form->frameMargins()); }
    QRect workArea() const { return pixels(screen.work); }
};

TEST_F(MainWindowScaling, StartUpFillsTheScreenBelowTitleAndMenuBars) {
    screen.setPixels(1366, 768, 32);
    applyMainWindowLoadScaling(*form, screen);
    EXPECT_TRUE(workArea().contains(frameOnScreen()));
    // The controls' area is what was scaled; the menu bar sits above it, inside the window.
    EXPECT_EQ(panelOnScreen(), pixels(form->scaling().window));
    EXPECT_TRUE(panel->rect().contains(txtDX->geometry()));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12 * form->scaling().font);
    // The window's own text grows with it; its menus keep the desktop's font.
    EXPECT_DOUBLE_EQ(panel->font().pointSizeF(), 8.25 * form->scaling().windowFont);
    EXPECT_EQ(window.menuBar()->font(), QApplication::font(window.menuBar()));
}

TEST_F(MainWindowScaling, PercentResizeShrinksTheWindowAndTheSpotListFontTwice) {
    applyMainWindowLoadScaling(*form, screen);
    ASSERT_TRUE(percentResize(*form, screen, 90, txtDX));
    const LayoutRect w = form->scaling().window;
    EXPECT_DOUBLE_EQ(w.width, 25920);
    EXPECT_DOUBLE_EQ(w.height, 14580);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12 * 2.25 * 0.9);
    EXPECT_DOUBLE_EQ(txtDX->font().pointSizeF(), 8.25 * 2.25 * 0.9 * 0.9);
    EXPECT_EQ(txtDX->columnWidth(0), 108);  // 600 × 1920 / 640 × 0.9 / 15
    EXPECT_TRUE(workArea().contains(frameOnScreen()));
}

TEST_F(MainWindowScaling, AnUnusableFormSizeIsRefusedAndLeavesTheWindowAlone) {
    applyMainWindowLoadScaling(*form, screen);
    const QRect before = window.geometry();
    EXPECT_FALSE(percentResize(*form, screen, 0, txtDX));
    EXPECT_EQ(window.geometry(), before);
}

}  // namespace
}  // namespace topband
