#include <gtest/gtest.h>

#include "core/number_text.h"
#include "core/record_file.h"

namespace topband {
namespace {

TEST(RecordWriter, WritesQuotedTextBareNumbersAndTruthValuesWithCrLf) {
    RecordWriter w;
    w.text("K1ABC").text("").number(5.0f).number(-5.5f).number(71.25f).integer(-16777216).truth(true).truth(false);
    w.endRecord();
    w.text("second").endRecord();
    EXPECT_EQ(w.content(), "\"K1ABC\",\"\",5,-5.5,71.25,-16777216,#TRUE#,#FALSE#\r\n\"second\"\r\n");
    EXPECT_TRUE(w.ok());
}

TEST(RecordWriter, RefusesTextThatWouldBreakItsRecord) {
    for (const char* bad : {"K1\"ABC", "line\r", "line\nbreak"}) {
        RecordWriter w;
        w.text("fine").text(bad).endRecord();
        EXPECT_FALSE(w.ok()) << bad;
        EXPECT_EQ(w.refusedText(), bad);
    }
}

TEST(NumberText, FormatsWithoutTrailingZerosOrExponent) {
    const struct {
        float value;
        const char* text;
        const char* signedText;
    } cases[] = {
        {5.0f, "5", " 5"},
        {-5.5f, "-5.5", "-5.5"},
        {4.5f, "4.5", " 4.5"},
        {0.0f, "0", " 0"},
        {-0.0f, "0", " 0"},
        {71.25f, "71.25", " 71.25"},
        {0.0001f, "0.0001", " 0.0001"},
        {-122.33f, "-122.33", "-122.33"},
        {1e7f, "10000000", " 10000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumber(c.value), c.text);
        EXPECT_EQ(formatSignedNumber(c.value), c.signedText);
    }
}

TEST(NumberText, ReadsOnlyWholeDecimalNumbers) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"5", 5},
        {" -5.5 ", -5.5},
        {"+3", 3},
        {".5", 0.5},
        {"71.25", 71.25},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"71,25", std::nullopt},
        {"5/", std::nullopt},
        {"abc", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e5", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"++1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(RecordReader, ReadsFieldsAcrossCommasAndLineEnds) {
    RecordReader r("\"K1ABC\",\"599\",  \"CT\" ,  7 ,#TRUE#\r\n\"\",plain text ,-5.5\n");
    EXPECT_EQ(r.text(), "K1ABC");
    EXPECT_EQ(r.text(), "599");
    EXPECT_EQ(r.text(), "CT");
    EXPECT_EQ(r.integer(0, 10), 7);
    EXPECT_EQ(r.truth(), true);
    EXPECT_EQ(r.line(), 1);
    EXPECT_EQ(r.text(), "");
    EXPECT_EQ(r.text(), "plain text");
    EXPECT_EQ(r.number(), -5.5);
    EXPECT_EQ(r.line(), 2);
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, SkipsEmptyLinesAndAcceptsAnyLineEnd) {
    RecordReader r("\r\n\"a\"\n\n  \r\n\"b\"\r\"c\"");
    EXPECT_EQ(r.text(), "a");
    EXPECT_EQ(r.text(), "b");
    EXPECT_EQ(r.text(), "c");
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, TellsWhetherAFieldEndedItsLine) {
    RecordReader r("\"a\", b ,\"c\"\r\n\r\nd\re,\n\"f\"");
    const struct {
        const char* field;
        bool lineEnded;
        int line;
    } fields[] = {
        {"a", false, 1}, {"b", false, 1}, {"c", true, 1}, {"d", true, 3},
        {"e", false, 4}, {"", true, 4},   {"f", true, 5},
    };
    for (const auto& f : fields) {
        EXPECT_EQ(r.text(), f.field);
        EXPECT_EQ(r.lineEnded(), f.lineEnded) << f.field;
        EXPECT_EQ(r.line(), f.line) << f.field;
    }
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordFile, TakesOffAByteOrderMarkOnlyAtTheStart) {
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB\xBF\"a\"\r\n"), "\"a\"\r\n");
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB\xBF"), "");
    EXPECT_EQ(withoutByteOrderMark("\"a\"\xEF\xBB\xBF"), "\"a\"\xEF\xBB\xBF");
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB\"a\""), "\xEF\xBB\"a\"");
    EXPECT_EQ(withoutByteOrderMark(""), "");
}

TEST(RecordReader, TrailingCommaPromisesAnEmptyField) {
    RecordReader r("\"a\",\r\n");
    EXPECT_EQ(r.text(), "a");
    EXPECT_FALSE(r.atEnd());
    EXPECT_EQ(r.text(), "");
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, ReportsFieldsThatFail) {
    const struct {
        const char* content;
        const char* error;
    } cases[] = {
        {"", "line 1: the file ends inside a record"},
        {"\"cut", "line 1: a quoted field has no closing quote"},
        {"\"cut\r\nnext\"", "line 1: a quoted field has no closing quote"},
        {"\"a\"b", "line 1: unexpected text after a quoted field"},
        {"\r\n\r\nfive", "line 3: \"five\" is not a number"},
    };
    for (const auto& c : cases) {
        RecordReader r(c.content);
        (void)r.text();
        if (std::string(c.error).find("number") != std::string::npos) {
            RecordReader numbers(c.content);
            EXPECT_FALSE(numbers.number());
            EXPECT_EQ(numbers.error(), c.error);
        } else {
            EXPECT_EQ(r.error(), c.error) << c.content;
        }
    }
}

TEST(RecordReader, ChecksWholeNumberRangesAndTruthValues) {
    RecordReader r("256,-1,12.5,#true#,yes");
    EXPECT_FALSE(r.integer(0, 255));
    EXPECT_NE(r.error().find("\"256\" is not a whole number from 0 to 255"), std::string::npos);
    RecordReader rest("-1,12.5,#true#,yes");
    EXPECT_EQ(rest.integer(-1, 1), -1);
    EXPECT_FALSE(rest.integer(0, 100));
    RecordReader truths("#true#,yes");
    EXPECT_EQ(truths.truth(), true);
    EXPECT_FALSE(truths.truth());
}

TEST(RecordReader, StopsAtTheFirstFailure) {
    RecordReader r("\"a\"x,\"b\"");
    EXPECT_FALSE(r.text());
    EXPECT_FALSE(r.text());
}

}  // namespace
}  // namespace topband
