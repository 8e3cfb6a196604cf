#include "mainwin/window_size_menu.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ui.h"

namespace topband {
namespace {

class WindowSizeMenu : public ::testing::Test {
protected:
    testing::FakeUi ui;
    Preferences prefs;
};

TEST_F(WindowSizeMenu, AFormSizeIsStoredLimitedAndTakesEffectAtTheNextStart) {
    prefs.FormSizePercent = 95;
    ui.inputAnswers.push_back("150");
    EXPECT_TRUE(askFormSizePercent(ui, prefs));
    EXPECT_EQ(prefs.FormSizePercent, 100);
    ASSERT_EQ(ui.inputs.size(), 1u);
    EXPECT_EQ(ui.inputs[0].title, "Please enter screen percentage.");
    EXPECT_EQ(ui.inputs[0].prompt,
              "Enter the % of the screen you would like the form to cover.  Try between 90 and 100 for best "
              "results.  Values below 75 do not display well.");
    EXPECT_EQ(ui.inputs[0].proposal, "95");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "For this setting to take effect please restart this program.");
    EXPECT_EQ(ui.messages[0].text, "This program must be closed and restarted for this setting to take effect.");
}

TEST_F(WindowSizeMenu, ANonNumericAnswerOrCancelChangesNothing) {
    for (const auto& answer : {std::optional<std::string>("abc"), std::optional<std::string>()}) {
        ui.messages.clear();
        prefs.FormSizePercent = 90;
        ui.inputAnswers.push_back(answer);
        EXPECT_FALSE(askFormSizePercent(ui, prefs));
        EXPECT_EQ(prefs.FormSizePercent, 90);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].title, "Numeric Values Required");
        EXPECT_EQ(ui.messages[0].text, "Please enter only numeric values.");
    }
}

}  // namespace
}  // namespace topband
