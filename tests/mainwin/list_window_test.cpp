// The recent-contacts list: which contacts it shows, its sort, and the edit and delete
// buttons and the delete flow as the operator uses them.
#include "tests/mainwin/recent_contacts_fixture.h"
#include "tests/support/widget_text.h"

namespace topband {
namespace {

using testing::contact;
using testing::line;
using testing::RecentContactsTest;
using testing::whenModalOpens;

std::vector<Contact> numberedLog(int count) {
    std::vector<Contact> log;
    for (int i = 1; i <= count; ++i) log.push_back(contact("K" + std::to_string(i) + "AA", "CT"));
    return log;
}

std::vector<std::string> numbersDownFrom(int newest, int oldest) {
    std::vector<std::string> numbers;
    for (int i = newest; i >= oldest; --i) numbers.push_back(std::to_string(i));
    return numbers;
}

struct ListCount {
    int logged;
    int oldestShown;  // the lowest record number in the list of the last twenty
    friend void PrintTo(const ListCount& c, std::ostream* os) {
        *os << c.logged << " logged → ";
        if (c.logged < c.oldestShown)
            *os << "no rows";
        else
            *os << "records " << c.logged << " down to " << c.oldestShown;
    }
};

class ListCountTest : public RecentContactsTest, public ::testing::WithParamInterface<ListCount> {};

TEST_P(ListCountTest, ShowsTheLastTwentyNewestFirstAndAllOnRequest) {
    const auto [count, oldestShown] = GetParam();
    start(numberedLog(count));
    EXPECT_EQ(column(0), numbersDownFrom(count, oldestShown));
    EXPECT_EQ(stdText(form.cmdList->text()), "Last 20");

    QTest::mouseClick(form.cmdList, Qt::LeftButton);
    EXPECT_EQ(stdText(form.cmdList->text()), "All");
    EXPECT_EQ(column(0), numbersDownFrom(count, 1));
    EXPECT_TRUE(form.txtCall->hasFocus());

    QTest::mouseClick(form.cmdList, Qt::LeftButton);
    EXPECT_EQ(column(0), numbersDownFrom(count, oldestShown));
}

INSTANTIATE_TEST_SUITE_P(Counts, ListCountTest,
                         ::testing::Values(ListCount{0, 1}, ListCount{19, 1}, ListCount{20, 1}, ListCount{21, 2}));

TEST_F(RecentContactsTest, RowsShowMonthDayAndHoursMinutesOrTheTextAsStored) {
    Contact odd = contact("G3XYZ", "", "England", "7:5");
    odd.date = "12/1/2024";
    odd.reportReceived = "579";
    start({contact("K1ABC", "CT", "USA", "22:01:07"), contact("W1AW", "EMA", "USA", "03:04"), odd});
    ASSERT_EQ(form.ListView1->columnCount(), 8);
    const std::vector<std::string> newest = {"3", "G3XYZ", "579", "", "599", "12/1/2024", "7:5", "England"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(column(i).front(), newest[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(column(5), (std::vector<std::string>{"12/1/2024", "12/05", "12/05"}));
    EXPECT_EQ(column(6), (std::vector<std::string>{"7:5", "03:04", "22:01"}));
}

TEST_F(RecentContactsTest, EditAndDeleteShowOnlyForASelectedRow) {
    start(numberedLog(3));
    EXPECT_FALSE(buttonsShown());
    // The list taking and losing the focus, and clicks below the last row, select nothing.
    form.ListView1->setFocus();
    form.txtCall->setFocus();
    const QPoint belowRows(20, form.ListView1->viewport()->height() - 3);
    bool editOpened = false;
    QTimer::singleShot(50, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            editOpened = true;
            modal->close();
        }
    });
    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, belowRows);
    QTest::mouseClick(form.ListView1->viewport(), Qt::RightButton, {}, belowRows);
    QTest::qWait(80);
    EXPECT_FALSE(editOpened);
    EXPECT_FALSE(buttonsShown());

    clickRow(1);
    EXPECT_TRUE(buttonsShown());
}

TEST_F(RecentContactsTest, ARightClickOnARowEditsThatRow) {
    start(numberedLog(3));
    std::string call;
    whenModalOpens([&call](QWidget& modal) {
        call = stdText(dynamic_cast<frmEditCon&>(modal).txtEditCall.text());
        modal.close();
    });
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(call, "K2AA");
}

TEST_F(RecentContactsTest, AnEmptyListNeverOffersEditOrDelete) {
    start({});
    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    form.txtCall->setFocus();
    EXPECT_FALSE(buttonsShown());
}

TEST_F(RecentContactsTest, DeleteAfterSortingRemovesTheRecordInTheClickedRow) {
    start({contact("W1AW", "CT"), contact("K1ABC", "EMA"), contact("N1XX", "VT")});
    QTest::mouseClick(form.ListView1->header()->viewport(), Qt::LeftButton, {},
                      QPoint(form.ListView1->header()->sectionViewportPosition(1) + 5, 5));
    ASSERT_EQ(column(1), (std::vector<std::string>{"K1ABC", "N1XX", "W1AW"}));
    fx.ui.messageAnswers.push_back(MessageAnswer::Yes);
    clickRow(0);
    QTest::mouseClick(form.cmdDelete, Qt::LeftButton);

    ASSERT_TRUE(fx.ui.shownMessageTitled("Are you sure?"));
    EXPECT_FALSE(buttonsShown());
    EXPECT_EQ(logText(), line(contact("W1AW", "CT")) + line(contact("N1XX", "VT")));
    EXPECT_EQ(state.logbook.log.ContactCount(), 2);
    EXPECT_EQ(column(1), (std::vector<std::string>{"N1XX", "W1AW"}));
    EXPECT_EQ(state.logbook.sections.SectionsWorked(), 2);  // EMA went with its contact
}

TEST_F(RecentContactsTest, AnsweringNoKeepsTheLogButHidesTheButtons) {
    start(numberedLog(3));
    const std::string before = logText();
    fx.ui.messageAnswers.push_back(MessageAnswer::No);
    clickRow(0);
    QTest::mouseClick(form.cmdDelete, Qt::LeftButton);
    EXPECT_EQ(logText(), before);
    EXPECT_EQ(state.logbook.log.ContactCount(), 3);
    EXPECT_FALSE(buttonsShown());
}

TEST_F(RecentContactsTest, TheFocusComesBackToTheCallAfterEditAndDelete) {
    start(numberedLog(4));
    const auto nextExchangeLandsInTheCall = [&](const char* how) {
        // The window's own focus: the field that gets the keys once the window is active again.
        ASSERT_EQ(form.focusWidget(), form.txtCall) << how;
        form.txtCall->clear();
        QTest::keyClicks(form.focusWidget(), QStringLiteral("w1aw"));
        EXPECT_EQ(textOf(*form.txtCall), "W1AW") << how;
        form.cmdClear_Click();
    };
    editRow(0, [](frmEditCon& w) { QTest::mouseClick(&w.cmdDone, Qt::LeftButton); });
    nextExchangeLandsInTheCall("after Done");
    editRow(0, [](frmEditCon& w) { w.close(); });
    nextExchangeLandsInTheCall("after the edit window was closed");
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        fx.ui.messageAnswers.push_back(answer);
        clickRow(0);
        form.cmdDelete->setFocus();
        QTest::mouseClick(form.cmdDelete, Qt::LeftButton);
        nextExchangeLandsInTheCall(answer == MessageAnswer::Yes ? "after Delete, Yes" : "after Delete, No");
    }
    EXPECT_EQ(state.logbook.log.ContactCount(), 3);
}

TEST_F(RecentContactsTest, AFailedRewriteIsReportedAndChangesNothing) {
    start(numberedLog(3));
    const std::string before = logText();
    fx.files.failReplace = true;
    fx.ui.messageAnswers.push_back(MessageAnswer::Yes);
    clickRow(2);
    QTest::mouseClick(form.cmdDelete, Qt::LeftButton);

    ASSERT_TRUE(fx.ui.shownMessageTitled("Error Saving Log"));
    EXPECT_NE(fx.ui.messages.back().text.find("No space left on device"), std::string::npos);
    EXPECT_EQ(logText(), before);
    EXPECT_EQ(state.logbook.log.ContactCount(), 3);
    EXPECT_EQ(state.logbook.log.record(1).call, "K1AA");
    EXPECT_EQ(column(0), (std::vector<std::string>{"3", "2", "1"}));
}

}  // namespace
}  // namespace topband
