// Country, duplicates, sections and score as the operator sees them in the main window.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/widget_text.h"

namespace topband {
namespace {

using testing::line;
using testing::MainWindowTest;

Contact contact(const char* call, const char* section, const char* country, const char* time = "22:01:07") {
    return {call, "599", section, "599", country, "2026/12/05", time};
}

// Newington, Connecticut; a log whose records the test chooses.
class LogCoreWindowTest : public MainWindowTest {
protected:
    void start(const std::vector<Contact>& log, const std::string& prefs = kNewington) {
        std::string content;
        for (const Contact& c : log) content += line(c);
        openOn(content, prefs);
        form.txtCall->setFocus();
    }
    static inline const std::string kNewington =
        "\"W1AW\"\r\n\"CT\"\r\n5\r\n\"USA\"\r\n72.72\r\n41.71\r\n100\r\n192\r\n8421504\r\n0\r\n0\r\n";
};

TEST_F(LogCoreWindowTest, TypingACallShowsCountryContinentBearingAndDistance) {
    start({});
    QTest::keyClicks(form.txtCall, QStringLiteral("ja1xyz"));
    EXPECT_EQ(textOf(*form.txtCall), "JA1XYZ");
    EXPECT_EQ(textOf(*form.txtCntry), "Japan");
    EXPECT_EQ(textOf(*form.Label19), "AS");
    EXPECT_EQ(textOf(*form.Label22), "335 ");
    EXPECT_EQ(textOf(*form.Label23), "6,688 ");
    EXPECT_TRUE(form.Label3->isVisibleTo(&form));  // a DX country not yet worked

    // A US call keeps the bearing shown; a maritime mobile has no country at all.
    form.txtCall->clear();
    QTest::keyClicks(form.txtCall, QStringLiteral("K1ABC"));
    EXPECT_EQ(textOf(*form.txtCntry), "USA");
    EXPECT_FALSE(form.Label3->isVisibleTo(&form));
    QTest::keyClicks(form.txtCall, QStringLiteral("/MM"));
    EXPECT_EQ(textOf(*form.txtCntry), "");
    EXPECT_EQ(textOf(*form.Label19), "");
}

TEST_F(LogCoreWindowTest, PastedTextPassesTheSameFiltersAsTypedKeys) {
    start({});
    QApplication::clipboard()->setText(QStringLiteral("ja1 \"xyz?"));
    form.txtCall->paste();
    EXPECT_EQ(textOf(*form.txtCall), "JA1XYZ");
    EXPECT_EQ(textOf(*form.txtCntry), "Japan");
    QApplication::clipboard()->setText(QStringLiteral("C\"T"));
    form.txtSec->paste();
    EXPECT_EQ(textOf(*form.txtSec), "CT");
}

TEST_F(LogCoreWindowTest, CountryFieldCompletesFromThePrefixTable) {
    start({contact("G3XYZ", "", "England")});
    form.txtCntry->setFocus();
    QTest::keyClicks(form.txtCntry, QStringLiteral("ge"));
    EXPECT_EQ(textOf(*form.txtCntry), "Georgia");
    EXPECT_EQ(stdText(form.txtCntry->selectedText()), "orgia");
    EXPECT_EQ(textOf(*form.Label19), "AS");
    EXPECT_TRUE(form.Label3->isVisibleTo(&form));
    form.txtCntry->clear();
    QTest::keyClicks(form.txtCntry, QStringLiteral("engl"));
    EXPECT_EQ(textOf(*form.txtCntry), "England");
    EXPECT_FALSE(form.Label3->isVisibleTo(&form));  // already worked
}

TEST_F(LogCoreWindowTest, PartialMatchesListNewestFirst) {
    start({contact("K1ABC", "CT", "USA"), contact("W2XX", "ENY", "USA"), contact("k1abd", "EMA", "USA")});
    QTest::keyClicks(form.txtCall, QStringLiteral("k1a"));
    EXPECT_EQ(textOf(*form.lblDupe), "k1abd K1ABC ");
    EXPECT_EQ(textOf(*form.lblDialog), " ");
    QTest::keyClicks(form.txtCall, QStringLiteral("bc"));
    EXPECT_EQ(textOf(*form.lblDupe), "K1ABC ");
    EXPECT_EQ(textOf(*form.lblDialog), "Possible Duplicate!");
    QTest::keyClick(form.txtCall, Qt::Key_Backspace);
    EXPECT_EQ(textOf(*form.lblDupe), "");
}

TEST_F(LogCoreWindowTest, SecondOrThirdCharacterMustBeNumeric) {
    start({});
    QTest::keyClicks(form.txtCall, QStringLiteral("KAB"));
    EXPECT_EQ(textOf(*form.lblDialog), "The second or third character is not numeric!");
    EXPECT_EQ(fx.ui.beeps, 1);
    form.cmdDup->click();
    EXPECT_EQ(stdText(form.cmdDup->text()), "Off");
    form.txtCall->clear();
    QTest::keyClicks(form.txtCall, QStringLiteral("WAB"));
    EXPECT_EQ(textOf(*form.lblDialog), "The second or third character is not numeric!");
}

TEST_F(LogCoreWindowTest, LeavingADuplicateCallShowsTheRedMessageAndEmptiesTheFields) {
    start({contact("K1ABC", "CT", "USA"), contact("G3XYZ", "", "England", "22:03:00")});
    QTest::keyClicks(form.txtCall, QStringLiteral("g3xyz"));
    form.txtRSTR->setFocus();
    EXPECT_EQ(textOf(*form.lblDialog), "Duplicate G3XYZ  2026/12/05 22:03:00  Rec#  2");
    EXPECT_NE(form.lblDialog->styleSheet().indexOf(QStringLiteral("#FF0000")), -1);
    for (const QLineEdit* field : {form.txtCall, form.txtRSTR, form.txtSec, form.txtRSTS, form.txtCntry})
        EXPECT_EQ(textOf(*field), "");
    EXPECT_TRUE(form.txtCall->hasFocus());
    EXPECT_TRUE(state.entry.DupeFlag);
}

TEST_F(LogCoreWindowTest, KeysInTheThreeSecondsAfterADuplicateAreDroppedWithoutFreezingTheWindow) {
    start({contact("K1ABC", "CT", "USA")});
    QTest::keyClicks(form.txtCall, QStringLiteral("K1ABC"));
    form.txtRSTR->setFocus();
    ASSERT_TRUE(state.entry.DupeFlag);

    fx.clock.local.second += 1;
    QTest::keyClicks(form.txtCall, QStringLiteral("W1"));
    EXPECT_EQ(textOf(*form.txtCall), "");
    const QString clockBefore = form.lblutctime->text();
    fx.clock.local.second += 1;
    // The clocks keep running during the hold.
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.lblutctime->text() != clockBefore; }, 2000));

    fx.clock.local.second += 2;  // now 4 s after the duplicate
    QTest::qWait(300);
    EXPECT_EQ(textOf(*form.txtCall), "") << "keys typed during the hold never come back";
    QTest::keyClicks(form.txtCall, QStringLiteral("W1AW"));
    EXPECT_EQ(textOf(*form.txtCall), "W1AW");
    EXPECT_FALSE(state.entry.DupeFlag);
}

TEST_F(LogCoreWindowTest, ScoreOfARealisticLogAfterReload) {
    // 10 W/VE contacts in 8 sections, 2 DX contacts in 2 countries.
    const char* sections[] = {"CT", "EMA", "ME", "NH", "RI", "VT", "WMA", "ENY", "CT", "ct"};
    std::vector<Contact> log;
    for (int i = 0; i < 10; ++i) log.push_back(contact(("W" + std::to_string(i) + "AA").c_str(), sections[i], "USA"));
    log.push_back(contact("G3XYZ", "", "England"));
    log.push_back(contact("DL1ABC", "", "Fed. Rep. of Germany"));
    start(log);
    form.mnuopen2();
    EXPECT_EQ(textOf(*form.lblTotCon), "10");
    EXPECT_EQ(textOf(*form.lblTotSec), "2");
    EXPECT_EQ(textOf(*form.lblsectogo), "10");
    EXPECT_EQ(textOf(*form.lblTotScore), "300");
    EXPECT_EQ(textOf(*form.Label15), "Sections Worked: 8");
    EXPECT_EQ(form.List1->count(), 2);
    EXPECT_EQ(textOf(*form.lblStation[5]), "DX  2");
}

TEST_F(LogCoreWindowTest, SectionsCountEvenWhenBothColoursAreEqual) {
    std::string sameColours = kNewington;
    sameColours.replace(sameColours.find("192\r\n8421504"), 12, "255\r\n255\r\n0");
    sameColours = sameColours.substr(0, sameColours.rfind("0\r\n0\r\n0\r\n")) + "0\r\n0\r\n";
    start({contact("K1ABC", "CT", "USA"), contact("K2ABC", "ENY", "USA")}, sameColours);
    ASSERT_EQ(state.prefs.WorkedColor, state.prefs.UnworkedColor);
    EXPECT_EQ(textOf(*form.Label15), "Sections Worked: 2");
    EXPECT_EQ(textOf(*form.lblsectogo), "2");
}

TEST_F(LogCoreWindowTest, SectionLabelsCopyOnClickAndShowTotalsOnHover) {
    start({contact("K1ABC", "CT", "USA"), contact("K1ABD", "ct", "USA"), contact("K1ABE", "CT", "USA")});
    const int ct = state.logbook.sections.find("CT");
    QLabel* label = form.Label10[static_cast<std::size_t>(ct)];
    EXPECT_EQ(stdText(label->text()), "CT");
    EXPECT_EQ(stdText(label->toolTip()), "Connecticut");
    EXPECT_TRUE(state.logbook.sections.isWorked(ct));
    EXPECT_NE(label->styleSheet().indexOf(QStringLiteral("bold")), -1);
    QTest::mouseMove(label);
    EXPECT_EQ(textOf(*form.lblDupe), " Connecticut    Total = 3");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(textOf(*form.txtSec), "CT");
}

TEST_F(LogCoreWindowTest, SectionCheckFollowsTheCountry) {
    start({});
    const struct {
        const char* section;
        const char* country;
        const char* message;
    } cases[] = {
        {"ct", "USA", ""},
        {"ONS", "Canada", ""},
        {"GH", "Canada", ""},
        {"YT", "canada", ""},
        {"ONS", "England", "Invalid Section!"},
        {"5", "USA", "Invalid Section!"},
        {"XX", "USA", "Invalid Section!"},
        {"", "USA", ""},
    };
    for (const auto& c : cases) {
        form.lblDialog->clear();
        form.txtSec->setText(qtText(c.section));
        form.txtCntry->setText(qtText(c.country));
        EXPECT_EQ(form.CheckSection(), std::string(c.message).empty()) << c.section << " " << c.country;
        EXPECT_EQ(textOf(*form.lblDialog), c.message) << c.section << " " << c.country;
    }
}

}  // namespace
}  // namespace topband
