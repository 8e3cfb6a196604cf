// The edit window as the operator uses it from the recent-contacts list: what Done accepts,
// what it refuses, and what reaches Log.txt.
#include <QClipboard>

#include "tests/mainwin/recent_contacts_fixture.h"
#include "tests/support/widget_text.h"

namespace topband {
namespace {

using testing::contact;
using testing::line;
using testing::RecentContactsTest;

// Rows are newest first: with three contacts, row 2 is record 1.
const std::vector<Contact> kLog = {contact("W1AW", "CT"), contact("K1ABC", "EMA"), contact("G3XYZ", "", "England")};

void retype(QLineEdit& field, const QString& typed) {
    field.clear();
    field.setFocus();
    QTest::keyClicks(&field, typed);
}

class EditWindowTest : public RecentContactsTest {
protected:
    void SetUp() override { start(kLog); }
    std::string before;
};

TEST_F(EditWindowTest, OpensWithTheRowsContactAndStoresTheCheckedChange) {
    editRow(1, [](frmEditCon& w) {
        EXPECT_EQ(stdText(w.windowTitle()), "Edit Contact Entry");
        EXPECT_EQ(textOf(w.txtEditCall), "K1ABC");
        EXPECT_EQ(textOf(w.txtEditSec), "EMA");
        EXPECT_EQ(textOf(w.txtEditDate), "2026/12/05");
        EXPECT_EQ(textOf(w.txtEditTime), "22:01:07");
        EXPECT_FALSE(w.Label1.isVisible() || w.Label2.isVisible() || w.cmdDeleteDupe.isVisible());
        retype(w.txtEditSec, QStringLiteral("vt"));
        retype(w.txtEditNum, QStringLiteral("579\""));
        QTest::keyClick(&w.txtEditNum, Qt::Key_Return);
    });
    const Contact changed{"K1ABC", "599", "VT", "579", "USA", "2026/12/05", "22:01:07"};
    EXPECT_EQ(logText(), line(kLog[0]) + line(changed) + line(kLog[2]));
    EXPECT_EQ(state.logbook.log.record(2), changed);
    // The reload recounts: EMA is gone, VT came.
    EXPECT_TRUE(state.logbook.sections.isWorked(state.logbook.sections.find("VT")));
    EXPECT_FALSE(state.logbook.sections.isWorked(state.logbook.sections.find("EMA")));
    EXPECT_EQ(state.logbook.sections.SectionsWorked(), 2);
    EXPECT_EQ(textOf(*form.Label15), "Sections Worked: 2");
    EXPECT_EQ(column(3), (std::vector<std::string>{"", "VT", "CT"}));
    EXPECT_FALSE(buttonsShown());
}

TEST_F(EditWindowTest, AnotherLoggedCallIsADupeAndNothingIsStored) {
    before = logText();
    bool dupeShown = false;
    int beeps = 0;
    editRow(1, [&](frmEditCon& w) {
        // The contact's own call is no duplicate of itself.
        QTest::mouseClick(&w.cmdDone, Qt::LeftButton);
    });
    EXPECT_EQ(logText(), before);
    editRow(1, [&](frmEditCon& w) {
        const int beepsBefore = fx.ui.beeps;
        retype(w.txtEditCall, QStringLiteral("w1aw"));
        QTest::mouseClick(&w.cmdDone, Qt::LeftButton);
        dupeShown = w.Label1.isVisible() && w.Label1.text() == QStringLiteral("  Dupe!") &&
                    w.cmdDeleteDupe.isVisible() && w.cmdDeleteDupe.text() == QStringLiteral("Delete Dupe");
        beeps = fx.ui.beeps - beepsBefore;
        w.close();
    });
    EXPECT_TRUE(dupeShown);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(logText(), before);
    EXPECT_EQ(state.logbook.log.record(2).call, "K1ABC");
}

TEST_F(EditWindowTest, TheDupeMarkFollowsTheCallAsItIsChanged) {
    std::vector<bool> shown;
    editRow(1, [&](frmEditCon& w) {
        const auto marks = [&] { shown.push_back(w.Label1.isVisible() && w.cmdDeleteDupe.isVisible()); };
        marks();
        retype(w.txtEditCall, QStringLiteral("w1aw"));
        marks();
        QTest::keyClick(&w.txtEditCall, Qt::Key_Backspace);
        marks();
        EXPECT_TRUE(w.Label1.styleSheet().contains(QStringLiteral("#FF0000")));
        w.close();
    });
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false}));
}

TEST_F(EditWindowTest, DeleteDupeDeletesTheEditedContactAfterTheQuestion) {
    fx.ui.messageAnswers.push_back(MessageAnswer::Yes);
    editRow(1, [](frmEditCon& w) {
        retype(w.txtEditCall, QStringLiteral("G3XYZ"));
        QTest::keyClick(&w.txtEditCall, Qt::Key_Return);
        QTest::mouseClick(&w.cmdDeleteDupe, Qt::LeftButton);
    });
    EXPECT_TRUE(fx.ui.shownMessageTitled("Are you sure?"));
    EXPECT_EQ(logText(), line(kLog[0]) + line(kLog[2]));
    EXPECT_EQ(column(1), (std::vector<std::string>{"G3XYZ", "W1AW"}));
}

struct SectionCase {
    const char* section;
    const char* country;
    bool refused;
};

TEST_F(EditWindowTest, SectionMustBeInTheTableForWAndVeStations) {
    const SectionCase cases[] = {
        {"XX", "USA", true},    {"1A", "USA", true},     {"", "USA", false},
        {"", "England", false}, {"CT", "England", true}, {"ONS", "Canada", false},
    };
    for (const SectionCase& c : cases) {
        bool invalidShown = false;
        editRow(2, [&](frmEditCon& w) {
            retype(w.txtEditSec, qtText(c.section));
            w.txtEditPre.setText(qtText(c.country));
            QTest::mouseClick(&w.cmdDone, Qt::LeftButton);
            invalidShown = w.isVisible() && w.Label2.isVisible();
            if (w.isVisible()) w.close();
        });
        EXPECT_EQ(invalidShown, c.refused) << c.section << " " << c.country;
        EXPECT_EQ(state.logbook.log.record(1).section == c.section, !c.refused) << c.section << " " << c.country;
    }
}

struct TimeCase {
    const char* date;
    const char* time;
    const char* refusal;     // title of the message, or empty
    const char* storedDate;  // as stored when accepted
    const char* storedTime;
};

TEST_F(EditWindowTest, HandTypedDatesAndTimesAreCheckedAndStoredZeroPadded) {
    const TimeCase cases[] = {
        {"2026/12/05", "25:00", "Invalid Time Format!", "", ""},
        {"2024/13/01", "22:01:07", "Invalid Date Format!", "", ""},
        {"24/12/05", "22:01:07", "Invalid Date Format!", "", ""},
        {"2026/12/05", "22:1", "Invalid Time Format!", "", ""},
        {"2026/1/5", "7:05", "", "2026/01/05", "07:05:00"},
        {"20261206", "0930", "", "2026/12/06", "09:30:00"},
    };
    for (const TimeCase& c : cases) {
        fx.ui.messages.clear();
        before = logText();
        editRow(2, [&](frmEditCon& w) {
            retype(w.txtEditDate, qtText(c.date));
            retype(w.txtEditTime, qtText(c.time));
            QTest::mouseClick(&w.cmdDone, Qt::LeftButton);
            if (w.isVisible()) w.close();
        });
        if (*c.refusal != 0) {
            EXPECT_TRUE(fx.ui.shownMessageTitled(c.refusal)) << c.date << " " << c.time;
            EXPECT_EQ(logText(), before) << c.date << " " << c.time;
        } else {
            EXPECT_TRUE(fx.ui.messages.empty()) << c.date << " " << c.time;
            EXPECT_EQ(state.logbook.log.record(1).date, c.storedDate);
            EXPECT_EQ(state.logbook.log.record(1).time, c.storedTime);
        }
    }
}

TEST_F(EditWindowTest, LeavingAnInvalidTimeSaysSoAndReturnsToTheField) {
    bool backInTime = false;
    editRow(2, [&](frmEditCon& w) {
        QApplication::setActiveWindow(&w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        retype(w.txtEditTime, QStringLiteral("99:99"));
        QTest::keyClick(&w.txtEditTime, Qt::Key_Tab);
        backInTime = w.txtEditTime.hasFocus();
        w.close();
    });
    EXPECT_TRUE(fx.ui.shownMessageTitled("Invalid Time Format!"));
    EXPECT_TRUE(backInTime);
}

TEST_F(EditWindowTest, KeysAndPastedTextCannotBreakTheLogRecord) {
    editRow(2, [](frmEditCon& w) {
        retype(w.txtEditCall, QStringLiteral("w1\"aw"));
        QApplication::clipboard()->setText(QStringLiteral("5\"9\r\n9"));
        w.txtEditCk.clear();
        w.txtEditCk.paste();
        retype(w.txtEditDate, QStringLiteral("2026a/12/05\""));
        QTest::mouseClick(&w.cmdDone, Qt::LeftButton);
    });
    EXPECT_EQ(state.logbook.log.record(1), (Contact{"W1AW", "599", "CT", "599", "USA", "2026/12/05", "22:01:07"}));
    std::string error;
    EXPECT_TRUE(parseLog(logText(), error).has_value()) << error;
}

TEST_F(EditWindowTest, CountryCompletesFromThePrefixTable) {
    std::string shown;
    std::string selected;
    editRow(2, [&](frmEditCon& w) {
        w.txtEditPre.setFocus();
        w.txtEditPre.setCursorPosition(0);
        QTest::keyClicks(&w.txtEditPre, QStringLiteral("can"));
        shown = textOf(w.txtEditPre);
        selected = stdText(w.txtEditPre.selectedText());
        w.close();
    });
    EXPECT_EQ(shown.substr(0, 3), "Can");
    EXPECT_EQ(shown.substr(3), selected);
    EXPECT_FALSE(selected.empty());
}

TEST_F(EditWindowTest, AFailedRewriteIsReportedAndChangesNothing) {
    before = logText();
    fx.files.failReplace = true;
    editRow(1, [](frmEditCon& w) {
        retype(w.txtEditSec, QStringLiteral("VT"));
        QTest::mouseClick(&w.cmdDone, Qt::LeftButton);
    });
    EXPECT_TRUE(fx.ui.shownMessageTitled("Error Saving Log"));
    EXPECT_EQ(logText(), before);
    EXPECT_EQ(state.logbook.log.record(2).section, "EMA");
    EXPECT_EQ(column(3), (std::vector<std::string>{"", "EMA", "CT"}));
}

TEST_F(EditWindowTest, ClosingWithoutDoneRewritesTheLogUnchanged) {
    before = logText();
    editRow(0, [](frmEditCon& w) {
        retype(w.txtEditCall, QStringLiteral("N1XX"));
        w.close();
    });
    EXPECT_EQ(logText(), before);
    EXPECT_EQ(state.logbook.log.ContactCount(), 3);
}

}  // namespace
}  // namespace topband
