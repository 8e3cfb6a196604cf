#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "mainwin/shared_preferences.h"
#include "mainwin/station_window.h"
#include "tests/fakes/fake_services.h"
#include "tests/support/arriving_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/widget_text.h"

namespace topband {
namespace {

using testing::FakeServices;
using testing::TempFolder;

class StationWindow : public ::testing::Test {
protected:
    TempFolder folder;
    FakeServices fake;
    AppState state;
    std::unique_ptr<frmStationID> window;

    void SetUp() override {
        state.prefs.OwnCall = "W1XYZ";
        state.prefs.OwnSection = "EMA";
        state.prefs.UtcOffset = 5;
        state.prefs.OwnCountry = "United States";
        state.prefs.OwnLongitude = 71.25f;
        state.prefs.OwnLatitude = -42.5f;
        // Sorted by prefix as the prefix file is; two countries share their first letters.
        state.prefixes.replaceAll({
            {"G", "United Kingdom", "EU", 1.5f, 52.25f},
            {"K", "United States", "NA", 95.5f, 37},
            {"VE", "Canada", "NA", 80, 45},
        });
        ASSERT_TRUE(LoadSharedPreferences(state.shared, fake.files, folder.file("SharedUserPreferences.xml")));
    }

    frmStationID& open() {
        window = std::make_unique<frmStationID>(state, fake.services);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    static void retype(QLineEdit& field, const char* typed) {
        field.clear();
        QTest::keyClicks(&field, QString::fromLatin1(typed));
    }
};

TEST_F(StationWindow, ShowsTheCurrentValuesWithABlankBeforeNonNegativeNumbers) {
    frmStationID& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Amateur Station I.D."));
    EXPECT_EQ(textOf(w.Text1), "W1XYZ");
    EXPECT_EQ(textOf(w.Text5), "EMA");
    EXPECT_EQ(textOf(w.Text6), " 5");
    EXPECT_EQ(textOf(w.Text2), "United States");
    EXPECT_EQ(textOf(w.Text3), " 71.25");
    EXPECT_EQ(textOf(w.Text4), "-42.5");
    EXPECT_TRUE(w.Text1.hasFocus());
}

TEST_F(StationWindow, EmptyOwnCallProposesTheStoredUserCall) {
    fake.settings.values["UserCallSign"] = "VE3ABC";
    EXPECT_EQ(textOf(open().Text1), "W1XYZ") << "a call of its own wins";
    state.prefs.OwnCall.clear();
    EXPECT_EQ(textOf(open().Text1), "VE3ABC");
    fake.settings.values.clear();
    EXPECT_EQ(textOf(open().Text1), "");
}

TEST_F(StationWindow, DoneWritesTheSharedFileByteForByteUnderACommaLocale) {
    frmStationID& w = open();
    retype(w.Text6, "-3.5");
    QTest::mouseClick(&w.Command1, Qt::LeftButton);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(folder.read("SharedUserPreferences.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>"
              "\r\n<OWN_CALL>W1XYZ</OWN_CALL>"
              "\r\n<OWN_ARRL_SECTION>EMA</OWN_ARRL_SECTION>"
              "\r\n<OWN_UTC>-3.5</OWN_UTC>"
              "\r\n<OWN_COUNTRY>United States</OWN_COUNTRY>"
              "\r\n<OWN_LONGITUDE> 71.25</OWN_LONGITUDE>"
              "\r\n<OWN_LATITUDE>-42.5</OWN_LATITUDE>\r\n");

    Preferences stored = state.prefs;
    w.storeStation(stored);
    EXPECT_EQ(stored.UtcOffset, -3.5f);
    EXPECT_EQ(stored.OwnLongitude, 71.25f);
    EXPECT_EQ(stored.OwnCall, "W1XYZ");
}

TEST_F(StationWindow, TypedLettersBecomeCapitalsAndEnterRunsDone) {
    frmStationID& w = open();
    retype(w.Text5, "sk");
    QTest::keyClicks(&w.Text5, QStringLiteral("xy"));
    EXPECT_EQ(textOf(w.Text5), "SKX") << "three characters at most";
    retype(w.Text1, "ve3abc/p");
    EXPECT_EQ(textOf(w.Text1), "VE3ABC/P");
    QTest::keyClick(&w.Text1, Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);

    Preferences stored;
    w.storeStation(stored);
    EXPECT_EQ(stored.OwnCall, "VE3ABC/P");
    EXPECT_EQ(stored.OwnSection, "SKX");
    EXPECT_EQ(stored.OwnCountry, "United States");
}

TEST_F(StationWindow, OffsetFieldTakesOnlyNumberKeys) {
    frmStationID& w = open();
    retype(w.Text6, "a-5.5x/9999");
    EXPECT_EQ(textOf(w.Text6), "-5.5/99") << "seven characters at most";
}

TEST_F(StationWindow, OffsetThatIsNotANumberKeepsTheWindowOpen) {
    frmStationID& w = open();
    retype(w.Text6, "5/");
    QTest::keyClick(&w.Text6, Qt::Key_Return);
    EXPECT_EQ(fake.ui.beeps, 1);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_TRUE(w.Text6.hasFocus());
    EXPECT_FALSE(folder.exists("SharedUserPreferences.xml"));

    QTest::keyClick(&w.Text6, Qt::Key_Backspace);
    QTest::keyClick(&w.Text6, Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    Preferences stored;
    w.storeStation(stored);
    EXPECT_EQ(stored.UtcOffset, 5.0f);
}

TEST_F(StationWindow, OffsetOutsideTheWorldsTimeZonesKeepsTheWindowOpen) {
    frmStationID& w = open();
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {{"-14.5", false}, {"15", false}, {"99", false}, {"-14", true}, {"14", true}, {"5.75", true}};
    for (const auto& c : cases) {
        retype(w.Text6, c.typed);
        w.Command1_Click();
        EXPECT_EQ(w.result() == QDialog::Accepted, c.accepted) << c.typed;
        w.setResult(QDialog::Rejected);
        w.show();
    }
}

TEST_F(StationWindow, FieldsKeepTheirRuleForKeysPastesAndInputMethods) {
    frmStationID& w = open();
    const struct {
        QLineEdit* field;
        QString arriving;
        const char* kept;
    } cases[] = {
        {&w.Text1, QStringLiteral("w1\u00f1x\"y/4"), "W1XY/4"},
        {&w.Text5, QStringLiteral("s\u00e9k?"), "SK"},
        {&w.Text2, QStringLiteral("Cura\u00e7ao"), "Curaao"},
        {&w.Text3, QStringLiteral("west 71.5\u00b0"), " 71.5"},
        {&w.Text6, QStringLiteral("-5h"), "-5"},
    };
    for (const auto& c : cases) testing::expectArrivingTextKept(*c.field, c.arriving, c.kept);
}

TEST_F(StationWindow, OffsetThatIsNotANumberHoldsTheFocus) {
    frmStationID& w = open();
    w.Text6.setFocus();
    retype(w.Text6, "-");
    QTest::keyClick(&w.Text6, Qt::Key_Tab);
    EXPECT_EQ(fake.ui.beeps, 1);
    EXPECT_TRUE(w.Text6.hasFocus());

    QTest::keyClicks(&w.Text6, QStringLiteral("2"));
    QTest::keyClick(&w.Text6, Qt::Key_Tab);
    EXPECT_TRUE(w.Command1.hasFocus());
    EXPECT_EQ(fake.ui.beeps, 1);
}

TEST_F(StationWindow, PositionThatIsNotANumberBecomesZeroAtDone) {
    frmStationID& w = open();
    retype(w.Text3, "1-2");
    retype(w.Text4, ".");
    QTest::mouseClick(&w.Command1, Qt::LeftButton);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(textOf(w.Text3), "0");
    EXPECT_EQ(textOf(w.Text4), "0");
    const std::string file = folder.read("SharedUserPreferences.xml");
    EXPECT_NE(file.find("<OWN_LONGITUDE>0</OWN_LONGITUDE>\r\n<OWN_LATITUDE>0</OWN_LATITUDE>\r\n"), std::string::npos);
}

TEST_F(StationWindow, CountryCompletesFromTheLastMatchingRowKeepingLetterCase) {
    frmStationID& w = open();
    w.Text2.clear();
    QTest::keyClicks(&w.Text2, QStringLiteral("uni"));
    EXPECT_EQ(textOf(w.Text2), "United States");
    EXPECT_EQ(w.Text2.cursorPosition(), 3);
    EXPECT_EQ(w.Text2.selectedText(), QStringLiteral("ted States"));
    EXPECT_EQ(textOf(w.Text3), " 95.5");
    EXPECT_EQ(textOf(w.Text4), " 37");

    QTest::keyClicks(&w.Text2, QStringLiteral("ted K"));
    EXPECT_EQ(textOf(w.Text2), "United Kingdom");
    EXPECT_EQ(textOf(w.Text3), " 1.5");
    EXPECT_EQ(textOf(w.Text4), " 52.25");

    w.Text2.clear();
    QTest::keyClicks(&w.Text2, QStringLiteral("uNi"));
    EXPECT_EQ(textOf(w.Text2), "UNi") << "a capital second letter matches nothing";
}

TEST_F(StationWindow, DoubleQuoteNeverEntersCallSectionOrCountry) {
    fake.settings.values["UserCallSign"] = "W\"2";
    state.prefs.OwnCall.clear();
    frmStationID& w = open();
    EXPECT_EQ(textOf(w.Text1), "W2");
    for (QLineEdit* field : {&w.Text1, &w.Text5, &w.Text2}) {
        field->clear();
        QTest::keyClicks(field, QStringLiteral("a\"b"));
        EXPECT_EQ(field->text().count(QLatin1Char('"')), 0) << textOf(*field);
        field->clear();
        QApplication::clipboard()->setText(QStringLiteral("X\"Y"));
        field->paste();
        field->insert(QStringLiteral("Z\""));
        EXPECT_EQ(textOf(*field), "XYZ");
    }
}

TEST_F(StationWindow, SharedFileThatCannotBeWrittenIsReportedAndDoneStillCloses) {
    fake.files.failReplace = true;
    frmStationID& w = open();
    QTest::mouseClick(&w.Command1, Qt::LeftButton);
    ASSERT_EQ(fake.ui.messages.size(), 1u);
    EXPECT_EQ(fake.ui.messages[0].title, "Shared Preferences Error");
    EXPECT_EQ(fake.ui.messages[0].text, "No space left on device  " + folder.file("SharedUserPreferences.xml"));
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(StationWindow, TabFollowsTheFieldOrder) {
    frmStationID& w = open();
    const std::vector<QWidget*> order = {&w.Text1, &w.Text5, &w.Text6, &w.Command1, &w.Text2, &w.Text3, &w.Text4};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        ASSERT_TRUE(order[i]->hasFocus()) << i;
        QTest::keyClick(order[i], Qt::Key_Tab);
    }
    EXPECT_TRUE(w.Text4.hasFocus());
}

}  // namespace
}  // namespace topband
