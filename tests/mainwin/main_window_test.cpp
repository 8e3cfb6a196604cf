#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "core/log_file.h"
#include "mainwin/preferences_file.h"
#include "mainwin/station_window.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/case_printing.h"
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
    const struct {
        std::optional<std::string> answer;
        float stored;
    } cases[] = {
        {std::nullopt, 4.0f},
        {"5", 5.0f},
        {"4.5", 4.5f},
        {"five", 4.0f},
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
    const struct {
        std::optional<std::string> typed;
        bool erased;
    } cases[] = {
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

// A log the window cannot load, and what the File Error says after the file's path.
struct UnreadableLog {
    std::string content;
    std::string detail;
    friend void PrintTo(const UnreadableLog& c, std::ostream* os) {
        *os << testing::quoted(c.content.size() > 400 ? c.content.substr(0, 400) + "..." : c.content) << " → "
            << testing::quoted(c.detail);
    }
};

TEST_F(MainWindowTest, UnreadableLogGivesFileErrorAndIsLeftUntouched) {
    const UnreadableLog cases[] = {
        {records(11001), "record 11001, line 11001: a log holds at most 11000 records."},
        {records(3) + line(kCt).substr(0, 30), "record 4, line 4: the line holds 5 fields, not 7."},
        {records(2) + "\"G3XYZ\",\"579\",\"\"\r\n\"599\",\"England\",\"2026/12/05\",\"22:03:00\"\r\n" + records(2),
         "record 3, line 3: the line holds 3 fields, not 7."},
        {records(1) + "\r\n" + line(kCt).substr(0, line(kCt).size() - 2) + ",\"\"\r\n" + line(kDx),
         "record 2, line 3: the line holds 8 fields, not 7."},
        {line(kCt) + "\"G3XYZ\",579\",\"\",\"599\",\"England\",\"2026/12/05\",\"22:03:00\"\r\n",
         "record 2, line 2: field 2 holds a double quote."},
    };
    for (const UnreadableLog& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c));
        const std::string& content = c.content;
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
        const std::string& text = services.ui.messages[1].text;
        EXPECT_EQ(text.substr(text.rfind("\r\n\r\n") + 4), folder.file("Log.txt") + ", " + c.detail);
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(folder.read("Log.txt"), content);
    }
}

// A damaged 160pref.txt: the values before the damaged line are kept, the rest are neutral.
struct DamagedPreferences {
    std::string content;
    std::string error;  // after the path
    Preferences kept;
    friend void PrintTo(const DamagedPreferences& c, std::ostream* os) {
        *os << testing::quoted(c.content) << " → " << testing::quoted(c.error);
    }
};

Preferences neutralWith(const std::function<void(Preferences&)>& set) {
    Preferences p = neutralPreferences(5);  // the fake clock's own offset
    set(p);
    return p;
}

class DamagedPreferencesTest : public MainWindowTest, public ::testing::WithParamInterface<DamagedPreferences> {};

TEST_P(DamagedPreferencesTest, AreReportedAndStartUpGoesOn) {
    const DamagedPreferences& c = GetParam();
    work.write("160pref.txt", c.content);
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
    const std::string named = work.file("160pref.txt") + ", " + c.error +
                              ".  The settings before that line are kept and the rest are neutral;";
    EXPECT_EQ(fx.ui.messages[0].text.substr(0, named.size()), named);
    EXPECT_TRUE(fx.ui.inputs.empty());  // an offset not read is the system's own: no question
    EXPECT_TRUE(stationShown);
    EXPECT_EQ(state.prefs, c.kept);
    EXPECT_EQ(work.read("160pref.txt"), formatPreferences(c.kept));  // written anew once the station is confirmed
    EXPECT_EQ(state.logbook.log.ContactCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedPreferencesTest,
    ::testing::Values(
        DamagedPreferences{"\"W1XYZ\"\r\n\"EMA\"\r\nfive\r\n", "line 3: \"five\" is not a number",
                           neutralWith([](Preferences& p) {
                               p.OwnCall = "W1XYZ";
                               p.OwnSection = "EMA";
                           })},
        DamagedPreferences{"\"W1XYZ\"\r\n\"EMA\"\r\n5\r\n\"USA\"\r\n71.25\r\n42.5\r\n100\r\n255\r\n",
                           "line 9: the file ends inside a record", neutralWith([](Preferences& p) {
                               p.OwnCall = "W1XYZ";
                               p.OwnSection = "EMA";
                               p.OwnCountry = "USA";
                               p.OwnLongitude = 71.25f;
                               p.OwnLatitude = 42.5f;
                               p.WorkedColor = 255;
                           })},
        DamagedPreferences{"\xEF\xBB\xBF\"W1XYZ\"\r\n\"EMA\"\r\n5\r\n\"USA\"\r\n71.25\r\n42.5\r\n100\r\n255\r\n"
                           "65280\r\n300\r\n0\r\n",
                           "line 10: \"300\" is not a whole number from 0 to 255", neutralWith([](Preferences& p) {
                               p.OwnCall = "W1XYZ";
                               p.OwnSection = "EMA";
                               p.OwnCountry = "USA";
                               p.OwnLongitude = 71.25f;
                               p.OwnLatitude = 42.5f;
                               p.WorkedColor = 255;
                               p.UnworkedColor = 65280;
                           })}));

TEST_F(MainWindowTest, BadPrefixRowIsReportedAndStartUpGoesOn) {
    work.write("160pref.txt", kPrefs);
    work.write("Log.txt", records(2));
    work.write("arrlpre2.txt",
               "\"G\",\"England\",\"EU\",1.47,52.77,14,27,0\r\n"
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
        ">&File",
        "  &New",
        "  -",
        "  Archive Current &Log",
        "  -",
        "  &Restore from Archive or Backup",
        "  -",
        "  &Write Cabrillo Summary",
        "  -",
        "  Export &ADIF",
        "  -",
        "  &Copy Listed Items to Clipboard",
        "  -",
        "  E&xit",
        ">&Options",
        "  &CW Transmit",
        "  -",
        "  >&Appearance",
        "    &Form Size",
        "    &Colors",
        "  -",
        "  >&DX Spotting",
        "    &Configure",
        "    &View Spectrum Map",
        "  -",
        "  &Voice Navigation",
        "  -",
        "  &Privileges",
        "  -",
        "  P&ost Contest Mode",
        "&Setup",
        "&Graph",
        "&Help",
    };
    EXPECT_EQ(menuTree(form.menuBar()->actions()), expected);
}

}  // namespace
}  // namespace topband
