// Logging contacts as the operator types them into the main window's entry fields.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/arriving_text.h"
#include "tests/support/widget_text.h"

namespace topband {
namespace {

using testing::line;
using testing::MainWindowTest;

// Local time 13:05:09 with the stored offset of 5 hours, as the system's own clock has it.
class EntryWindowTest : public MainWindowTest {
protected:
    void start(const std::string& log = {}) {
        openOn(log);
        form.txtCall->setFocus();
    }
    // Types into whichever field has the focus, as a keyboard does.
    void typeOn(const char* keys) {
        for (const char* k = keys; *k; ++k) QTest::keyClick(QApplication::focusWidget(), *k);
    }
    void type(QLineEdit* field, const char* keys) {
        field->setFocus();
        typeOn(keys);
    }
    void enter(QLineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }
    std::string logFile() const { return work.read("Log.txt"); }
    std::vector<QLineEdit*> fiveFields() const {
        return {form.txtCall, form.txtRSTR, form.txtSec, form.txtRSTS, form.txtCntry};
    }
};

TEST_F(EntryWindowTest, FieldsTakeTheirLengthsAndTabInOrder) {
    start();
    form.mnuPostContest_Click();
    const struct {
        QLineEdit* field;
        int maxLength;
    } order[] = {
        {form.txtCall, 12},  {form.txtRSTR, 3},        {form.txtSec, 6},          {form.txtRSTS, 3},
        {form.txtCntry, 30}, {form.txtPostConTime, 5}, {form.txtPostConDate, 10},
    };
    form.txtCall->setFocus();
    for (const auto& step : order) {
        EXPECT_TRUE(step.field->hasFocus()) << step.maxLength;
        // Typed or set, the field keeps no more than its length.
        step.field->setText(QString(step.maxLength + 4, u'1'));
        EXPECT_EQ(step.field->text().size(), step.maxLength);
        step.field->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(EntryWindowTest, DigitsAfterACompleteCallStartTheReport) {
    start();
    type(form.txtCall, "k1abc599");
    EXPECT_EQ(textOf(*form.txtCall), "K1ABC");
    EXPECT_EQ(textOf(*form.txtRSTR), "599");
    EXPECT_TRUE(form.txtRSTR->hasFocus());
    EXPECT_EQ(textOf(*form.txtRSTS), "599");  // filled when the call was left
    EXPECT_EQ(state.entry.ForwardTarget, 0);

    // A call with a slash never passes a digit on.
    form.cmdClear->click();
    type(form.txtCall, "W1AW/M5");
    EXPECT_EQ(textOf(*form.txtCall), "W1AW/M5");
    EXPECT_TRUE(form.txtCall->hasFocus());
}

TEST_F(EntryWindowTest, KeysThatCannotBelongToAFieldMoveOnToTheNext) {
    start();
    form.txtRSTR->setFocus();
    typeOn("c");
    EXPECT_TRUE(form.txtSec->hasFocus());
    EXPECT_EQ(textOf(*form.txtSec), "C");
    typeOn("t5");
    EXPECT_EQ(textOf(*form.txtSec), "CT");
    EXPECT_TRUE(form.txtRSTS->hasFocus());
    EXPECT_EQ(textOf(*form.txtRSTS), "5");
    typeOn("79e");
    EXPECT_EQ(textOf(*form.txtRSTS), "579");
    EXPECT_TRUE(form.txtCntry->hasFocus());
    // The capital letter, completed from the prefix table like a typed one.
    ASSERT_FALSE(form.txtCntry->text().isEmpty());
    EXPECT_EQ(form.txtCntry->text().front(), QChar(u'E'));
    EXPECT_EQ(form.txtCntry->selectedText(), form.txtCntry->text().mid(1));
}

TEST_F(EntryWindowTest, QuotesAndStrayKeysNeverReachTheFields) {
    start();
    type(form.txtCall, "K1\"ABC");
    form.txtSec->setFocus();
    type(form.txtSec, "\"");
    form.txtCntry->setFocus();
    form.txtCntry->end(false);
    type(form.txtCntry, "\"");
    form.txtRSTS->setFocus();
    form.txtRSTS->clear();
    type(form.txtRSTS, "5-9");
    EXPECT_EQ(textOf(*form.txtCall), "K1ABC");
    EXPECT_EQ(textOf(*form.txtSec), "");
    EXPECT_EQ(textOf(*form.txtCntry), "USA");
    EXPECT_EQ(textOf(*form.txtRSTS), "59");
}

TEST_F(EntryWindowTest, ACommittedContactIsStoredWrittenAndCounted) {
    start();
    type(form.txtCall, "k1abc599ct599");
    EXPECT_EQ(textOf(*form.txtCntry), "USA");
    enter(form.txtRSTS);
    ASSERT_EQ(state.logbook.log.ContactCount(), 1);
    const Contact stored{"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "18:05:09"};
    EXPECT_EQ(state.logbook.log.record(1), stored);
    EXPECT_EQ(logFile(), "\"K1ABC\",\"599\",\"CT\",\"599\",\"USA\",\"2026/12/05\",\"18:05:09\"\r\n");
    EXPECT_TRUE(state.logbook.sections.isWorked(state.logbook.sections.find("CT")));
    EXPECT_EQ(textOf(*form.lblTotCon), "1");
    EXPECT_EQ(textOf(*form.lblTotScore), "2");
    for (const QLineEdit* field : fiveFields()) EXPECT_EQ(textOf(*field), "");
    EXPECT_TRUE(form.txtCall->hasFocus());
    EXPECT_EQ(textOf(*form.lblDialog), "");
    EXPECT_EQ(state.entry.MacroCall, "");

    // The next contact is checked against the first.
    type(form.txtCall, "K1ABC");
    enter(form.txtCall);
    EXPECT_EQ(state.logbook.log.ContactCount(), 1);
    EXPECT_EQ(textOf(*form.lblDialog), "Duplicate K1ABC CT 2026/12/05 18:05:09  Rec#  1");
}

TEST_F(EntryWindowTest, ADxStationGivenSectionDxIsStoredWithoutASection) {
    start();
    type(form.txtCall, "G3XYZ579");
    EXPECT_EQ(textOf(*form.txtCntry), "England");
    EXPECT_TRUE(form.Label3->isVisibleTo(&form));
    typeOn("dx");
    EXPECT_EQ(textOf(*form.txtSec), "DX");
    enter(form.txtSec);
    ASSERT_EQ(state.logbook.log.ContactCount(), 1);
    EXPECT_EQ(state.logbook.log.record(1).section, "");
    EXPECT_EQ(state.logbook.log.record(1).reportReceived, "579");
    EXPECT_EQ(state.logbook.tallies.DXContactCount, 1);
    EXPECT_EQ(textOf(*form.lblTotSec), "1");
    ASSERT_EQ(form.List1->count(), 1);
    EXPECT_EQ(stdText(form.List1->item(0)->text()), "England");
    EXPECT_EQ(textOf(*form.lblStation[5]), "DX  1");
    EXPECT_EQ(textOf(*form.lblTotScore), "5");
}

TEST_F(EntryWindowTest, EnterWithAnEmptyEntryAsksForTheLastMissingField) {
    start();
    enter(form.txtCall);
    EXPECT_EQ(textOf(*form.lblDialog), "Need Report Sent!");
    EXPECT_TRUE(form.txtRSTS->hasFocus());
    EXPECT_TRUE(state.entry.MissingFieldFlag);
    EXPECT_EQ(state.logbook.log.ContactCount(), 0);
}

TEST_F(EntryWindowTest, RequiredFieldsAreCheckedInTheirOrder) {
    start();
    const struct {
        const char *call, *rstr, *sec, *rsts, *country, *message;
        QLineEdit* focus;
    } cases[] = {
        {"K1ABC", "599", "", "599", "usa", "Need Section!", form.txtSec},
        {"K1ABC", "", "", "599", "Canada", "Report Received!", form.txtRSTR},
        {"K1", "", "CT", "599", "USA", "Need Call Sign!", form.txtCall},
        {"K1", "599", "", "599", "", "Need Country!", form.txtCntry},
        {"G3XYZ", "599", "", "599", "England", "", nullptr},
    };
    for (const auto& c : cases) {
        form.lblDialog->clear();
        const char* values[] = {c.call, c.rstr, c.sec, c.rsts, c.country};
        for (std::size_t i = 0; i < 5; ++i) fiveFields()[i]->setText(qtText(values[i]));
        form.frmcmp();
        EXPECT_EQ(state.entry.MissingFieldFlag, c.focus != nullptr) << c.message;
        EXPECT_EQ(textOf(*form.lblDialog), c.message);
        if (c.focus) {
            EXPECT_TRUE(c.focus->hasFocus()) << c.message;
        }
    }
}

TEST_F(EntryWindowTest, AnInvalidSectionIsRefusedAndTheFieldsStay) {
    start();
    type(form.txtCall, "K1ABC599XX");
    EXPECT_EQ(textOf(*form.txtSec), "XX");
    enter(form.txtSec);
    EXPECT_EQ(textOf(*form.lblDialog), "Invalid Section!");
    EXPECT_EQ(state.logbook.log.ContactCount(), 0);
    EXPECT_EQ(textOf(*form.txtCall), "K1ABC");
}

TEST_F(EntryWindowTest, TodaysCanadianSectionsAreStoredAndTheRetiredOnesRefused) {
    start();
    const struct {
        const char* typed;
        const char* section;
    } today[] = {
        {"ve3aaa599gh599", "GH"},   {"ve1bbb599nb599", "NB"}, {"vy2ccc599pe599", "PE"},
        {"ve8ddd599ter599", "TER"}, {"vy1eee599yt599", "YT"},
    };
    for (const auto& c : today) {
        type(form.txtCall, c.typed);
        EXPECT_EQ(textOf(*form.txtCntry), "Canada") << c.typed;
        enter(form.txtRSTS);
        EXPECT_EQ(state.logbook.log.record(state.logbook.log.ContactCount()).section, c.section);
        EXPECT_TRUE(state.logbook.sections.isWorked(state.logbook.sections.find(c.section))) << c.section;
    }
    EXPECT_EQ(state.logbook.log.ContactCount(), 5);
    EXPECT_EQ(textOf(*form.Label15), "Sections Worked: 5");

    const struct {
        const char* typed;
        const char* message;
    } retired[] = {
        {"ve1fff599mar599", "MAR is now NB, NS or PE"},
        {"ve3ggg599gta599", "GTA is now GH"},
        {"ve8hhh599nt599", "NT is now TER or YT"},
    };
    for (const auto& c : retired) {
        form.cmdClear_Click();
        type(form.txtCall, c.typed);
        enter(form.txtRSTS);
        EXPECT_EQ(textOf(*form.lblDialog), c.message);
        EXPECT_EQ(state.logbook.log.ContactCount(), 5);
    }
    EXPECT_EQ(logFile().find("MAR"), std::string::npos);
}

TEST_F(EntryWindowTest, LeavingACallFillsBothReportsWithTheDefault) {
    start();
    type(form.txtCall, "K1ABC");
    QTest::keyClick(form.txtCall, Qt::Key_Tab);
    EXPECT_TRUE(form.txtRSTR->hasFocus());
    EXPECT_EQ(textOf(*form.txtRSTR), "599");
    EXPECT_EQ(stdText(form.txtRSTR->selectedText()), "599");
    EXPECT_EQ(textOf(*form.txtRSTS), "599");
    EXPECT_EQ(state.entry.MacroRST, "599");
    EXPECT_EQ(state.entry.MacroCall, "K1ABC");

    // Typing over the selected default replaces it.
    typeOn("57");
    EXPECT_EQ(textOf(*form.txtRSTR), "57");
}

TEST_F(EntryWindowTest, ADigitPassedOnAfterADuplicateCallLeavesTheEntryEmpty) {
    start(line({"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "17:00:00"}));
    type(form.txtCall, "K1ABC5");
    EXPECT_EQ(textOf(*form.lblDialog), "Duplicate K1ABC CT 2026/12/05 17:00:00  Rec#  1");
    for (const QLineEdit* field : fiveFields()) EXPECT_EQ(textOf(*field), "");
    EXPECT_TRUE(form.txtCall->hasFocus());
}

TEST_F(EntryWindowTest, EscapeClearsTheEntry) {
    start();
    type(form.txtCall, "K1ABC599");
    form.txtCall->setFocus();
    QTest::keyClick(form.txtCall, Qt::Key_Escape);
    for (const QLineEdit* field : fiveFields()) EXPECT_EQ(textOf(*field), "");
    EXPECT_EQ(textOf(*form.Label19), "");
    EXPECT_TRUE(form.txtCall->hasFocus());
}

TEST_F(EntryWindowTest, PostContestContactsTakeTheTypedUtcDateAndTime) {
    fx.clock.local = {2026, 12, 5, 21, 30, 0};  // already the 6th in UTC
    start();
    form.mnuPostContest->trigger();
    EXPECT_TRUE(form.mnuPostContest->isChecked());
    EXPECT_TRUE(form.txtPostConTime->isVisibleTo(&form));
    EXPECT_EQ(textOf(*form.txtPostConDate), "2026/12/06") << "filled as the mode is switched on";
    form.txtPostConDate->setFocus();
    EXPECT_EQ(textOf(*form.txtPostConDate), "2026/12/06");
    EXPECT_EQ(stdText(form.txtPostConDate->selectedText()), "2026/12/06");
    type(form.txtPostConDate, "20261207x");
    EXPECT_EQ(textOf(*form.txtPostConDate), "20261207");
    form.txtPostConTime->setFocus();
    type(form.txtPostConTime, "22a01");
    EXPECT_EQ(textOf(*form.txtPostConTime), "2201");

    form.txtCall->setFocus();
    type(form.txtCall, "K1ABC599ct");
    enter(form.txtSec);
    ASSERT_EQ(state.logbook.log.ContactCount(), 1);
    EXPECT_EQ(state.logbook.log.record(1).date, "2026/12/07");
    EXPECT_EQ(state.logbook.log.record(1).time, "22:01");
    EXPECT_EQ(logFile(), "\"K1ABC\",\"599\",\"CT\",\"599\",\"USA\",\"2026/12/07\",\"22:01\"\r\n");
    // The date and time stay for the next contact.
    EXPECT_EQ(textOf(*form.txtPostConTime), "22:01");
    EXPECT_EQ(textOf(*form.txtPostConDate), "2026/12/07");

    form.mnuPostContest->trigger();
    EXPECT_FALSE(form.mnuPostContest->isChecked());
    EXPECT_FALSE(form.txtPostConTime->isVisibleTo(&form));
}

TEST_F(EntryWindowTest, PostContestDatesAndTimesMustBeUnambiguous) {
    start();
    form.mnuPostContest_Click();
    const struct {
        const char *date, *time, *message;
    } cases[] = {
        {"26/12/05", "2201", "Invalid date format!"},
        {"2026/02/30", "2201", "Invalid date format!"},
        {"2026/12/05", "2460", "Invalid time format!"},
        {"2026/12/05", "22", "Invalid time format!"},
    };
    for (const auto& c : cases) {
        form.txtPostConDate->setText(qtText(c.date));
        form.txtPostConTime->setText(qtText(c.time));
        form.txtCall->setText(QStringLiteral("K1ABC"));
        const int beeps = fx.ui.beeps;
        enter(form.txtCall);
        EXPECT_EQ(textOf(*form.lblDialog), c.message) << c.date << " " << c.time;
        EXPECT_EQ(fx.ui.beeps, beeps + 1);
        EXPECT_EQ(textOf(*form.txtCall), "K1ABC");
    }
    EXPECT_EQ(state.logbook.log.ContactCount(), 0);
}

TEST_F(EntryWindowTest, AFullLogRefusesTheContactAndKeepsTheFields) {
    start(testing::records(MaxContacts));
    const std::string before = logFile();
    type(form.txtCall, "W9XYZ599wi");
    const int beeps = fx.ui.beeps;
    enter(form.txtSec);
    EXPECT_EQ(state.logbook.log.ContactCount(), MaxContacts);
    EXPECT_EQ(textOf(*form.lblDialog), "Log full: 11000 contacts! This contact was not stored.");
    EXPECT_GT(fx.ui.beeps, beeps);
    EXPECT_EQ(textOf(*form.txtCall), "W9XYZ");
    EXPECT_EQ(textOf(*form.txtSec), "WI");
    EXPECT_EQ(logFile(), before);
}

TEST_F(EntryWindowTest, AFailedAppendIsReportedAndNothingIsKept) {
    start(line({"W1AW", "599", "CT", "599", "USA", "2026/12/05", "17:00:00"}));
    const std::string before = logFile();
    fx.files.diskRoom = 20;  // the disk fills up halfway through the record
    type(form.txtCall, "K1ABC599ct");
    enter(form.txtSec);
    ASSERT_EQ(fx.ui.messages.size(), 2u);  // after the start-up question
    EXPECT_EQ(fx.ui.messages.back().title, "Error Writing Log");
    EXPECT_NE(fx.ui.messages.back().text.find("No space left on device"), std::string::npos);
    EXPECT_EQ(state.logbook.log.ContactCount(), 1);
    EXPECT_EQ(state.logbook.sections.SectionsWorked(), 1);
    EXPECT_EQ(textOf(*form.txtCall), "K1ABC");
    EXPECT_EQ(logFile(), before) << "the half record is taken back out";
    EXPECT_EQ(form.focusWidget(), form.txtCall);

    // Once the disk has room again the same entry commits.
    fx.files.diskRoom.reset();
    enter(form.txtSec);
    EXPECT_EQ(state.logbook.log.ContactCount(), 2);
    EXPECT_EQ(logFile(), before + line(state.logbook.log.record(2)));
}

TEST_F(EntryWindowTest, AClockThatDisagreesWithItselfIsReportedAtTheCommit) {
    start();
    fx.clock.systemUtcOffsetHours = 5.0 + 2.0 / 60;  // UTC two minutes later than local + offset
    type(form.txtCall, "K1ABC599ct");
    enter(form.txtSec);
    EXPECT_EQ(state.logbook.log.ContactCount(), 1);
    const std::string warning = "Check the clock: local time + UTC offset is more than a minute off UTC!";
    EXPECT_EQ(textOf(*form.lblDialog), warning);
    EXPECT_TRUE(form.lblDialog->styleSheet().contains(QStringLiteral("#FF0000")));
    // Typing the next call does not hide it; a real message still shows and then gives way to it.
    typeOn("K");
    EXPECT_EQ(textOf(*form.lblDialog), warning);
    enter(form.txtCall);
    EXPECT_EQ(textOf(*form.lblDialog), "Need Country!");
    form.cmdClear->click();
    EXPECT_EQ(textOf(*form.lblDialog), warning);

    fx.clock.systemUtcOffsetHours = 5.0 + 1.0 / 60;  // a minute is tolerated
    type(form.txtCall, "K2ABC599eny");
    enter(form.txtSec);
    EXPECT_EQ(state.logbook.log.ContactCount(), 2);
    EXPECT_EQ(textOf(*form.lblDialog), "");
}

TEST_F(EntryWindowTest, TheStationWindowsDoneChecksTheClock) {
    fx.clock.systemUtcOffsetHours = 5.5;  // the stored offset of 5 hours is half an hour out
    start();
    EXPECT_EQ(textOf(*form.lblDialog), "Check the clock: local time + UTC offset is more than a minute off UTC!");
}

TEST_F(EntryWindowTest, AFullWorkedCountryListStillStoresTheContact) {
    start();
    for (int i = 0; i < MaxWorkedCountries; ++i) state.logbook.workedCountries.add("Country " + std::to_string(i));
    type(form.txtCall, "G3XYZ579");
    enter(form.txtRSTR);
    ASSERT_EQ(state.logbook.log.ContactCount(), 1);
    EXPECT_EQ(state.logbook.workedCountries.WorkedCountryCount(), MaxWorkedCountries);
    EXPECT_FALSE(state.logbook.workedCountries.contains("England"));
    EXPECT_EQ(state.logbook.tallies.DXContactCount, 1);
}

TEST_F(EntryWindowTest, TheRestOfADuplicatesExchangeIsDroppedAndTheNextCallTaken) {
    const std::string logged = line({"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "17:00:00"});
    start(logged);
    typeOn("K1ABC599CT599\r");
    EXPECT_EQ(logFile(), logged);
    EXPECT_EQ(textOf(*form.txtCall), "");
    EXPECT_TRUE(form.txtCall->hasFocus());

    fx.clock.local.second += 4;
    typeOn("W1AW599CT599\r");
    EXPECT_EQ(logFile(), logged + line({"W1AW", "599", "CT", "599", "USA", "2026/12/05", "18:05:13"}));
}

TEST_F(EntryWindowTest, ADxContactNeedsACountryButAStationAtSeaNeedsNone) {
    start();
    // An unknown prefix shows "Not Found", which is no country and no multiplier.
    type(form.txtCall, "Q1AB599");
    EXPECT_EQ(textOf(*form.txtCntry), "Not Found");
    enter(form.txtRSTR);
    EXPECT_EQ(textOf(*form.lblDialog), "Need Country!");
    EXPECT_EQ(logFile(), "");

    // Typed on past the report, "559" is no country either.
    form.cmdClear->click();
    typeOn("ja1xyz579   559\r");
    EXPECT_EQ(textOf(*form.txtCntry), "559");
    EXPECT_EQ(textOf(*form.lblDialog), "Need Country!");
    EXPECT_EQ(logFile(), "");

    form.cmdClear->click();
    typeOn("W1AW/MM\r");
    EXPECT_EQ(logFile(), line({"W1AW/MM", "599", "", "599", "", "2026/12/05", "18:05:09"}));
    EXPECT_EQ(state.logbook.workedCountries.WorkedCountryCount(), 0);
    EXPECT_EQ(textOf(*form.lblTotScore), "0");  // 5 points, but no multiplier yet

    // A country typed for a station at sea is not stored and counts for nothing.
    type(form.txtCall, "G3XYZ/MM ");
    form.txtCntry->setText(QStringLiteral("England"));
    enter(form.txtCntry);
    EXPECT_EQ(state.logbook.log.record(2).country, "");
    EXPECT_EQ(state.logbook.workedCountries.WorkedCountryCount(), 0);
    EXPECT_EQ(state.logbook.tallies.DXContactCount, 2);
}

TEST_F(EntryWindowTest, EveryFieldKeepsOneRuleForKeysPastesAndInputMethods) {
    start();
    const struct {
        QLineEdit* field;
        QString arriving;
        const char* kept;
    } cases[] = {
        {form.txtCall, QStringLiteral("k1\u00f1ab\"c"), "K1ABC"},
        {form.txtRSTR, QStringLiteral("5x9"), "59"},
        {form.txtRSTS, QStringLiteral("5\u00f19"), "59"},
        {form.txtSec, QStringLiteral("eny"), "ENY"},
        {form.txtSec, QStringLiteral("c?t\u00e9"), "CT"},
        {form.txtCntry, QStringLiteral("Cura\u00e7ao\""), "Curaao"},
    };
    for (const auto& c : cases) testing::expectArrivingTextKept(*c.field, c.arriving, c.kept);
    // Pasted text is filtered before it is cut to the field's length.
    form.txtRSTR->clear();
    QApplication::clipboard()->setText(QStringLiteral("\u00f15 9x9"));
    form.txtRSTR->paste();
    EXPECT_EQ(textOf(*form.txtRSTR), "599");
    QApplication::clipboard()->setText(QStringLiteral("5999"));
    form.txtRSTR->clear();
    form.txtRSTR->paste();
    EXPECT_EQ(textOf(*form.txtRSTR), "599");
    // Non-ASCII keys typed into a report never reach it.
    form.txtRSTR->clear();
    form.txtRSTR->setFocus();
    QTest::keyClick(form.txtRSTR, '5');
    for (const QString& typed : {QStringLiteral("\u00f1"), QStringLiteral("\u00e9")}) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QApplication::sendEvent(form.txtRSTR, &key);
    }
    QTest::keyClick(form.txtRSTR, '9');
    EXPECT_EQ(textOf(*form.txtRSTR), "59");
    // The keyed messages see the field as it holds the text.
    form.txtCall->clear();
    QApplication::clipboard()->setText(QStringLiteral("w1\"aw"));
    form.txtCall->paste();
    EXPECT_EQ(state.entry.MacroCall, "W1AW");
    form.txtRSTS->setText(QStringLiteral("5n9"));
    EXPECT_EQ(state.entry.MacroRST, "59");
}

TEST_F(EntryWindowTest, EscapeClearsTheEntryFromEveryField) {
    start();
    for (QLineEdit* field : fiveFields()) {
        type(form.txtCall, "K1ABC599ct");
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        for (const QLineEdit* emptied : fiveFields())
            EXPECT_EQ(textOf(*emptied), "") << field->objectName().toStdString();
        EXPECT_TRUE(form.txtCall->hasFocus());
    }
}

TEST_F(EntryWindowTest, EnterInTheCallFieldLeavesTheCallFirst) {
    start();
    type(form.txtCall, "K1ABC");
    enter(form.txtCall);
    // The reports were filled as leaving the call fills them; only the section is missing.
    EXPECT_EQ(textOf(*form.txtRSTR), "599");
    EXPECT_EQ(textOf(*form.txtRSTS), "599");
    EXPECT_EQ(textOf(*form.lblDialog), "Need Section!");
    EXPECT_TRUE(form.txtSec->hasFocus());
}

TEST_F(EntryWindowTest, EnterOnADuplicateCallReportsTheDuplicateAndCommitsNothing) {
    const std::string logged = line({"W1AW", "599", "CT", "599", "USA", "2026/12/05", "17:00:00"});
    start(logged);
    type(form.txtCall, "W1AW");
    enter(form.txtCall);
    EXPECT_EQ(textOf(*form.lblDialog), "Duplicate W1AW CT 2026/12/05 17:00:00  Rec#  1");
    EXPECT_EQ(logFile(), logged);
}

TEST_F(EntryWindowTest, ButtonsTakeTheFocusOnlyFromTheMouse) {
    start();
    for (QPushButton* button : {form.cmdClear, form.cmdDup, form.cmdList, form.cmdEdit, form.cmdDelete})
        EXPECT_EQ(button->focusPolicy(), Qt::ClickFocus) << stdText(button->text());
    // Space at the start of the country and Tab after Tab move through the fields, never a button.
    form.txtCntry->setFocus();
    QTest::keyClick(form.txtCntry, Qt::Key_Space);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr) << "after " << i << " Tabs";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

}  // namespace
}  // namespace topband
