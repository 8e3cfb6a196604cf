#include "core/record_file.h"

#include "core/letter_case.h"
#include "core/number_text.h"

namespace topband {
namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool fitsQuotedField(std::string_view value) { return value.find_first_of("\"\r\n") == std::string_view::npos; }

std::string_view withoutByteOrderMark(std::string_view content) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return content.substr(0, kMark.size()) == kMark ? content.substr(kMark.size()) : content;
}

void RecordReader::skipBlanks() {
    while (pos_ < content_.size() && isBlank(content_[pos_])) ++pos_;
}

void RecordReader::skipEmptyLines() {
    for (;;) {
        skipBlanks();
        if (pos_ >= content_.size() || !isLineEnd(content_[pos_])) return;
        if (content_[pos_] == '\r' && pos_ + 1 < content_.size() && content_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++currentLine_;
    }
}

bool RecordReader::fail(std::string why) { return failAt(currentLine_, std::move(why)); }

bool RecordReader::failAt(int line, std::string why) {
    if (error_.empty()) error_ = "line " + std::to_string(line) + ": " + std::move(why);
    return false;
}

bool RecordReader::atEnd() {
    if (fieldExpected_) return false;
    skipEmptyLines();
    return pos_ >= content_.size();
}

std::optional<std::string_view> RecordReader::nextField() {
    if (!error_.empty()) return std::nullopt;
    if (fieldExpected_) {
        skipBlanks();
    } else {
        skipEmptyLines();
        if (pos_ >= content_.size()) {
            fail("the file ends inside a record");
            return std::nullopt;
        }
    }
    fieldExpected_ = false;
    fieldLine_ = currentLine_;
    std::string_view field;
    if (pos_ < content_.size() && content_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        std::size_t end = start;
        while (end < content_.size() && content_[end] != '"' && !isLineEnd(content_[end])) ++end;
        if (end >= content_.size() || content_[end] != '"') {
            fail("a quoted field has no closing quote");
            return std::nullopt;
        }
        field = content_.substr(start, end - start);
        pos_ = end + 1;
        skipBlanks();
        if (pos_ < content_.size() && content_[pos_] != ',' && !isLineEnd(content_[pos_])) {
            fail("unexpected text after a quoted field");
            return std::nullopt;
        }
    } else {
        const std::size_t start = pos_;
        while (pos_ < content_.size() && content_[pos_] != ',' && !isLineEnd(content_[pos_])) ++pos_;
        field = trimBlanks(content_.substr(start, pos_ - start));
    }
    if (pos_ < content_.size() && content_[pos_] == ',') {
        ++pos_;
        fieldExpected_ = true;
    } else if (pos_ < content_.size()) {
        if (content_[pos_] == '\r' && pos_ + 1 < content_.size() && content_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++currentLine_;
    }
    return field;
}

std::optional<std::string> RecordReader::text() {
    const auto field = nextField();
    if (!field) return std::nullopt;
    return std::string(*field);
}

std::optional<double> RecordReader::number() {
    const auto field = nextField();
    if (!field) return std::nullopt;
    const auto value = parseNumber(*field);
    if (!value) failAt(fieldLine_, "\"" + std::string(*field) + "\" is not a number");
    return value;
}

std::optional<std::int64_t> RecordReader::integer(std::int64_t low, std::int64_t high) {
    const auto field = nextField();
    if (!field) return std::nullopt;
    const auto value = parseInteger(*field, low, high);
    if (!value)
        failAt(fieldLine_, "\"" + std::string(*field) + "\" is not a whole number from " + std::to_string(low) +
                               " to " + std::to_string(high));
    return value;
}

std::optional<bool> RecordReader::truth() {
    const auto field = nextField();
    if (!field) return std::nullopt;
    if (equalsIgnoringCase(*field, "#TRUE#")) return true;
    if (equalsIgnoringCase(*field, "#FALSE#")) return false;
    failAt(fieldLine_, "\"" + std::string(*field) + "\" is not #TRUE# or #FALSE#");
    return std::nullopt;
}

void RecordWriter::separate() {
    if (recordStarted_) content_ += ',';
    recordStarted_ = true;
}

RecordWriter& RecordWriter::text(std::string_view value) {
    if (!fitsQuotedField(value) && refused_.empty()) refused_ = std::string(value);
    separate();
    content_ += '"';
    content_ += value;
    content_ += '"';
    return *this;
}

RecordWriter& RecordWriter::number(float value) {
    separate();
    content_ += formatNumber(value);
    return *this;
}

RecordWriter& RecordWriter::integer(std::int64_t value) {
    separate();
    content_ += formatInteger(value);
    return *this;
}

RecordWriter& RecordWriter::truth(bool value) {
    separate();
    content_ += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

RecordWriter& RecordWriter::endRecord() {
    content_ += "\r\n";
    recordStarted_ = false;
    return *this;
}

}  // namespace topband
