#pragma once
// The main window started in a temporary working folder with faked services, as the window
// tests use it.
#include <QApplication>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "core/log_file.h"
#include "mainwin/main_window.h"
#include "mainwin/station_window.h"
#include "tests/fakes/fake_services.h"
#include "tests/support/generated_log.h"
#include "tests/support/modal.h"
#include "tests/support/installed_data.h"
#include "tests/support/temp_folder.h"
#include "tests/support/widget_text.h"

namespace topband::testing {

inline const Contact kCt{"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "22:01:07"};
inline const Contact kDx{"G3XYZ", "579", "", "599", "England", "2026/12/05", "22:03:00"};
inline std::string line(const Contact& c) { return *formatLogRecord(c); }
// The log file text of `count` made-up contacts with distinct calls.
inline std::string records(int count) { return logFileText(generatedLog(SectionTable(), count)); }

// The state main() makes for a working folder, with the per-user folders inside it.
inline AppState stateIn(const TempFolder& folder) {
    AppState s;
    s.folders = {folder.path(), folder.file("KELVO Software/Shared"), folder.file("KELVO Software/Velmor")};
    std::filesystem::create_directories(s.folders.SharedFolder);
    std::filesystem::create_directories(s.folders.DataFolder + "/BACKUP");
    s.shared.SharedPrefsPath = s.folders.SharedFolder + "/SharedUserPreferences.xml";
    s.shared.SharedPrefsText = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";
    return s;
}

inline const std::string kPrefs =
    "\"W1XYZ\"\r\n\"EMA\"\r\n5\r\n\"USA\"\r\n71.25\r\n42.5\r\n100\r\n192\r\n8421504\r\n0\r\n0\r\n";

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        fx.clock.local = {2026, 12, 5, 13, 5, 9};
        fx.clock.systemUtcOffsetHours = 5;
        fx.screen.setPixels(1920, 1080);
        form.endProgram = [this](int code) { endedWith = code; };
    }

    // Starts the window as an operator would: the station window is confirmed with Done
    // (after `typing` into its call field) and the log question gets `answer`.
    bool startUp(MessageAnswer answer = MessageAnswer::Yes, const char* typing = "") {
        fx.ui.messageAnswers.push_back(answer);
        whenModalOpens([typing](QWidget& modal) {
            auto& station = dynamic_cast<frmStationID&>(modal);
            QTest::keyClicks(&station.Text1, qtText(typing));
            QTest::mouseClick(&station.Command1, Qt::LeftButton);
        });
        return form.Form_Load();
    }

    // Starts on the installed prefix table, the given preferences and log, with the window shown
    // and active so that focus moves as on a desktop.
    void openOn(const std::string& log, const std::string& prefs = kPrefs) {
        work.write("arrlpre2.txt", installedDataFile("arrlpre2.txt"));
        work.write("160pref.txt", prefs);
        work.write("Log.txt", log);
        ASSERT_TRUE(startUp());
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    TempFolder work;
    FakeServices fx;
    AppState state = stateIn(work);
    Form1 form{state, fx.services};
    std::optional<int> endedWith;
};

}  // namespace topband::testing
