#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "core/log_file.h"
#include "mainwin/station_window.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/widget_text.h"

namespace topband {
namespace {

using testing::FakeServices;
using testing::kCt;
using testing::kDx;
using testing::kPrefs;
using testing::line;
using testing::MainWindowTest;
using testing::records;
using testing::stateIn;
using testing::TempFolder;
using testing::whenModalOpens;

TEST_F(MainWindowTest, FirstStartInAnEmptyFolderWritesBothPreferenceFiles) {
    ASSERT_TRUE(startUp(MessageAnswer::Yes, "w1xyz"));
    EXPECT_EQ(work.read("160pref.txt"),
              "\"W1XYZ\"\r\n\"\"\r\n5\r\n\"\"\r\n0\r\n0\r\n100\r\n192\r\n8421504\r\n0\r\n0\r\n");
    EXPECT_EQ(work.read("KELVO Software/Shared/SharedUserPreferences.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<OWN_CALL>W1XYZ</OWN_CALL>\r\n"
              "<OWN_ARRL_SECTION></OWN_ARRL_SECTION>\r\n<OWN_UTC> 5</OWN_UTC>\r\n<OWN_COUNTRY></OWN_COUNTRY>\r\n"
              "<OWN_LONGITUDE> 0</OWN_LONGITUDE>\r\n<OWN_LATITUDE> 0</OWN_LATITUDE>\r\n");
    EXPECT_EQ(textOf(*form.Label2), "W1XYZ");
    EXPECT_FALSE(work.exists("Log.txt"));  // a missing log is an empty one, created by the first contact
    EXPECT_EQ(state.logbook.log.ContactCount(), 0);
    ASSERT_EQ(fx.ui.messages.size(), 1u);
    EXPECT_EQ(fx.ui.messages[0].title, "Open existing log?");
    EXPECT_TRUE(fx.ui.inputs.empty());  // the neutral offset is the system's own
    EXPECT_EQ(textOf(*form.lblDialog), "Ready to begin!");
}

TEST_F(MainWindowTest, ClocksShowLocalTwelveHourAndUtcFromTheStoredOffset) {
    work.write("160pref.txt", kPrefs);
    ASSERT_TRUE(startUp());
    EXPECT_EQ(textOf(*form.lblCurTime), "1:05:09");
    EXPECT_EQ(textOf(*form.Label16), "PM");
    EXPECT_EQ(textOf(*form.lblutctime), "18:05:09");
    state.prefs.UtcOffset = 5.5f;
    form.Timer2_Timer();
    EXPECT_EQ(textOf(*form.lblutctime), "18:35:09");
}

TEST_F(MainWindowTest, WrongStoredOffsetProposesTheSystemOne) {
    std::string fourHours = kPrefs;
    fourHours.replace(fourHours.find("\r\n5\r\n"), 5, "\r\n4\r\n");
    const struct { std::optional<std::string> answer; float stored; } cases[] = {
        {std::nullopt, 4.0f}, {"5", 5.0f}, {"4.5", 4.5f}, {"five", 4.0f},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        FakeServices services;
        services.clock.systemUtcOffsetHours = 5;
        folder.write("160pref.txt", fourHours);
        AppState s = stateIn(folder);
        Form1 window(s, services.services);
        services.ui.inputAnswers.push_back(c.answer);
        services.ui.messageAnswers.push_back(MessageAnswer::Yes);
        whenModalOpens([](QWidget& modal) { dynamic_cast<frmStationID&>(modal).Command1_Click(); });
        ASSERT_TRUE(window.Form_Load());
        ASSERT_FALSE(services.ui.inputs.empty());
        EXPECT_EQ(services.ui.inputs[0].title, "Update the Local Time / UTC Offset?");
        EXPECT_EQ(services.ui.inputs[0].proposal, "5");
        EXPECT_NE(services.ui.inputs[0].prompt.find("Current Offset Setting: 4\r\n"), std::string::npos);
        EXPECT_EQ(s.prefs.UtcOffset, c.stored);
    }
}

TEST_F(MainWindowTest, NoThenYesErasesTheLogAfterABackupCopy) {
    const struct { std::optional<std::string> typed; bool erased; } cases[] = {
        {"YES", true}, {"yes", true}, {"Yes", true}, {"no", false}, {"", false}, {std::nullopt, false}, {"YES ", false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        FakeServices services;
        folder.write("160pref.txt", kPrefs);
        folder.write("Log.txt", records(2));
        AppState s = stateIn(folder);
        Form1 window(s, services.services);
        services.ui.messageAnswers.push_back(MessageAnswer::No);
        services.ui.inputAnswers.push_back(c.typed);
        whenModalOpens([](QWidget& modal) { dynamic_cast<frmStationID&>(modal).Command1_Click(); });
        ASSERT_TRUE(window.Form_Load());
        ASSERT_EQ(services.ui.inputs.size(), 1u);
        EXPECT_EQ(services.ui.inputs[0].title, "WARNING - Your existing log file will be ERASED!");
        EXPECT_EQ(services.ui.inputs[0].prompt,
                  "Are you sure that you want to start a new log file?  This function will ERASE the existing log "
                  "file!\r\n\r\nTo verify that you want to start a new log file, please type: YES");
        EXPECT_EQ(folder.read("Log.txt"), c.erased ? "" : records(2)) << c.typed.value_or("(cancel)");
        EXPECT_EQ(s.logbook.log.ContactCount(), c.erased ? 0 : 2);
        EXPECT_EQ(folder.exists("KELVO Software/Velmor/BACKUP/202612051305.log"), c.erased);
        if (c.erased) {
            EXPECT_EQ(folder.read("KELVO Software/Velmor/BACKUP/202612051305.log"), records(2));
        }
    }
}

TEST_F(MainWindowTest, FullLogLoadsAndOneRecordMoreEndsTheProgram) {
    work.write("160pref.txt", kPrefs);
    work.write("Log.txt", records(11000));
    ASSERT_TRUE(startUp());
    EXPECT_EQ(state.logbook.log.ContactCount(), 11000);
    EXPECT_FALSE(endedWith);
}

TEST_F(MainWindowTest, UnreadableLogGivesFileErrorAndIsLeftUntouched) {
    const std::string cases[] = {records(11001), records(3) + line(kCt).substr(0, 30)};
    for (const std::string& content : cases) {
        TempFolder folder;
        FakeServices services;
        folder.write("160pref.txt", kPrefs);
        folder.write("Log.txt", content);
        AppState s = stateIn(folder);
        Form1 window(s, services.services);
        std::optional<int> ended;
        window.endProgram = [&](int code) { ended = code; };
        services.ui.messageAnswers.push_back(MessageAnswer::Yes);
        whenModalOpens([](QWidget& modal) { dynamic_cast<frmStationID&>(modal).Command1_Click(); });
        EXPECT_FALSE(window.Form_Load());
        ASSERT_EQ(services.ui.messages.size(), 2u);
        EXPECT_EQ(services.ui.messages[1].title, "File Error");
        EXPECT_EQ(services.ui.messages[1].text.substr(0, 69),
                  "Error opening file.  This error is annoying but probably correctable.");
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(folder.read("Log.txt"), content);
    }
}

TEST_F(MainWindowTest, DamagedPreferencesAreReportedAndStartUpGoesOn) {
    work.write("160pref.txt", "\"W1XYZ\"\r\n\"EMA\"\r\nfive\r\n");
    work.write("Log.txt", records(2));
    bool stationShown = false;
    fx.ui.messageAnswers.push_back(MessageAnswer::Ok);
    fx.ui.messageAnswers.push_back(MessageAnswer::Yes);
    whenModalOpens([&](QWidget& modal) {
        stationShown = true;
        dynamic_cast<frmStationID&>(modal).Command1_Click();
    });
    ASSERT_TRUE(form.Form_Load());
    ASSERT_GE(fx.ui.messages.size(), 2u);
    EXPECT_EQ(fx.ui.messages[0].title, "Preferences Error");
    EXPECT_NE(fx.ui.messages[0].text.find("160pref.txt"), std::string::npos);
    EXPECT_NE(fx.ui.messages[0].text.find("line 3"), std::string::npos);
    EXPECT_TRUE(stationShown);
    EXPECT_EQ(state.logbook.log.ContactCount(), 2);
}

TEST_F(MainWindowTest, BadPrefixRowIsReportedAndStartUpGoesOn) {
    work.write("160pref.txt", kPrefs);
    work.write("Log.txt", records(2));
    work.write("arrlpre2.txt", "\"G\",\"England\",\"EU\",1.47,52.77,14,27,0\r\n"
                               "\"K\",\"USA\",\"NA\",west,37.6,5,8,5\r\n");
    fx.ui.messageAnswers.push_back(MessageAnswer::Ok);
    ASSERT_TRUE(startUp());
    EXPECT_EQ(fx.ui.messages[0].title, "Prefix File Error");
    EXPECT_NE(fx.ui.messages[0].text.find(work.file("arrlpre2.txt") + ", line 2"), std::string::npos)
        << fx.ui.messages[0].text;
    EXPECT_EQ(state.prefixes.PrefixCount(), 1);
    EXPECT_EQ(state.logbook.log.ContactCount(), 2);
}

// Two contacts loaded at start, then one more logged during the run.
class ShutdownTest : public MainWindowTest {
protected:
    void SetUp() override {
        work.write("160pref.txt", kPrefs);
        work.write("Log.txt", records(2));
        ASSERT_TRUE(startUp());
        ASSERT_TRUE(state.logbook.log.add(kDx));
        ASSERT_TRUE(appendToLog(fx.files, work.file("Log.txt"), kDx));
    }
    const std::string backup = "KELVO Software/Velmor/BACKUP/202612051305.log";
};

TEST_F(ShutdownTest, ExitEndsAtOnceWithoutBackup) {
    form.mnuExit->trigger();
    EXPECT_EQ(endedWith, 0);
    form.close();
    EXPECT_FALSE(work.exists(backup));
    EXPECT_EQ(work.read("Log.txt"), records(2) + line(kDx));
}

TEST_F(ShutdownTest, ClosingTheWindowMakesTheBackup) {
    form.close();
    EXPECT_FALSE(endedWith);
    EXPECT_EQ(work.read(backup), records(2) + line(kDx));
}

TEST_F(MainWindowTest, FormSizeIsStoredForTheNextStart) {
    work.write("160pref.txt", kPrefs);
    ASSERT_TRUE(startUp());
    const QRect before = form.geometry();
    fx.ui.inputAnswers.push_back("150");
    form.mnuFormSize->trigger();
    EXPECT_EQ(fx.ui.inputs.back().proposal, "100");
    EXPECT_EQ(fx.ui.messages.back().title, "For this setting to take effect please restart this program.");
    EXPECT_EQ(work.read("160pref.txt"), kPrefs);  // 150 is stored as 100
    fx.ui.inputAnswers.push_back("75");
    form.mnuFormSize->trigger();
    EXPECT_EQ(state.prefs.FormSizePercent, 75);
    EXPECT_EQ(work.read("160pref.txt").find("\r\n75\r\n") != std::string::npos, true);
    EXPECT_EQ(form.geometry(), before);  // not until the next start
    fx.ui.inputAnswers.push_back(std::nullopt);
    form.mnuFormSize->trigger();
    EXPECT_EQ(fx.ui.messages.back().title, "Numeric Values Required");
    EXPECT_EQ(state.prefs.FormSizePercent, 75);
}

TEST_F(MainWindowTest, TaskbarTogglesOnlyAtFullSize) {
    fx.screen.setPixels(1366, 768, 32);
    work.write("160pref.txt", kPrefs);
    ASSERT_TRUE(startUp());
    form.mnuTaskbar->trigger();
    EXPECT_TRUE(form.mnuTaskbar->isChecked());
    EXPECT_EQ(state.prefs.TaskbarSetting, 1);
    EXPECT_EQ(work.read("160pref.txt").substr(work.read("160pref.txt").size() - 3), "1\r\n");

    state.prefs.FormSizePercent = 90;
    form.mnuTaskbar->trigger();
    EXPECT_EQ(fx.ui.messages.back().title, "Please set your form size to 100% to use this option.");
    EXPECT_TRUE(form.mnuTaskbar->isChecked());
    EXPECT_EQ(state.prefs.TaskbarSetting, 1);
}

TEST_F(MainWindowTest, StoredFormSizeShrinksTheWindowAtStart) {
    std::string ninety = kPrefs;
    ninety.replace(ninety.find("\r\n100\r\n"), 7, "\r\n90\r\n");
    work.write("160pref.txt", ninety);
    ASSERT_TRUE(startUp());
    form.show();
    // The controls' area takes 90 % of the screen; the menu bar and frame come on top.
    EXPECT_NEAR(form.centralWidget()->width(), 1920 * 0.9, 20);
    EXPECT_NEAR(form.centralWidget()->height(), 1080 * 0.9, 20);
}

// The menu tree as the operator sees it: "-" is a separator, ">" opens a submenu.
std::vector<std::string> menuTree(const QList<QAction*>& actions, const std::string& indent = "") {
    std::vector<std::string> tree;
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            tree.push_back(indent + "-");
            continue;
        }
        tree.push_back(indent + (a->menu() ? ">" : "") + stdText(a->text()));
        if (a->menu()) {
            const auto sub = menuTree(a->menu()->actions(), indent + "  ");
            tree.insert(tree.end(), sub.begin(), sub.end());
        }
    }
    return tree;
}

TEST_F(MainWindowTest, MenuTreeHasEveryCaptionAndSeparator) {
    const std::vector<std::string> expected = {
        ">&File", "  &New", "  -", "  Archive Current &Log", "  -", "  &Restore from Archive or Backup", "  -",
        "  &Write Cabrillo Summary", "  -", "  Export &ADIF", "  -", "  &Copy Listed Items to Clipboard", "  -",
        "  E&xit",
        ">&Options", "  &CW Transmit", "  -", "  >&Appearance", "    &Form Size", "    &Colors", "    &Taskbar",
        "  -", "  >&DX Spotting", "    &Configure", "    &View Spectrum Map", "  -", "  &Voice Navigation", "  -",
        "  &Privileges", "  -", "  P&ost Contest Mode",
        "&Setup", "&Graph", "&Help",
    };
    EXPECT_EQ(menuTree(form.menuBar()->actions()), expected);
}

}  // namespace
}  // namespace topband
