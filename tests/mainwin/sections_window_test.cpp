// The section table read from sections.txt, as the operator sees it in the main window.
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "mainwin/readable_colour.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/widget_text.h"

namespace topband {
namespace {

using testing::line;
using testing::MainWindowTest;

class SectionsWindowTest : public MainWindowTest {
protected:
    void start(const std::string& log = {}) {
        work.write("160pref.txt", testing::kPrefs);
        work.write("Log.txt", log);
        ASSERT_TRUE(startUp());
    }
    std::vector<std::string> labelTexts() const {
        std::vector<std::string> texts;
        for (std::size_t i = 1; i < form.Label10.size(); ++i) texts.push_back(textOf(*form.Label10[i]));
        return texts;
    }
};

TEST_F(SectionsWindowTest, OneContactInEverySectionLeavesNoneToGo) {
    const SectionTable table;
    ASSERT_EQ(table.SectionCount(), 86);
    std::string log;
    for (const Section& s : table.sections())
        log += line({"K1" + s.abbreviation, "599", s.abbreviation, "599", s.group == "Canada" ? "Canada" : "USA",
                     "2026/12/05", "22:01:07"});
    start(log);
    EXPECT_EQ(form.Label10.size(), 87u);
    EXPECT_EQ(textOf(*form.Label15), "Sections Worked: 86");
    EXPECT_EQ(textOf(*form.lblSectionsToGo), "Sections to go: 0");
    EXPECT_EQ(textOf(*form.lblsectogo), "86");
}

// A colour of a label's style sheet, "background-color" or "color", as 0x00BBGGRR.
std::int32_t styleColour(const QLabel& label, const QString& property) {
    const QRegularExpression pattern(QStringLiteral("(^|[ ;])") + property + QStringLiteral(": *(#[0-9a-fA-F]{6})"));
    const QColor colour(pattern.match(label.styleSheet()).captured(2));
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

TEST_F(SectionsWindowTest, EveryLabelReadsAgainstItsCellWhateverTheColours) {
    start(line({"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "22:01:07"}));
    for (std::size_t i = 1; i < form.Label10.size(); ++i) {
        const QLabel& label = *form.Label10[i];
        const double contrast = contrastRatio(styleColour(label, QStringLiteral("color")),
                                              styleColour(label, QStringLiteral("background-color")));
        EXPECT_GE(contrast, kReadableContrast) << textOf(label) << ": " << stdText(label.styleSheet());
    }
}

TEST_F(SectionsWindowTest, TodaysCanadianSectionsAreValidAndTheRetiredOnesSayWhatReplacedThem) {
    start();
    const struct {
        const char* section;
        const char* message;
    } cases[] = {
        {"GH", ""},
        {"NB", ""},
        {"NS", ""},
        {"PE", ""},
        {"TER", ""},
        {"YT", ""},
        {"MAR", "MAR is now NB, NS or PE"},
        {"GTA", "GTA is now GH"},
        {"NT", "NT is now TER or YT"},
    };
    for (const auto& c : cases) {
        form.lblDialog->clear();
        form.txtSec->setText(qtText(c.section));
        form.txtCntry->setText(QStringLiteral("Canada"));
        EXPECT_EQ(form.CheckSection(), std::string(c.message).empty()) << c.section;
        EXPECT_EQ(textOf(*form.lblDialog), c.message) << c.section;
    }
}

TEST_F(SectionsWindowTest, AnEditedTableAddsASectionAndItsLabel) {
    std::string edited;
    const SectionTable today;
    for (const Section& s : today.sections())
        edited += "\"" + s.abbreviation + "\",\"" + s.name + "\",\"" + s.group + "\"\r\n";
    edited += "\"ZZ\",\"Zed Land\",\"Canada\"\r\n";
    work.write("sections.txt", edited);
    start(line({"VE9ZZ", "599", "zz", "599", "Canada", "2026/12/05", "22:01:07"}));
    const std::vector<std::string> labels = labelTexts();
    ASSERT_EQ(labels.size(), 87u);
    EXPECT_EQ(labels.back(), "ZZ");
    EXPECT_EQ(stdText(form.Label10.back()->toolTip()), "Zed Land");
    EXPECT_EQ(textOf(*form.Label15), "Sections Worked: 1");
    form.txtSec->setText(QStringLiteral("ZZ"));
    form.txtCntry->setText(QStringLiteral("Canada"));
    EXPECT_TRUE(form.CheckSection());
}

TEST_F(SectionsWindowTest, ADamagedTableIsReportedOnceAndTheBuiltInOneIsUsed) {
    work.write("sections.txt", "\"CT\",\"Connecticut\",\"1\"\r\n\"EMA\",\"East Massachusetts\"\r\n");
    fx.ui.messageAnswers.push_back(MessageAnswer::Ok);
    start();
    ASSERT_FALSE(fx.ui.messages.empty());
    EXPECT_EQ(fx.ui.messages[0].title, "Section File Error");
    EXPECT_NE(fx.ui.messages[0].text.find(work.file("sections.txt") + ", line 2"), std::string::npos)
        << fx.ui.messages[0].text;
    EXPECT_EQ(form.Label10.size(), 87u);
    EXPECT_EQ(state.logbook.sections.SectionCount(), 86);
}

}  // namespace
}  // namespace topband
